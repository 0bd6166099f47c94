// How one record value travels through a DWG filer. Each codec writes a value and reads it back
// with the filer operation that the record streams use for it, so a stream described once as a list
// of codecs is walked the same way by its writer and its reader.
#pragma once

#include "acarray.h"
#include "acutads.h"
#include "afxstr.h"
#include "dbcolor.h"
#include "dbfiler.h"
#include "gemat3d.h"
#include "gepnt2d.h"
#include "gepnt3d.h"
#include "gescl3d.h"
#include "gevec3d.h"

namespace records {

enum class Direction { Write, Read };

struct Pt3 {
    using Value = AcGePoint3d;
    static Acad::ErrorStatus write(AcDbDwgFiler* filer, const Value& value) { return filer->writePoint3d(value); }
    static Acad::ErrorStatus read(AcDbDwgFiler* filer, Value& value) { return filer->readPoint3d(&value); }
};

struct Pt2 {
    using Value = AcGePoint2d;
    static Acad::ErrorStatus write(AcDbDwgFiler* filer, const Value& value) { return filer->writePoint2d(value); }
    static Acad::ErrorStatus read(AcDbDwgFiler* filer, Value& value) { return filer->readPoint2d(&value); }
};

struct Vec {
    using Value = AcGeVector3d;
    static Acad::ErrorStatus write(AcDbDwgFiler* filer, const Value& value) { return filer->writeVector3d(value); }
    static Acad::ErrorStatus read(AcDbDwgFiler* filer, Value& value) { return filer->readVector3d(&value); }
};

struct Dbl {
    using Value = double;
    static Acad::ErrorStatus write(AcDbDwgFiler* filer, const Value& value) { return filer->writeDouble(value); }
    static Acad::ErrorStatus read(AcDbDwgFiler* filer, Value& value) { return filer->readDouble(&value); }
};

// A float stored as a double.
struct FloatAsDbl {
    using Value = float;
    static Acad::ErrorStatus write(AcDbDwgFiler* filer, const Value& value) { return filer->writeDouble(value); }
    static Acad::ErrorStatus read(AcDbDwgFiler* filer, Value& value)
    {
        double stored = 0.0;
        const Acad::ErrorStatus es = filer->readDouble(&stored);
        if (es == Acad::eOk)
            value = static_cast<float>(stored);
        return es;
    }
};

// A flag stored as the double 1.0 or 0.0.
struct BoolAsDbl {
    using Value = bool;
    static Acad::ErrorStatus write(AcDbDwgFiler* filer, const Value& value)
    {
        return filer->writeDouble(value ? 1.0 : 0.0);
    }
    static Acad::ErrorStatus read(AcDbDwgFiler* filer, Value& value)
    {
        double stored = 0.0;
        const Acad::ErrorStatus es = filer->readDouble(&stored);
        if (es == Acad::eOk)
            value = stored != 0.0;
        return es;
    }
};

struct Bool {
    using Value = bool;
    static Acad::ErrorStatus write(AcDbDwgFiler* filer, const Value& value) { return filer->writeBool(value); }
    static Acad::ErrorStatus read(AcDbDwgFiler* filer, Value& value) { return filer->readBool(&value); }
};

// The host's 32-bit Boolean.
struct Boolean {
    using Value = Adesk::Boolean;
    static Acad::ErrorStatus write(AcDbDwgFiler* filer, const Value& value) { return filer->writeBoolean(value); }
    static Acad::ErrorStatus read(AcDbDwgFiler* filer, Value& value) { return filer->readBoolean(&value); }
};

struct UInt32 {
    using Value = Adesk::UInt32;
    static Acad::ErrorStatus write(AcDbDwgFiler* filer, const Value& value) { return filer->writeUInt32(value); }
    static Acad::ErrorStatus read(AcDbDwgFiler* filer, Value& value) { return filer->readUInt32(&value); }
};

struct UInt16 {
    using Value = Adesk::UInt16;
    static Acad::ErrorStatus write(AcDbDwgFiler* filer, const Value& value) { return filer->writeUInt16(value); }
    static Acad::ErrorStatus read(AcDbDwgFiler* filer, Value& value) { return filer->readUInt16(&value); }
};

// Marks a 32-bit codec whose every stored value is a value of its type (an integer, or an enumeration
// with a fixed underlying type).
inline constexpr Adesk::Int64 kAnyStoredValue = -1;

// A 32-bit value (an enumeration or an integer) stored in 32 bits. With Last, a stored value outside
// 0 ... Last names no enumerator and is refused before it becomes a value of the enumeration.
template <class T, Adesk::Int64 Last = kAnyStoredValue> struct Int32As {
    using Value = T;
    static Acad::ErrorStatus write(AcDbDwgFiler* filer, const Value& value)
    {
        return filer->writeInt32(static_cast<Adesk::Int32>(value));
    }
    static Acad::ErrorStatus read(AcDbDwgFiler* filer, Value& value)
    {
        Adesk::Int32 stored = 0;
        const Acad::ErrorStatus es = filer->readInt32(&stored);
        if (es != Acad::eOk)
            return es;
        if (Last != kAnyStoredValue && (stored < 0 || stored > Last))
            return Acad::eInvalidInput;
        value = static_cast<Value>(stored);
        return Acad::eOk;
    }
};
using Int32 = Int32As<Adesk::Int32>;

// A 32-bit value (an enumeration) stored in its low byte. A stored value above Last names no
// enumerator and is refused before it becomes a value of the enumeration.
template <class T, T Last> struct UInt8As {
    using Value = T;
    static Acad::ErrorStatus write(AcDbDwgFiler* filer, const Value& value)
    {
        return filer->writeUInt8(static_cast<Adesk::UInt8>(value));
    }
    static Acad::ErrorStatus read(AcDbDwgFiler* filer, Value& value)
    {
        Adesk::UInt8 stored = 0;
        const Acad::ErrorStatus es = filer->readUInt8(&stored);
        if (es != Acad::eOk)
            return es;
        if (stored > static_cast<Adesk::Int64>(Last))
            return Acad::eInvalidInput;
        value = static_cast<Value>(stored);
        return Acad::eOk;
    }
};

struct Hard {
    using Value = AcDbObjectId;
    static Acad::ErrorStatus write(AcDbDwgFiler* filer, const Value& value)
    {
        return filer->writeHardPointerId(AcDbHardPointerId(value));
    }
    static Acad::ErrorStatus read(AcDbDwgFiler* filer, Value& value)
    {
        AcDbHardPointerId id;
        const Acad::ErrorStatus es = filer->readHardPointerId(&id);
        if (es == Acad::eOk)
            value = id;
        return es;
    }
};

// A text as a plain character pointer; an absent text reads as an empty one.
struct Str {
    using Value = CString;
    static Acad::ErrorStatus write(AcDbDwgFiler* filer, const Value& value)
    {
        return filer->writeString(value.GetString());
    }
    static Acad::ErrorStatus read(AcDbDwgFiler* filer, Value& value)
    {
        ACHAR* text = nullptr;
        const Acad::ErrorStatus es = filer->readString(&text);
        if (es == Acad::eOk)
            value = CString(text);
        acutDelString(text);
        return es;
    }
};

struct Scale3d {
    using Value = AcGeScale3d;
    static Acad::ErrorStatus write(AcDbDwgFiler* filer, const Value& value) { return filer->writeScale3d(value); }
    static Acad::ErrorStatus read(AcDbDwgFiler* filer, Value& value) { return filer->readScale3d(&value); }
};

// A matrix as 16 doubles, row by row.
struct Matrix {
    using Value = AcGeMatrix3d;
    static Acad::ErrorStatus write(AcDbDwgFiler* filer, const Value& value)
    {
        for (const auto& row : value.entry) {
            for (const double entry : row) {
                if (const Acad::ErrorStatus es = filer->writeDouble(entry); es != Acad::eOk)
                    return es;
            }
        }
        return Acad::eOk;
    }
    static Acad::ErrorStatus read(AcDbDwgFiler* filer, Value& value)
    {
        for (auto& row : value.entry) {
            for (double& entry : row) {
                if (const Acad::ErrorStatus es = filer->readDouble(&entry); es != Acad::eOk)
                    return es;
            }
        }
        return Acad::eOk;
    }
};

// A colour in the host colour's own DWG form.
struct Color {
    using Value = AcCmColor;
    static Acad::ErrorStatus write(AcDbDwgFiler* filer, const Value& value) { return value.dwgOut(filer); }
    static Acad::ErrorStatus read(AcDbDwgFiler* filer, Value& value) { return value.dwgIn(filer); }
};

// A colour reduced to its colour index; a true colour comes back as its nearest index.
struct ColorIndex {
    using Value = AcCmColor;
    static Acad::ErrorStatus write(AcDbDwgFiler* filer, const Value& value)
    {
        return filer->writeUInt16(value.colorIndex());
    }
    static Acad::ErrorStatus read(AcDbDwgFiler* filer, Value& value)
    {
        Adesk::UInt16 index = 0;
        const Acad::ErrorStatus es = filer->readUInt16(&index);
        if (es == Acad::eOk)
            value.setColorIndex(index);
        return es;
    }
};

// A transparency as its serialised 32-bit value.
struct Transparency {
    using Value = AcCmTransparency;
    static Acad::ErrorStatus write(AcDbDwgFiler* filer, const Value& value)
    {
        return filer->writeUInt32(value.serializeOut());
    }
    static Acad::ErrorStatus read(AcDbDwgFiler* filer, Value& value)
    {
        Adesk::UInt32 stored = 0;
        const Acad::ErrorStatus es = filer->readUInt32(&stored);
        if (es == Acad::eOk)
            value.serializeIn(stored);
        return es;
    }
};

// An Int32 count, then each element with its own codec.
template <class Element> struct ArrayOf {
    using Value = AcArray<typename Element::Value>;
    static Acad::ErrorStatus write(AcDbDwgFiler* filer, const Value& value)
    {
        Acad::ErrorStatus es = filer->writeInt32(value.length());
        for (int index = 0; es == Acad::eOk && index < value.length(); ++index)
            es = Element::write(filer, value.at(index));
        return es;
    }
    static Acad::ErrorStatus read(AcDbDwgFiler* filer, Value& value)
    {
        Adesk::Int32 count = 0;
        if (const Acad::ErrorStatus es = filer->readInt32(&count); es != Acad::eOk)
            return es;
        if (count < 0)
            return Acad::eInvalidInput;
        value = Value();
        for (Adesk::Int32 index = 0; index < count; ++index) {
            typename Element::Value element{};
            if (const Acad::ErrorStatus es = Element::read(filer, element); es != Acad::eOk)
                return es;
            value.append(element);
        }
        return Acad::eOk;
    }
};

// Copies a text that the host handed over and releases the host's buffer.
inline CString takeText(ACHAR* buffer)
{
    CString copy(buffer);
    acutDelString(buffer);
    return copy;
}

template <class Codec>
Acad::ErrorStatus transfer(AcDbDwgFiler* filer, Direction direction, typename Codec::Value& value)
{
    return direction == Direction::Write ? Codec::write(filer, value) : Codec::read(filer, value);
}

} // namespace records
