// Generated drawings hold the announced number of entities of each class, on their layers, and keep
// them through save and open.
#include "GeneratedDrawing.h"
#include "DrawingFixture.h"
#include "dbblkref.h"
#include "dbsymtb.h"

#include <map>
#include <memory>
#include <numeric>
#include <string>

namespace {

using ClassCounts = std::map<std::wstring, int>;

// The mix of 250 entities: one full cycle of 200 and the first 50 of the next.
const ClassCounts kCountsOf250{
    {L"AcDbLine", 56},
    {L"AcDbArc", 20},
    {L"AcDbCircle", 20},
    {L"AcDbEllipse", 8},
    {L"AcDbSpline", 7},
    {L"AcDbPolyline", 20},
    {L"AcDb2dPolyline", 5},
    {L"AcDb3dPolyline", 4},
    {L"AcDbPoint", 7},
    {L"AcDbRay", 3},
    {L"AcDbXline", 3},
    {L"AcDbText", 35},
    {L"AcDbMText", 15},
    {L"AcDbBlockReference", 12},
    {L"AcDbHatch", 10},
    {L"AcDbRotatedDimension", 4},
    {L"AcDbAlignedDimension", 4},
    {L"AcDb3PointAngularDimension", 1},
    {L"AcDb2LineAngularDimension", 1},
    {L"AcDbRadialDimension", 1},
    {L"AcDbDiametricDimension", 1},
    {L"AcDbOrdinateDimension", 1},
    {L"AcDbArcDimension", 1},
    {L"AcDbRadialDimensionLarge", 1},
    {L"AcDbLeader", 4},
    {L"AcDbMline", 3},
    {L"AcDbRasterImage", 3},
};

ClassCounts asMap(const std::vector<cadhost::GeneratedKindCount>& counts)
{
    ClassCounts map;
    for (const auto& kind : counts)
        map[kind.className] = kind.count;
    return map;
}

// What model space holds: entities per class, and how many are invisible or on the locked layer.
struct ModelSpaceContents {
    ClassCounts classes;
    int entities = 0;
    int invisible = 0;
    int locked = 0;
    int attributes = 0;
};

ModelSpaceContents modelSpaceContents(AcDbDatabase& database)
{
    ModelSpaceContents contents;
    AcDbObjectId lockedLayer;
    {
        AcDbLayerTablePointer layers(&database, AcDb::kForRead);
        EXPECT_EQ(Acad::eOk, layers->getAt(L"Locked", lockedLayer));
    }
    AcDbBlockTableRecordPointer space(database.modelSpaceId(), AcDb::kForRead);
    AcDbBlockTableRecordIterator* created = nullptr;
    EXPECT_EQ(Acad::eOk, space->newIterator(created));
    const std::unique_ptr<AcDbBlockTableRecordIterator> iterator(created);
    for (; !iterator->done(); iterator->step()) {
        AcDbEntity* entity = nullptr;
        EXPECT_EQ(Acad::eOk, iterator->getEntity(entity, AcDb::kForRead));
        ++contents.entities;
        ++contents.classes[entity->isA()->name()];
        contents.invisible += entity->visibility() == AcDb::kInvisible ? 1 : 0;
        contents.locked += entity->layerId() == lockedLayer ? 1 : 0;
        if (auto* reference = AcDbBlockReference::cast(entity)) {
            const std::unique_ptr<AcDbObjectIterator> attributes(reference->attributeIterator());
            for (; !attributes->done(); attributes->step())
                ++contents.attributes;
        }
        entity->close();
    }
    return contents;
}

TEST(GeneratedKindCountsTest, OneCycleIsTheMixOfTwoHundredEntities)
{
    const ClassCounts counts = asMap(cadhost::generatedKindCounts(200));

    EXPECT_EQ(counts.at(L"AcDbLine"), 45);
    EXPECT_EQ(counts.at(L"AcDbText"), 28);
    EXPECT_EQ(counts.at(L"AcDbHatch"), 8);
    EXPECT_EQ(counts.at(L"AcDbRasterImage"), 2);
    EXPECT_EQ(counts.at(L"AcDbRadialDimensionLarge"), 1);
    EXPECT_EQ(counts.size(), 27u);
}

TEST(GeneratedKindCountsTest, APartialCycleSpreadsOverTheKinds)
{
    EXPECT_EQ(asMap(cadhost::generatedKindCounts(250)), kCountsOf250);
}

class GeneratedKindCountsSumTest : public ::testing::TestWithParam<int> {};

TEST_P(GeneratedKindCountsSumTest, CountsSumToTheRequestedNumber)
{
    const auto counts = cadhost::generatedKindCounts(GetParam());

    EXPECT_EQ(counts.size(), 27u);
    EXPECT_EQ(std::accumulate(counts.begin(), counts.end(), 0,
                              [](int sum, const cadhost::GeneratedKindCount& kind) { return sum + kind.count; }),
              GetParam());
}

INSTANTIATE_TEST_SUITE_P(Sizes, GeneratedKindCountsSumTest, ::testing::Values(0, 1, 7, 199, 200, 201, 1000, 1000003));

TEST(GeneratedKindCountsTest, ANegativeCountHasNoKinds)
{
    EXPECT_TRUE(cadhost::generatedKindCounts(-1).empty());
}

class GeneratedDrawingTest : public DrawingFixture {
protected:
    AcDbDatabase generated{true, true};
};

TEST_F(GeneratedDrawingTest, ModelSpaceHoldsTheCountedEntitiesOfEachClass)
{
    ASSERT_EQ(Acad::eOk, cadhost::buildGeneratedDrawing(generated, 250));

    const ModelSpaceContents contents = modelSpaceContents(generated);
    EXPECT_EQ(contents.entities, 250);
    EXPECT_EQ(contents.classes, kCountsOf250);
    EXPECT_EQ(contents.invisible, 3);
    EXPECT_EQ(contents.locked, 11);
    // Four of the twelve references are to the block with two attributes.
    EXPECT_EQ(contents.attributes, 16);
}

TEST_F(GeneratedDrawingTest, SavesAndOpensWithEveryEntity)
{
    ASSERT_EQ(Acad::eOk, cadhost::buildGeneratedDrawing(generated, 250));

    const auto reopened = reopen(generated);

    const ModelSpaceContents contents = modelSpaceContents(*reopened);
    EXPECT_EQ(contents.entities, 250);
    EXPECT_EQ(contents.classes, kCountsOf250);
    EXPECT_EQ(contents.invisible, 3);
    EXPECT_EQ(contents.locked, 11);
    EXPECT_EQ(contents.attributes, 16);
}

TEST_F(GeneratedDrawingTest, TheSameCountWritesTheSameFile)
{
    AcDbDatabase again(true, true);
    ASSERT_EQ(Acad::eOk, cadhost::buildGeneratedDrawing(generated, 300));
    ASSERT_EQ(Acad::eOk, cadhost::buildGeneratedDrawing(again, 300));

    EXPECT_EQ(readBytes(save(generated, "first.dwg")), readBytes(save(again, "second.dwg")));
}

TEST_F(GeneratedDrawingTest, NoEntitiesLeavesModelSpaceEmptyWithTheLayersAndBlocks)
{
    ASSERT_EQ(Acad::eOk, cadhost::buildGeneratedDrawing(generated, 0));

    const auto reopened = reopen(generated);
    EXPECT_EQ(modelSpaceContents(*reopened).entities, 0);
    AcDbLayerTablePointer layers(reopened.get(), AcDb::kForRead);
    AcDbLayerTableRecord* locked = nullptr;
    ASSERT_EQ(Acad::eOk, layers->getAt(L"Locked", locked, AcDb::kForRead));
    EXPECT_TRUE(locked->isLocked());
    locked->close();
    for (const ACHAR* name : {L"轮廓", L"文字", L"标注", L"填充", L"图块", L"图像"})
        EXPECT_TRUE(layers->has(name)) << name;
    AcDbBlockTablePointer blocks(reopened.get(), AcDb::kForRead);
    for (const ACHAR* name : {L"螺栓", L"门", L"标高"})
        EXPECT_TRUE(blocks->has(name)) << name;
}

TEST_F(GeneratedDrawingTest, ANegativeCountIsRefusedAndAddsNothing)
{
    EXPECT_EQ(Acad::eInvalidInput, cadhost::buildGeneratedDrawing(generated, -5));

    AcDbBlockTablePointer blocks(&generated, AcDb::kForRead);
    EXPECT_FALSE(blocks->has(L"螺栓"));
}

} // namespace
