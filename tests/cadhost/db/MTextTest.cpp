#include "MemoryDwgFiler.h"
#include "dbmtext.h"
#include "dbtext.h"

#include <gtest/gtest.h>

#include <memory>
#include <numbers>
#include <string>
#include <vector>

namespace {

using Texts = std::vector<std::unique_ptr<AcDbText>>;

Texts explodeToTexts(const AcDbMText& text)
{
    AcDbVoidPtrArray pieces;
    EXPECT_EQ(text.explode(pieces), Acad::eOk);
    Texts result;
    for (void* piece : pieces) {
        auto* entity = static_cast<AcDbEntity*>(piece);
        EXPECT_NE(AcDbText::cast(entity), nullptr);
        result.emplace_back(static_cast<AcDbText*>(entity));
    }
    return result;
}

void expectPoint(const AcGePoint3d& actual, double x, double y, double z = 0.0)
{
    EXPECT_NEAR(actual.x, x, 1e-9);
    EXPECT_NEAR(actual.y, y, 1e-9);
    EXPECT_NEAR(actual.z, z, 1e-9);
}

TEST(MTextTest, ExplodeGivesOneTextPerParagraphOneHeightApart)
{
    AcDbMText text;
    text.setLocation(AcGePoint3d(10.0, 20.0, 0.0));
    text.setTextHeight(2.0);
    text.setContents(L"{\\fSimSun|b0|i0|c134|p2;ab\\Pcd}");
    const Texts pieces = explodeToTexts(text);
    ASSERT_EQ(pieces.size(), 2u);
    EXPECT_STREQ(pieces[0]->textStringConst(), L"ab");
    EXPECT_STREQ(pieces[1]->textStringConst(), L"cd");
    expectPoint(pieces[0]->position(), 10.0, 18.0);
    expectPoint(pieces[1]->position(), 10.0, 16.0);
    EXPECT_DOUBLE_EQ(pieces[0]->height(), 2.0);
    EXPECT_DOUBLE_EQ(text.actualHeight(), 4.0);
    EXPECT_DOUBLE_EQ(text.actualWidth(), 2.4);
}

TEST(MTextTest, MiddleLeftAttachmentRotatedAQuarterTurn)
{
    AcDbMText text;
    text.setAttachment(AcDbMText::kMiddleLeft);
    text.setRotation(std::numbers::pi / 2.0);
    text.setTextHeight(1.0);
    text.setContents(L"abc\\Pde");
    const Texts pieces = explodeToTexts(text);
    ASSERT_EQ(pieces.size(), 2u);
    expectPoint(pieces[0]->position(), 0.0, 0.0);
    expectPoint(pieces[1]->position(), 1.0, 0.0);
    EXPECT_NEAR(pieces[0]->rotation(), std::numbers::pi / 2.0, 1e-12);

    AcDbExtents extents;
    ASSERT_EQ(text.getGeomExtents(extents), Acad::eOk);
    expectPoint(extents.minPoint(), -1.0, 0.0);
    expectPoint(extents.maxPoint(), 1.0, 1.8);
}

TEST(MTextTest, CentredLinesSitInTheMiddleOfTheWidth)
{
    AcDbMText text;
    text.setLocation(AcGePoint3d(100.0, 50.0, 0.0));
    text.setAttachment(AcDbMText::kMiddleCenter);
    text.setWidth(10.0);
    text.setTextHeight(1.0);
    text.setContents(L"ab");
    const Texts pieces = explodeToTexts(text);
    ASSERT_EQ(pieces.size(), 1u);
    expectPoint(pieces[0]->position(), 99.4, 49.5);
}

TEST(MTextTest, WrappedCjkTextExplodesIntoLinesOfTheWidth)
{
    AcDbMText text;
    text.setTextHeight(1.0);
    text.setWidth(2.5);
    text.setContents(L"\u56FE\u7EB8\u5916\u53D1\u7CFB\u7EDF");
    const Texts pieces = explodeToTexts(text);
    ASSERT_EQ(pieces.size(), 3u);
    EXPECT_STREQ(pieces[2]->textStringConst(), L"\u7CFB\u7EDF");
    expectPoint(pieces[2]->position(), 0.0, -3.0);
}

TEST(MTextTest, EmptyParagraphsTakeALineButExplodeToNothing)
{
    AcDbMText text;
    text.setTextHeight(1.0);
    text.setContents(L"top\\P\\Pbottom");
    const Texts pieces = explodeToTexts(text);
    ASSERT_EQ(pieces.size(), 2u);
    expectPoint(pieces[1]->position(), 0.0, -3.0);
}

TEST(MTextTest, PlainTextJoinsParagraphsWithLineFeeds)
{
    AcDbMText text;
    text.setContents(L"{\\fArial;one}\\P\\Ptwo");
    ACHAR* plain = text.text();
    EXPECT_STREQ(plain, L"one\n\ntwo");
    acutDelString(plain);
}

TEST(MTextTest, TransformScalesHeightAndWidth)
{
    AcDbMText text;
    text.setLocation(AcGePoint3d(1.0, 1.0, 0.0));
    text.setTextHeight(2.0);
    text.setWidth(8.0);
    ASSERT_EQ(text.transformBy(AcGeMatrix3d::scaling(3.0)), Acad::eOk);
    expectPoint(text.location(), 3.0, 3.0);
    EXPECT_NEAR(text.textHeight(), 6.0, 1e-12);
    EXPECT_NEAR(text.width(), 24.0, 1e-12);
}

TEST(MTextTest, SettersRefuseValuesOutsideTheirRange)
{
    AcDbMText text;
    EXPECT_EQ(text.setAttachment(static_cast<AcDbMText::AttachmentPoint>(0)), Acad::eInvalidInput);
    EXPECT_EQ(text.setTextHeight(0.0), Acad::eInvalidInput);
    EXPECT_EQ(text.setBackgroundScaleFactor(6.0), Acad::eInvalidInput);
    EXPECT_EQ(text.setDirection(AcGeVector3d::kZAxis), Acad::eInvalidInput);
    EXPECT_EQ(text.attachment(), AcDbMText::kTopLeft);
}

TEST(MTextTest, FilingRoundTripKeepsEveryField)
{
    AcDbMText text;
    text.setLocation(AcGePoint3d(1.5, 2.5, 3.5));
    text.setNormal(AcGeVector3d(0.0, 0.0, -1.0));
    text.setRotation(0.25);
    text.setWidth(12.0);
    text.setHeight(7.0);
    text.setTextHeight(0.35);
    text.setAttachment(AcDbMText::kBottomRight);
    text.setContents(L"\u7248\u6743\\P(c)");
    text.setBackgroundFill(true);
    AcCmColor fill;
    fill.setRGB(183, 183, 183);
    text.setBackgroundFillColor(fill);
    text.setBackgroundScaleFactor(2.0);
    text.setBackgroundTransparency(AcCmTransparency(static_cast<Adesk::UInt8>(128)));

    MemoryDwgFiler filer;
    ASSERT_EQ(text.dwgOutFields(&filer), Acad::eOk);
    filer.rewind();
    AcDbMText copy;
    ASSERT_EQ(copy.dwgInFields(&filer), Acad::eOk);
    EXPECT_EQ(filer.unreadCount(), 0u);

    expectPoint(copy.location(), 1.5, 2.5, 3.5);
    EXPECT_EQ(copy.normal(), AcGeVector3d(0.0, 0.0, -1.0));
    EXPECT_NEAR(copy.rotation(), 0.25, 1e-12);
    EXPECT_DOUBLE_EQ(copy.width(), 12.0);
    EXPECT_DOUBLE_EQ(copy.height(), 7.0);
    EXPECT_DOUBLE_EQ(copy.textHeight(), 0.35);
    EXPECT_EQ(copy.attachment(), AcDbMText::kBottomRight);
    ACHAR* contents = copy.contents();
    EXPECT_STREQ(contents, L"\u7248\u6743\\P(c)");
    acutDelString(contents);
    EXPECT_TRUE(copy.backgroundFillOn());
    AcCmColor readFill;
    copy.getBackgroundFillColor(readFill);
    EXPECT_EQ(readFill.red(), 183);
    EXPECT_TRUE(readFill.isByColor());
    double scale = 0.0;
    copy.getBackgroundScaleFactor(scale);
    EXPECT_DOUBLE_EQ(scale, 2.0);
    AcCmTransparency transparency;
    copy.getBackgroundTransparency(transparency);
    EXPECT_EQ(transparency.alpha(), 128);
}

class MTextTruncatedReadTest : public testing::TestWithParam<const char*> {};

TEST_P(MTextTruncatedReadTest, StopsAtTheFirstFailingReadWithItsStatus)
{
    AcDbMText text;
    text.setContents(L"kept");
    MemoryDwgFiler filer;
    ASSERT_EQ(text.dwgOutFields(&filer), Acad::eOk);
    filer.rewind();
    filer.failOn(GetParam(), 1, Acad::eEndOfFile);
    AcDbMText copy;
    EXPECT_EQ(copy.dwgInFields(&filer), Acad::eEndOfFile);
}

INSTANTIATE_TEST_SUITE_P(Reads, MTextTruncatedReadTest,
                         testing::Values("readPoint3d", "readVector3d", "readUInt8", "readHardPointerId", "readString",
                                         "readBool", "readUInt32"));

TEST(MTextTest, AnAttachmentOutsideOneToNineIsDamage)
{
    // The attachment is the only UInt8 the text files after the common entity data.
    AcDbMText text;
    MemoryDwgFiler filer;
    ASSERT_EQ(text.dwgOutFields(&filer), Acad::eOk);
    std::vector<std::string> kinds;
    for (const auto& entry : filer.entries())
        kinds.push_back(entry.kind);
    EXPECT_NE(std::find(kinds.begin(), kinds.end(), "UInt8"), kinds.end());

    MemoryDwgFiler damaged;
    ASSERT_EQ(text.AcDbEntity::dwgOutFields(&damaged), Acad::eOk);
    damaged.writePoint3d(AcGePoint3d::kOrigin);
    damaged.writeVector3d(AcGeVector3d::kZAxis);
    damaged.writeVector3d(AcGeVector3d::kXAxis);
    damaged.writeDouble(0.0);
    damaged.writeDouble(0.0);
    damaged.writeDouble(1.0);
    damaged.writeUInt8(12);
    damaged.rewind();
    AcDbMText copy;
    EXPECT_EQ(copy.dwgInFields(&damaged), Acad::eDwgObjectImproperlyRead);
    EXPECT_EQ(copy.attachment(), AcDbMText::kTopLeft);
}

} // namespace
