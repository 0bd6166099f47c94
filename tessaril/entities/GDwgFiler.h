// The recording filer: a DWG filer that records every value, behind a one-byte type tag, into a
// private buffer, and writes that recording (optionally scrambled) into the host's real filer as a few
// plain integer and byte-block calls. Object ids bypass the recording and go to the real filer, so
// that the host still translates and tracks them.
#pragma once

#include "acarray.h"
#include "acstring.h"
#include "dbfiler.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

class GDwgFiler : public AcDbDwgFiler {
public:
    // The kinds of the ids kept in the id list, in the order of the real filer's id writes.
    enum IdKind : Adesk::Int32 { kHardOwnership = 0, kSoftOwnership = 1, kHardPointer = 2, kSoftPointer = 3 };
    struct IdRef {
        AcDbObjectId id;
        Adesk::Int32 kind = kHardOwnership;
        bool operator==(const IdRef& other) const { return id == other.id && kind == other.kind; }
    };

    static constexpr Adesk::UInt32 kFormatVersion = 1;
    // The largest block written to the real filer in one call.
    static constexpr std::size_t kChunkSize = 240;
    // No single entity comes near this; a stored length above it is damage, not data.
    static constexpr std::size_t kMaxRecordingLength = std::size_t{1} << 28;

    // realFiler is not owned and may be null for a filer that only records.
    explicit GDwgFiler(AcDbDwgFiler* realFiler);
    ~GDwgFiler() override = default;
    GDwgFiler(const GDwgFiler&) = delete;
    GDwgFiler& operator=(const GDwgFiler&) = delete;

    // Not a registered class: the class dictionary has no entry for it, so this answers null.
    AcRxClass* isA() const override;

    Acad::ErrorStatus filerStatus() const override;
    AcDb::FilerType filerType() const override;
    void setFilerStatus(Acad::ErrorStatus status) override;
    void resetFilerStatus() override;

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

    // The character-pointer form keeps the text in scratch and returns a copy made with acutNewString.
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

    // Either reads a value written by writeBoolean or by writeBool.
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

    // Asking for more bytes than were stored answers eOutOfRange (151) and copies nothing.
    Acad::ErrorStatus readBytes(void* buffer, Adesk::UIntPtr size) override;
    Acad::ErrorStatus writeBytes(const void* buffer, Adesk::UIntPtr size) override;

    // An address is stored as its low 32 bits, the width of an address on the host's platform.
    Acad::ErrorStatus readAddress(void** value) override;
    Acad::ErrorStatus writeAddress(const void* value) override;

    Acad::ErrorStatus seek(Adesk::Int64 offset, int method) override;
    Adesk::Int64 tell() const override;

    // Writes the recording, in chunks of at most kChunkSize bytes, and then the ids to the real filer.
    Acad::ErrorStatus writeRecording();
    // Replaces the recording with the one read from the real filer; a stored length, chunk count or
    // chunk length that cannot describe a recording is refused with eDwgObjectImproperlyRead.
    Acad::ErrorStatus readRecording();

    // Scrambles the recording on writeRecording and unscrambles it on readRecording; off by default.
    void setScramble(bool scramble) { m_scramble = scramble; }
    bool scramble() const { return m_scramble; }

    std::span<const std::uint8_t> buffer() const { return m_buffer; }
    Adesk::Int32 readIndex() const { return m_readindex; }
    Adesk::Int32 lastWriteIndex() const { return m_lastWriteIndex; }
    Adesk::UInt32 formatVersion() const { return m_formatVersion; }
    const AcArray<IdRef>& idRefs() const { return m_idRefs; }

private:
    template <class Kind> Acad::ErrorStatus writeValue(const typename Kind::Value& value);
    // Reads the header on the first read, refuses a newer recording and reads the tag byte.
    Acad::ErrorStatus readTag(Adesk::UInt8& tag);
    Acad::ErrorStatus stepBack();
    // Decodes the payload behind the tag and hands it to consume; m_readindex moves past the payload
    // only when consume accepts it.
    template <class Kind, class Consume> Acad::ErrorStatus readPayload(Consume consume);
    template <class Kind, class Consume> Acad::ErrorStatus readValue(Consume consume);
    template <class Kind, class Target> Acad::ErrorStatus readInto(Target& target);
    Acad::ErrorStatus readTruth(bool& value);
    Acad::ErrorStatus addIdRef(const AcDbObjectId& id, IdKind kind);

    bool m_scramble = false;
    Acad::ErrorStatus m_status = Acad::eOk;
    AcDb::FilerType m_filerType = AcDb::kFileFiler;
    std::vector<std::uint8_t> m_buffer;
    Adesk::Int32 m_readindex = 0;
    Adesk::Int32 m_lastWriteIndex = 0;
    AcArray<IdRef> m_idRefs{0, 8};
    AcDbDwgFiler* m_realFiler = nullptr;
    AcString m_scratch;
    Adesk::UInt32 m_formatVersion = kFormatVersion;
};
