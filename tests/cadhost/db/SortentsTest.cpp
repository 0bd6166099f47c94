#include "DrawingFixture.h"
#include "sorttab.h"

namespace {
class SortentsTest : public DrawingFixture {
protected:
    // The numbers of model space's markers from the bottom of the draw order to the top.
    static std::vector<int> drawOrder(AcDbDatabase& target)
    {
        AcDbBlockTableRecordPointer space(target.modelSpaceId(), AcDb::kForRead);
        AcDbSortentsTable* table = nullptr;
        AcDbObjectIdArray ids;
        if (space->getSortentsTable(table, AcDb::kForRead) == Acad::eOk) {
            table->getFullDrawOrder(ids);
            table->close();
        } else {
            ids = space->entityIds();
        }
        std::vector<int> numbers;
        for (const AcDbObjectId& id : ids) {
            AcDbObjectPointer<TestMarker> marker(id, AcDb::kForRead);
            numbers.push_back(marker->number);
        }
        return numbers;
    }
};

TEST_F(SortentsTest, MoveToBottomDrawsFirstAndSurvivesTheFile)
{
    for (int number = 1; number <= 4; ++number)
        addMarker(database, number);
    AcDbObjectId last = addMarker(database, 5);
    EXPECT_EQ((std::vector<int>{1, 2, 3, 4, 5}), drawOrder(database));
    {
        AcDbBlockTableRecordPointer space(database.modelSpaceId(), AcDb::kForWrite);
        AcDbSortentsTable* table = nullptr;
        ASSERT_EQ(Acad::eOk, space->getSortentsTable(table, AcDb::kForWrite, true));
        space->downgradeOpen();
        AcDbObjectIdArray moved;
        moved.append(last);
        EXPECT_EQ(Acad::eOk, table->moveToBottom(moved));
        table->close();
        EXPECT_EQ(Acad::eOk, space->upgradeOpen());
    }
    EXPECT_EQ((std::vector<int>{5, 1, 2, 3, 4}), drawOrder(database));
    auto reopened = reopen(database);
    EXPECT_EQ((std::vector<int>{5, 1, 2, 3, 4}), drawOrder(*reopened));
}

TEST_F(SortentsTest, MovesKeepTheOrderOfTheMovedEntities)
{
    std::vector<AcDbObjectId> ids;
    for (int number = 1; number <= 5; ++number)
        ids.push_back(addMarker(database, number));
    AcDbBlockTableRecordPointer space(database.modelSpaceId(), AcDb::kForWrite);
    AcDbSortentsTable* table = nullptr;
    ASSERT_EQ(Acad::eOk, space->getSortentsTable(table, AcDb::kForWrite, true));
    AcDbObjectIdArray moved;
    moved.append(ids[3]);
    moved.append(ids[1]);
    EXPECT_EQ(Acad::eOk, table->moveToTop(moved));
    EXPECT_EQ(Acad::eOk, table->moveBelow(moved, ids[0]));
    EXPECT_EQ(Acad::eOk, table->swapOrder(ids[2], ids[4]));
    AcDbHandle sortHandle;
    EXPECT_EQ(Acad::eOk, table->getSortHandle(ids[3], sortHandle));
    EXPECT_EQ(ids[1].handle(), sortHandle);
    table->close();
    space.close();
    EXPECT_EQ((std::vector<int>{2, 4, 1, 5, 3}), drawOrder(database));
}

TEST_F(SortentsTest, OnlyEntitiesOfTheBlockCanMove)
{
    addMarker(database, 1);
    AcDbBlockTableRecordPointer space(database.modelSpaceId(), AcDb::kForWrite);
    AcDbSortentsTable* table = nullptr;
    ASSERT_EQ(Acad::eOk, space->getSortentsTable(table, AcDb::kForWrite, true));
    AcDbObjectIdArray foreign;
    foreign.append(database.layerZero());
    EXPECT_EQ(Acad::eInvalidInput, table->moveToBottom(foreign));
    table->close();
    AcDbSortentsTable* again = nullptr;
    ASSERT_EQ(Acad::eOk, space->getSortentsTable(again, AcDb::kForRead));
    EXPECT_EQ(table, again);
    EXPECT_EQ(Acad::eNotOpenForWrite, again->moveToTop(AcDbObjectIdArray()));
    again->close();
}

TEST_F(SortentsTest, WithoutCreationAMissingTableIsNotFound)
{
    AcDbBlockTableRecordPointer space(database.modelSpaceId(), AcDb::kForWrite);
    AcDbSortentsTable* table = nullptr;
    EXPECT_EQ(Acad::eKeyNotFound, space->getSortentsTable(table, AcDb::kForRead));
    EXPECT_EQ(nullptr, table);
}
} // namespace
