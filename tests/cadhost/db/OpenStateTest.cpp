#include "DbTestClasses.h"
#include "dbobjptr.h"
#include "dbsymtb.h"

#include <gtest/gtest.h>

namespace {
class OpenStateTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        AcDbBlockTableRecord* space = nullptr;
        ASSERT_EQ(Acad::eOk, acdbOpenObject(space, database.modelSpaceId(), AcDb::kForWrite));
        auto* marker = new TestMarker();
        ASSERT_EQ(Acad::eOk, space->appendAcDbEntity(id, marker));
        ASSERT_EQ(Acad::eOk, marker->close());
        space->close();
        acdbResetAssertFaults();
    }

    TestClassesRegistered classes;
    AcDbDatabase database;
    AcDbObjectId id;
};

TEST_F(OpenStateTest, ManyReadersButNoWriterBesideThem)
{
    AcDbObject* first = nullptr;
    AcDbObject* second = nullptr;
    AcDbObject* writer = nullptr;
    EXPECT_EQ(Acad::eOk, acdbOpenObject(first, id, AcDb::kForRead));
    EXPECT_EQ(Acad::eOk, acdbOpenObject(second, id, AcDb::kForRead));
    EXPECT_EQ(first, second);
    EXPECT_EQ(Acad::eWasOpenForRead, acdbOpenObject(writer, id, AcDb::kForWrite));
    EXPECT_EQ(nullptr, writer);
    EXPECT_EQ(Acad::eHadMultipleReaders, first->upgradeOpen());
    EXPECT_EQ(Acad::eOk, second->close());
    EXPECT_EQ(Acad::eOk, first->upgradeOpen());
    EXPECT_TRUE(first->isWriteEnabled());
    EXPECT_EQ(Acad::eOk, first->close());
    EXPECT_FALSE(first->isReadEnabled());
}

TEST_F(OpenStateTest, AWriterExcludesEveryOtherOpening)
{
    AcDbObject* writer = nullptr;
    AcDbObject* other = nullptr;
    ASSERT_EQ(Acad::eOk, acdbOpenObject(writer, id, AcDb::kForWrite));
    EXPECT_EQ(Acad::eWasOpenForWrite, acdbOpenObject(other, id, AcDb::kForRead));
    EXPECT_EQ(Acad::eWasOpenForWrite, acdbOpenObject(other, id, AcDb::kForWrite));
    EXPECT_EQ(Acad::eWasOpenForWrite, writer->upgradeOpen());
    EXPECT_EQ(Acad::eOk, writer->downgradeOpen());
    EXPECT_EQ(Acad::eOk, acdbOpenObject(other, id, AcDb::kForRead));
    other->close();
    writer->close();
}

TEST_F(OpenStateTest, ReadersStopAtTheHostsLimit)
{
    AcDbObject* object = nullptr;
    for (int reader = 0; reader < 256; ++reader)
        ASSERT_EQ(Acad::eOk, acdbOpenObject(object, id, AcDb::kForRead));
    AcDbObject* refused = nullptr;
    EXPECT_EQ(Acad::eAtMaxReaders, acdbOpenObject(refused, id, AcDb::kForRead));
    EXPECT_EQ(nullptr, refused);
    for (int reader = 0; reader < 256; ++reader)
        object->close();
    EXPECT_EQ(Acad::eNotOpenForRead, object->close());
}

TEST_F(OpenStateTest, ErasedObjectsOpenOnlyOnRequest)
{
    AcDbObject* object = nullptr;
    ASSERT_EQ(Acad::eOk, acdbOpenObject(object, id, AcDb::kForWrite));
    EXPECT_EQ(Acad::eOk, object->erase());
    EXPECT_EQ(Acad::eWasErased, object->erase());
    object->close();
    EXPECT_TRUE(id.isErased());
    EXPECT_EQ(Acad::eWasErased, acdbOpenObject(object, id, AcDb::kForRead));
    ASSERT_EQ(Acad::eOk, acdbOpenObject(object, id, AcDb::kForWrite, true));
    EXPECT_EQ(Acad::eOk, object->erase(false));
    EXPECT_EQ(Acad::eWasNotErased, object->erase(false));
    object->close();
    EXPECT_FALSE(id.isErased());
}

TEST_F(OpenStateTest, ChangingAnObjectOpenForReadIsAFault)
{
    AcDbEntity* entity = nullptr;
    ASSERT_EQ(Acad::eOk, acdbOpenObject(entity, id, AcDb::kForRead));
    entity->setColorIndex(3);
    EXPECT_EQ(Acad::eNotOpenForWrite, entity->erase());
    entity->close();
    AcDbAssertFaults faults = acdbAssertFaults();
    EXPECT_EQ(1, faults.count);
    EXPECT_EQ(Acad::eNotOpenForWrite, faults.lastStatus);
}

TEST_F(OpenStateTest, TypedOpeningChecksTheClass)
{
    AcDbLayerTableRecord* layer = nullptr;
    EXPECT_EQ(Acad::eNotThatKindOfClass, acdbOpenObject(layer, id, AcDb::kForRead));
    EXPECT_EQ(nullptr, layer);
    AcDbObject* object = nullptr;
    EXPECT_EQ(Acad::eOk, acdbOpenObject(object, id, AcDb::kForWrite));
    object->close();
    EXPECT_EQ(Acad::eNullObjectId, acdbOpenObject(object, AcDbObjectId::kNull, AcDb::kForRead));
}

TEST_F(OpenStateTest, EntitiesOnLockedLayersOpenOnlyForRead)
{
    AcDbLayerTableRecord* layer = nullptr;
    ASSERT_EQ(Acad::eOk, acdbOpenObject(layer, database.layerZero(), AcDb::kForWrite));
    layer->setIsLocked(true);
    layer->close();
    AcDbEntity* entity = nullptr;
    EXPECT_EQ(Acad::eOnLockedLayer, acdbOpenObject(entity, id, AcDb::kForWrite));
    ASSERT_EQ(Acad::eOk, acdbOpenObject(entity, id, AcDb::kForRead));
    EXPECT_EQ(Acad::eOnLockedLayer, entity->upgradeOpen());
    entity->close();
}

TEST_F(OpenStateTest, NewObjectsAreOpenForWriteUntilAddedAndClosed)
{
    auto* marker = new TestMarker();
    EXPECT_TRUE(marker->isNewObject());
    EXPECT_TRUE(marker->isWriteEnabled());
    EXPECT_EQ(Acad::eNotInDatabase, marker->erase());
    delete marker;
}

TEST_F(OpenStateTest, PermanentObjectsCannotBeErased)
{
    AcDbObject* layer = nullptr;
    ASSERT_EQ(Acad::eOk, acdbOpenObject(layer, database.layerZero(), AcDb::kForWrite));
    EXPECT_EQ(Acad::eCannotBeErasedByCaller, layer->erase());
    layer->close();
}

TEST_F(OpenStateTest, ObjectPointerClosesOnEveryPath)
{
    {
        AcDbEntityPointer entity(id, AcDb::kForWrite);
        ASSERT_EQ(Acad::eOk, entity.openStatus());
        entity->setColorIndex(5);
        AcDbEntityPointer second(id, AcDb::kForRead);
        EXPECT_EQ(Acad::eWasOpenForWrite, second.openStatus());
    }
    AcDbEntityPointer reader(id, AcDb::kForRead);
    ASSERT_EQ(Acad::eOk, reader.openStatus());
    EXPECT_EQ(5, reader->colorIndex());
    AcDbEntity* released = nullptr;
    EXPECT_EQ(Acad::eOk, reader.release(released));
    EXPECT_EQ(Acad::eNullObjectPointer, reader.openStatus());
    released->close();

    AcDbObjectPointer<TestMarker> created;
    EXPECT_EQ(Acad::eOk, created.create());
    created->number = 7;
}

TEST_F(OpenStateTest, RecordPointerOpensByName)
{
    AcDbLayerTableRecordPointer layer(L"0", &database, AcDb::kForRead);
    ASSERT_EQ(Acad::eOk, layer.openStatus());
    EXPECT_EQ(7, layer->color().colorIndex());
    AcDbLayerTableRecordPointer missing(L"nothing", &database, AcDb::kForRead);
    EXPECT_EQ(Acad::eKeyNotFound, missing.openStatus());
}
} // namespace
