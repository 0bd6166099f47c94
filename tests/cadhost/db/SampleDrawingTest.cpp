// The sample drawing holds every entity kind, and each survives save and open with all its filed fields.
#include "SampleDrawing.h"
#include "DrawingFixture.h"
#include "MemoryDwgFiler.h"
#include "dbblkref.h"
#include "dbents.h"
#include "dbobjit.h"
#include "dbsymtb.h"

#include <map>
#include <memory>
#include <string>

namespace {

// Every entity of a drawing by handle, with the values its dwgOutFields files; ids are kept as handles
// so that two databases compare.
struct FiledEntity {
    std::wstring className;
    std::vector<std::string> kinds;
    std::vector<MemoryDwgFiler::Value> values;
};

MemoryDwgFiler::Value comparable(const MemoryDwgFiler::Value& value)
{
    if (const auto* id = std::get_if<AcDbObjectId>(&value)) {
        ACHAR handle[32] = L"";
        id->handle().getIntoAsciiBuffer(handle, 32);
        return std::wstring(L"handle ") + handle;
    }
    return value;
}

// The sub-entities an entity owns: a polyline's vertices, a block reference's attributes.
std::unique_ptr<AcDbObjectIterator> ownedEntities(const AcDbEntity& entity)
{
    if (const auto* polyline = AcDb2dPolyline::cast(&entity))
        return std::unique_ptr<AcDbObjectIterator>(polyline->vertexIterator());
    if (const auto* polyline = AcDb3dPolyline::cast(&entity))
        return std::unique_ptr<AcDbObjectIterator>(polyline->vertexIterator());
    if (const auto* reference = AcDbBlockReference::cast(&entity))
        return std::unique_ptr<AcDbObjectIterator>(reference->attributeIterator());
    return nullptr;
}

// Entities are keyed by handle; owned ones by their owner's key and their place, because a drawing file
// holds a polyline's vertices inside the polyline and they get new handles when it is opened.
void fileEntity(const AcDbEntity& entity, const std::wstring& key, std::map<std::wstring, FiledEntity>& filed)
{
    MemoryDwgFiler filer;
    filer.keepCallLog(false);
    EXPECT_EQ(Acad::eOk, entity.dwgOutFields(&filer));
    FiledEntity& record = filed[key];
    record.className = entity.isA()->name();
    for (const auto& entry : filer.entries()) {
        record.kinds.push_back(entry.kind);
        record.values.push_back(comparable(entry.value));
    }
    const auto owned = ownedEntities(entity);
    for (int index = 0; owned != nullptr && !owned->done(); owned->step(), ++index) {
        AcDbEntity* part = nullptr;
        ASSERT_EQ(Acad::eOk, acdbOpenObject(part, owned->objectId(), AcDb::kForRead));
        fileEntity(*part, key + L"#" + std::to_wstring(index), filed);
        part->close();
    }
}

std::map<std::wstring, FiledEntity> fileEntities(AcDbDatabase& database)
{
    std::map<std::wstring, FiledEntity> filed;
    AcDbBlockTable* table = nullptr;
    EXPECT_EQ(Acad::eOk, database.getBlockTable(table, AcDb::kForRead));
    AcDbBlockTableIterator* blocks = nullptr;
    EXPECT_EQ(Acad::eOk, table->newIterator(blocks));
    table->close();
    for (; !blocks->done(); blocks->step()) {
        AcDbBlockTableRecord* block = nullptr;
        EXPECT_EQ(Acad::eOk, blocks->getRecord(block, AcDb::kForRead));
        AcDbBlockTableRecordIterator* entities = nullptr;
        EXPECT_EQ(Acad::eOk, block->newIterator(entities));
        for (; !entities->done(); entities->step()) {
            AcDbEntity* entity = nullptr;
            EXPECT_EQ(Acad::eOk, entities->getEntity(entity, AcDb::kForRead));
            ACHAR handle[32] = L"";
            entity->getAcDbHandle().getIntoAsciiBuffer(handle, 32);
            fileEntity(*entity, handle, filed);
            entity->close();
        }
        delete entities;
        block->close();
    }
    delete blocks;
    return filed;
}

class SampleDrawingTest : public DrawingFixture, public ::testing::WithParamInterface<const wchar_t*> {
protected:
    void SetUp() override
    {
        ASSERT_EQ(Acad::eOk, cadhost::buildSampleDrawing(sample));
        before = fileEntities(sample);
        reopened = open(save(sample));
        after = fileEntities(*reopened);
    }

    AcDbDatabase sample{true, true};
    std::unique_ptr<AcDbDatabase> reopened;
    std::map<std::wstring, FiledEntity> before;
    std::map<std::wstring, FiledEntity> after;
};

TEST_P(SampleDrawingTest, EveryEntityOfTheKindSurvivesSaveAndOpen)
{
    const std::wstring className = GetParam();
    int found = 0;
    for (const auto& [handle, saved] : before) {
        if (saved.className != className)
            continue;
        ++found;
        SCOPED_TRACE(testing::Message() << "entity " << std::string(handle.begin(), handle.end()));
        const auto opened = after.find(handle);
        ASSERT_NE(opened, after.end());
        EXPECT_EQ(className, opened->second.className);
        EXPECT_EQ(saved.kinds, opened->second.kinds);
        EXPECT_TRUE(saved.values == opened->second.values);
    }
    EXPECT_GT(found, 0) << "the sample drawing holds no entity of this class";
}

INSTANTIATE_TEST_SUITE_P(Kinds, SampleDrawingTest,
                         ::testing::Values(L"AcDbPoint", L"AcDbLine", L"AcDbArc", L"AcDbCircle", L"AcDbEllipse",
                                           L"AcDbSpline", L"AcDbRay", L"AcDbXline", L"AcDbPolyline", L"AcDb2dPolyline",
                                           L"AcDb2dVertex", L"AcDb3dPolyline", L"AcDb3dPolylineVertex", L"AcDbLeader",
                                           L"AcDbSolid", L"AcDbTrace", L"AcDbText", L"AcDbAttribute",
                                           L"AcDbAttributeDefinition", L"AcDbMText", L"AcDbHatch",
                                           L"AcDbBlockReference", L"AcDbMInsertBlock", L"AcDbTable",
                                           L"AcDbRotatedDimension", L"AcDbAlignedDimension",
                                           L"AcDb3PointAngularDimension", L"AcDb2LineAngularDimension",
                                           L"AcDbRadialDimension", L"AcDbDiametricDimension", L"AcDbOrdinateDimension",
                                           L"AcDbArcDimension", L"AcDbRadialDimensionLarge", L"AcDbMline",
                                           L"AcDbRasterImage", L"AcDbViewport", L"AcDb3dSolid", L"AcDbRegion"),
                         [](const testing::TestParamInfo<const wchar_t*>& info) {
                             const std::wstring name = info.param;
                             return std::string(name.begin(), name.end());
                         });

TEST_F(DrawingFixture, TheSampleDrawingIsTheSameOnEveryBuild)
{
    AcDbDatabase first(true, true);
    AcDbDatabase second(true, true);
    ASSERT_EQ(Acad::eOk, cadhost::buildSampleDrawing(first));
    ASSERT_EQ(Acad::eOk, cadhost::buildSampleDrawing(second));
    EXPECT_EQ(readBytes(save(first, "first.dwg")), readBytes(save(second, "second.dwg")));
}

TEST_F(DrawingFixture, TheSampleDrawingKeepsItsLayerStatesAndBlocks)
{
    AcDbDatabase built(true, true);
    ASSERT_EQ(Acad::eOk, cadhost::buildSampleDrawing(built));
    const auto sample = reopen(built);

    AcDbLayerTable* layers = nullptr;
    ASSERT_EQ(Acad::eOk, sample->getLayerTable(layers, AcDb::kForRead));
    AcDbLayerTableRecord* layer = nullptr;
    ASSERT_EQ(Acad::eOk, layers->getAt(L"Locked", layer, AcDb::kForRead));
    EXPECT_TRUE(layer->isLocked());
    layer->close();
    ASSERT_EQ(Acad::eOk, layers->getAt(L"Frozen", layer, AcDb::kForRead));
    EXPECT_TRUE(layer->isFrozen());
    layer->close();
    layers->close();

    AcDbBlockTable* blocks = nullptr;
    ASSERT_EQ(Acad::eOk, sample->getBlockTable(blocks, AcDb::kForRead));
    const auto references = [&](const ACHAR* name) {
        AcDbBlockTableRecord* block = nullptr;
        EXPECT_EQ(Acad::eOk, blocks->getAt(name, block, AcDb::kForRead));
        AcDbObjectIdArray ids;
        EXPECT_EQ(Acad::eOk, block->getBlockReferenceIds(ids));
        block->close();
        return ids.length();
    };
    EXPECT_EQ(1, references(L"标题栏"));
    EXPECT_EQ(0, references(L"未引用的块"));
    EXPECT_EQ(2, references(L"Bolt"));
    EXPECT_EQ(1, references(L"*U1"));
    blocks->close();
}

} // namespace
