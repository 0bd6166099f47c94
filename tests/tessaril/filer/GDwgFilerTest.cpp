#include "entities/GDwgFiler.h"

#include "LargestAllocation.h"
#include "MemoryDwgFiler.h"

#include "DebugSink.h"
#include "acutads.h"
#include "gepnt2d.h"
#include "gepnt3d.h"
#include "gescl3d.h"
#include "gevec2d.h"
#include "gevec3d.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <climits>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;
using testing::ElementsAre;

Bytes fromHex(const std::string& hex)
{
    Bytes bytes;
    for (std::size_t i = 0; i + 1 < hex.size(); i += 2)
        bytes.push_back(static_cast<std::uint8_t>(std::stoul(hex.substr(i, 2), nullptr, 16)));
    return bytes;
}

Bytes bufferOf(const GDwgFiler& filer)
{
    return {filer.buffer().begin(), filer.buffer().end()};
}

AcDbObjectId fakeId(Adesk::IntPtr value)
{
    AcDbObjectId id;
    id.setFromOldId(value);
    return id;
}

// The host filer's calls with every byte block shown by its length only.
std::vector<std::string> callShapes(const MemoryDwgFiler& real)
{
    std::vector<std::string> shapes;
    for (const std::string& call : real.calls()) {
        if (call.rfind("writeBytes ", 0) == 0)
            shapes.push_back("writeBytes[" + std::to_string((call.size() - 11) / 2) + "]");
        else
            shapes.push_back(call);
    }
    return shapes;
}

// Stores a recording in the host filer the way a drawing holds it, then loads it into a new filer.
class LoadedRecording {
public:
    explicit LoadedRecording(const Bytes& recording, bool scramble = false) : filer(&real)
    {
        const auto length = static_cast<Adesk::Int32>(recording.size());
        real.writeInt32(length);
        real.writeInt32((length + 239) / 240);
        for (std::size_t at = 0; at < recording.size(); at += 240) {
            const std::size_t count = std::min<std::size_t>(240, recording.size() - at);
            real.writeUInt32(static_cast<Adesk::UInt32>(count));
            real.writeBytes(recording.data() + at, count);
        }
        real.rewind();
        filer.setScramble(scramble);
        status = filer.readRecording();
    }

    MemoryDwgFiler real;
    GDwgFiler filer;
    Acad::ErrorStatus status = Acad::eOk;
};

TEST(GDwgFilerTest, RecordsOneValueBehindTheHeaderAndItsTag)
{
    GDwgFiler filer(nullptr);
    EXPECT_EQ(filer.writeUInt32(5), Acad::eOk);
    EXPECT_EQ(bufferOf(filer), fromHex("010000000605000000"));
    EXPECT_EQ(filer.lastWriteIndex(), 8);
}

TEST(GDwgFilerTest, WritesTheSmallestRecordingAsFourHostCalls)
{
    MemoryDwgFiler real;
    GDwgFiler filer(&real);
    filer.writeUInt32(5);
    EXPECT_EQ(filer.writeRecording(), Acad::eOk);
    EXPECT_THAT(real.calls(),
                ElementsAre("writeInt32 9", "writeInt32 1", "writeUInt32 9", "writeBytes 010000000605000000"));
}

TEST(GDwgFilerTest, WritesTheSmallestRecordingScrambled)
{
    MemoryDwgFiler real;
    GDwgFiler filer(&real);
    filer.setScramble(true);
    filer.writeUInt32(5);
    EXPECT_EQ(filer.writeRecording(), Acad::eOk);
    EXPECT_THAT(real.calls(),
                ElementsAre("writeInt32 9", "writeInt32 1", "writeUInt32 9", "writeBytes 8A4B7A2E8D21005F95"));
}

TEST(GDwgFilerTest, ReadsTheSmallestRecordingScrambled)
{
    LoadedRecording loaded(fromHex("8A4B7A2E8D21005F95"), true);
    ASSERT_EQ(loaded.status, Acad::eOk);
    EXPECT_EQ(bufferOf(loaded.filer), fromHex("010000000605000000"));
    Adesk::UInt32 value = 0;
    EXPECT_EQ(loaded.filer.readUInt32(&value), Acad::eOk);
    EXPECT_EQ(value, 5u);
}

struct ChunkCase {
    std::size_t length;
    std::vector<std::string> calls;
};

class GDwgFilerChunkTest : public testing::TestWithParam<ChunkCase> {};

INSTANTIATE_TEST_SUITE_P(
    Lengths, GDwgFilerChunkTest,
    testing::Values(ChunkCase{0, {"writeInt32 0", "writeInt32 0"}},
                    ChunkCase{240, {"writeInt32 240", "writeInt32 1", "writeUInt32 240", "writeBytes[240]"}},
                    ChunkCase{241,
                              {"writeInt32 241", "writeInt32 2", "writeUInt32 240", "writeBytes[240]", "writeUInt32 1",
                               "writeBytes[1]"}},
                    ChunkCase{480,
                              {"writeInt32 480", "writeInt32 2", "writeUInt32 240", "writeBytes[240]",
                               "writeUInt32 240", "writeBytes[240]"}},
                    ChunkCase{500,
                              {"writeInt32 500", "writeInt32 3", "writeUInt32 240", "writeBytes[240]",
                               "writeUInt32 240", "writeBytes[240]", "writeUInt32 20", "writeBytes[20]"}}));

TEST_P(GDwgFilerChunkTest, CutsTheRecordingIntoChunksOf240Bytes)
{
    const std::size_t length = GetParam().length;
    Bytes payload;
    for (std::size_t i = 0; length >= 9 && i < length - 9; ++i)
        payload.push_back(static_cast<std::uint8_t>(i * 7));
    MemoryDwgFiler real;
    GDwgFiler filer(&real);
    if (length != 0)
        filer.writeBytes(payload.data(), payload.size());
    ASSERT_EQ(filer.buffer().size(), length);
    EXPECT_EQ(filer.writeRecording(), Acad::eOk);
    EXPECT_EQ(callShapes(real), GetParam().calls);

    real.rewind();
    GDwgFiler reader(&real);
    ASSERT_EQ(reader.readRecording(), Acad::eOk);
    EXPECT_EQ(reader.buffer().size(), length);
    if (length != 0) {
        Bytes back(payload.size());
        EXPECT_EQ(reader.readBytes(back.data(), back.size()), Acad::eOk);
        EXPECT_EQ(back, payload);
    }
}

struct EncodingCase {
    const char* name;
    std::function<Acad::ErrorStatus(GDwgFiler&)> write;
    const char* bytes;
};

void PrintTo(const EncodingCase& value, std::ostream* out)
{
    *out << value.name;
}

class GDwgFilerEncodingTest : public testing::TestWithParam<EncodingCase> {};

INSTANTIATE_TEST_SUITE_P(
    Kinds, GDwgFilerEncodingTest,
    testing::Values(
        EncodingCase{"String", [](GDwgFiler& f) { return f.writeString(AcString(L"\u56FEA")); }, "0004000000E59BBE41"},
        EncodingCase{"NullCharacterString",
                     [](GDwgFiler& f) { return f.writeString(static_cast<const ACHAR*>(nullptr)); }, "0000000000"},
        EncodingCase{"CharacterString", [](GDwgFiler& f) { return f.writeString(L"ab"); }, "00020000006162"},
        EncodingCase{"BChunk",
                     [](GDwgFiler& f) {
                         char data[] = "abc";
                         return f.writeBChunk(ads_binary{3, data});
                     },
                     "0103000000616263"},
        EncodingCase{"Handle", [](GDwgFiler& f) { return f.writeAcDbHandle(AcDbHandle(0x1A2Bu)); },
                     "020400000031413242"},
        EncodingCase{"Int32", [](GDwgFiler& f) { return f.writeInt32(-2); }, "03FEFFFFFF"},
        EncodingCase{"Int16", [](GDwgFiler& f) { return f.writeInt16(0x1234); }, "043412"},
        EncodingCase{"Int8", [](GDwgFiler& f) { return f.writeInt8(-1); }, "05FF"},
        EncodingCase{"UInt32", [](GDwgFiler& f) { return f.writeUInt32(0xDEADBEEFu); }, "06EFBEADDE"},
        EncodingCase{"UInt16", [](GDwgFiler& f) { return f.writeUInt16(0xBEEF); }, "07EFBE"},
        EncodingCase{"UInt8", [](GDwgFiler& f) { return f.writeUInt8(0xAB); }, "08AB"},
        EncodingCase{"Boolean", [](GDwgFiler& f) { return f.writeBoolean(7); }, "0907000000"},
        EncodingCase{"Bool", [](GDwgFiler& f) { return f.writeBool(true); }, "0A01"},
        EncodingCase{"Double", [](GDwgFiler& f) { return f.writeDouble(1.5); }, "0B000000000000F83F"},
        EncodingCase{"Point2d", [](GDwgFiler& f) { return f.writePoint2d(AcGePoint2d(1.0, -2.0)); },
                     "0C000000000000F03F00000000000000C0"},
        EncodingCase{"Point3d", [](GDwgFiler& f) { return f.writePoint3d(AcGePoint3d(1.0, 2.0, 3.0)); },
                     "0D000000000000F03F00000000000000400000000000000840"},
        EncodingCase{"Vector2d", [](GDwgFiler& f) { return f.writeVector2d(AcGeVector2d(0.5, 0.0)); },
                     "0E000000000000E03F0000000000000000"},
        EncodingCase{"Vector3d", [](GDwgFiler& f) { return f.writeVector3d(AcGeVector3d(0.0, 0.0, 1.0)); },
                     "0F00000000000000000000000000000000000000000000F03F"},
        EncodingCase{"Scale3d", [](GDwgFiler& f) { return f.writeScale3d(AcGeScale3d(2.0, 4.0, 0.5)); },
                     "1000000000000000400000000000001040000000000000E03F"},
        EncodingCase{"Bytes",
                     [](GDwgFiler& f) {
                         const unsigned char data[] = {1, 2};
                         return f.writeBytes(data, 2);
                     },
                     "11020000000102"},
        EncodingCase{"Address", [](GDwgFiler& f) { return f.writeAddress(reinterpret_cast<const void*>(0x12345678)); },
                     "1278563412"},
        EncodingCase{"Int64", [](GDwgFiler& f) { return f.writeInt64(-2); }, "18FEFFFFFFFFFFFFFF"},
        EncodingCase{"UInt64", [](GDwgFiler& f) { return f.writeUInt64(0x0102030405060708u); }, "190807060504030201"}),
    [](const testing::TestParamInfo<EncodingCase>& info) { return std::string(info.param.name); });

TEST_P(GDwgFilerEncodingTest, WritesTheTagAndThePayloadBehindTheHeader)
{
    GDwgFiler filer(nullptr);
    EXPECT_EQ(GetParam().write(filer), Acad::eOk);
    EXPECT_EQ(bufferOf(filer), fromHex(std::string("01000000") + GetParam().bytes));
}

TEST(GDwgFilerTest, WritesTheHeaderOnlyBeforeTheFirstValue)
{
    GDwgFiler filer(nullptr);
    filer.writeInt8(1);
    filer.writeInt8(2);
    EXPECT_EQ(bufferOf(filer), fromHex("0100000005010502"));
}

class GDwgFilerRoundTripTest : public testing::TestWithParam<bool> {};

INSTANTIATE_TEST_SUITE_P(Scrambling, GDwgFilerRoundTripTest, testing::Bool());

TEST_P(GDwgFilerRoundTripTest, ReadsBackEveryValueKindAndTheIdsInOrder)
{
    MemoryDwgFiler real;
    {
        GDwgFiler filer(&real);
        filer.setScramble(GetParam());
        char chunkData[] = {'x', 'y'};
        const unsigned char bytes[] = {9, 8, 7};
        filer.writeString(AcString(L"\u56FE\u7EB8 A"));
        filer.writeHardOwnershipId(fakeId(0x10));
        filer.writeString(L"second");
        filer.writeBChunk(ads_binary{2, chunkData});
        filer.writeAcDbHandle(AcDbHandle(0xABCDEF012345u));
        filer.writeSoftOwnershipId(fakeId(0x20));
        filer.writeInt64(-1234567890123LL);
        filer.writeInt32(-42);
        filer.writeInt16(-300);
        filer.writeInt8(-5);
        filer.writeUInt64(0xFEDCBA9876543210u);
        filer.writeUInt32(4000000000u);
        filer.writeUInt16(65000);
        filer.writeUInt8(200);
        filer.writeHardPointerId(fakeId(0x30));
        filer.writeBoolean(Adesk::kTrue);
        filer.writeBool(false);
        filer.writeDouble(-0.125);
        filer.writePoint2d(AcGePoint2d(1.25, 2.5));
        filer.writePoint3d(AcGePoint3d(-1.0, 0.0, 1e300));
        filer.writeVector2d(AcGeVector2d(0.0, -1.0));
        filer.writeVector3d(AcGeVector3d(3.0, 4.0, 5.0));
        filer.writeScale3d(AcGeScale3d(1.0, 2.0, 3.0));
        filer.writeBytes(bytes, sizeof bytes);
        filer.writeAddress(reinterpret_cast<const void*>(0xCAFE));
        filer.writeSoftPointerId(fakeId(0x40));
        ASSERT_EQ(filer.writeRecording(), Acad::eOk);
    }
    real.rewind();

    GDwgFiler filer(&real);
    filer.setScramble(GetParam());
    ASSERT_EQ(filer.readRecording(), Acad::eOk);
    EXPECT_EQ(filer.readIndex(), 0);

    AcString text;
    EXPECT_EQ(filer.readString(text), Acad::eOk);
    EXPECT_EQ(text.str(), L"\u56FE\u7EB8 A");
    AcDbHardOwnershipId hardOwner;
    EXPECT_EQ(filer.readHardOwnershipId(&hardOwner), Acad::eOk);
    EXPECT_EQ(hardOwner.asOldId(), 0x10);
    ACHAR* copy = nullptr;
    EXPECT_EQ(filer.readString(&copy), Acad::eOk);
    ASSERT_NE(copy, nullptr);
    EXPECT_STREQ(copy, L"second");
    acutDelString(copy);
    ads_binary chunk{0, nullptr};
    EXPECT_EQ(filer.readBChunk(&chunk), Acad::eOk);
    ASSERT_EQ(chunk.clen, 2);
    EXPECT_EQ(std::string(chunk.buf, 2), "xy");
    acutDelBuffer(chunk.buf);
    AcDbHandle handle;
    EXPECT_EQ(filer.readAcDbHandle(&handle), Acad::eOk);
    EXPECT_EQ(handle.value(), 0xABCDEF012345u);
    AcDbSoftOwnershipId softOwner;
    EXPECT_EQ(filer.readSoftOwnershipId(&softOwner), Acad::eOk);
    EXPECT_EQ(softOwner.asOldId(), 0x20);
    Adesk::Int64 i64 = 0;
    EXPECT_EQ(filer.readInt64(&i64), Acad::eOk);
    EXPECT_EQ(i64, -1234567890123LL);
    Adesk::Int32 i32 = 0;
    EXPECT_EQ(filer.readInt32(&i32), Acad::eOk);
    EXPECT_EQ(i32, -42);
    Adesk::Int16 i16 = 0;
    EXPECT_EQ(filer.readInt16(&i16), Acad::eOk);
    EXPECT_EQ(i16, -300);
    Adesk::Int8 i8 = 0;
    EXPECT_EQ(filer.readInt8(&i8), Acad::eOk);
    EXPECT_EQ(i8, -5);
    Adesk::UInt64 u64 = 0;
    EXPECT_EQ(filer.readUInt64(&u64), Acad::eOk);
    EXPECT_EQ(u64, 0xFEDCBA9876543210u);
    Adesk::UInt32 u32 = 0;
    EXPECT_EQ(filer.readUInt32(&u32), Acad::eOk);
    EXPECT_EQ(u32, 4000000000u);
    Adesk::UInt16 u16 = 0;
    EXPECT_EQ(filer.readUInt16(&u16), Acad::eOk);
    EXPECT_EQ(u16, 65000);
    Adesk::UInt8 u8 = 0;
    EXPECT_EQ(filer.readUInt8(&u8), Acad::eOk);
    EXPECT_EQ(u8, 200);
    AcDbHardPointerId hardPointer;
    EXPECT_EQ(filer.readHardPointerId(&hardPointer), Acad::eOk);
    EXPECT_EQ(hardPointer.asOldId(), 0x30);
    Adesk::Boolean boolean = Adesk::kFalse;
    EXPECT_EQ(filer.readBoolean(&boolean), Acad::eOk);
    EXPECT_EQ(boolean, Adesk::kTrue);
    bool flag = true;
    EXPECT_EQ(filer.readBool(&flag), Acad::eOk);
    EXPECT_FALSE(flag);
    double real64 = 0.0;
    EXPECT_EQ(filer.readDouble(&real64), Acad::eOk);
    EXPECT_EQ(real64, -0.125);
    AcGePoint2d point2d;
    EXPECT_EQ(filer.readPoint2d(&point2d), Acad::eOk);
    EXPECT_EQ(point2d.x, 1.25);
    EXPECT_EQ(point2d.y, 2.5);
    AcGePoint3d point3d;
    EXPECT_EQ(filer.readPoint3d(&point3d), Acad::eOk);
    EXPECT_EQ(point3d.x, -1.0);
    EXPECT_EQ(point3d.y, 0.0);
    EXPECT_EQ(point3d.z, 1e300);
    AcGeVector2d vector2d;
    EXPECT_EQ(filer.readVector2d(&vector2d), Acad::eOk);
    EXPECT_EQ(vector2d.x, 0.0);
    EXPECT_EQ(vector2d.y, -1.0);
    AcGeVector3d vector3d;
    EXPECT_EQ(filer.readVector3d(&vector3d), Acad::eOk);
    EXPECT_EQ(vector3d.x, 3.0);
    EXPECT_EQ(vector3d.y, 4.0);
    EXPECT_EQ(vector3d.z, 5.0);
    AcGeScale3d scale;
    EXPECT_EQ(filer.readScale3d(&scale), Acad::eOk);
    EXPECT_EQ(scale.sx, 1.0);
    EXPECT_EQ(scale.sy, 2.0);
    EXPECT_EQ(scale.sz, 3.0);
    unsigned char bytes[3] = {};
    EXPECT_EQ(filer.readBytes(bytes, sizeof bytes), Acad::eOk);
    EXPECT_THAT(bytes, ElementsAre(9, 8, 7));
    void* address = nullptr;
    EXPECT_EQ(filer.readAddress(&address), Acad::eOk);
    EXPECT_EQ(address, reinterpret_cast<void*>(0xCAFE));
    AcDbSoftPointerId softPointer;
    EXPECT_EQ(filer.readSoftPointerId(&softPointer), Acad::eOk);
    EXPECT_EQ(softPointer.asOldId(), 0x40);

    EXPECT_EQ(filer.readIndex(), static_cast<Adesk::Int32>(filer.buffer().size()));
    EXPECT_EQ(filer.readInt8(&i8), Acad::eEndOfFile);
    EXPECT_EQ(real.unreadCount(), 0u);
}

TEST(GDwgFilerTest, PassesIdsToTheRealFilerInOrderBehindTheChunks)
{
    MemoryDwgFiler real;
    GDwgFiler filer(&real);
    filer.writeInt16(1);
    filer.writeHardOwnershipId(fakeId(0x10));
    filer.writeInt16(2);
    filer.writeSoftOwnershipId(fakeId(0x20));
    filer.writeHardPointerId(fakeId(0x30));
    filer.writeSoftPointerId(fakeId(0x40));
    filer.writeInt16(3);
    ASSERT_EQ(filer.idRefs().length(), 4);
    EXPECT_EQ(filer.idRefs()[1], (GDwgFiler::IdRef{fakeId(0x20), GDwgFiler::kSoftOwnership}));
    EXPECT_EQ(filer.writeRecording(), Acad::eOk);
    EXPECT_THAT(real.calls(),
                ElementsAre("writeInt32 13", "writeInt32 1", "writeUInt32 13", "writeBytes 01000000040100040200040300",
                            "writeHardOwnershipId #10", "writeSoftOwnershipId #20", "writeHardPointerId #30",
                            "writeSoftPointerId #40"));
}

TEST(GDwgFilerTest, IdWritesAloneLeaveTheRecordingEmpty)
{
    MemoryDwgFiler real;
    GDwgFiler filer(&real);
    filer.writeHardPointerId(fakeId(0x30));
    EXPECT_TRUE(filer.buffer().empty());
    EXPECT_EQ(filer.writeRecording(), Acad::eOk);
    EXPECT_THAT(real.calls(), ElementsAre("writeInt32 0", "writeInt32 0", "writeHardPointerId #30"));
}

TEST(GDwgFilerTest, WrongTagStepsBackSoThatTheRightReadSucceeds)
{
    GDwgFiler writer(nullptr);
    writer.writeInt32(77);
    LoadedRecording loaded(bufferOf(writer));
    double number = 0.0;
    EXPECT_EQ(loaded.filer.readDouble(&number), Acad::eInvalidInput);
    EXPECT_EQ(loaded.filer.readIndex(), 4);
    Adesk::Int32 value = 0;
    EXPECT_EQ(loaded.filer.readInt32(&value), Acad::eOk);
    EXPECT_EQ(value, 77);
}

TEST(GDwgFilerTest, ReadBoolAcceptsAWriteBooleanValue)
{
    GDwgFiler writer(nullptr);
    writer.writeBoolean(7);
    writer.writeBoolean(0);
    LoadedRecording loaded(bufferOf(writer));
    bool value = false;
    EXPECT_EQ(loaded.filer.readBool(&value), Acad::eOk);
    EXPECT_TRUE(value);
    EXPECT_EQ(loaded.filer.readBool(&value), Acad::eOk);
    EXPECT_FALSE(value);
}

TEST(GDwgFilerTest, ReadBooleanAcceptsAWriteBoolValueAndGivesTrueForAnyNonZero)
{
    GDwgFiler writer(nullptr);
    writer.writeBool(true);
    writer.writeBoolean(7);
    LoadedRecording loaded(bufferOf(writer));
    Adesk::Boolean value = Adesk::kFalse;
    EXPECT_EQ(loaded.filer.readBoolean(&value), Acad::eOk);
    EXPECT_EQ(value, Adesk::kTrue);
    EXPECT_EQ(loaded.filer.readBoolean(&value), Acad::eOk);
    EXPECT_EQ(value, Adesk::kTrue);
}

TEST(GDwgFilerTest, ReadBooleanStepsBackFromAnotherTag)
{
    LoadedRecording loaded(fromHex("010000000807"));
    Adesk::Boolean value = Adesk::kFalse;
    EXPECT_EQ(loaded.filer.readBoolean(&value), Acad::eInvalidInput);
    EXPECT_EQ(loaded.filer.readIndex(), 4);
}

TEST(GDwgFilerTest, NewerRecordingAnswersMakeMeProxyOnEveryRead)
{
    LoadedRecording loaded(fromHex("020000000605000000"));
    ASSERT_EQ(loaded.status, Acad::eOk);
    Adesk::UInt32 value = 0;
    EXPECT_EQ(loaded.filer.readUInt32(&value), Acad::eMakeMeProxy);
    EXPECT_EQ(loaded.filer.formatVersion(), 2u);
    EXPECT_EQ(loaded.filer.readUInt32(&value), Acad::eMakeMeProxy);
    Adesk::Int8 other = 0;
    EXPECT_EQ(loaded.filer.readInt8(&other), Acad::eMakeMeProxy);
    EXPECT_EQ(value, 0u);
}

struct EndCase {
    const char* name;
    const char* recording;
    std::function<Acad::ErrorStatus(GDwgFiler&)> read;
    Adesk::Int32 indexAfter;
};

void PrintTo(const EndCase& value, std::ostream* out)
{
    *out << value.name;
}

class GDwgFilerEndOfFileTest : public testing::TestWithParam<EndCase> {};

Acad::ErrorStatus readOneUInt32(GDwgFiler& filer)
{
    Adesk::UInt32 value = 0;
    return filer.readUInt32(&value);
}

Acad::ErrorStatus readOneString(GDwgFiler& filer)
{
    AcString value;
    return filer.readString(value);
}

INSTANTIATE_TEST_SUITE_P(Truncated, GDwgFilerEndOfFileTest,
                         testing::Values(EndCase{"Empty", "", readOneUInt32, 0},
                                         EndCase{"ShortHeader", "010000", readOneUInt32, 0},
                                         EndCase{"HeaderOnly", "01000000", readOneUInt32, 4},
                                         EndCase{"ShortValue", "01000000060500", readOneUInt32, 5},
                                         EndCase{"ShortString", "010000000005000000616263", readOneString, 5},
                                         EndCase{"HugeStringCount", "0100000000FFFFFFFF6162", readOneString, 5},
                                         EndCase{"ShortStringCount", "0100000000050000", readOneString, 5},
                                         EndCase{"ShortPoint", "010000000D000000000000F03F000000000000F03F",
                                                 [](GDwgFiler& f) {
                                                     AcGePoint3d point;
                                                     return f.readPoint3d(&point);
                                                 },
                                                 5},
                                         EndCase{"ShortBytes", "01000000110400000001",
                                                 [](GDwgFiler& f) {
                                                     unsigned char bytes[1] = {};
                                                     return f.readBytes(bytes, 1);
                                                 },
                                                 5},
                                         EndCase{"ShortChunk", "01000000010400000001",
                                                 [](GDwgFiler& f) {
                                                     ads_binary chunk{0, nullptr};
                                                     return f.readBChunk(&chunk);
                                                 },
                                                 5}),
                         [](const testing::TestParamInfo<EndCase>& info) { return std::string(info.param.name); });

TEST_P(GDwgFilerEndOfFileTest, AnswersEndOfFileAndStaysBehindTheTag)
{
    LoadedRecording loaded(fromHex(GetParam().recording));
    ASSERT_EQ(loaded.status, Acad::eOk);
    EXPECT_EQ(GetParam().read(loaded.filer), Acad::eEndOfFile);
    EXPECT_EQ(loaded.filer.readIndex(), GetParam().indexAfter);
}

TEST(GDwgFilerTest, ReadBytesRefusesToDeliverMoreThanWasStored)
{
    LoadedRecording loaded(fromHex("0100000011030000000102030509"));
    unsigned char bytes[4] = {0xEE, 0xEE, 0xEE, 0xEE};
    EXPECT_EQ(loaded.filer.readBytes(bytes, 4), Acad::eOutOfRange);
    EXPECT_THAT(bytes, ElementsAre(0xEE, 0xEE, 0xEE, 0xEE));
    EXPECT_EQ(loaded.filer.readIndex(), 5);
}

TEST(GDwgFilerTest, ReadBytesDeliversFewerBytesThanStoredAndSkipsTheRest)
{
    LoadedRecording loaded(fromHex("0100000011030000000102030509"));
    unsigned char bytes[4] = {0xEE, 0xEE, 0xEE, 0xEE};
    EXPECT_EQ(loaded.filer.readBytes(bytes, 2), Acad::eOk);
    EXPECT_THAT(bytes, ElementsAre(1, 2, 0xEE, 0xEE));
    Adesk::Int8 next = 0;
    EXPECT_EQ(loaded.filer.readInt8(&next), Acad::eOk);
    EXPECT_EQ(next, 9);
}

TEST(GDwgFilerTest, ReadBChunkReplacesTheBufferTheChunkHeld)
{
    LoadedRecording loaded(fromHex("0100000001030000006162630100000000"));
    void* old = nullptr;
    ASSERT_EQ(acutNewBuffer(old, 16), Acad::eOk);
    ads_binary chunk{16, static_cast<char*>(old)};
    EXPECT_EQ(loaded.filer.readBChunk(&chunk), Acad::eOk);
    ASSERT_EQ(chunk.clen, 3);
    EXPECT_EQ(std::string(chunk.buf, 3), "abc");
    EXPECT_EQ(loaded.filer.readBChunk(&chunk), Acad::eOk);
    EXPECT_EQ(chunk.clen, 0);
    acutDelBuffer(chunk.buf);
}

TEST(GDwgFilerTest, ReadBChunkRefusesALengthAChunkCannotHold)
{
    Bytes recording = fromHex("010000000100800000");
    recording.resize(recording.size() + 0x8000, 0x41);
    LoadedRecording loaded(recording);
    ads_binary chunk{0, nullptr};
    EXPECT_EQ(loaded.filer.readBChunk(&chunk), Acad::eOutOfRange);
    EXPECT_EQ(chunk.buf, nullptr);
}

TEST(GDwgFilerTest, ReadStringKeepsTheTextAndHandsOutACopy)
{
    GDwgFiler writer(nullptr);
    writer.writeString(L"\u6C34\u5370");
    LoadedRecording loaded(bufferOf(writer));
    ACHAR* copy = nullptr;
    EXPECT_EQ(loaded.filer.readString(&copy), Acad::eOk);
    ASSERT_NE(copy, nullptr);
    EXPECT_STREQ(copy, L"\u6C34\u5370");
    acutDelString(copy);
}

TEST(GDwgFilerTest, ReadPoint3dTracesAWrongTag)
{
    GDwgFiler writer(nullptr);
    writer.writeInt32(5);
    LoadedRecording loaded(bufferOf(writer));
    const cadhost::DebugCapture capture;
    AcGePoint3d point;
    EXPECT_EQ(loaded.filer.readPoint3d(&point), Acad::eInvalidInput);
    EXPECT_THAT(capture.messages(), ElementsAre(L"readPoint3d Failed Acad::eNotThatKindOfClass:3,m_readindex=5-9"));
    EXPECT_EQ(loaded.filer.readIndex(), 4);
}

TEST(GDwgFilerTest, CutsALongerLastChunkToTheRecordingLength)
{
    MemoryDwgFiler real;
    real.writeInt32(9);
    real.writeInt32(1);
    real.writeUInt32(12);
    const Bytes chunk = fromHex("010000000605000000AABBCC");
    real.writeBytes(chunk.data(), chunk.size());
    real.rewind();
    GDwgFiler filer(&real);
    EXPECT_EQ(filer.readRecording(), Acad::eOk);
    EXPECT_EQ(bufferOf(filer), fromHex("010000000605000000"));
}

struct HostileCase {
    const char* name;
    Adesk::Int32 length;
    Adesk::Int32 chunks;
    std::vector<Adesk::UInt32> chunkLengths;
};

void PrintTo(const HostileCase& value, std::ostream* out)
{
    *out << value.name;
}

class GDwgFilerHostileTest : public testing::TestWithParam<HostileCase> {};

INSTANTIATE_TEST_SUITE_P(
    Refused, GDwgFilerHostileTest,
    testing::Values(HostileCase{"NegativeLength", -1, 0, {}}, HostileCase{"NegativeCount", 9, -1, {}},
                    HostileCase{"NoChunksForBytes", 9, 0, {}}, HostileCase{"TooFewChunks", 241, 1, {}},
                    HostileCase{"TooManyChunks", 9, 2, {}}, HostileCase{"HugeCountForEmpty", 0, INT_MAX, {}},
                    HostileCase{"LongestLength", INT_MAX, INT_MAX / 240 + 1, {}},
                    HostileCase{"LengthOverTheCap", (1 << 28) + 1, ((1 << 28) + 240) / 240, {}},
                    HostileCase{"ChunkOver240", 241, 2, {241}}, HostileCase{"HugeChunk", 300, 2, {0xFFFFFFFFu}},
                    HostileCase{"ShortFirstChunk", 300, 2, {50}}, HostileCase{"ShortOnlyChunk", 9, 1, {5}}),
    [](const testing::TestParamInfo<HostileCase>& info) { return std::string(info.param.name); });

TEST_P(GDwgFilerHostileTest, RefusesWithoutReadingOrAllocatingTheClaimedBytes)
{
    MemoryDwgFiler real;
    real.writeInt32(GetParam().length);
    real.writeInt32(GetParam().chunks);
    for (const Adesk::UInt32 count : GetParam().chunkLengths)
        real.writeUInt32(count);
    real.rewind();
    GDwgFiler filer(&real);
    filer.setScramble(true);
    const LargestAllocationProbe probe;
    EXPECT_EQ(filer.readRecording(), Acad::eDwgObjectImproperlyRead);
    EXPECT_LT(probe.largest(), std::size_t{1} << 17);
    EXPECT_TRUE(filer.buffer().empty());
    EXPECT_EQ(real.unreadCount(), 0u);
}

TEST(GDwgFilerTest, LargeClaimedLengthAllocatesOnlyWhatTheFilerDelivers)
{
    MemoryDwgFiler real;
    const Adesk::Int32 length = 200 * 1000 * 1000;
    real.writeInt32(length);
    real.writeInt32((length + 239) / 240);
    const Bytes chunk(240, 0x5A);
    real.writeUInt32(240);
    real.writeBytes(chunk.data(), chunk.size());
    real.rewind();
    GDwgFiler filer(&real);
    const LargestAllocationProbe probe;
    EXPECT_EQ(filer.readRecording(), Acad::eEndOfFile);
    EXPECT_LT(probe.largest(), std::size_t{1} << 17);
    EXPECT_TRUE(filer.buffer().empty());
}

TEST(GDwgFilerTest, ReadRecordingReturnsTheRealFilersFailures)
{
    for (const char* operation : {"readInt32", "readUInt32", "readBytes"}) {
        MemoryDwgFiler real;
        GDwgFiler writer(&real);
        writer.writeUInt32(5);
        ASSERT_EQ(writer.writeRecording(), Acad::eOk);
        real.rewind();
        real.failOn(operation, 1, Acad::eDwgCRCDoesNotMatch);
        GDwgFiler filer(&real);
        EXPECT_EQ(filer.readRecording(), Acad::eDwgCRCDoesNotMatch) << operation;
        EXPECT_TRUE(filer.buffer().empty()) << operation;
    }
}

TEST(GDwgFilerTest, WriteRecordingReturnsHeaderAndIdFailuresButNotChunkFailures)
{
    struct Failure {
        const char* operation;
        int occurrence;
        Acad::ErrorStatus expected;
    };
    for (const Failure failure :
         {Failure{"writeInt32", 1, Acad::eOutOfDisk}, Failure{"writeInt32", 2, Acad::eOutOfDisk},
          Failure{"writeUInt32", 1, Acad::eOk}, Failure{"writeBytes", 1, Acad::eOk},
          Failure{"writeSoftPointerId", 1, Acad::eOutOfDisk}}) {
        MemoryDwgFiler real;
        real.failOn(failure.operation, failure.occurrence, Acad::eOutOfDisk);
        GDwgFiler filer(&real);
        filer.writeUInt32(5);
        filer.writeSoftPointerId(fakeId(0x40));
        EXPECT_EQ(filer.writeRecording(), failure.expected) << failure.operation << failure.occurrence;
    }
}

TEST(GDwgFilerTest, StopsAtTheFirstFailingLengthWrite)
{
    MemoryDwgFiler real;
    real.failOn("writeInt32", 1, Acad::eOutOfDisk);
    GDwgFiler filer(&real);
    filer.writeUInt32(5);
    EXPECT_EQ(filer.writeRecording(), Acad::eOutOfDisk);
    EXPECT_THAT(real.calls(), ElementsAre("writeInt32 !eOutOfDisk"));
}

TEST(GDwgFilerTest, IsNotARegisteredClass)
{
    GDwgFiler filer(nullptr);
    EXPECT_EQ(filer.isA(), nullptr);
}

TEST(GDwgFilerTest, TakesTheFilerTypeOfTheRealFiler)
{
    MemoryDwgFiler copier(AcDb::kCopyFiler);
    EXPECT_EQ(GDwgFiler(&copier).filerType(), AcDb::kCopyFiler);
    EXPECT_EQ(GDwgFiler(nullptr).filerType(), AcDb::kFileFiler);
}

TEST(GDwgFilerTest, KeepsItsStatusAndDoesNotSeek)
{
    GDwgFiler filer(nullptr);
    EXPECT_EQ(filer.filerStatus(), Acad::eOk);
    filer.setFilerStatus(Acad::eFilerError);
    EXPECT_EQ(filer.filerStatus(), Acad::eFilerError);
    filer.resetFilerStatus();
    EXPECT_EQ(filer.filerStatus(), Acad::eOk);
    EXPECT_EQ(filer.seek(4, 0), Acad::eNotImplementedYet);
    EXPECT_EQ(filer.tell(), 0);
}

TEST(GDwgFilerTest, WithoutARealFilerRecordsButCannotWriteOrReadIds)
{
    GDwgFiler filer(nullptr);
    EXPECT_EQ(filer.writeInt8(1), Acad::eOk);
    EXPECT_EQ(filer.writeHardPointerId(fakeId(0x30)), Acad::eOk);
    EXPECT_EQ(filer.writeRecording(), Acad::eNullObjectPointer);
    AcDbHardPointerId id;
    EXPECT_EQ(filer.readHardPointerId(&id), Acad::eNullObjectPointer);
    EXPECT_EQ(filer.readRecording(), Acad::eNullObjectPointer);
}

// Whatever bytes a damaged drawing holds, every read answers a status and stays inside the recording.
TEST(GDwgFilerTest, SurvivesArbitraryRecordings)
{
    std::uint32_t seed = 2024;
    auto next = [&seed] {
        seed = seed * 1664525u + 1013904223u;
        return static_cast<std::uint8_t>(seed >> 24);
    };
    for (int round = 0; round < 300; ++round) {
        Bytes recording(static_cast<std::size_t>(next() % 64));
        for (auto& byte : recording)
            byte = next() % 4 == 0 ? next() % 26 : next();
        if (recording.size() >= 4)
            std::copy_n(fromHex("01000000").begin(), 4, recording.begin());
        LoadedRecording loaded(recording, round % 2 == 0);
        ASSERT_EQ(loaded.status, Acad::eOk);
        GDwgFiler& filer = loaded.filer;
        for (int step = 0; step < 40; ++step) {
            Adesk::Int32 value = 0;
            AcString text;
            AcDbHandle handle;
            AcGePoint3d point;
            bool flag = false;
            unsigned char bytes[8] = {};
            ads_binary chunk{0, nullptr};
            const std::array<std::function<Acad::ErrorStatus()>, 7> reads{
                [&] { return filer.readInt32(&value); },
                [&] { return filer.readString(text); },
                [&] { return filer.readAcDbHandle(&handle); },
                [&] { return filer.readPoint3d(&point); },
                [&] { return filer.readBool(&flag); },
                [&] { return filer.readBytes(bytes, next() % 9); },
                [&] {
                    const Acad::ErrorStatus es = filer.readBChunk(&chunk);
                    acutDelBuffer(chunk.buf);
                    return es;
                }};
            reads[next() % reads.size()]();
            ASSERT_GE(filer.readIndex(), 0);
            ASSERT_LE(filer.readIndex(), static_cast<Adesk::Int32>(filer.buffer().size()));
        }
    }
}

} // namespace
