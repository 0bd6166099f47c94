#include "MemoryDwgFiler.h"
#include "entities/AcDbExtentsEx.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

using Calls = std::vector<std::string>;

AcDbExtentsEx rectangle(double minX, double minY, double maxX, double maxY)
{
    AcDbExtentsEx extents;
    EXPECT_EQ(extents.setExtents(AcGePoint3d(minX, minY, 0), AcGePoint3d(maxX, maxY, 0)), Acad::eOk);
    return extents;
}

TEST(AcDbExtentsEx, NewExtentsAreNotValidAndMeasuredOnesAre)
{
    EXPECT_FALSE(AcDbExtentsEx().valid);
    EXPECT_EQ(AcDbExtentsEx().extentsVersion, 1U);
    const AcDbExtentsEx extents(AcDbExtents(AcGePoint3d(-5, -2.5, 0), AcGePoint3d(15, 7.5, 0)));
    EXPECT_TRUE(extents.valid);
    EXPECT_EQ(extents.width(), 20.0);
    EXPECT_EQ(extents.height(), 10.0);
    EXPECT_FALSE(AcDbExtentsEx(AcDbExtents()).valid);
}

TEST(AcDbExtentsEx, CornersThatAreNoNumbersAreRefused)
{
    AcDbExtentsEx extents = rectangle(0, 0, 1, 1);
    const double nan = std::numeric_limits<double>::quiet_NaN();
    EXPECT_EQ(extents.setExtents(AcGePoint3d(nan, 0, 0), AcGePoint3d(1, 1, 0)), Acad::eInvalidExtents);
    EXPECT_FALSE(extents.valid);
    EXPECT_EQ(extents.setExtents(AcGePoint3d(2, 0, 0), AcGePoint3d(1, 1, 0)), Acad::eInvalidExtents);
    EXPECT_FALSE(extents.valid);
}

TEST(AcDbExtentsEx, ScaleXKeepsTheCentre)
{
    AcDbExtentsEx extents = rectangle(0, 10, 100, 30);
    EXPECT_EQ(extents.scaleX(1.1), Acad::eOk);
    EXPECT_NEAR(extents.minPoint().x, -5.0, 1e-9);
    EXPECT_NEAR(extents.maxPoint().x, 105.0, 1e-9);
    EXPECT_EQ(extents.minPoint().y, 10.0);
    EXPECT_EQ(extents.maxPoint().y, 30.0);
    EXPECT_EQ(extents.scaleY(2.0), Acad::eOk);
    EXPECT_EQ(extents.minPoint().y, 0.0);
    EXPECT_EQ(extents.maxPoint().y, 40.0);
}

TEST(AcDbExtentsEx, InvalidExtentsDoNotScale)
{
    AcDbExtentsEx extents;
    EXPECT_EQ(extents.scaleX(2.0), Acad::eOk);
    EXPECT_EQ(extents.scaleY(2.0), Acad::eOk);
    EXPECT_EQ(extents.minPoint().x, std::numeric_limits<double>::infinity());
    EXPECT_EQ(extents.maxPoint().y, -std::numeric_limits<double>::infinity());
    AcDbExtentsEx stored = rectangle(0, 0, 10, 10);
    stored.valid = false;
    stored.scaleX(2.0);
    EXPECT_EQ(stored.minPoint().x, 0.0);
    EXPECT_EQ(stored.maxPoint().x, 10.0);
}

TEST(AcDbExtentsEx, ValidExtentsFileTheirCorners)
{
    MemoryDwgFiler filer;
    ASSERT_EQ(rectangle(-5, -2.5, 15, 7.5).dwgOutFields(&filer), Acad::eOk);
    EXPECT_EQ(filer.calls(),
              (Calls{"writeUInt32 1", "writeBool 1", "writePoint3d -5,-2.5,0", "writePoint3d 15,7.5,0"}));
    filer.rewind();
    AcDbExtentsEx read;
    ASSERT_EQ(read.dwgInFields(&filer), Acad::eOk);
    EXPECT_TRUE(read.valid);
    EXPECT_EQ(read.minPoint(), AcGePoint3d(-5, -2.5, 0));
    EXPECT_EQ(read.maxPoint(), AcGePoint3d(15, 7.5, 0));
}

TEST(AcDbExtentsEx, InvalidExtentsFileNoCorners)
{
    MemoryDwgFiler filer;
    ASSERT_EQ(AcDbExtentsEx().dwgOutFields(&filer), Acad::eOk);
    EXPECT_EQ(filer.calls(), (Calls{"writeUInt32 1", "writeBool 0"}));
    filer.rewind();
    AcDbExtentsEx read = rectangle(0, 0, 1, 1);
    ASSERT_EQ(read.dwgInFields(&filer), Acad::eOk);
    EXPECT_FALSE(read.valid);
    EXPECT_EQ(filer.unreadCount(), 0U);
}

TEST(AcDbExtentsEx, ANewerVersionIsLeftToTheProxy)
{
    MemoryDwgFiler filer;
    filer.writeUInt32(2);
    filer.writeBool(false);
    filer.rewind();
    AcDbExtentsEx read = rectangle(0, 0, 1, 1);
    EXPECT_EQ(read.dwgInFields(&filer), Acad::eMakeMeProxy);
    EXPECT_EQ(filer.unreadCount(), 1U);
    EXPECT_TRUE(read.valid);
    EXPECT_EQ(read.maxPoint(), AcGePoint3d(1, 1, 0));
}

TEST(AcDbExtentsEx, StoredCornersInTheWrongOrderAreNotValid)
{
    MemoryDwgFiler filer;
    filer.writeUInt32(1);
    filer.writeBool(true);
    filer.writePoint3d(AcGePoint3d(5, 5, 0));
    filer.writePoint3d(AcGePoint3d(1, 1, 0));
    filer.rewind();
    AcDbExtentsEx read;
    EXPECT_EQ(read.dwgInFields(&filer), Acad::eOk);
    EXPECT_FALSE(read.valid);
}

TEST(AcDbExtentsEx, EveryFailingCallStopsTheReading)
{
    for (const auto& [operation, occurrence] : std::vector<std::pair<std::string, int>>{
             {"readUInt32", 1}, {"readBool", 1}, {"readPoint3d", 1}, {"readPoint3d", 2}}) {
        MemoryDwgFiler filer;
        rectangle(0, 0, 4, 3).dwgOutFields(&filer);
        filer.rewind();
        filer.failOn(operation, occurrence, Acad::eEndOfFile);
        AcDbExtentsEx read;
        EXPECT_EQ(read.dwgInFields(&filer), Acad::eEndOfFile) << operation << occurrence;
        EXPECT_FALSE(read.valid) << operation << occurrence;
    }
}

TEST(AcDbExtentsEx, AFailingWriteIsReturned)
{
    MemoryDwgFiler filer;
    filer.failOn("writePoint3d", 2, Acad::eOutOfDisk);
    EXPECT_EQ(rectangle(0, 0, 4, 3).dwgOutFields(&filer), Acad::eOutOfDisk);
}

} // namespace
