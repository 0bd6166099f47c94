#include "DrawingFixture.h"
#include "ResbufType.h"
#include "dbdict.h"

namespace {
class CloneTest : public DrawingFixture {
protected:
    void SetUp() override
    {
        firstId = addMarker(database, 1, L"first");
        secondId = addMarker(database, 2, L"second");
        AcDbObjectId layerId;
        {
            AcDbLayerTablePointer table(&database, AcDb::kForWrite);
            auto* layer = new AcDbLayerTableRecord();
            layer->setName(L"Walls");
            layer->setLinetypeObjectId(database.continuousLinetype());
            ASSERT_EQ(Acad::eOk, table->add(layerId, layer));
            layer->close();
        }
        AcDbObjectPointer<TestMarker> second(secondId, AcDb::kForWrite);
        second->linked = firstId;
        second->setLayer(layerId);
        cadhost::ResbufChain data(
            acutBuildList(AcDb::kDxfRegAppName, L"ACAD", AcDb::kDxfXdAsciiString, L"kept", RTNONE));
        ASSERT_EQ(Acad::eOk, second->setXData(data.get()));
    }

    static std::vector<int> numbers(AcDbDatabase& target)
    {
        AcDbBlockTableRecordPointer space(target.modelSpaceId(), AcDb::kForRead);
        std::vector<int> found;
        for (const AcDbObjectId& id : space->entityIds())
            found.push_back(AcDbObjectPointer<TestMarker>(id, AcDb::kForRead)->number);
        return found;
    }

    AcDbObjectId firstId;
    AcDbObjectId secondId;
};

TEST_F(CloneTest, DeepCloneCopiesAndTranslatesReferencesAmongTheClones)
{
    AcDbObjectIdArray ids;
    ids.append(firstId);
    ids.append(secondId);
    AcDbIdMapping mapping;
    ASSERT_EQ(Acad::eOk, database.deepCloneObjects(ids, database.modelSpaceId(), mapping));
    EXPECT_EQ((std::vector<int>{1, 2, 1, 2}), numbers(database));
    AcDbIdPair firstPair(firstId, AcDbObjectId::kNull, false);
    AcDbIdPair secondPair(secondId, AcDbObjectId::kNull, false);
    ASSERT_TRUE(mapping.compute(firstPair));
    ASSERT_TRUE(mapping.compute(secondPair));
    EXPECT_TRUE(secondPair.isCloned());
    EXPECT_TRUE(secondPair.isPrimary());
    AcDbObjectPointer<TestMarker> clone(secondPair.value(), AcDb::kForRead);
    EXPECT_EQ(firstPair.value(), clone->linked);
    AcDbObjectPointer<TestMarker> original(secondId, AcDb::kForRead);
    EXPECT_EQ(original->layerId(), clone->layerId());
    EXPECT_EQ(database.modelSpaceId(), clone->ownerId());
    cadhost::ResbufChain data(clone->xData(L"ACAD"));
    ASSERT_NE(nullptr, data);
    EXPECT_STREQ(L"kept", data->rbnext->resval.rstring);
}

TEST_F(CloneTest, WblockCloneBringsTheRecordsItNeeds)
{
    AcDbDatabase target;
    AcDbObjectIdArray ids;
    ids.append(secondId);
    AcDbIdMapping mapping;
    ASSERT_EQ(Acad::eOk, database.wblockCloneObjects(ids, target.modelSpaceId(), mapping, AcDb::kDrcIgnore));
    EXPECT_EQ((std::vector<int>{2}), numbers(target));
    AcDbIdPair pair(secondId, AcDbObjectId::kNull, false);
    ASSERT_TRUE(mapping.compute(pair));
    AcDbObjectPointer<TestMarker> clone(pair.value(), AcDb::kForRead);
    EXPECT_EQ(&target, clone->database());
    EXPECT_TRUE(clone->linked.isNull());
    AcDbLayerTableRecordPointer walls(L"Walls", &target, AcDb::kForRead);
    ASSERT_EQ(Acad::eOk, walls.openStatus());
    EXPECT_EQ(walls->objectId(), clone->layerId());
    EXPECT_EQ(target.continuousLinetype(), walls->linetypeObjectId());
    auto reopened = reopen(target);
    EXPECT_EQ((std::vector<int>{2}), numbers(*reopened));
}

TEST_F(CloneTest, ProxiesCloneOnlyWhenTheirFlagsAllow)
{
    TestMarker::unregister();
    AcDbObjectIdArray ids;
    ids.append(secondId);
    AcDbIdMapping mapping;
    EXPECT_EQ(Acad::eNotAllowedForThisProxy, database.deepCloneObjects(ids, database.modelSpaceId(), mapping));
}
} // namespace
