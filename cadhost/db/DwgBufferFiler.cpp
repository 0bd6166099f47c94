#include "DwgBufferFiler.h"

#include "acutads.h"
#include "codepage.h"
#include "dbmain.h"
#include "gepnt2d.h"
#include "gepnt3d.h"
#include "gescl3d.h"
#include "gevec2d.h"
#include "gevec3d.h"

#include <bit>
#include <cstring>
#include <string>

static_assert(std::endian::native == std::endian::little, "the drawing file is little-endian");

namespace cadhost {
DwgBufferFiler::DwgBufferFiler(AcDb::FilerType type, const IdCodec* codec, AcDb::AcDbDwgVersion version)
    : m_type(type), m_codec(codec), m_version(version)
{
}

void DwgBufferFiler::startWriting()
{
    m_writing = true;
    m_buffer.clear();
    m_slots.clear();
    m_data = nullptr;
    m_size = 0;
    m_position = 0;
    m_status = Acad::eOk;
}

void DwgBufferFiler::startReading(const Adesk::UInt8* data, std::size_t size)
{
    m_writing = false;
    m_slots.clear();
    m_data = data;
    m_size = data != nullptr ? size : 0;
    m_position = 0;
    m_status = Acad::eOk;
}

Acad::ErrorStatus DwgBufferFiler::dwgVersion(AcDb::AcDbDwgVersion& version,
                                             AcDb::MaintenanceReleaseVersion& maintenance) const
{
    version = m_version;
    maintenance = AcDb::kMReleaseCurrent;
    return Acad::eOk;
}

Acad::ErrorStatus DwgBufferFiler::put(const void* data, std::size_t size)
{
    if (!m_writing)
        return Acad::eIsReading;
    if (m_status != Acad::eOk)
        return m_status;
    if (m_position + size > m_buffer.size())
        m_buffer.resize(m_position + size);
    if (size > 0)
        std::memcpy(m_buffer.data() + m_position, data, size);
    m_position += size;
    m_size = m_buffer.size();
    return Acad::eOk;
}

Acad::ErrorStatus DwgBufferFiler::take(void* data, std::size_t size)
{
    if (m_writing)
        return Acad::eIsWriting;
    if (m_status != Acad::eOk)
        return m_status;
    if (size > m_size - m_position) {
        m_status = Acad::eEndOfFile;
        return m_status;
    }
    if (size > 0)
        std::memcpy(data, m_data + m_position, size);
    m_position += size;
    return Acad::eOk;
}

template <class T> Acad::ErrorStatus DwgBufferFiler::putValue(T value)
{
    return put(&value, sizeof(T));
}

template <class T> Acad::ErrorStatus DwgBufferFiler::takeValue(T* value)
{
    T read{};
    Acad::ErrorStatus status = take(&read, sizeof(T));
    if (status == Acad::eOk && value != nullptr)
        *value = read;
    return status;
}

Acad::ErrorStatus DwgBufferFiler::putDoubles(const double* values, int count)
{
    return put(values, sizeof(double) * static_cast<std::size_t>(count));
}

Acad::ErrorStatus DwgBufferFiler::takeDoubles(double* values, int count)
{
    return take(values, sizeof(double) * static_cast<std::size_t>(count));
}

Acad::ErrorStatus DwgBufferFiler::writeId(const AcDbObjectId& id, IdKind kind)
{
    if (m_status != Acad::eOk)
        return m_status;
    auto offset = static_cast<Adesk::UInt32>(m_position);
    Adesk::UInt64 value = m_codec != nullptr && !id.isNull() ? m_codec->encode(id) : 0;
    Acad::ErrorStatus status = putValue(value);
    if (status == Acad::eOk)
        m_slots.push_back(IdSlot{offset, kind});
    return status;
}

Acad::ErrorStatus DwgBufferFiler::readId(AcDbObjectId& id, IdKind kind)
{
    auto offset = static_cast<Adesk::UInt32>(m_position);
    Adesk::UInt64 value = 0;
    Acad::ErrorStatus status = takeValue(&value);
    if (status != Acad::eOk)
        return status;
    m_slots.push_back(IdSlot{offset, kind});
    id = value != 0 && m_codec != nullptr ? m_codec->decode(value, kind) : AcDbObjectId::kNull;
    return Acad::eOk;
}

Acad::ErrorStatus DwgBufferFiler::readHardOwnershipId(AcDbHardOwnershipId* id)
{
    AcDbObjectId read;
    Acad::ErrorStatus status = readId(read, IdKind::kHardOwnership);
    if (status == Acad::eOk && id != nullptr)
        *id = read;
    return status;
}

Acad::ErrorStatus DwgBufferFiler::writeHardOwnershipId(const AcDbHardOwnershipId& id)
{
    return writeId(id, IdKind::kHardOwnership);
}

Acad::ErrorStatus DwgBufferFiler::readSoftOwnershipId(AcDbSoftOwnershipId* id)
{
    AcDbObjectId read;
    Acad::ErrorStatus status = readId(read, IdKind::kSoftOwnership);
    if (status == Acad::eOk && id != nullptr)
        *id = read;
    return status;
}

Acad::ErrorStatus DwgBufferFiler::writeSoftOwnershipId(const AcDbSoftOwnershipId& id)
{
    return writeId(id, IdKind::kSoftOwnership);
}

Acad::ErrorStatus DwgBufferFiler::readHardPointerId(AcDbHardPointerId* id)
{
    AcDbObjectId read;
    Acad::ErrorStatus status = readId(read, IdKind::kHardPointer);
    if (status == Acad::eOk && id != nullptr)
        *id = read;
    return status;
}

Acad::ErrorStatus DwgBufferFiler::writeHardPointerId(const AcDbHardPointerId& id)
{
    return writeId(id, IdKind::kHardPointer);
}

Acad::ErrorStatus DwgBufferFiler::readSoftPointerId(AcDbSoftPointerId* id)
{
    AcDbObjectId read;
    Acad::ErrorStatus status = readId(read, IdKind::kSoftPointer);
    if (status == Acad::eOk && id != nullptr)
        *id = read;
    return status;
}

Acad::ErrorStatus DwgBufferFiler::writeSoftPointerId(const AcDbSoftPointerId& id)
{
    return writeId(id, IdKind::kSoftPointer);
}

Acad::ErrorStatus DwgBufferFiler::readInt8(Adesk::Int8* value)
{
    return takeValue(value);
}

Acad::ErrorStatus DwgBufferFiler::writeInt8(Adesk::Int8 value)
{
    return putValue(value);
}

Acad::ErrorStatus DwgBufferFiler::readString(ACHAR** value)
{
    AcString text;
    Acad::ErrorStatus status = readString(text);
    if (value == nullptr)
        return status;
    *value = nullptr;
    if (status == Acad::eOk)
        acutNewString(text.kwszPtr(), *value);
    return status;
}

Acad::ErrorStatus DwgBufferFiler::writeString(const ACHAR* value)
{
    std::string bytes = toUtf8(value != nullptr ? std::wstring_view(value) : std::wstring_view());
    Acad::ErrorStatus status = putValue(static_cast<Adesk::UInt32>(bytes.size()));
    return status == Acad::eOk ? put(bytes.data(), bytes.size()) : status;
}

Acad::ErrorStatus DwgBufferFiler::readString(AcString& value)
{
    Adesk::UInt32 length = 0;
    Acad::ErrorStatus status = takeValue(&length);
    if (status != Acad::eOk)
        return status;
    if (length > remaining()) {
        m_status = Acad::eEndOfFile;
        return m_status;
    }
    std::string_view bytes(reinterpret_cast<const char*>(m_data + m_position), length);
    m_position += length;
    value = AcString(fromUtf8(bytes));
    return Acad::eOk;
}

Acad::ErrorStatus DwgBufferFiler::writeString(const AcString& value)
{
    return writeString(value.kwszPtr());
}

Acad::ErrorStatus DwgBufferFiler::readBChunk(ads_binary* chunk)
{
    Adesk::Int16 length = 0;
    Acad::ErrorStatus status = takeValue(&length);
    if (status != Acad::eOk)
        return status;
    if (length < 0 || static_cast<std::size_t>(length) > remaining()) {
        m_status = Acad::eEndOfFile;
        return m_status;
    }
    if (chunk == nullptr) {
        m_position += static_cast<std::size_t>(length);
        return Acad::eOk;
    }
    void* buffer = nullptr;
    acutNewBuffer(buffer, static_cast<std::size_t>(length));
    status = take(buffer, static_cast<std::size_t>(length));
    chunk->buf = static_cast<char*>(buffer);
    chunk->clen = length;
    return status;
}

Acad::ErrorStatus DwgBufferFiler::writeBChunk(const ads_binary& chunk)
{
    Adesk::Int16 length = chunk.buf != nullptr && chunk.clen > 0 ? chunk.clen : 0;
    Acad::ErrorStatus status = putValue(length);
    return status == Acad::eOk ? put(chunk.buf, static_cast<std::size_t>(length)) : status;
}

Acad::ErrorStatus DwgBufferFiler::readAcDbHandle(AcDbHandle* handle)
{
    Adesk::UInt64 value = 0;
    Acad::ErrorStatus status = takeValue(&value);
    if (status == Acad::eOk && handle != nullptr)
        *handle = value;
    return status;
}

Acad::ErrorStatus DwgBufferFiler::writeAcDbHandle(const AcDbHandle& handle)
{
    return putValue(handle.value());
}

Acad::ErrorStatus DwgBufferFiler::readInt64(Adesk::Int64* value)
{
    return takeValue(value);
}

Acad::ErrorStatus DwgBufferFiler::writeInt64(Adesk::Int64 value)
{
    return putValue(value);
}

Acad::ErrorStatus DwgBufferFiler::readInt32(Adesk::Int32* value)
{
    return takeValue(value);
}

Acad::ErrorStatus DwgBufferFiler::writeInt32(Adesk::Int32 value)
{
    return putValue(value);
}

Acad::ErrorStatus DwgBufferFiler::readInt16(Adesk::Int16* value)
{
    return takeValue(value);
}

Acad::ErrorStatus DwgBufferFiler::writeInt16(Adesk::Int16 value)
{
    return putValue(value);
}

Acad::ErrorStatus DwgBufferFiler::readUInt64(Adesk::UInt64* value)
{
    return takeValue(value);
}

Acad::ErrorStatus DwgBufferFiler::writeUInt64(Adesk::UInt64 value)
{
    return putValue(value);
}

Acad::ErrorStatus DwgBufferFiler::readUInt32(Adesk::UInt32* value)
{
    return takeValue(value);
}

Acad::ErrorStatus DwgBufferFiler::writeUInt32(Adesk::UInt32 value)
{
    return putValue(value);
}

Acad::ErrorStatus DwgBufferFiler::readUInt16(Adesk::UInt16* value)
{
    return takeValue(value);
}

Acad::ErrorStatus DwgBufferFiler::writeUInt16(Adesk::UInt16 value)
{
    return putValue(value);
}

Acad::ErrorStatus DwgBufferFiler::readUInt8(Adesk::UInt8* value)
{
    return takeValue(value);
}

Acad::ErrorStatus DwgBufferFiler::writeUInt8(Adesk::UInt8 value)
{
    return putValue(value);
}

Acad::ErrorStatus DwgBufferFiler::readBoolean(Adesk::Boolean* value)
{
    Adesk::Int32 read = 0;
    Acad::ErrorStatus status = takeValue(&read);
    if (status == Acad::eOk && value != nullptr)
        *value = read;
    return status;
}

Acad::ErrorStatus DwgBufferFiler::writeBoolean(Adesk::Boolean value)
{
    return putValue(static_cast<Adesk::Int32>(value));
}

Acad::ErrorStatus DwgBufferFiler::readBool(bool* value)
{
    Adesk::UInt8 read = 0;
    Acad::ErrorStatus status = takeValue(&read);
    if (status == Acad::eOk && value != nullptr)
        *value = read != 0;
    return status;
}

Acad::ErrorStatus DwgBufferFiler::writeBool(bool value)
{
    return putValue(static_cast<Adesk::UInt8>(value ? 1 : 0));
}

Acad::ErrorStatus DwgBufferFiler::readDouble(double* value)
{
    return takeValue(value);
}

Acad::ErrorStatus DwgBufferFiler::writeDouble(double value)
{
    return putValue(value);
}

Acad::ErrorStatus DwgBufferFiler::readPoint2d(AcGePoint2d* value)
{
    double coordinates[2] = {};
    Acad::ErrorStatus status = takeDoubles(coordinates, 2);
    if (status == Acad::eOk && value != nullptr)
        value->set(coordinates[0], coordinates[1]);
    return status;
}

Acad::ErrorStatus DwgBufferFiler::writePoint2d(const AcGePoint2d& value)
{
    const double coordinates[2] = {value.x, value.y};
    return putDoubles(coordinates, 2);
}

Acad::ErrorStatus DwgBufferFiler::readPoint3d(AcGePoint3d* value)
{
    double coordinates[3] = {};
    Acad::ErrorStatus status = takeDoubles(coordinates, 3);
    if (status == Acad::eOk && value != nullptr)
        value->set(coordinates[0], coordinates[1], coordinates[2]);
    return status;
}

Acad::ErrorStatus DwgBufferFiler::writePoint3d(const AcGePoint3d& value)
{
    const double coordinates[3] = {value.x, value.y, value.z};
    return putDoubles(coordinates, 3);
}

Acad::ErrorStatus DwgBufferFiler::readVector2d(AcGeVector2d* value)
{
    double coordinates[2] = {};
    Acad::ErrorStatus status = takeDoubles(coordinates, 2);
    if (status == Acad::eOk && value != nullptr)
        value->set(coordinates[0], coordinates[1]);
    return status;
}

Acad::ErrorStatus DwgBufferFiler::writeVector2d(const AcGeVector2d& value)
{
    const double coordinates[2] = {value.x, value.y};
    return putDoubles(coordinates, 2);
}

Acad::ErrorStatus DwgBufferFiler::readVector3d(AcGeVector3d* value)
{
    double coordinates[3] = {};
    Acad::ErrorStatus status = takeDoubles(coordinates, 3);
    if (status == Acad::eOk && value != nullptr)
        value->set(coordinates[0], coordinates[1], coordinates[2]);
    return status;
}

Acad::ErrorStatus DwgBufferFiler::writeVector3d(const AcGeVector3d& value)
{
    const double coordinates[3] = {value.x, value.y, value.z};
    return putDoubles(coordinates, 3);
}

Acad::ErrorStatus DwgBufferFiler::readScale3d(AcGeScale3d* value)
{
    double factors[3] = {};
    Acad::ErrorStatus status = takeDoubles(factors, 3);
    if (status == Acad::eOk && value != nullptr)
        *value = AcGeScale3d(factors[0], factors[1], factors[2]);
    return status;
}

Acad::ErrorStatus DwgBufferFiler::writeScale3d(const AcGeScale3d& value)
{
    const double factors[3] = {value.sx, value.sy, value.sz};
    return putDoubles(factors, 3);
}

Acad::ErrorStatus DwgBufferFiler::readBytes(void* buffer, Adesk::UIntPtr size)
{
    if (buffer == nullptr && size > 0)
        return Acad::eNullPtr;
    return take(buffer, size);
}

Acad::ErrorStatus DwgBufferFiler::writeBytes(const void* buffer, Adesk::UIntPtr size)
{
    if (buffer == nullptr && size > 0)
        return Acad::eNullPtr;
    return put(buffer, size);
}

Acad::ErrorStatus DwgBufferFiler::readAddress(void** value)
{
    Adesk::UInt64 read = 0;
    Acad::ErrorStatus status = takeValue(&read);
    if (status == Acad::eOk && value != nullptr)
        *value = reinterpret_cast<void*>(static_cast<Adesk::UIntPtr>(read));
    return status;
}

Acad::ErrorStatus DwgBufferFiler::writeAddress(const void* value)
{
    return putValue(static_cast<Adesk::UInt64>(reinterpret_cast<Adesk::UIntPtr>(value)));
}

Acad::ErrorStatus DwgBufferFiler::seek(Adesk::Int64 offset, int method)
{
    Adesk::Int64 base = 0;
    if (method == 1)
        base = static_cast<Adesk::Int64>(m_position);
    else if (method == 2)
        base = static_cast<Adesk::Int64>(m_size);
    else if (method != 0)
        return Acad::eInvalidInput;
    Adesk::Int64 target = base + offset;
    if (target < 0 || target > static_cast<Adesk::Int64>(m_size))
        return Acad::eInvalidInput;
    m_position = static_cast<std::size_t>(target);
    return Acad::eOk;
}
} // namespace cadhost

namespace cadhost {
Adesk::UInt64 MemoryIdCodec::encode(const AcDbObjectId& id) const
{
    return static_cast<Adesk::UInt64>(id.asOldId());
}

AcDbObjectId MemoryIdCodec::decode(Adesk::UInt64 value, IdKind) const
{
    AcDbObjectId id;
    id.setFromOldId(static_cast<Adesk::IntPtr>(value));
    return id;
}

std::vector<ObjectReference> collectReferences(const AcDbObject* object)
{
    MemoryIdCodec codec;
    DwgBufferFiler filer(AcDb::kIdFiler, &codec);
    object->dwgOutFields(&filer);
    std::vector<ObjectReference> references;
    references.reserve(filer.slots().size());
    for (const IdSlot& slot : filer.slots()) {
        Adesk::UInt64 value = 0;
        std::memcpy(&value, filer.bytes().data() + slot.offset, sizeof(value));
        if (value != 0)
            references.push_back(ObjectReference{codec.decode(value, slot.kind), slot.kind});
    }
    return references;
}
} // namespace cadhost
