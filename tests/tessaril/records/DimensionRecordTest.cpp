// The dimension records: the style, text and overrides through a write and read, colours reduced to
// their index, stored versions, the ordinate axis, the non-streamed kinds and the dynamic flag.
#include "DwgBufferFiler.h"
#include "MemoryDwgFiler.h"
#include "records/EntityDataStream.h"
#include "records/GCopyEntityHelper.h"
#include "records/GRotatedDimensionData.h"
#include "records/RecordPtr.h"

#include "dbdim.h"
#include "dbdimstyle.h"
#include "dbobjptr.h"
#include "dbsymtb.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<Adesk::UInt8>;

Bytes written(AcDbEntity* entity)
{
    cadhost::MemoryIdCodec codec;
    cadhost::DwgBufferFiler filer(AcDb::kFileFiler, &codec);
    filer.startWriting();
    EXPECT_EQ(Acad::eOk, writeEntityData(entity, &filer));
    return filer.bytes();
}

Acad::ErrorStatus readOnto(AcDbEntity* entity, const Bytes& bytes)
{
    cadhost::MemoryIdCodec codec;
    cadhost::DwgBufferFiler filer(AcDb::kFileFiler, &codec);
    filer.startReading(bytes.data(), bytes.size());
    return readEntityData(entity, &filer);
}

std::wstring textOf(ACHAR* text)
{
    std::wstring copy(text != nullptr ? text : L"");
    acutDelString(text);
    return copy;
}

AcDbRotatedDimension rotated()
{
    return AcDbRotatedDimension(0.0, AcGePoint3d(0, 0, 0), AcGePoint3d(10, 0, 0), AcGePoint3d(5, 3, 0));
}

TEST(DimensionStreamTest, ARotatedDimensionKeepsStyleTextPositionModeAndOverrides)
{
    AcDbDatabase database;
    AcDbObjectId style;
    {
        AcDbDimStyleTable* table = nullptr;
        ASSERT_EQ(Acad::eOk, database.getDimStyleTable(table, AcDb::kForWrite));
        auto* record = new AcDbDimStyleTableRecord;
        record->setName(L"图纸标注");
        ASSERT_EQ(Acad::eOk, table->add(style, record));
        record->close();
        table->close();
    }
    AcDbRotatedDimension source = rotated();
    source.setDimensionStyle(style);
    source.setDimensionText(L"<> 长");
    source.setTextPosition(AcGePoint3d(5, 6, 0));
    source.useSetTextPosition();
    source.setDimscale(4.0);
    source.setDimtxt(0.25);
    source.setDimtad(2);
    source.setDimdsep(L',');
    source.setDimpost(L"mm");

    AcDbRotatedDimension target = rotated();
    ASSERT_EQ(Acad::eOk, readOnto(&target, written(&source)));
    EXPECT_EQ(style, target.dimensionStyle());
    EXPECT_EQ(L"<> 长", textOf(target.dimensionText()));
    EXPECT_FALSE(target.isUsingDefaultTextPosition());
    EXPECT_EQ(AcGePoint3d(5, 6, 0), target.textPosition());
    EXPECT_EQ(4.0, target.dimscale());
    EXPECT_EQ(0.25, target.dimtxt());
    EXPECT_EQ(2, target.dimtad());
    EXPECT_EQ(L',', target.dimdsep());
    // The texts travel but are never set.
    EXPECT_EQ(L"", textOf(target.dimpost()));
}

TEST(DimensionStreamTest, ATrueColourComesBackAsItsIndexAndTheExtensionLineColourIsNotRestored)
{
    AcDbRotatedDimension source = rotated();
    AcCmColor trueColour;
    trueColour.setRGB(255, 0, 0);
    source.setDimclrd(trueColour);
    AcCmColor green;
    green.setColorIndex(3);
    source.setDimclre(green);
    AcDbRotatedDimension target = rotated();
    AcCmColor blue;
    blue.setColorIndex(5);
    target.setDimclre(blue);
    ASSERT_EQ(Acad::eOk, readOnto(&target, written(&source)));
    EXPECT_TRUE(target.dimclrd().isByACI());
    EXPECT_EQ(1, target.dimclrd().colorIndex());
    // Set from a new record's colour, which is by layer.
    EXPECT_TRUE(target.dimclre().isByLayer());
}

TEST(DimensionStreamTest, VersionOneHasNoVariableBlockAndLeavesTheTargetsOverrides)
{
    AcDbRotatedDimension source = rotated();
    source.setDimscale(4.0);
    source.setTextRotation(0.5);
    MemoryDwgFiler filer;
    GRotatedDimensionData writer;
    writer.dimensionVersion = 1;
    ASSERT_EQ(Acad::eOk, writer.write(&source, &filer));
    // Header, two versions, eleven common values, the kind's version and four values.
    EXPECT_EQ(2u + 1u + 11u + 1u + 4u, filer.calls().size());
    filer.rewind();
    AcDbRotatedDimension target = rotated();
    target.setDimscale(7.0);
    ASSERT_EQ(Acad::eOk, readEntityData(&target, &filer));
    EXPECT_EQ(7.0, target.dimscale());
    EXPECT_EQ(0.5, target.textRotation());
}

TEST(DimensionStreamTest, TheVariableBlockHoldsFiftyEightValues)
{
    AcDbRotatedDimension source = rotated();
    MemoryDwgFiler filer;
    ASSERT_EQ(Acad::eOk, writeEntityData(&source, &filer));
    EXPECT_EQ(2u + 1u + 11u + 58u + 1u + 4u, filer.calls().size());
}

TEST(DimensionStreamTest, VersionThreeAnswersMakeMeProxyBeforeAnyValue)
{
    MemoryDwgFiler filer;
    filer.writeUInt32(1);
    filer.writeUInt32(1);
    filer.writeUInt32(3);
    filer.writePoint3d(AcGePoint3d(9, 9, 9));
    filer.rewind();
    AcDbRotatedDimension target = rotated();
    EXPECT_EQ(Acad::eMakeMeProxy, readEntityData(&target, &filer));
    EXPECT_NE(AcGePoint3d(9, 9, 9), target.textPosition());
}

TEST(DimensionStreamTest, TheCommonValuesStaySetWhenTheKindsOwnFieldsFail)
{
    AcDbRotatedDimension source = rotated();
    source.setElevation(3.0);
    MemoryDwgFiler filer;
    ASSERT_EQ(Acad::eOk, writeEntityData(&source, &filer));
    filer.rewind();
    // Text position and block position come first; the fifth point is the kind's dimension line point.
    filer.failOn("readPoint3d", 5, Acad::eEndOfFile);
    AcDbRotatedDimension target(0.0, AcGePoint3d(0, 0, 0), AcGePoint3d(10, 0, 0), AcGePoint3d(1, 1, 0));
    EXPECT_EQ(Acad::eEndOfFile, readEntityData(&target, &filer));
    EXPECT_EQ(3.0, target.elevation());
    EXPECT_EQ(AcGePoint3d(1, 1, 0), target.dimLinePoint());
}

TEST(DimensionStreamTest, AnOrdinateDimensionUsingTheXAxisIsReadBackUsingIt)
{
    AcDbOrdinateDimension source;
    source.useXAxis();
    source.setDefiningPoint(AcGePoint3d(4, 5, 0));
    AcDbOrdinateDimension target;
    target.useYAxis();
    ASSERT_EQ(Acad::eOk, readOnto(&target, written(&source)));
    EXPECT_TRUE(target.isUsingXAxis());
    EXPECT_EQ(AcGePoint3d(4, 5, 0), target.definingPoint());
}

TEST(DimensionStreamTest, ArcLengthAndLargeRadialDimensionsReadNothingAndAnswerNotImplemented)
{
    MemoryDwgFiler filer;
    filer.writeUInt32(1);
    filer.rewind();
    AcDbRadialDimensionLarge large;
    EXPECT_EQ(Acad::eNotImplementedYet, readEntityData(&large, &filer));
    AcDbArcDimension arc;
    EXPECT_EQ(Acad::eNotImplementedYet, readEntityData(&arc, &filer));
    EXPECT_EQ(1u, filer.unreadCount());
}

class DynamicDimensionTest : public ::testing::Test {
protected:
    AcDbObjectId append(AcDbEntity* entity)
    {
        AcDbBlockTableRecordPointer space(database.currentSpaceId(), AcDb::kForWrite);
        AcDbObjectId id;
        EXPECT_EQ(Acad::eOk, space->appendAcDbEntity(id, entity));
        entity->close();
        return id;
    }

    AcDbDatabase database;
};

TEST_F(DynamicDimensionTest, RecordingAReadOpenedDimensionMakesItNonDynamic)
{
    auto* dimension = new AcDbAlignedDimension(AcGePoint3d(0, 0, 0), AcGePoint3d(4, 0, 0), AcGePoint3d(2, 2, 0));
    dimension->setDynamicDimension(true);
    const AcDbObjectId id = append(dimension);
    {
        AcDbObjectPointer<AcDbAlignedDimension> opened(id, AcDb::kForRead);
        GEntityData* made = nullptr;
        ASSERT_EQ(Acad::eOk, GCopyEntityHelper::RecordEntity(made, opened.object()));
        const RecordPtr record(made);
        EXPECT_EQ(L"AcDbAlignedDimension", std::wstring(record->className));
    }
    AcDbObjectPointer<AcDbAlignedDimension> reopened(id, AcDb::kForRead);
    EXPECT_FALSE(reopened->isDynamicDimension());
}

TEST_F(DynamicDimensionTest, ADimensionThatCannotBeUpgradedKeepsItsFlag)
{
    auto* dimension = new AcDbAlignedDimension(AcGePoint3d(0, 0, 0), AcGePoint3d(4, 0, 0), AcGePoint3d(2, 2, 0));
    dimension->setDynamicDimension(true);
    const AcDbObjectId id = append(dimension);
    AcDbObjectPointer<AcDbAlignedDimension> first(id, AcDb::kForRead);
    AcDbObjectPointer<AcDbAlignedDimension> second(id, AcDb::kForRead);
    GEntityData* made = nullptr;
    ASSERT_EQ(Acad::eOk, GCopyEntityHelper::RecordEntity(made, first.object()));
    const RecordPtr record(made);
    EXPECT_TRUE(second->isDynamicDimension());
}

} // namespace
