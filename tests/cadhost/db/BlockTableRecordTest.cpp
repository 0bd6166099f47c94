#include "dbblkref.h"
#include "dbdict.h"
#include "dbobjptr.h"

#include <gtest/gtest.h>

namespace {
AcDbObjectId addBlock(AcDbDatabase& database, const ACHAR* name)
{
    AcDbBlockTablePointer table(&database, AcDb::kForWrite);
    auto* block = new AcDbBlockTableRecord();
    block->setName(name);
    AcDbObjectId id;
    EXPECT_EQ(Acad::eOk, table->add(id, block));
    block->close();
    return id;
}

AcDbObjectId insert(AcDbObjectId ownerId, AcDbObjectId blockId)
{
    AcDbBlockTableRecordPointer owner(ownerId, AcDb::kForWrite);
    auto* reference = new AcDbBlockReference(AcGePoint3d(1, 2, 0), blockId);
    AcDbObjectId id;
    EXPECT_EQ(Acad::eOk, owner->appendAcDbEntity(id, reference));
    reference->close();
    return id;
}

TEST(BlockTableRecordTest, ReferencesDirectAndNested)
{
    AcDbDatabase database;
    AcDbObjectId inner = addBlock(database, L"Inner");
    AcDbObjectId outer = addBlock(database, L"Outer");
    AcDbObjectId nested = insert(outer, inner);
    AcDbObjectId direct = insert(database.modelSpaceId(), inner);
    AcDbObjectId outerReference = insert(database.modelSpaceId(), outer);

    AcDbBlockTableRecordPointer block(inner, AcDb::kForRead);
    AcDbObjectIdArray ids;
    ASSERT_EQ(Acad::eOk, block->getBlockReferenceIds(ids));
    ASSERT_EQ(2, ids.length());
    // In block table order: model space first.
    EXPECT_EQ(direct, ids[0]);
    EXPECT_EQ(nested, ids[1]);
    ASSERT_EQ(Acad::eOk, block->getBlockReferenceIds(ids, false));
    ASSERT_EQ(3, ids.length());
    EXPECT_TRUE(ids.contains(outerReference));
}

TEST(BlockTableRecordTest, AppendingGivesHandlesOwnerAndCurrentLayer)
{
    AcDbDatabase database;
    AcDbHandle seed = database.handseed();
    AcDbObjectId block = addBlock(database, L"B");
    AcDbObjectId reference = insert(database.modelSpaceId(), block);
    EXPECT_EQ(seed.value() + 1, reference.handle().value());
    AcDbEntityPointer entity(reference, AcDb::kForRead);
    EXPECT_EQ(database.modelSpaceId(), entity->ownerId());
    EXPECT_EQ(database.clayer(), entity->layerId());
    AcDbBlockTableRecordPointer space(database.modelSpaceId(), AcDb::kForRead);
    auto* another = new AcDbBlockReference();
    EXPECT_EQ(Acad::eNotOpenForWrite, space->appendAcDbEntity(another));
    delete another;
}

TEST(BlockTableRecordTest, LayoutsKnowTheirBlocks)
{
    AcDbDatabase database;
    AcDbDictionary* layouts = nullptr;
    ASSERT_EQ(Acad::eOk, database.getLayoutDictionary(layouts, AcDb::kForRead));
    AcDbDictionaryIterator* iterator = layouts->newIterator();
    std::vector<std::wstring> names;
    for (; !iterator->done(); iterator->next())
        names.push_back(iterator->name());
    delete iterator;
    layouts->close();
    EXPECT_EQ((std::vector<std::wstring>{L"Layout1", L"Model"}), names);
}
} // namespace
