// One description of an object's fields, walked in both directions: a class lists its fields once in
// a member template `fileFields(self, io)`, and DwgFieldWriter or DwgFieldReader walks that list.
// Both stop at the first failing filer call and keep its status; the reader never allocates more
// than the filer has delivered (arrays grow element by element) and refuses absurd counts.
#pragma once

#include "dbcolor.h"
#include "dbfiler.h"
#include "gepnt2d.h"
#include "gepnt3d.h"
#include "gescl3d.h"
#include "gevec2d.h"
#include "gevec3d.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>
#include <type_traits>
#include <vector>

namespace cadhost {

// Counts above this are taken for damage rather than data.
constexpr Adesk::UInt32 kMaxFiledCount = 1u << 20;
// Raw byte blocks travel in pieces of this size, so that no read needs a buffer larger than one piece.
constexpr std::size_t kByteChunk = 65536;

class DwgFieldWriter {
public:
    explicit DwgFieldWriter(AcDbDwgFiler* filer) : m_filer(filer) {}
    static constexpr bool kReading = false;

    Acad::ErrorStatus status() const { return m_status; }
    bool ok() const { return m_status == Acad::eOk; }

    DwgFieldWriter& operator()(const double& value) { return put(m_filer->writeDouble(value)); }
    DwgFieldWriter& operator()(const bool& value) { return put(m_filer->writeBool(value)); }
    DwgFieldWriter& operator()(const Adesk::Int32& value) { return put(m_filer->writeInt32(value)); }
    DwgFieldWriter& operator()(const Adesk::UInt32& value) { return put(m_filer->writeUInt32(value)); }
    DwgFieldWriter& operator()(const Adesk::Int16& value) { return put(m_filer->writeInt16(value)); }
    DwgFieldWriter& operator()(const Adesk::UInt16& value) { return put(m_filer->writeUInt16(value)); }
    DwgFieldWriter& operator()(const Adesk::UInt8& value) { return put(m_filer->writeUInt8(value)); }
    DwgFieldWriter& operator()(const float& value) { return put(m_filer->writeDouble(value)); }
    DwgFieldWriter& operator()(const wchar_t& value)
    {
        return put(m_filer->writeInt32(static_cast<Adesk::Int32>(value)));
    }
    DwgFieldWriter& operator()(const AcGePoint2d& value) { return put(m_filer->writePoint2d(value)); }
    DwgFieldWriter& operator()(const AcGePoint3d& value) { return put(m_filer->writePoint3d(value)); }
    DwgFieldWriter& operator()(const AcGeVector2d& value) { return put(m_filer->writeVector2d(value)); }
    DwgFieldWriter& operator()(const AcGeVector3d& value) { return put(m_filer->writeVector3d(value)); }
    DwgFieldWriter& operator()(const AcGeScale3d& value) { return put(m_filer->writeScale3d(value)); }
    DwgFieldWriter& operator()(const std::wstring& value) { return put(m_filer->writeString(value.c_str())); }
    DwgFieldWriter& operator()(const AcCmColor& value) { return ok() ? put(value.dwgOut(m_filer)) : *this; }
    DwgFieldWriter& operator()(const AcCmTransparency& value)
    {
        return put(m_filer->writeUInt32(value.serializeOut()));
    }

    // Enumerations travel as their integer value in the given integer type.
    template <class Stored, class Enum>
    DwgFieldWriter& enumAs(const Enum& value, Adesk::Int32 /*maxValue*/, Adesk::Int32 /*minValue*/ = 0)
    {
        return (*this)(static_cast<Stored>(value));
    }

    DwgFieldWriter& hardPointer(const AcDbObjectId& id) { return put(m_filer->writeHardPointerId(id)); }
    DwgFieldWriter& softPointer(const AcDbObjectId& id) { return put(m_filer->writeSoftPointerId(id)); }
    DwgFieldWriter& hardOwner(const AcDbObjectId& id) { return put(m_filer->writeHardOwnershipId(id)); }

    // A count, then each element through fileElement(io, element).
    template <class T, class FileElement> DwgFieldWriter& array(const std::vector<T>& items, FileElement fileElement)
    {
        (*this)(static_cast<Adesk::UInt32>(items.size()));
        for (const T& item : items) {
            if (!ok())
                break;
            fileElement(*this, item);
        }
        return *this;
    }
    template <class T> DwgFieldWriter& array(const std::vector<T>& items)
    {
        return array(items, [](DwgFieldWriter& io, const T& item) { io(item); });
    }

    DwgFieldWriter& bytes(const std::vector<Adesk::UInt8>& data)
    {
        (*this)(static_cast<Adesk::UInt32>(data.size()));
        for (std::size_t at = 0; ok() && at < data.size(); at += kByteChunk)
            put(m_filer->writeBytes(data.data() + at, std::min<std::size_t>(kByteChunk, data.size() - at)));
        return *this;
    }

private:
    DwgFieldWriter& put(Acad::ErrorStatus status)
    {
        if (m_status == Acad::eOk)
            m_status = status;
        return *this;
    }

    AcDbDwgFiler* m_filer;
    Acad::ErrorStatus m_status = Acad::eOk;
};

class DwgFieldReader {
public:
    explicit DwgFieldReader(AcDbDwgFiler* filer) : m_filer(filer) {}
    static constexpr bool kReading = true;

    Acad::ErrorStatus status() const { return m_status; }
    bool ok() const { return m_status == Acad::eOk; }
    void fail(Acad::ErrorStatus status)
    {
        if (m_status == Acad::eOk)
            m_status = status;
    }

    DwgFieldReader& operator()(double& value)
    {
        return get([&] { return m_filer->readDouble(&value); });
    }
    DwgFieldReader& operator()(bool& value)
    {
        return get([&] { return m_filer->readBool(&value); });
    }
    DwgFieldReader& operator()(Adesk::Int32& value)
    {
        return get([&] { return m_filer->readInt32(&value); });
    }
    DwgFieldReader& operator()(Adesk::UInt32& value)
    {
        return get([&] { return m_filer->readUInt32(&value); });
    }
    DwgFieldReader& operator()(Adesk::Int16& value)
    {
        return get([&] { return m_filer->readInt16(&value); });
    }
    DwgFieldReader& operator()(Adesk::UInt16& value)
    {
        return get([&] { return m_filer->readUInt16(&value); });
    }
    DwgFieldReader& operator()(Adesk::UInt8& value)
    {
        return get([&] { return m_filer->readUInt8(&value); });
    }
    DwgFieldReader& operator()(float& value)
    {
        double wide = 0.0;
        get([&] { return m_filer->readDouble(&wide); });
        if (ok() && !(std::abs(wide) <= std::numeric_limits<float>::max()))
            fail(Acad::eDwgObjectImproperlyRead);
        if (ok())
            value = static_cast<float>(wide);
        return *this;
    }
    DwgFieldReader& operator()(wchar_t& value)
    {
        Adesk::Int32 code = 0;
        get([&] { return m_filer->readInt32(&code); });
        if (ok())
            value = static_cast<wchar_t>(code);
        return *this;
    }
    DwgFieldReader& operator()(AcGePoint2d& value)
    {
        return get([&] { return m_filer->readPoint2d(&value); });
    }
    DwgFieldReader& operator()(AcGePoint3d& value)
    {
        return get([&] { return m_filer->readPoint3d(&value); });
    }
    DwgFieldReader& operator()(AcGeVector2d& value)
    {
        return get([&] { return m_filer->readVector2d(&value); });
    }
    DwgFieldReader& operator()(AcGeVector3d& value)
    {
        return get([&] { return m_filer->readVector3d(&value); });
    }
    DwgFieldReader& operator()(AcGeScale3d& value)
    {
        return get([&] { return m_filer->readScale3d(&value); });
    }
    DwgFieldReader& operator()(std::wstring& value)
    {
        AcString text;
        get([&] { return m_filer->readString(text); });
        if (ok())
            value = text.str();
        return *this;
    }
    DwgFieldReader& operator()(AcCmColor& value)
    {
        return get([&] { return value.dwgIn(m_filer); });
    }
    DwgFieldReader& operator()(AcCmTransparency& value)
    {
        Adesk::UInt32 raw = 0;
        get([&] { return m_filer->readUInt32(&raw); });
        if (ok())
            value.serializeIn(raw);
        return *this;
    }

    // An enumeration value outside minValue..maxValue is damage, not data.
    template <class Stored, class Enum>
    DwgFieldReader& enumAs(Enum& value, Adesk::Int32 maxValue, Adesk::Int32 minValue = 0)
    {
        Stored raw{};
        (*this)(raw);
        if (!ok())
            return *this;
        if (static_cast<Adesk::Int64>(raw) < minValue || static_cast<Adesk::Int64>(raw) > maxValue)
            fail(Acad::eDwgObjectImproperlyRead);
        else
            value = static_cast<Enum>(raw);
        return *this;
    }

    DwgFieldReader& hardPointer(AcDbObjectId& id)
    {
        AcDbHardPointerId read;
        get([&] { return m_filer->readHardPointerId(&read); });
        if (ok())
            id = read;
        return *this;
    }
    DwgFieldReader& softPointer(AcDbObjectId& id)
    {
        AcDbSoftPointerId read;
        get([&] { return m_filer->readSoftPointerId(&read); });
        if (ok())
            id = read;
        return *this;
    }
    DwgFieldReader& hardOwner(AcDbObjectId& id)
    {
        AcDbHardOwnershipId read;
        get([&] { return m_filer->readHardOwnershipId(&read); });
        if (ok())
            id = read;
        return *this;
    }

    template <class T, class FileElement> DwgFieldReader& array(std::vector<T>& items, FileElement fileElement)
    {
        Adesk::UInt32 count = 0;
        (*this)(count);
        if (!ok())
            return *this;
        if (count > kMaxFiledCount) {
            fail(Acad::eDwgObjectImproperlyRead);
            return *this;
        }
        std::vector<T> read;
        for (Adesk::UInt32 i = 0; i < count && ok(); ++i) {
            T item{};
            fileElement(*this, item);
            if (ok())
                read.push_back(std::move(item));
        }
        if (ok())
            items = std::move(read);
        return *this;
    }
    template <class T> DwgFieldReader& array(std::vector<T>& items)
    {
        return array(items, [](DwgFieldReader& io, T& item) { io(item); });
    }

    // Raw bytes arrive in bounded chunks, so a damaged length cannot make a huge allocation.
    DwgFieldReader& bytes(std::vector<Adesk::UInt8>& data)
    {
        Adesk::UInt32 size = 0;
        (*this)(size);
        if (!ok())
            return *this;
        if (size > 64u * kMaxFiledCount) {
            fail(Acad::eDwgObjectImproperlyRead);
            return *this;
        }
        std::vector<Adesk::UInt8> read;
        while (ok() && read.size() < size) {
            const std::size_t piece = std::min<std::size_t>(kByteChunk, size - read.size());
            const std::size_t at = read.size();
            read.resize(at + piece);
            get([&] { return m_filer->readBytes(read.data() + at, piece); });
        }
        if (ok())
            data = std::move(read);
        return *this;
    }

private:
    template <class Read> DwgFieldReader& get(Read read)
    {
        if (m_status == Acad::eOk)
            m_status = read();
        return *this;
    }

    AcDbDwgFiler* m_filer;
    Acad::ErrorStatus m_status = Acad::eOk;
};

// The io type that walks a const object writes; the one that walks a mutable object reads.
template <class Self> using DwgFieldIo = std::conditional_t<std::is_const_v<Self>, DwgFieldWriter, DwgFieldReader>;

} // namespace cadhost

namespace cadhost {

// Files an object's own level after its parent level: classes befriend FieldAccess and list their
// fields in a private static member template fileFields(self, io).
struct FieldAccess {
    template <class Object>
    static Acad::ErrorStatus out(const Object& object, AcDbDwgFiler* filer, Acad::ErrorStatus parentStatus)
    {
        if (parentStatus != Acad::eOk)
            return parentStatus;
        DwgFieldWriter io(filer);
        Object::fileFields(object, io);
        return io.status();
    }
    template <class Object>
    static Acad::ErrorStatus in(Object& object, AcDbDwgFiler* filer, Acad::ErrorStatus parentStatus)
    {
        if (parentStatus != Acad::eOk)
            return parentStatus;
        DwgFieldReader io(filer);
        Object::fileFields(object, io);
        return io.status();
    }
};

} // namespace cadhost
