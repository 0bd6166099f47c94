#include "MemoryDwgFiler.h"
#include "dbdict.h"
#include "dbents.h"
#include "dbmline.h"
#include "dbregion.h"
#include "dbsol3d.h"
#include "dbtable.h"
#include "dbviewport.h"
#include "imgdef.h"
#include "imgent.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

void expectPoint(const AcGePoint3d& actual, double x, double y, double z = 0.0)
{
    EXPECT_NEAR(actual.x, x, 1e-9);
    EXPECT_NEAR(actual.y, y, 1e-9);
    EXPECT_NEAR(actual.z, z, 1e-9);
}

template <class T> void roundTrip(const T& original, T& copy)
{
    MemoryDwgFiler filer;
    ASSERT_EQ(original.dwgOutFields(&filer), Acad::eOk);
    filer.rewind();
    ASSERT_EQ(copy.dwgInFields(&filer), Acad::eOk);
    EXPECT_EQ(filer.unreadCount(), 0u);
}

TEST(MlineTest, StandardLinesLieHalfAUnitEitherSideOfTheZeroJustifiedPath)
{
    AcDbMline mline;
    mline.setJustification(Mline::kZero);
    mline.setScale(2.0);
    mline.appendSeg(AcGePoint3d(0, 0, 0));
    mline.appendSeg(AcGePoint3d(10, 0, 0));
    AcDbExtents extents;
    ASSERT_EQ(mline.getGeomExtents(extents), Acad::eOk);
    expectPoint(extents.minPoint(), 0, -1);
    expectPoint(extents.maxPoint(), 10, 1);
}

TEST(MlineTest, FilingRoundTripKeepsPathAndFlags)
{
    AcDbMline mline;
    mline.setJustification(Mline::kBottom);
    mline.setScale(0.5);
    mline.setNormal(AcGeVector3d(0, 0, -1));
    mline.appendSeg(AcGePoint3d(1, 2, 3));
    mline.appendSeg(AcGePoint3d(4, 5, 6));
    mline.setSupressStartCaps(true);
    mline.setClosedMline(true);
    AcDbMline copy;
    roundTrip(mline, copy);
    EXPECT_EQ(copy.justification(), Mline::kBottom);
    EXPECT_DOUBLE_EQ(copy.scale(), 0.5);
    EXPECT_EQ(copy.normal(), AcGeVector3d(0, 0, -1));
    ASSERT_EQ(copy.numVertices(), 2);
    expectPoint(copy.vertexAt(1), 4, 5, 6);
    EXPECT_TRUE(copy.supressStartCaps());
    EXPECT_FALSE(copy.supressEndCaps());
    EXPECT_TRUE(copy.closedMline());
}

TEST(MlineTest, AnAbsurdVertexCountIsRefused)
{
    AcDbMline mline;
    MemoryDwgFiler filer;
    ASSERT_EQ(mline.AcDbEntity::dwgOutFields(&filer), Acad::eOk);
    filer.writeHardPointerId(AcDbObjectId::kNull);
    filer.writeUInt8(0);
    filer.writeDouble(1.0);
    filer.writeVector3d(AcGeVector3d::kZAxis);
    filer.writeUInt32(0x80000000u);
    filer.rewind();
    AcDbMline copy;
    EXPECT_EQ(copy.dwgInFields(&filer), Acad::eDwgObjectImproperlyRead);
    EXPECT_EQ(copy.numVertices(), 0);
}

TEST(MlineStyleTest, TheStandardStyleIsCreatedOnceInItsDictionary)
{
    AcDbDatabase database(true, true);
    AcDbObjectId first;
    ASSERT_EQ(acdbGetStandardMlineStyle(&database, first), Acad::eOk);
    AcDbObjectId second;
    ASSERT_EQ(acdbGetStandardMlineStyle(&database, second), Acad::eOk);
    EXPECT_EQ(first, second);

    AcDbDictionary* named = nullptr;
    ASSERT_EQ(database.getNamedObjectsDictionary(named, AcDb::kForRead), Acad::eOk);
    AcDbObjectId stylesId;
    EXPECT_EQ(named->getAt(L"ACAD_MLINESTYLE", stylesId), Acad::eOk);
    named->close();

    AcDbMlineStyle* style = nullptr;
    ASSERT_EQ(acdbOpenObject(style, first, AcDb::kForRead), Acad::eOk);
    EXPECT_STREQ(style->name(), L"Standard");
    ASSERT_EQ(style->numElements(), 2);
    double offset = 0.0;
    AcCmColor color;
    AcDbObjectId linetype;
    style->getElementAt(1, offset, color, linetype);
    EXPECT_DOUBLE_EQ(offset, -0.5);
    style->close();
}

TEST(RasterImageTest, FrameExtentsAndFilingRoundTrip)
{
    AcDbRasterImage image;
    ASSERT_TRUE(image.setOrientation(AcGePoint3d(1, 1, 0), AcGeVector3d(4, 0, 0), AcGeVector3d(0, 3, 0)));
    EXPECT_FALSE(image.setOrientation(AcGePoint3d(), AcGeVector3d(1, 0, 0), AcGeVector3d(2, 0, 0)));
    image.setDisplayOpt(AcDbRasterImage::kTransparent, Adesk::kTrue);
    image.setDisplayOpt(AcDbRasterImage::kShow, Adesk::kFalse);
    EXPECT_EQ(image.setBrightness(70), Acad::eOk);
    EXPECT_EQ(image.setContrast(101), Acad::eInvalidInput);
    image.setFade(20);
    AcDbExtents extents;
    ASSERT_EQ(image.getGeomExtents(extents), Acad::eOk);
    expectPoint(extents.maxPoint(), 5, 4);

    AcDbRasterImage copy;
    roundTrip(image, copy);
    AcGePoint3d origin;
    AcGeVector3d u;
    AcGeVector3d v;
    copy.getOrientation(origin, u, v);
    expectPoint(origin, 1, 1);
    EXPECT_EQ(u, AcGeVector3d(4, 0, 0));
    EXPECT_EQ(v, AcGeVector3d(0, 3, 0));
    EXPECT_TRUE(copy.isSetDisplayOpt(AcDbRasterImage::kTransparent));
    EXPECT_FALSE(copy.isSetDisplayOpt(AcDbRasterImage::kShow));
    EXPECT_EQ(copy.brightness(), 70);
    EXPECT_EQ(copy.contrast(), 50);
    EXPECT_EQ(copy.fade(), 20);
}

TEST(RasterImageDefTest, FilingRoundTripKeepsFileAndSize)
{
    AcDbRasterImageDef definition;
    definition.setSourceFileName(L"/images/\u56FE.png");
    definition.setSize(AcGeVector2d(640, 480));
    AcDbRasterImageDef copy;
    roundTrip(definition, copy);
    EXPECT_STREQ(copy.sourceFileName(), L"/images/\u56FE.png");
    EXPECT_EQ(copy.size(), AcGeVector2d(640, 480));
}

TEST(ViewportTest, FrameAndFilingRoundTrip)
{
    AcDbViewport viewport;
    viewport.setCenterPoint(AcGePoint3d(5, 4, 0));
    viewport.setWidth(6);
    viewport.setHeight(2);
    viewport.setViewCenter(AcGePoint2d(100, 200));
    viewport.setViewHeight(50);
    viewport.setOff();
    EXPECT_EQ(viewport.number(), -1);
    AcDbExtents extents;
    ASSERT_EQ(viewport.getGeomExtents(extents), Acad::eOk);
    expectPoint(extents.minPoint(), 2, 3);
    expectPoint(extents.maxPoint(), 8, 5);

    AcDbViewport copy;
    roundTrip(viewport, copy);
    expectPoint(copy.centerPoint(), 5, 4);
    EXPECT_DOUBLE_EQ(copy.width(), 6);
    EXPECT_DOUBLE_EQ(copy.height(), 2);
    EXPECT_EQ(copy.viewCenter(), AcGePoint2d(100, 200));
    EXPECT_DOUBLE_EQ(copy.viewHeight(), 50);
    EXPECT_FALSE(copy.isOn());
}

template <class Body> class BodyPlaceholderTest : public testing::Test {
};

using BodyClasses = testing::Types<AcDb3dSolid, AcDbRegion>;
TYPED_TEST_SUITE(BodyPlaceholderTest, BodyClasses);

TYPED_TEST(BodyPlaceholderTest, KeepsItsBodyBytesThroughFiling)
{
    TypeParam body;
    MemoryDwgFiler stream;
    ASSERT_EQ(body.AcDbEntity::dwgOutFields(&stream), Acad::eOk);
    const unsigned char bytes[5] = {0x41, 0x43, 0x49, 0x53, 0x00};
    stream.writeUInt32(5);
    stream.writeBytes(bytes, sizeof bytes);
    for (int i = 0; i < 16; ++i)
        stream.writeDouble(i % 5 == 0 ? 1.0 : 0.0);
    stream.rewind();
    ASSERT_EQ(body.dwgInFields(&stream), Acad::eOk);

    MemoryDwgFiler again;
    ASSERT_EQ(body.dwgOutFields(&again), Acad::eOk);
    std::vector<std::string> calls = again.calls();
    EXPECT_NE(std::find(calls.begin(), calls.end(), "writeBytes 4143495300"), calls.end());
    AcDbExtents extents;
    EXPECT_EQ(body.getGeomExtents(extents), Acad::eInvalidExtents);
}

TYPED_TEST(BodyPlaceholderTest, AHugeBodyLengthIsRefused)
{
    TypeParam body;
    MemoryDwgFiler stream;
    ASSERT_EQ(body.AcDbEntity::dwgOutFields(&stream), Acad::eOk);
    stream.writeUInt32(0xFFFFFFF0u);
    stream.rewind();
    EXPECT_EQ(body.dwgInFields(&stream), Acad::eDwgObjectImproperlyRead);
}

TEST(TableTest, ExplodesIntoGridLinesAndCentredTexts)
{
    AcDbTable table;
    table.setPosition(AcGePoint3d(0, 10, 0));
    ASSERT_EQ(table.setSize(2, 3), Acad::eOk);
    table.setColumnWidth(1, 4.0);
    table.setTextString(1, 1, L"\u4E2D");
    table.setTextHeight(1, 1, 1.0);
    EXPECT_EQ(table.setTextString(2, 0, L"x"), Acad::eInvalidInput);
    EXPECT_DOUBLE_EQ(table.width(), 9.0);
    EXPECT_DOUBLE_EQ(table.height(), 1.0);

    AcDbVoidPtrArray pieces;
    ASSERT_EQ(table.explode(pieces), Acad::eOk);
    std::vector<std::unique_ptr<AcDbEntity>> owned;
    int lines = 0;
    const AcDbText* text = nullptr;
    for (void* piece : pieces) {
        owned.emplace_back(static_cast<AcDbEntity*>(piece));
        if (AcDbLine::cast(owned.back().get()) != nullptr)
            ++lines;
        if (AcDbText::cast(owned.back().get()) != nullptr)
            text = AcDbText::cast(owned.back().get());
    }
    EXPECT_EQ(lines, 3 + 4);
    ASSERT_NE(text, nullptr);
    // The middle cell spans x 2.5..6.5 and y 9.5..9.0: its centre is (4.5, 9.25).
    expectPoint(text->alignmentPoint(), 4.5, 9.25);
    expectPoint(text->position(), 4.0, 8.75);
}

TEST(TableTest, FilingRoundTripKeepsTheGrid)
{
    AcDbTable table;
    table.setSize(1, 2);
    table.setRowHeight(0, 0.75);
    table.setTextString(0, 1, L"cell");
    AcDbTable copy;
    roundTrip(table, copy);
    EXPECT_EQ(copy.numRows(), 1);
    EXPECT_EQ(copy.numColumns(), 2);
    EXPECT_DOUBLE_EQ(copy.rowHeight(0), 0.75);
    ACHAR* text = copy.textString(0, 1);
    EXPECT_STREQ(text, L"cell");
    acutDelString(text);
}

} // namespace
