// A DWG filer over a byte buffer: typed little-endian values, strings as UTF-8 with their length,
// every read checked against the bytes that remain. Ids are written as 64-bit values through an
// id codec (handles in the drawing file, the ids themselves in copies), and every id slot the
// filer writes or reads is listed with its offset and kind, so that the references of a stored
// object are known without its class.
#pragma once

#include "acdb.h"
#include "dbfiler.h"

#include <cstddef>
#include <vector>

class AcDbObject;

namespace cadhost {
enum class IdKind : Adesk::UInt8 { kHardOwnership = 0, kSoftOwnership = 1, kHardPointer = 2, kSoftPointer = 3 };
constexpr Adesk::UInt8 kIdKindCount = 4;

struct IdSlot {
    Adesk::UInt32 offset;
    IdKind kind;
    bool operator==(const IdSlot&) const = default;
};

constexpr std::size_t kIdBytes = 8;

class IdCodec {
public:
    virtual ~IdCodec() = default;
    virtual Adesk::UInt64 encode(const AcDbObjectId& id) const = 0;
    virtual AcDbObjectId decode(Adesk::UInt64 value, IdKind kind) const = 0;
};

class CADHOST_EXPORT DwgBufferFiler : public AcDbDwgFiler {
public:
    DwgBufferFiler(AcDb::FilerType type, const IdCodec* codec, AcDb::AcDbDwgVersion version = AcDb::kDHL_CURRENT);

    // Empties the buffer and starts writing at its beginning.
    void startWriting();
    // Starts reading the given bytes, which must outlive the reading.
    void startReading(const Adesk::UInt8* data, std::size_t size);
    const std::vector<Adesk::UInt8>& bytes() const { return m_buffer; }
    const std::vector<IdSlot>& slots() const { return m_slots; }
    std::size_t remaining() const { return m_size - m_position; }
    void setCodec(const IdCodec* codec) { m_codec = codec; }
    void setVersion(AcDb::AcDbDwgVersion version) { m_version = version; }

    Acad::ErrorStatus filerStatus() const override { return m_status; }
    AcDb::FilerType filerType() const override { return m_type; }
    void setFilerStatus(Acad::ErrorStatus status) override { m_status = status; }
    void resetFilerStatus() override { m_status = Acad::eOk; }
    Acad::ErrorStatus dwgVersion(AcDb::AcDbDwgVersion& version,
                                 AcDb::MaintenanceReleaseVersion& maintenance) const override;

    Acad::ErrorStatus readHardOwnershipId(AcDbHardOwnershipId* id) override;
    Acad::ErrorStatus writeHardOwnershipId(const AcDbHardOwnershipId& id) override;
    Acad::ErrorStatus readSoftOwnershipId(AcDbSoftOwnershipId* id) override;
    Acad::ErrorStatus writeSoftOwnershipId(const AcDbSoftOwnershipId& id) override;
    Acad::ErrorStatus readHardPointerId(AcDbHardPointerId* id) override;
    Acad::ErrorStatus writeHardPointerId(const AcDbHardPointerId& id) override;
    Acad::ErrorStatus readSoftPointerId(AcDbSoftPointerId* id) override;
    Acad::ErrorStatus writeSoftPointerId(const AcDbSoftPointerId& id) override;

    Acad::ErrorStatus readInt8(Adesk::Int8* value) override;
    Acad::ErrorStatus writeInt8(Adesk::Int8 value) override;
    Acad::ErrorStatus readString(ACHAR** value) override;
    Acad::ErrorStatus writeString(const ACHAR* value) override;
    Acad::ErrorStatus readString(AcString& value) override;
    Acad::ErrorStatus writeString(const AcString& value) override;
    Acad::ErrorStatus readBChunk(ads_binary* chunk) override;
    Acad::ErrorStatus writeBChunk(const ads_binary& chunk) override;
    Acad::ErrorStatus readAcDbHandle(AcDbHandle* handle) override;
    Acad::ErrorStatus writeAcDbHandle(const AcDbHandle& handle) override;
    Acad::ErrorStatus readInt64(Adesk::Int64* value) override;
    Acad::ErrorStatus writeInt64(Adesk::Int64 value) override;
    Acad::ErrorStatus readInt32(Adesk::Int32* value) override;
    Acad::ErrorStatus writeInt32(Adesk::Int32 value) override;
    Acad::ErrorStatus readInt16(Adesk::Int16* value) override;
    Acad::ErrorStatus writeInt16(Adesk::Int16 value) override;
    Acad::ErrorStatus readUInt64(Adesk::UInt64* value) override;
    Acad::ErrorStatus writeUInt64(Adesk::UInt64 value) override;
    Acad::ErrorStatus readUInt32(Adesk::UInt32* value) override;
    Acad::ErrorStatus writeUInt32(Adesk::UInt32 value) override;
    Acad::ErrorStatus readUInt16(Adesk::UInt16* value) override;
    Acad::ErrorStatus writeUInt16(Adesk::UInt16 value) override;
    Acad::ErrorStatus readUInt8(Adesk::UInt8* value) override;
    Acad::ErrorStatus writeUInt8(Adesk::UInt8 value) override;
    Acad::ErrorStatus readBoolean(Adesk::Boolean* value) override;
    Acad::ErrorStatus writeBoolean(Adesk::Boolean value) override;
    Acad::ErrorStatus readBool(bool* value) override;
    Acad::ErrorStatus writeBool(bool value) override;
    Acad::ErrorStatus readDouble(double* value) override;
    Acad::ErrorStatus writeDouble(double value) override;
    Acad::ErrorStatus readPoint2d(AcGePoint2d* value) override;
    Acad::ErrorStatus writePoint2d(const AcGePoint2d& value) override;
    Acad::ErrorStatus readPoint3d(AcGePoint3d* value) override;
    Acad::ErrorStatus writePoint3d(const AcGePoint3d& value) override;
    Acad::ErrorStatus readVector2d(AcGeVector2d* value) override;
    Acad::ErrorStatus writeVector2d(const AcGeVector2d& value) override;
    Acad::ErrorStatus readVector3d(AcGeVector3d* value) override;
    Acad::ErrorStatus writeVector3d(const AcGeVector3d& value) override;
    Acad::ErrorStatus readScale3d(AcGeScale3d* value) override;
    Acad::ErrorStatus writeScale3d(const AcGeScale3d& value) override;
    Acad::ErrorStatus readBytes(void* buffer, Adesk::UIntPtr size) override;
    Acad::ErrorStatus writeBytes(const void* buffer, Adesk::UIntPtr size) override;
    Acad::ErrorStatus readAddress(void** value) override;
    Acad::ErrorStatus writeAddress(const void* value) override;
    // method 0 from the start, 1 from the current position, 2 from the end.
    Acad::ErrorStatus seek(Adesk::Int64 offset, int method) override;
    Adesk::Int64 tell() const override { return static_cast<Adesk::Int64>(m_position); }

private:
    Acad::ErrorStatus put(const void* data, std::size_t size);
    Acad::ErrorStatus take(void* data, std::size_t size);
    template <class T> Acad::ErrorStatus putValue(T value);
    template <class T> Acad::ErrorStatus takeValue(T* value);
    Acad::ErrorStatus putDoubles(const double* values, int count);
    Acad::ErrorStatus takeDoubles(double* values, int count);
    Acad::ErrorStatus writeId(const AcDbObjectId& id, IdKind kind);
    Acad::ErrorStatus readId(AcDbObjectId& id, IdKind kind);

    AcDb::FilerType m_type;
    const IdCodec* m_codec;
    AcDb::AcDbDwgVersion m_version;
    Acad::ErrorStatus m_status = Acad::eOk;
    bool m_writing = true;
    std::vector<Adesk::UInt8> m_buffer;
    const Adesk::UInt8* m_data = nullptr;
    std::size_t m_size = 0;
    std::size_t m_position = 0;
    std::vector<IdSlot> m_slots;
};
} // namespace cadhost

namespace cadhost {
// Ids as they are in memory: for copies and id scans inside one process.
class CADHOST_EXPORT MemoryIdCodec : public IdCodec {
public:
    Adesk::UInt64 encode(const AcDbObjectId& id) const override;
    AcDbObjectId decode(Adesk::UInt64 value, IdKind kind) const override;
};

// The ids an object's own fields refer to, with their kinds, in the order it files them.
struct ObjectReference {
    AcDbObjectId id;
    IdKind kind;
};
CADHOST_EXPORT std::vector<ObjectReference> collectReferences(const AcDbObject* object);
} // namespace cadhost
