// A DWG filer for tests that keeps everything in memory. Every call is logged as one line,
// "operation value" ("writeInt32 9", "writeBytes 0100000006", "readInt32 !eEndOfFile" for a failed
// read), every written value is stored, and the reads replay the stored values in order, ids included.
// A read whose stored value is of another kind fails with eInvalidInput, a read past the last value
// with eEndOfFile. Chosen calls can be made to fail, to exercise their callers' failure paths.
//
// Header-only on purpose: the vtable is then emitted only in the test programs that use it.
#pragma once

#include "acutads.h"
#include "dbfiler.h"
#include "gepnt2d.h"
#include "gepnt3d.h"
#include "gescl3d.h"
#include "gevec2d.h"
#include "gevec3d.h"

#include <cstdio>
#include <cstring>
#include <map>
#include <string>
#include <type_traits>
#include <utility>
#include <variant>
#include <vector>

class MemoryDwgFiler : public AcDbDwgFiler {
public:
    using Bytes = std::vector<unsigned char>;
    using Value = std::variant<Adesk::Int64, Adesk::UInt64, double, std::vector<double>, std::wstring, Bytes,
                               AcDbObjectId, const void*>;
    // One stored value; kind is the operation name without "read" or "write" ("Int32", "HardPointerId").
    struct Entry {
        std::string kind;
        Value value;
    };

    explicit MemoryDwgFiler(AcDb::FilerType type = AcDb::kFileFiler) : m_type(type) {}

    const std::vector<std::string>& calls() const { return m_calls; }
    // Benchmarks turn the log off: formatting every value would cost more than the filing itself.
    void keepCallLog(bool keep) { m_keepCallLog = keep; }
    void clearCalls() { m_calls.clear(); }
    const std::vector<Entry>& entries() const { return m_entries; }
    // Starts replaying from the first stored value.
    void rewind() { m_next = 0; }
    std::size_t unreadCount() const { return m_entries.size() - m_next; }
    // The occurrence-th call (from 1) of the named operation fails with status, without effect.
    void failOn(const std::string& operation, int occurrence, Acad::ErrorStatus status)
    {
        m_failures[operation] = {occurrence, status};
    }

    Acad::ErrorStatus filerStatus() const override { return m_status; }
    AcDb::FilerType filerType() const override { return m_type; }
    void setFilerStatus(Acad::ErrorStatus status) override { m_status = status; }
    void resetFilerStatus() override { m_status = Acad::eOk; }

    Acad::ErrorStatus readHardOwnershipId(AcDbHardOwnershipId* id) override { return readId("HardOwnershipId", id); }
    Acad::ErrorStatus writeHardOwnershipId(const AcDbHardOwnershipId& id) override
    {
        return write("HardOwnershipId", AcDbObjectId(id));
    }
    Acad::ErrorStatus readSoftOwnershipId(AcDbSoftOwnershipId* id) override { return readId("SoftOwnershipId", id); }
    Acad::ErrorStatus writeSoftOwnershipId(const AcDbSoftOwnershipId& id) override
    {
        return write("SoftOwnershipId", AcDbObjectId(id));
    }
    Acad::ErrorStatus readHardPointerId(AcDbHardPointerId* id) override { return readId("HardPointerId", id); }
    Acad::ErrorStatus writeHardPointerId(const AcDbHardPointerId& id) override
    {
        return write("HardPointerId", AcDbObjectId(id));
    }
    Acad::ErrorStatus readSoftPointerId(AcDbSoftPointerId* id) override { return readId("SoftPointerId", id); }
    Acad::ErrorStatus writeSoftPointerId(const AcDbSoftPointerId& id) override
    {
        return write("SoftPointerId", AcDbObjectId(id));
    }

    Acad::ErrorStatus readInt8(Adesk::Int8* value) override { return readInteger("Int8", value); }
    Acad::ErrorStatus writeInt8(Adesk::Int8 value) override { return write("Int8", Adesk::Int64{value}); }

    Acad::ErrorStatus readString(ACHAR** value) override
    {
        std::wstring text;
        Acad::ErrorStatus es = read("String", text);
        if (es == Acad::eOk)
            es = acutNewString(text.c_str(), *value);
        return es;
    }
    Acad::ErrorStatus writeString(const ACHAR* value) override
    {
        return write("String", std::wstring(value != nullptr ? value : L""));
    }
    Acad::ErrorStatus readString(AcString& value) override
    {
        std::wstring text;
        const Acad::ErrorStatus es = read("String", text);
        if (es == Acad::eOk)
            value = AcString(text);
        return es;
    }
    Acad::ErrorStatus writeString(const AcString& value) override { return write("String", value.str()); }

    Acad::ErrorStatus readBChunk(ads_binary* chunk) override
    {
        Bytes bytes;
        Acad::ErrorStatus es = read("BChunk", bytes);
        if (es != Acad::eOk)
            return es;
        void* buffer = nullptr;
        es = acutNewBuffer(buffer, bytes.size());
        if (es != Acad::eOk)
            return es;
        if (!bytes.empty())
            std::memcpy(buffer, bytes.data(), bytes.size());
        chunk->buf = static_cast<char*>(buffer);
        chunk->clen = static_cast<short>(bytes.size());
        return es;
    }
    Acad::ErrorStatus writeBChunk(const ads_binary& chunk) override
    {
        const auto* first = reinterpret_cast<const unsigned char*>(chunk.buf);
        return write("BChunk", Bytes(first, first + (chunk.clen > 0 ? chunk.clen : 0)));
    }

    Acad::ErrorStatus readAcDbHandle(AcDbHandle* handle) override
    {
        Adesk::UInt64 value = 0;
        const Acad::ErrorStatus es = read("AcDbHandle", value);
        if (es == Acad::eOk)
            *handle = value;
        return es;
    }
    Acad::ErrorStatus writeAcDbHandle(const AcDbHandle& handle) override { return write("AcDbHandle", handle.value()); }

    Acad::ErrorStatus readInt64(Adesk::Int64* value) override { return readInteger("Int64", value); }
    Acad::ErrorStatus writeInt64(Adesk::Int64 value) override { return write("Int64", value); }
    Acad::ErrorStatus readInt32(Adesk::Int32* value) override { return readInteger("Int32", value); }
    Acad::ErrorStatus writeInt32(Adesk::Int32 value) override { return write("Int32", Adesk::Int64{value}); }
    Acad::ErrorStatus readInt16(Adesk::Int16* value) override { return readInteger("Int16", value); }
    Acad::ErrorStatus writeInt16(Adesk::Int16 value) override { return write("Int16", Adesk::Int64{value}); }
    Acad::ErrorStatus readUInt64(Adesk::UInt64* value) override { return readInteger("UInt64", value); }
    Acad::ErrorStatus writeUInt64(Adesk::UInt64 value) override { return write("UInt64", value); }
    Acad::ErrorStatus readUInt32(Adesk::UInt32* value) override { return readInteger("UInt32", value); }
    Acad::ErrorStatus writeUInt32(Adesk::UInt32 value) override { return write("UInt32", Adesk::UInt64{value}); }
    Acad::ErrorStatus readUInt16(Adesk::UInt16* value) override { return readInteger("UInt16", value); }
    Acad::ErrorStatus writeUInt16(Adesk::UInt16 value) override { return write("UInt16", Adesk::UInt64{value}); }
    Acad::ErrorStatus readUInt8(Adesk::UInt8* value) override { return readInteger("UInt8", value); }
    Acad::ErrorStatus writeUInt8(Adesk::UInt8 value) override { return write("UInt8", Adesk::UInt64{value}); }

    Acad::ErrorStatus readBoolean(Adesk::Boolean* value) override { return readInteger("Boolean", value); }
    Acad::ErrorStatus writeBoolean(Adesk::Boolean value) override { return write("Boolean", Adesk::Int64{value}); }
    Acad::ErrorStatus readBool(bool* value) override
    {
        Adesk::Int64 stored = 0;
        const Acad::ErrorStatus es = read("Bool", stored);
        if (es == Acad::eOk)
            *value = stored != 0;
        return es;
    }
    Acad::ErrorStatus writeBool(bool value) override { return write("Bool", Adesk::Int64{value ? 1 : 0}); }

    Acad::ErrorStatus readDouble(double* value) override { return read("Double", *value); }
    Acad::ErrorStatus writeDouble(double value) override { return write("Double", value); }

    Acad::ErrorStatus readPoint2d(AcGePoint2d* value) override { return readCoordinates("Point2d", *value, 2); }
    Acad::ErrorStatus writePoint2d(const AcGePoint2d& value) override
    {
        return write("Point2d", std::vector<double>{value.x, value.y});
    }
    Acad::ErrorStatus readPoint3d(AcGePoint3d* value) override { return readCoordinates("Point3d", *value, 3); }
    Acad::ErrorStatus writePoint3d(const AcGePoint3d& value) override
    {
        return write("Point3d", std::vector<double>{value.x, value.y, value.z});
    }
    Acad::ErrorStatus readVector2d(AcGeVector2d* value) override { return readCoordinates("Vector2d", *value, 2); }
    Acad::ErrorStatus writeVector2d(const AcGeVector2d& value) override
    {
        return write("Vector2d", std::vector<double>{value.x, value.y});
    }
    Acad::ErrorStatus readVector3d(AcGeVector3d* value) override { return readCoordinates("Vector3d", *value, 3); }
    Acad::ErrorStatus writeVector3d(const AcGeVector3d& value) override
    {
        return write("Vector3d", std::vector<double>{value.x, value.y, value.z});
    }
    Acad::ErrorStatus readScale3d(AcGeScale3d* value) override { return readCoordinates("Scale3d", *value, 3); }
    Acad::ErrorStatus writeScale3d(const AcGeScale3d& value) override
    {
        return write("Scale3d", std::vector<double>{value.sx, value.sy, value.sz});
    }

    // A read must ask for exactly the number of bytes that the matching write stored.
    Acad::ErrorStatus readBytes(void* buffer, Adesk::UIntPtr size) override
    {
        Acad::ErrorStatus es = begin("readBytes");
        const Entry* entry = nullptr;
        if (es == Acad::eOk)
            es = take("Bytes", entry);
        if (es == Acad::eOk && std::get<Bytes>(entry->value).size() != size) {
            --m_next;
            es = Acad::eInvalidInput;
        }
        if (es == Acad::eOk && size != 0)
            std::memcpy(buffer, std::get<Bytes>(entry->value).data(), size);
        log("readBytes", es, entry);
        return es;
    }
    Acad::ErrorStatus writeBytes(const void* buffer, Adesk::UIntPtr size) override
    {
        const auto* first = static_cast<const unsigned char*>(buffer);
        return write("Bytes", Bytes(first, first + size));
    }

    Acad::ErrorStatus readAddress(void** value) override
    {
        const void* stored = nullptr;
        const Acad::ErrorStatus es = read("Address", stored);
        if (es == Acad::eOk)
            *value = const_cast<void*>(stored);
        return es;
    }
    Acad::ErrorStatus writeAddress(const void* value) override { return write("Address", value); }

    Acad::ErrorStatus seek(Adesk::Int64, int) override { return Acad::eNotImplementedYet; }
    Adesk::Int64 tell() const override { return static_cast<Adesk::Int64>(m_next); }

    static std::string format(const Value& value)
    {
        char text[64];
        switch (value.index()) {
        case 0:
            return std::to_string(std::get<Adesk::Int64>(value));
        case 1:
            return std::to_string(std::get<Adesk::UInt64>(value));
        case 2:
            std::snprintf(text, sizeof text, "%.17g", std::get<double>(value));
            return text;
        case 3: {
            std::string joined;
            for (const double coordinate : std::get<std::vector<double>>(value)) {
                std::snprintf(text, sizeof text, "%s%.17g", joined.empty() ? "" : ",", coordinate);
                joined += text;
            }
            return joined;
        }
        case 4:
            return narrow(std::get<std::wstring>(value));
        case 5: {
            std::string hex;
            for (const unsigned char byte : std::get<Bytes>(value)) {
                std::snprintf(text, sizeof text, "%02X", byte);
                hex += text;
            }
            return hex;
        }
        case 6:
            std::snprintf(text, sizeof text, "#%llX",
                          static_cast<unsigned long long>(std::get<AcDbObjectId>(value).asOldId()));
            return text;
        default:
            std::snprintf(text, sizeof text, "@%p", std::get<const void*>(value));
            return text;
        }
    }

private:
    static std::string narrow(const std::wstring& text)
    {
        std::string out;
        for (const wchar_t c : text)
            out += c < 0x80 ? static_cast<char>(c) : '?';
        return out;
    }

    Acad::ErrorStatus begin(const std::string& operation)
    {
        const auto found = m_failures.find(operation);
        if (found == m_failures.end() || --found->second.first != 0)
            return Acad::eOk;
        const Acad::ErrorStatus es = found->second.second;
        m_failures.erase(found);
        return es;
    }

    void log(const std::string& operation, Acad::ErrorStatus es, const Entry* entry)
    {
        if (!m_keepCallLog)
            return;
        if (es != Acad::eOk)
            m_calls.push_back(operation + " !" + narrow(acadErrorStatusText(es)));
        else
            m_calls.push_back(operation + " " + format(entry->value));
    }

    template <class T> Acad::ErrorStatus write(const std::string& kind, T value)
    {
        const Acad::ErrorStatus es = begin("write" + kind);
        Entry entry{kind, Value(std::move(value))};
        if (es == Acad::eOk)
            m_entries.push_back(entry);
        log("write" + kind, es, &entry);
        return es;
    }

    Acad::ErrorStatus take(const std::string& kind, const Entry*& entry)
    {
        if (m_next >= m_entries.size())
            return Acad::eEndOfFile;
        if (m_entries[m_next].kind != kind)
            return Acad::eInvalidInput;
        entry = &m_entries[m_next++];
        return Acad::eOk;
    }

    template <class T> Acad::ErrorStatus read(const std::string& kind, T& value)
    {
        Acad::ErrorStatus es = begin("read" + kind);
        const Entry* entry = nullptr;
        if (es == Acad::eOk)
            es = take(kind, entry);
        if (es == Acad::eOk)
            value = std::get<T>(entry->value);
        log("read" + kind, es, entry);
        return es;
    }

    template <class T> Acad::ErrorStatus readInteger(const std::string& kind, T* value)
    {
        Acad::ErrorStatus es = begin("read" + kind);
        const Entry* entry = nullptr;
        if (es == Acad::eOk)
            es = take(kind, entry);
        if (es == Acad::eOk) {
            std::visit(
                [value](const auto& stored) {
                    if constexpr (std::is_integral_v<std::decay_t<decltype(stored)>>)
                        *value = static_cast<T>(stored);
                },
                entry->value);
        }
        log("read" + kind, es, entry);
        return es;
    }

    template <class T> Acad::ErrorStatus readCoordinates(const std::string& kind, T& value, unsigned count)
    {
        std::vector<double> coordinates;
        const Acad::ErrorStatus es = read(kind, coordinates);
        if (es == Acad::eOk) {
            for (unsigned i = 0; i < count; ++i)
                value[i] = coordinates[i];
        }
        return es;
    }

    template <class Id> Acad::ErrorStatus readId(const std::string& kind, Id* id)
    {
        AcDbObjectId stored;
        const Acad::ErrorStatus es = read(kind, stored);
        if (es == Acad::eOk)
            *id = stored;
        return es;
    }

    AcDb::FilerType m_type;
    Acad::ErrorStatus m_status = Acad::eOk;
    std::vector<Entry> m_entries;
    std::size_t m_next = 0;
    std::vector<std::string> m_calls;
    bool m_keepCallLog = true;
    std::map<std::string, std::pair<int, Acad::ErrorStatus>> m_failures;
};
