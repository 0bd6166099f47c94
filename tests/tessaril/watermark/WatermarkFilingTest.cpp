// How the watermark stores itself: version 2 as one scrambled recording of the notes and the
// rectangle, version 1 straight into the drawing's filer; newer versions are left to the proxy.
#include "MemoryDwgFiler.h"
#include "RegisteredWatermarkClass.h"

#include "entities/GDwgFiler.h"
#include "entities/Scrambler.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace {

using Calls = std::vector<std::string>;

const ::testing::Environment* const gClass = ::testing::AddGlobalTestEnvironment(new RegisteredWatermarkClass);

void fill(AcDbWatermark& watermark)
{
    watermark.option.owner = GCopyrightItem(L"A", true, false);
    watermark.option.user = GCopyrightItem(L"B", false, true);
    watermark.option.date = GCopyrightItem(L"", true, true);
    watermark.option.rows = 2;
    watermark.option.columns = 3;
    watermark.extents.setExtents(AcGePoint3d(-5, -2.5, 0), AcGePoint3d(15, 7.5, 0));
}

// The filer calls behind the entity's common data.
Calls ownCalls(const AcDbWatermark& watermark, const MemoryDwgFiler& filer)
{
    MemoryDwgFiler common;
    watermark.AcDbEntity::dwgOutFields(&common);
    return Calls(filer.calls().begin() + static_cast<std::ptrdiff_t>(common.calls().size()), filer.calls().end());
}

// A stored watermark of the given version whose content is written by content.
template <class Content> void storeVersion(MemoryDwgFiler& filer, Adesk::UInt32 version, Content content)
{
    const AcDbWatermark common;
    common.AcDbEntity::dwgOutFields(&filer);
    filer.writeUInt32(version);
    content(filer);
    filer.rewind();
    filer.clearCalls();
}

void expectFilled(const AcDbWatermark& watermark)
{
    EXPECT_STREQ(watermark.option.owner.text, L"A");
    EXPECT_FALSE(watermark.option.owner.plot);
    EXPECT_STREQ(watermark.option.user.text, L"B");
    EXPECT_FALSE(watermark.option.user.stamp);
    EXPECT_EQ(watermark.option.rows, 2);
    EXPECT_EQ(watermark.option.columns, 3);
    EXPECT_TRUE(watermark.extents.valid);
    EXPECT_EQ(watermark.extents.minPoint(), AcGePoint3d(-5, -2.5, 0));
    EXPECT_EQ(watermark.extents.maxPoint(), AcGePoint3d(15, 7.5, 0));
}

TEST(AcDbWatermarkFiling, ANewWatermarkHasTheCopyrightDefaultsAndVersionTwo)
{
    const AcDbWatermark watermark;
    EXPECT_EQ(watermark.watermarkVersion(), 2U);
    EXPECT_FALSE(watermark.extents.valid);
    EXPECT_STREQ(watermark.option.owner.text, kDefaultOwnerText);
    EXPECT_EQ(watermark.option.rows, 10);
    EXPECT_EQ(watermark.option.columns, 10);
}

TEST(AcDbWatermarkFiling, VersionTwoWritesOneScrambledRecording)
{
    AcDbWatermark watermark;
    fill(watermark);
    MemoryDwgFiler filer;
    ASSERT_EQ(watermark.dwgOutFields(&filer), Acad::eOk);
    const Calls calls = ownCalls(watermark, filer);
    // Header 4, notes 53 and rectangle 57 bytes: one chunk of 114.
    ASSERT_EQ(calls.size(), 5U);
    EXPECT_EQ(calls[0], "writeUInt32 2");
    EXPECT_EQ(calls[1], "writeInt32 114");
    EXPECT_EQ(calls[2], "writeInt32 1");
    EXPECT_EQ(calls[3], "writeUInt32 114");
    ASSERT_EQ(calls[4].size(), std::string("writeBytes ").size() + 228);

    // The plain recording of the same content differs: the stored bytes are scrambled.
    MemoryDwgFiler plainFiler;
    GDwgFiler plain(&plainFiler);
    watermark.option.dwgOutFields(&plain);
    watermark.extents.dwgOutFields(&plain);
    plain.writeRecording();
    EXPECT_NE(plainFiler.calls().back(), calls[4]);
}

// The recording behind a version 2 watermark, byte by byte once unscrambled: the recording header,
// the notes record (6 UInt32, 0 string, 10 bool) and then the rectangle (13 point).
TEST(AcDbWatermarkFiling, VersionTwoRecordingHoldsTheNotesAndThenTheRectangle)
{
    AcDbWatermark watermark;
    fill(watermark);
    MemoryDwgFiler filer;
    ASSERT_EQ(watermark.dwgOutFields(&filer), Acad::eOk);
    const std::string stored = ownCalls(watermark, filer).back().substr(std::string("writeBytes ").size());
    std::vector<std::uint8_t> bytes;
    for (std::size_t i = 0; i + 1 < stored.size(); i += 2)
        bytes.push_back(static_cast<std::uint8_t>(std::stoul(stored.substr(i, 2), nullptr, 16)));
    Scrambler::unscramble(bytes);
    std::string plain;
    for (const std::uint8_t byte : bytes) {
        char hex[3];
        std::snprintf(hex, sizeof hex, "%02X", byte);
        plain += hex;
    }
    EXPECT_EQ(plain, std::string("01000000")
                         // notes: version, owner, user, date, extra lines and flags, rows, columns
                         + "0601000000" + "000100000041" + "0A01" + "0A00" + "000100000042" + "0A00" + "0A01" +
                         "0000000000" + "0A01" + "0A01" + "0600000000" + "0A00" + "0A00" + "0602000000" +
                         "0603000000"
                         // rectangle: version, valid, minimum (-5,-2.5,0), maximum (15,7.5,0)
                         + "0601000000" + "0A01" + "0D00000000000014C000000000000004C00000000000000000" +
                         "0D0000000000002E400000000000001E400000000000000000");
}

TEST(AcDbWatermarkFiling, VersionTwoReadsBack)
{
    AcDbWatermark written;
    fill(written);
    MemoryDwgFiler filer;
    ASSERT_EQ(written.dwgOutFields(&filer), Acad::eOk);
    filer.rewind();
    AcDbWatermark read;
    ASSERT_EQ(read.dwgInFields(&filer), Acad::eOk);
    EXPECT_EQ(filer.unreadCount(), 0U);
    EXPECT_EQ(read.watermarkVersion(), 2U);
    expectFilled(read);
}

TEST(AcDbWatermarkFiling, VersionOneIsReadStraightAndSavedTheSameWay)
{
    AcDbWatermark source;
    fill(source);
    MemoryDwgFiler filer;
    storeVersion(filer, 1, [&](MemoryDwgFiler& out) {
        source.option.dwgOutFields(&out);
        source.extents.dwgOutFields(&out);
    });
    AcDbWatermark read;
    ASSERT_EQ(read.dwgInFields(&filer), Acad::eOk);
    EXPECT_EQ(filer.unreadCount(), 0U);
    EXPECT_EQ(read.watermarkVersion(), 1U);
    expectFilled(read);

    MemoryDwgFiler saved;
    ASSERT_EQ(read.dwgOutFields(&saved), Acad::eOk);
    EXPECT_EQ(ownCalls(read, saved), (Calls{"writeUInt32 1",
                                            "writeUInt32 1",
                                            "writeString A",
                                            "writeBool 1",
                                            "writeBool 0",
                                            "writeString B",
                                            "writeBool 0",
                                            "writeBool 1",
                                            "writeString ",
                                            "writeBool 1",
                                            "writeBool 1",
                                            "writeUInt32 0",
                                            "writeBool 0",
                                            "writeBool 0",
                                            "writeUInt32 2",
                                            "writeUInt32 3",
                                            "writeUInt32 1",
                                            "writeBool 1",
                                            "writePoint3d -5,-2.5,0",
                                            "writePoint3d 15,7.5,0"}));
}

TEST(AcDbWatermarkFiling, AStoredVersionThreeIsLeftToTheProxy)
{
    MemoryDwgFiler filer;
    storeVersion(filer, 3, [](MemoryDwgFiler& out) { out.writeUInt32(1); });
    AcDbWatermark read;
    fill(read);
    EXPECT_EQ(read.dwgInFields(&filer), Acad::eMakeMeProxy);
    EXPECT_EQ(filer.unreadCount(), 1U);
    EXPECT_EQ(read.watermarkVersion(), 2U);
    expectFilled(read);
}

TEST(AcDbWatermarkFiling, ANewerNotesRecordInsideTheRecordingIsLeftToTheProxy)
{
    MemoryDwgFiler filer;
    storeVersion(filer, 2, [](MemoryDwgFiler& out) {
        GDwgFiler recording(&out);
        recording.setScramble(true);
        recording.writeUInt32(2);
        recording.writeString(L"later");
        recording.writeRecording();
    });
    AcDbWatermark read;
    EXPECT_EQ(read.dwgInFields(&filer), Acad::eMakeMeProxy);
}

TEST(AcDbWatermarkFiling, ARecordingWithoutTheRectangleFails)
{
    MemoryDwgFiler filer;
    storeVersion(filer, 2, [](MemoryDwgFiler& out) {
        GDwgFiler recording(&out);
        recording.setScramble(true);
        GCopyrightOption().dwgOutFields(&recording);
        recording.writeRecording();
    });
    AcDbWatermark read;
    EXPECT_EQ(read.dwgInFields(&filer), Acad::eEndOfFile);
    EXPECT_FALSE(read.extents.valid);
}

TEST(AcDbWatermarkFiling, ATruncatedRecordingFails)
{
    MemoryDwgFiler filer;
    storeVersion(filer, 2, [](MemoryDwgFiler& out) {
        out.writeInt32(114);
        out.writeInt32(1);
        out.writeUInt32(114);
    });
    AcDbWatermark read;
    EXPECT_NE(read.dwgInFields(&filer), Acad::eOk);
    EXPECT_STREQ(read.option.owner.text, kDefaultOwnerText);
}

TEST(AcDbWatermarkFiling, AFailingWriteIsReturned)
{
    AcDbWatermark watermark;
    fill(watermark);
    for (const char* operation : {"writeUInt32", "writeInt32", "writeHardPointerId"}) {
        MemoryDwgFiler filer;
        filer.failOn(operation, 1, Acad::eOutOfDisk);
        EXPECT_EQ(watermark.dwgOutFields(&filer), Acad::eOutOfDisk) << operation;
    }
}

TEST(AcDbWatermarkFiling, TheFilersStatusIsTheResult)
{
    AcDbWatermark watermark;
    MemoryDwgFiler filer;
    filer.setFilerStatus(Acad::eWasErased);
    EXPECT_EQ(watermark.dwgOutFields(&filer), Acad::eWasErased);
}

} // namespace
