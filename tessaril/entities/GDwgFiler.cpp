#include "GDwgFiler.h"

#include "Scrambler.h"
#include "app/DebugTrace.h"

#include "acutads.h"
#include "codepage.h"
#include "gepnt2d.h"
#include "gepnt3d.h"
#include "gescl3d.h"
#include "gevec2d.h"
#include "gevec3d.h"
#include "rxobject.h"

#include <algorithm>
#include <array>
#include <bit>
#include <climits>
#include <cstring>
#include <limits>
#include <string>
#include <string_view>
#include <type_traits>

namespace {

using Buffer = std::vector<std::uint8_t>;

constexpr std::size_t kTypicalRecordingLength = 512;
using ByteView = std::span<const std::uint8_t>;

// Reads from the recording without moving the filer's index, which is committed only after a whole
// payload has been read.
class Reader {
public:
    Reader(ByteView bytes, std::size_t position)
        : m_bytes(bytes.first(std::min<std::size_t>(bytes.size(), std::numeric_limits<Adesk::Int32>::max()))),
          m_position(position)
    {
    }
    // The next count bytes, or null when the last of them would lie beyond the recording.
    const std::uint8_t* take(std::size_t count)
    {
        if (m_position > m_bytes.size() || count > m_bytes.size() - m_position)
            return nullptr;
        const std::uint8_t* at = m_bytes.data() + m_position;
        m_position += count;
        return at;
    }
    Adesk::Int32 position() const { return static_cast<Adesk::Int32>(m_position); }

private:
    ByteView m_bytes;
    std::size_t m_position;
};

// Payload codecs. Each appends its value to a recording and reads it back; all multi-byte values are
// little-endian, doubles are IEEE bit patterns.
template <class T> struct Scalar {
    using Value = T;
    using Bits = std::make_unsigned_t<std::conditional_t<std::is_floating_point_v<T>, std::int64_t, T>>;
    static_assert(sizeof(Bits) == sizeof(T));

    static void put(Buffer& out, T value)
    {
        const auto bits = std::bit_cast<Bits>(value);
        const std::size_t at = out.size();
        out.resize(at + sizeof(T));
        for (std::size_t i = 0; i < sizeof(T); ++i)
            out[at + i] = static_cast<std::uint8_t>(bits >> (8 * i));
    }
    static bool get(Reader& in, T& value)
    {
        const std::uint8_t* at = in.take(sizeof(T));
        if (at == nullptr)
            return false;
        Bits bits = 0;
        for (std::size_t i = 0; i < sizeof(T); ++i)
            bits = static_cast<Bits>(bits | static_cast<Bits>(at[i]) << (8 * i));
        value = std::bit_cast<T>(bits);
        return true;
    }
};

// Points, vectors and scales: their coordinates in x, y, z order.
template <class T, unsigned N> struct Coordinates {
    using Value = T;
    static void put(Buffer& out, const T& value)
    {
        for (unsigned i = 0; i < N; ++i)
            Scalar<double>::put(out, value[i]);
    }
    static bool get(Reader& in, T& value)
    {
        for (unsigned i = 0; i < N; ++i) {
            if (!Scalar<double>::get(in, value[i]))
                return false;
        }
        return true;
    }
};

// A UInt32 byte count, then the bytes.
struct CountedBytes {
    using Value = ByteView;
    static void put(Buffer& out, ByteView value)
    {
        Scalar<Adesk::UInt32>::put(out, static_cast<Adesk::UInt32>(value.size()));
        out.insert(out.end(), value.begin(), value.end());
    }
    static bool get(Reader& in, ByteView& value)
    {
        Adesk::UInt32 count = 0;
        if (!Scalar<Adesk::UInt32>::get(in, count))
            return false;
        const std::uint8_t* at = in.take(count);
        if (at == nullptr)
            return false;
        value = ByteView(at, count);
        return true;
    }
};

// The value kinds of a recording: one tag and one payload codec each, walked by writes and reads alike.
template <Adesk::UInt8 Tag, class Codec> struct ValueKind {
    static constexpr Adesk::UInt8 tag = Tag;
    using codec = Codec;
    using Value = typename Codec::Value;
};

using StringKind = ValueKind<0, CountedBytes>;
using BChunkKind = ValueKind<1, CountedBytes>;
using HandleKind = ValueKind<2, CountedBytes>;
using Int32Kind = ValueKind<3, Scalar<Adesk::Int32>>;
using Int16Kind = ValueKind<4, Scalar<Adesk::Int16>>;
using Int8Kind = ValueKind<5, Scalar<Adesk::Int8>>;
using UInt32Kind = ValueKind<6, Scalar<Adesk::UInt32>>;
using UInt16Kind = ValueKind<7, Scalar<Adesk::UInt16>>;
using UInt8Kind = ValueKind<8, Scalar<Adesk::UInt8>>;
using BooleanKind = ValueKind<9, Scalar<Adesk::Int32>>;
using BoolKind = ValueKind<10, Scalar<Adesk::UInt8>>;
using DoubleKind = ValueKind<11, Scalar<double>>;
using Point2dKind = ValueKind<12, Coordinates<AcGePoint2d, 2>>;
using Point3dKind = ValueKind<13, Coordinates<AcGePoint3d, 3>>;
using Vector2dKind = ValueKind<14, Coordinates<AcGeVector2d, 2>>;
using Vector3dKind = ValueKind<15, Coordinates<AcGeVector3d, 3>>;
using Scale3dKind = ValueKind<16, Coordinates<AcGeScale3d, 3>>;
using BytesKind = ValueKind<17, CountedBytes>;
using AddressKind = ValueKind<18, Scalar<Adesk::UInt32>>;
using Int64Kind = ValueKind<24, Scalar<Adesk::Int64>>;
using UInt64Kind = ValueKind<25, Scalar<Adesk::UInt64>>;

ByteView bytesOf(std::string_view text)
{
    return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

std::wstring textOf(ByteView bytes)
{
    return cadhost::fromUtf8(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

// The real filer's id writes, by id kind.
using IdWriter = Acad::ErrorStatus (*)(AcDbDwgFiler&, const AcDbObjectId&);
constexpr std::array<IdWriter, 4> kIdWriters{
    [](AcDbDwgFiler& filer, const AcDbObjectId& id) { return filer.writeHardOwnershipId(id); },
    [](AcDbDwgFiler& filer, const AcDbObjectId& id) { return filer.writeSoftOwnershipId(id); },
    [](AcDbDwgFiler& filer, const AcDbObjectId& id) { return filer.writeHardPointerId(id); },
    [](AcDbDwgFiler& filer, const AcDbObjectId& id) { return filer.writeSoftPointerId(id); },
};

std::size_t chunkCount(std::size_t length)
{
    return (length + GDwgFiler::kChunkSize - 1) / GDwgFiler::kChunkSize;
}

} // namespace

GDwgFiler::GDwgFiler(AcDbDwgFiler* realFiler)
    : m_filerType(realFiler != nullptr ? realFiler->filerType() : AcDb::kFileFiler), m_realFiler(realFiler)
{
    // Most entities record a few hundred bytes; growing from empty would reallocate several times each.
    m_buffer.reserve(kTypicalRecordingLength);
}

AcRxClass* GDwgFiler::isA() const
{
    return static_cast<AcRxClass*>(acrxClassDictionary->at(ACRX_T("GDwgFiler")));
}

Acad::ErrorStatus GDwgFiler::filerStatus() const
{
    return m_status;
}

AcDb::FilerType GDwgFiler::filerType() const
{
    return m_filerType;
}

void GDwgFiler::setFilerStatus(Acad::ErrorStatus status)
{
    m_status = status;
}

void GDwgFiler::resetFilerStatus()
{
    m_status = Acad::eOk;
}

template <class Kind> Acad::ErrorStatus GDwgFiler::writeValue(const typename Kind::Value& value)
{
    if (m_lastWriteIndex == 0)
        Scalar<Adesk::UInt32>::put(m_buffer, m_formatVersion);
    m_buffer.push_back(Kind::tag);
    Kind::codec::put(m_buffer, value);
    m_lastWriteIndex = static_cast<Adesk::Int32>(m_buffer.size() - 1);
    return Acad::eOk;
}

Acad::ErrorStatus GDwgFiler::readTag(Adesk::UInt8& tag)
{
    if (m_readindex == 0) {
        Reader header(m_buffer, 0);
        if (!Scalar<Adesk::UInt32>::get(header, m_formatVersion))
            return Acad::eEndOfFile;
        m_readindex = header.position();
    }
    if (m_formatVersion > kFormatVersion)
        return Acad::eMakeMeProxy;
    Reader reader(m_buffer, static_cast<std::size_t>(m_readindex));
    if (!Scalar<Adesk::UInt8>::get(reader, tag))
        return Acad::eEndOfFile;
    m_readindex = reader.position();
    return Acad::eOk;
}

// A wrong tag is put back, so that the caller's next read meets it again.
Acad::ErrorStatus GDwgFiler::stepBack()
{
    --m_readindex;
    return Acad::eInvalidInput;
}

template <class Kind, class Consume> Acad::ErrorStatus GDwgFiler::readPayload(Consume consume)
{
    Reader reader(m_buffer, static_cast<std::size_t>(m_readindex));
    typename Kind::Value value{};
    if (!Kind::codec::get(reader, value))
        return Acad::eEndOfFile;
    const Acad::ErrorStatus es = consume(value);
    if (es == Acad::eOk)
        m_readindex = reader.position();
    return es;
}

template <class Kind, class Consume> Acad::ErrorStatus GDwgFiler::readValue(Consume consume)
{
    Adesk::UInt8 tag = 0;
    const Acad::ErrorStatus es = readTag(tag);
    if (es != Acad::eOk)
        return es;
    if (tag != Kind::tag)
        return stepBack();
    return readPayload<Kind>(consume);
}

template <class Kind, class Target> Acad::ErrorStatus GDwgFiler::readInto(Target& target)
{
    return readValue<Kind>([&target](const typename Kind::Value& value) {
        target = static_cast<Target>(value);
        return Acad::eOk;
    });
}

// writeBoolean and writeBool values are read by either read operation: not 0 means true.
Acad::ErrorStatus GDwgFiler::readTruth(bool& value)
{
    Adesk::UInt8 tag = 0;
    const Acad::ErrorStatus es = readTag(tag);
    if (es != Acad::eOk)
        return es;
    auto accept = [&value](auto stored) {
        value = stored != 0;
        return Acad::eOk;
    };
    if (tag == BooleanKind::tag)
        return readPayload<BooleanKind>(accept);
    if (tag == BoolKind::tag)
        return readPayload<BoolKind>(accept);
    return stepBack();
}

Acad::ErrorStatus GDwgFiler::addIdRef(const AcDbObjectId& id, IdKind kind)
{
    m_idRefs.append({id, kind});
    return Acad::eOk;
}

Acad::ErrorStatus GDwgFiler::readHardOwnershipId(AcDbHardOwnershipId* id)
{
    return m_realFiler != nullptr ? m_realFiler->readHardOwnershipId(id) : Acad::eNullObjectPointer;
}

Acad::ErrorStatus GDwgFiler::writeHardOwnershipId(const AcDbHardOwnershipId& id)
{
    return addIdRef(id, kHardOwnership);
}

Acad::ErrorStatus GDwgFiler::readSoftOwnershipId(AcDbSoftOwnershipId* id)
{
    return m_realFiler != nullptr ? m_realFiler->readSoftOwnershipId(id) : Acad::eNullObjectPointer;
}

Acad::ErrorStatus GDwgFiler::writeSoftOwnershipId(const AcDbSoftOwnershipId& id)
{
    return addIdRef(id, kSoftOwnership);
}

Acad::ErrorStatus GDwgFiler::readHardPointerId(AcDbHardPointerId* id)
{
    return m_realFiler != nullptr ? m_realFiler->readHardPointerId(id) : Acad::eNullObjectPointer;
}

Acad::ErrorStatus GDwgFiler::writeHardPointerId(const AcDbHardPointerId& id)
{
    return addIdRef(id, kHardPointer);
}

Acad::ErrorStatus GDwgFiler::readSoftPointerId(AcDbSoftPointerId* id)
{
    return m_realFiler != nullptr ? m_realFiler->readSoftPointerId(id) : Acad::eNullObjectPointer;
}

Acad::ErrorStatus GDwgFiler::writeSoftPointerId(const AcDbSoftPointerId& id)
{
    return addIdRef(id, kSoftPointer);
}

Acad::ErrorStatus GDwgFiler::readInt8(Adesk::Int8* value)
{
    return readInto<Int8Kind>(*value);
}

Acad::ErrorStatus GDwgFiler::writeInt8(Adesk::Int8 value)
{
    return writeValue<Int8Kind>(value);
}

Acad::ErrorStatus GDwgFiler::readString(ACHAR** value)
{
    const Acad::ErrorStatus es = readString(m_scratch);
    if (es != Acad::eOk)
        return es;
    return acutNewString(m_scratch.kwszPtr(), *value);
}

Acad::ErrorStatus GDwgFiler::writeString(const ACHAR* value)
{
    return writeString(AcString(value));
}

Acad::ErrorStatus GDwgFiler::readString(AcString& value)
{
    return readValue<StringKind>([&value](ByteView bytes) {
        value = AcString(textOf(bytes));
        return Acad::eOk;
    });
}

Acad::ErrorStatus GDwgFiler::writeString(const AcString& value)
{
    const std::string bytes = cadhost::toUtf8(value.str());
    return writeValue<StringKind>(bytesOf(bytes));
}

Acad::ErrorStatus GDwgFiler::readBChunk(ads_binary* chunk)
{
    return readValue<BChunkKind>([chunk](ByteView bytes) {
        if (bytes.size() > static_cast<std::size_t>(SHRT_MAX))
            return Acad::eOutOfRange;
        if (chunk->buf != nullptr)
            acutDelBuffer(chunk->buf);
        void* block = nullptr;
        const Acad::ErrorStatus es = acutNewBuffer(block, bytes.size());
        if (es != Acad::eOk)
            return es;
        std::copy(bytes.begin(), bytes.end(), static_cast<std::uint8_t*>(block));
        chunk->buf = static_cast<char*>(block);
        chunk->clen = static_cast<short>(bytes.size());
        return Acad::eOk;
    });
}

Acad::ErrorStatus GDwgFiler::writeBChunk(const ads_binary& chunk)
{
    const std::size_t length = chunk.buf != nullptr && chunk.clen > 0 ? static_cast<std::size_t>(chunk.clen) : 0;
    return writeValue<BChunkKind>(ByteView(reinterpret_cast<const std::uint8_t*>(chunk.buf), length));
}

Acad::ErrorStatus GDwgFiler::readAcDbHandle(AcDbHandle* handle)
{
    return readValue<HandleKind>([handle](ByteView bytes) {
        *handle = AcDbHandle(textOf(bytes).c_str());
        return Acad::eOk;
    });
}

Acad::ErrorStatus GDwgFiler::writeAcDbHandle(const AcDbHandle& handle)
{
    std::array<ACHAR, 20> hex{};
    handle.getIntoAsciiBuffer(hex.data(), hex.size());
    const std::string bytes = cadhost::toUtf8(hex.data());
    return writeValue<HandleKind>(bytesOf(bytes));
}

Acad::ErrorStatus GDwgFiler::readInt64(Adesk::Int64* value)
{
    return readInto<Int64Kind>(*value);
}

Acad::ErrorStatus GDwgFiler::writeInt64(Adesk::Int64 value)
{
    return writeValue<Int64Kind>(value);
}

Acad::ErrorStatus GDwgFiler::readInt32(Adesk::Int32* value)
{
    return readInto<Int32Kind>(*value);
}

Acad::ErrorStatus GDwgFiler::writeInt32(Adesk::Int32 value)
{
    return writeValue<Int32Kind>(value);
}

Acad::ErrorStatus GDwgFiler::readInt16(Adesk::Int16* value)
{
    return readInto<Int16Kind>(*value);
}

Acad::ErrorStatus GDwgFiler::writeInt16(Adesk::Int16 value)
{
    return writeValue<Int16Kind>(value);
}

Acad::ErrorStatus GDwgFiler::readUInt64(Adesk::UInt64* value)
{
    return readInto<UInt64Kind>(*value);
}

Acad::ErrorStatus GDwgFiler::writeUInt64(Adesk::UInt64 value)
{
    return writeValue<UInt64Kind>(value);
}

Acad::ErrorStatus GDwgFiler::readUInt32(Adesk::UInt32* value)
{
    return readInto<UInt32Kind>(*value);
}

Acad::ErrorStatus GDwgFiler::writeUInt32(Adesk::UInt32 value)
{
    return writeValue<UInt32Kind>(value);
}

Acad::ErrorStatus GDwgFiler::readUInt16(Adesk::UInt16* value)
{
    return readInto<UInt16Kind>(*value);
}

Acad::ErrorStatus GDwgFiler::writeUInt16(Adesk::UInt16 value)
{
    return writeValue<UInt16Kind>(value);
}

Acad::ErrorStatus GDwgFiler::readUInt8(Adesk::UInt8* value)
{
    return readInto<UInt8Kind>(*value);
}

Acad::ErrorStatus GDwgFiler::writeUInt8(Adesk::UInt8 value)
{
    return writeValue<UInt8Kind>(value);
}

Acad::ErrorStatus GDwgFiler::readBoolean(Adesk::Boolean* value)
{
    bool truth = false;
    const Acad::ErrorStatus es = readTruth(truth);
    if (es == Acad::eOk)
        *value = truth ? Adesk::kTrue : Adesk::kFalse;
    return es;
}

Acad::ErrorStatus GDwgFiler::writeBoolean(Adesk::Boolean value)
{
    return writeValue<BooleanKind>(value);
}

Acad::ErrorStatus GDwgFiler::readBool(bool* value)
{
    return readTruth(*value);
}

Acad::ErrorStatus GDwgFiler::writeBool(bool value)
{
    return writeValue<BoolKind>(value ? 1 : 0);
}

Acad::ErrorStatus GDwgFiler::readDouble(double* value)
{
    return readInto<DoubleKind>(*value);
}

Acad::ErrorStatus GDwgFiler::writeDouble(double value)
{
    return writeValue<DoubleKind>(value);
}

Acad::ErrorStatus GDwgFiler::readPoint2d(AcGePoint2d* value)
{
    return readInto<Point2dKind>(*value);
}

Acad::ErrorStatus GDwgFiler::writePoint2d(const AcGePoint2d& value)
{
    return writeValue<Point2dKind>(value);
}

Acad::ErrorStatus GDwgFiler::readPoint3d(AcGePoint3d* value)
{
    const Acad::ErrorStatus es = readInto<Point3dKind>(*value);
    // Only a wrong tag answers eInvalidInput; it has just been stepped back over.
    if (es == Acad::eInvalidInput) {
        traceLine(L"readPoint3d Failed Acad::eNotThatKindOfClass:%d,m_readindex=%d-%d",
                  static_cast<int>(m_buffer[static_cast<std::size_t>(m_readindex)]), m_readindex + 1,
                  static_cast<int>(m_buffer.size()));
    }
    return es;
}

Acad::ErrorStatus GDwgFiler::writePoint3d(const AcGePoint3d& value)
{
    return writeValue<Point3dKind>(value);
}

Acad::ErrorStatus GDwgFiler::readVector2d(AcGeVector2d* value)
{
    return readInto<Vector2dKind>(*value);
}

Acad::ErrorStatus GDwgFiler::writeVector2d(const AcGeVector2d& value)
{
    return writeValue<Vector2dKind>(value);
}

Acad::ErrorStatus GDwgFiler::readVector3d(AcGeVector3d* value)
{
    return readInto<Vector3dKind>(*value);
}

Acad::ErrorStatus GDwgFiler::writeVector3d(const AcGeVector3d& value)
{
    return writeValue<Vector3dKind>(value);
}

Acad::ErrorStatus GDwgFiler::readScale3d(AcGeScale3d* value)
{
    return readInto<Scale3dKind>(*value);
}

Acad::ErrorStatus GDwgFiler::writeScale3d(const AcGeScale3d& value)
{
    return writeValue<Scale3dKind>(value);
}

Acad::ErrorStatus GDwgFiler::readBytes(void* buffer, Adesk::UIntPtr size)
{
    return readValue<BytesKind>([buffer, size](ByteView bytes) {
        if (size > bytes.size())
            return Acad::eOutOfRange;
        std::copy_n(bytes.begin(), size, static_cast<std::uint8_t*>(buffer));
        return Acad::eOk;
    });
}

Acad::ErrorStatus GDwgFiler::writeBytes(const void* buffer, Adesk::UIntPtr size)
{
    return writeValue<BytesKind>(ByteView(static_cast<const std::uint8_t*>(buffer), size));
}

Acad::ErrorStatus GDwgFiler::readAddress(void** value)
{
    return readValue<AddressKind>([value](Adesk::UInt32 address) {
        *value = reinterpret_cast<void*>(static_cast<std::uintptr_t>(address));
        return Acad::eOk;
    });
}

Acad::ErrorStatus GDwgFiler::writeAddress(const void* value)
{
    return writeValue<AddressKind>(static_cast<Adesk::UInt32>(reinterpret_cast<std::uintptr_t>(value)));
}

Acad::ErrorStatus GDwgFiler::seek(Adesk::Int64, int)
{
    return Acad::eNotImplementedYet;
}

Adesk::Int64 GDwgFiler::tell() const
{
    return 0;
}

Acad::ErrorStatus GDwgFiler::writeRecording()
{
    if (m_realFiler == nullptr)
        return Acad::eNullObjectPointer;
    if (m_buffer.size() > kMaxRecordingLength)
        return Acad::eOutOfRange;
    if (m_scramble)
        Scrambler::scramble(m_buffer);

    const std::size_t length = m_buffer.size();
    Acad::ErrorStatus es = m_realFiler->writeInt32(static_cast<Adesk::Int32>(length));
    if (es == Acad::eOk)
        es = m_realFiler->writeInt32(static_cast<Adesk::Int32>(chunkCount(length)));
    if (es != Acad::eOk)
        return es;
    // A chunk write that fails leaves its status in the real filer, where the host looks after filing.
    for (std::size_t at = 0; at < length; at += kChunkSize) {
        const std::size_t count = std::min(kChunkSize, length - at);
        m_realFiler->writeUInt32(static_cast<Adesk::UInt32>(count));
        m_realFiler->writeBytes(m_buffer.data() + at, count);
    }

    for (int i = 0; i < m_idRefs.length(); ++i) {
        const IdRef& ref = m_idRefs[i];
        if (ref.kind < 0 || static_cast<std::size_t>(ref.kind) >= kIdWriters.size())
            continue;
        es = kIdWriters[static_cast<std::size_t>(ref.kind)](*m_realFiler, ref.id);
        if (es != Acad::eOk)
            return es;
    }
    return Acad::eOk;
}

Acad::ErrorStatus GDwgFiler::readRecording()
{
    m_buffer.clear();
    m_readindex = 0;
    if (m_realFiler == nullptr)
        return Acad::eNullObjectPointer;

    Adesk::Int32 length = 0;
    Adesk::Int32 chunks = 0;
    Acad::ErrorStatus es = m_realFiler->readInt32(&length);
    if (es == Acad::eOk)
        es = m_realFiler->readInt32(&chunks);
    if (es != Acad::eOk)
        return es;
    // The writer cuts a recording into full chunks and one shorter last chunk; nothing is allocated
    // for a recording before its bytes have been delivered.
    if (length < 0 || static_cast<std::size_t>(length) > kMaxRecordingLength || chunks < 0 ||
        static_cast<std::size_t>(chunks) != chunkCount(static_cast<std::size_t>(length)))
        return Acad::eDwgObjectImproperlyRead;

    const auto expected = static_cast<std::size_t>(length);
    Buffer recording;
    recording.reserve(std::min(expected, std::size_t{1} << 16));
    std::array<std::uint8_t, kChunkSize> block{};
    for (auto left = static_cast<std::size_t>(chunks); left > 0; --left) {
        Adesk::UInt32 count = 0;
        es = m_realFiler->readUInt32(&count);
        if (es != Acad::eOk)
            return es;
        if (count > kChunkSize || recording.size() + count + (left - 1) * kChunkSize < expected)
            return Acad::eDwgObjectImproperlyRead;
        es = m_realFiler->readBytes(block.data(), count);
        if (es != Acad::eOk)
            return es;
        recording.insert(recording.end(), block.begin(), block.begin() + count);
    }

    if (m_scramble)
        Scrambler::unscramble(recording);
    if (recording.size() > expected)
        recording.resize(expected);
    m_buffer = std::move(recording);
    return Acad::eOk;
}
