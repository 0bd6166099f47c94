#include "dbobjptr.h"
#include "dbsymtb.h"

#include <gtest/gtest.h>

namespace {
AcDbObjectId addLayer(AcDbDatabase& database, const ACHAR* name, Acad::ErrorStatus expected = Acad::eOk)
{
    AcDbLayerTable* table = nullptr;
    EXPECT_EQ(Acad::eOk, database.getLayerTable(table, AcDb::kForWrite));
    auto* layer = new AcDbLayerTableRecord();
    layer->setName(name);
    AcDbObjectId id;
    Acad::ErrorStatus status = table->add(id, layer);
    EXPECT_EQ(expected, status);
    if (status == Acad::eOk)
        layer->close();
    else
        delete layer;
    table->close();
    return id;
}

TEST(SymbolTableTest, DefaultDrawingHasTheStandardRecords)
{
    AcDbDatabase database;
    AcDbBlockTablePointer blocks(&database, AcDb::kForRead);
    ASSERT_EQ(Acad::eOk, blocks.openStatus());
    EXPECT_TRUE(blocks->has(L"*Model_Space"));
    EXPECT_TRUE(blocks->has(L"*Paper_Space"));
    AcDbLinetypeTablePointer linetypes(&database, AcDb::kForRead);
    for (const ACHAR* name : {L"ByBlock", L"ByLayer", L"Continuous"})
        EXPECT_TRUE(linetypes->has(name)) << name;
    AcDbTextStyleTablePointer styles(&database, AcDb::kForRead);
    EXPECT_TRUE(styles->has(L"Standard"));
    AcDbRegAppTablePointer apps(&database, AcDb::kForRead);
    EXPECT_TRUE(apps->has(L"ACAD"));
    EXPECT_EQ(database.layerZero(), database.clayer());
    EXPECT_EQ(database.byLayerLinetype(), database.celtype());
}

TEST(SymbolTableTest, NamesCompareWithoutCase)
{
    AcDbDatabase database;
    AcDbObjectId id = addLayer(database, L"Walls");
    AcDbLayerTablePointer table(&database, AcDb::kForRead);
    AcDbObjectId found;
    EXPECT_EQ(Acad::eOk, table->getAt(L"WALLS", found));
    EXPECT_EQ(id, found);
    EXPECT_TRUE(table->has(L"walls"));
    table.close();
    addLayer(database, L"wALLs", Acad::eDuplicateRecordName);
}

TEST(SymbolTableTest, InvalidNamesAreRefused)
{
    AcDbDatabase database;
    for (const ACHAR* name : {L"", L"a<b", L"a|b", L"what?", L"*star"})
        addLayer(database, name, Acad::eInvalidSymbolTableName);
    addLayer(database, L"图纸外发系统_请勿修改");
}

TEST(SymbolTableTest, RenamingChecksTheOtherRecords)
{
    AcDbDatabase database;
    AcDbObjectId id = addLayer(database, L"A");
    addLayer(database, L"B");
    AcDbLayerTableRecordPointer layer(id, AcDb::kForWrite);
    EXPECT_EQ(Acad::eDuplicateRecordName, layer->setName(L"b"));
    EXPECT_EQ(Acad::eOk, layer->setName(L"C"));
    const ACHAR* name = nullptr;
    layer->getName(name);
    EXPECT_STREQ(L"C", name);
}

TEST(SymbolTableTest, AnonymousBlocksAreNumbered)
{
    AcDbDatabase database;
    AcDbBlockTablePointer blocks(&database, AcDb::kForWrite);
    std::vector<std::wstring> names;
    for (int count = 0; count < 2; ++count) {
        auto* block = new AcDbBlockTableRecord();
        block->setName(L"*U");
        ASSERT_EQ(Acad::eOk, blocks->add(block));
        AcString name;
        block->getName(name);
        names.push_back(name.str());
        EXPECT_TRUE(block->isAnonymous());
        EXPECT_FALSE(block->isLayout());
        block->close();
    }
    EXPECT_EQ((std::vector<std::wstring>{L"*U1", L"*U2"}), names);
    AcDbBlockTableRecord* modelSpace = nullptr;
    ASSERT_EQ(Acad::eOk, blocks->getAt(L"*MODEL_SPACE", modelSpace, AcDb::kForRead));
    EXPECT_FALSE(modelSpace->isAnonymous());
    EXPECT_TRUE(modelSpace->isLayout());
    modelSpace->close();
}

TEST(SymbolTableTest, IteratorsSkipErasedRecords)
{
    AcDbDatabase database;
    AcDbObjectId erased = addLayer(database, L"Gone");
    addLayer(database, L"Kept");
    {
        AcDbLayerTableRecordPointer layer(erased, AcDb::kForWrite);
        ASSERT_EQ(Acad::eOk, layer->erase());
    }
    AcDbLayerTablePointer table(&database, AcDb::kForRead);
    AcDbLayerTableIterator* iterator = nullptr;
    ASSERT_EQ(Acad::eOk, table->newIterator(iterator));
    std::vector<std::wstring> names;
    for (; !iterator->done(); iterator->step()) {
        AcDbLayerTableRecord* layer = nullptr;
        ASSERT_EQ(Acad::eOk, iterator->getRecord(layer, AcDb::kForRead));
        AcString name;
        layer->getName(name);
        names.push_back(name.str());
        layer->close();
    }
    delete iterator;
    EXPECT_EQ((std::vector<std::wstring>{L"0", L"Kept"}), names);
    AcDbObjectId id;
    EXPECT_EQ(Acad::eKeyNotFound, table->getAt(L"Gone", id));
    EXPECT_EQ(Acad::eOk, table->getAt(L"Gone", id, true));
    EXPECT_EQ(erased, id);
}

TEST(SymbolTableTest, RecordsOfAnotherKindAreRefused)
{
    AcDbDatabase database;
    AcDbLayerTablePointer table(&database, AcDb::kForWrite);
    auto* style = new AcDbTextStyleTableRecord();
    style->setName(L"Wrong");
    EXPECT_EQ(Acad::eWrongObjectType, table->add(style));
    delete style;
}

TEST(SymbolTableTest, AddingNeedsTheTableOpenForWrite)
{
    AcDbDatabase database;
    AcDbLayerTablePointer table(&database, AcDb::kForRead);
    auto* layer = new AcDbLayerTableRecord();
    layer->setName(L"L");
    EXPECT_EQ(Acad::eNotOpenForWrite, table->add(layer));
    delete layer;
}

// Names are looked up by an index of the table: it must follow renames, erasures and records added later.
TEST(SymbolTableTest, LookUpFollowsRenamesAndErasures)
{
    AcDbDatabase database;
    const AcDbObjectId first = addLayer(database, L"A");
    AcDbObjectId found;
    {
        AcDbLayerTablePointer table(&database, AcDb::kForRead);
        ASSERT_EQ(Acad::eOk, table->getAt(L"a", found));
        EXPECT_EQ(first, found);
    }
    {
        AcDbLayerTableRecordPointer layer(first, AcDb::kForWrite);
        ASSERT_EQ(Acad::eOk, layer->setName(L"C"));
        ASSERT_EQ(Acad::eOk, layer->erase());
    }
    const AcDbObjectId second = addLayer(database, L"c");
    const AcDbObjectId third = addLayer(database, L"A");
    AcDbLayerTablePointer table(&database, AcDb::kForRead);
    ASSERT_EQ(Acad::eOk, table->getAt(L"C", found, true));
    EXPECT_EQ(second, found);
    ASSERT_EQ(Acad::eOk, table->getAt(L"A", found));
    EXPECT_EQ(third, found);
    EXPECT_FALSE(table->has(L"B"));
}

} // namespace
