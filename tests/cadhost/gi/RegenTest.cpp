#include "ProbeEntity.h"
#include "dbapserv.h"
#include "dbblkref.h"
#include "dbents.h"
#include "dblayout.h"
#include "dbobjptr.h"
#include "dbviewport.h"
#include "giregen.h"
#include "sorttab.h"

#include <gtest/gtest.h>

namespace {
class RegenTest : public ::testing::Test {
protected:
    void SetUp() override { acdbHostApplicationServices()->setWorkingDatabase(&database); }
    void TearDown() override { acdbHostApplicationServices()->setWorkingDatabase(nullptr); }

    // The caller gives the entity its properties (setDatabaseDefaults where it needs the layer "0").
    AcDbObjectId append(AcDbEntity* entity, AcDbObjectId blockId = AcDbObjectId::kNull)
    {
        AcDbObjectPointer<AcDbBlockTableRecord> block(blockId.isNull() ? database.modelSpaceId() : blockId,
                                                      AcDb::kForWrite);
        EXPECT_EQ(block.openStatus(), Acad::eOk);
        AcDbObjectId id;
        EXPECT_EQ(block->appendAcDbEntity(id, entity), Acad::eOk);
        entity->close();
        return id;
    }

    AcDbObjectId addBlock(const ACHAR* name)
    {
        AcDbBlockTablePointer table(&database, AcDb::kForWrite);
        auto* record = new AcDbBlockTableRecord();
        record->setName(name);
        AcDbObjectId id;
        EXPECT_EQ(table->add(id, record), Acad::eOk);
        record->close();
        return id;
    }

    AcDbDatabase database;
    AcGiRecording recording;
};

TEST_F(RegenTest, ModelSpaceDrawsInDrawOrder)
{
    append(new AcDbLine(AcGePoint3d(0, 0, 0), AcGePoint3d(1, 0, 0)));
    const AcDbObjectId second = append(new AcDbLine(AcGePoint3d(0, 5, 0), AcGePoint3d(1, 5, 0)));
    {
        AcDbObjectPointer<AcDbBlockTableRecord> modelSpace(database.modelSpaceId(), AcDb::kForWrite);
        AcDbSortentsTable* sortents = nullptr;
        ASSERT_EQ(modelSpace->getSortentsTable(sortents, AcDb::kForWrite, true), Acad::eOk);
        AcDbObjectIdArray bottom;
        bottom.append(second);
        EXPECT_EQ(sortents->moveToBottom(bottom), Acad::eOk);
        sortents->close();
    }

    ASSERT_EQ(acgiRegenModelSpace(&database, AcGePoint3d(0, 0, 0), AcGePoint3d(10, 10, 0), recording), Acad::eOk);

    ASSERT_EQ(recording.primitives.size(), 2u);
    EXPECT_DOUBLE_EQ(recording.primitives[0].points[0].y, 5.0);
    EXPECT_DOUBLE_EQ(recording.primitives[1].points[0].y, 0.0);
}

TEST_F(RegenTest, PlottingModelSpaceTakesTheViewAsPlotWindow)
{
    recording.plotGeneration = true;
    ASSERT_EQ(acgiRegenModelSpace(&database, AcGePoint3d(-5, -2, 0), AcGePoint3d(15, 8, 0), recording), Acad::eOk);

    EXPECT_TRUE(recording.hasWindow);
    EXPECT_DOUBLE_EQ(recording.windowMin.x, -5.0);
    EXPECT_DOUBLE_EQ(recording.windowMin.y, -2.0);
    EXPECT_DOUBLE_EQ(recording.windowMax.x, 15.0);
    EXPECT_DOUBLE_EQ(recording.windowMax.y, 8.0);
}

TEST_F(RegenTest, ScreenRegenHasNoPlotWindow)
{
    ASSERT_EQ(acgiRegenModelSpace(&database, AcGePoint3d(-5, -2, 0), AcGePoint3d(15, 8, 0), recording), Acad::eOk);

    EXPECT_FALSE(recording.hasWindow);
}

TEST_F(RegenTest, ModelSpaceViewportDrawGetsTheModelSpaceViewport)
{
    auto* probe = new ProbeEntity();
    probe->onWorldDraw = [](AcGiWorldDraw*) { return false; };
    const AcDbObjectId id = append(probe);

    ASSERT_EQ(acgiRegenModelSpace(&database, AcGePoint3d(0, 0, 0), AcGePoint3d(1, 1, 0), recording), Acad::eOk);

    AcDbObjectPointer<ProbeEntity> drawn(id, AcDb::kForRead);
    ASSERT_EQ(drawn.openStatus(), Acad::eOk);
    EXPECT_EQ(drawn->viewportIds,
              (std::vector<Adesk::ULongPtr>{static_cast<Adesk::ULongPtr>(database.modelSpaceId().asOldId())}));
}

TEST_F(RegenTest, BlockReferenceContentTakesTheReferencesColour)
{
    const AcDbObjectId block = addBlock(L"Frame");
    auto* inside = new AcDbLine(AcGePoint3d(0, 0, 0), AcGePoint3d(1, 0, 0));
    AcCmColor byBlock;
    byBlock.setColorMethod(AcCmEntityColor::kByBlock);
    inside->setDatabaseDefaults(&database);
    inside->setColor(byBlock);
    {
        AcDbObjectPointer<AcDbBlockTableRecord> record(block, AcDb::kForWrite);
        ASSERT_EQ(record->appendAcDbEntity(inside), Acad::eOk);
        inside->close();
    }
    auto* reference = new AcDbBlockReference(AcGePoint3d(10, 20, 0), block);
    reference->setDatabaseDefaults(&database);
    reference->setColorIndex(4);
    append(reference);

    ASSERT_EQ(acgiRegenModelSpace(&database, AcGePoint3d(0, 0, 0), AcGePoint3d(30, 30, 0), recording), Acad::eOk);

    ASSERT_EQ(recording.primitives.size(), 1u);
    EXPECT_EQ(recording.primitives[0].color.colorIndex(), 4);
    EXPECT_TRUE(recording.primitives[0].points[0].isEqualTo(AcGePoint3d(10, 20, 0)));
    EXPECT_TRUE(recording.primitives[0].points[1].isEqualTo(AcGePoint3d(11, 20, 0)));
}

AcDbViewport* viewport(AcGePoint3d center, double width, double height, AcGePoint2d viewCenter, double viewHeight)
{
    auto* created = new AcDbViewport();
    created->setCenterPoint(center);
    created->setWidth(width);
    created->setHeight(height);
    created->setViewCenter(viewCenter);
    created->setViewHeight(viewHeight);
    return created;
}

class LayoutRegenTest : public RegenTest {
protected:
    void SetUp() override
    {
        RegenTest::SetUp();
        {
            AcDbObjectPointer<AcDbBlockTableRecord> paperSpace(database.paperSpaceId(), AcDb::kForRead);
            layoutId = paperSpace->getLayoutId();
        }
        sheetId =
            append(viewport(AcGePoint3d(150, 100, 0), 300, 200, AcGePoint2d(150, 100), 200), database.paperSpaceId());
        // Model space around (5, 5), four times enlarged, in a 100 x 80 frame centred at (100, 100).
        floatingId =
            append(viewport(AcGePoint3d(100, 100, 0), 100, 80, AcGePoint2d(5, 5), 20), database.paperSpaceId());
        AcDbViewport* off = viewport(AcGePoint3d(250, 50, 0), 20, 20, AcGePoint2d(0, 0), 10);
        off->setOff();
        append(off, database.paperSpaceId());
    }

    AcDbObjectId layoutId;
    AcDbObjectId sheetId;
    AcDbObjectId floatingId;
};

TEST_F(LayoutRegenTest, FloatingViewportShowsModelSpaceScaledIntoItsFrame)
{
    append(new AcDbLine(AcGePoint3d(0, 0, 0), AcGePoint3d(10, 0, 0)));

    ASSERT_EQ(acgiRegenLayout(&database, layoutId, recording), Acad::eOk);

    const AcGiPrimitive* line = nullptr;
    for (const AcGiPrimitive& primitive : recording.primitives) {
        if (recording.viewports[static_cast<std::size_t>(primitive.viewport)].id ==
            static_cast<Adesk::ULongPtr>(floatingId.asOldId()))
            line = &primitive;
    }
    ASSERT_NE(line, nullptr);
    EXPECT_TRUE(line->points[0].isEqualTo(AcGePoint3d(80, 80, 0)));
    EXPECT_TRUE(line->points[1].isEqualTo(AcGePoint3d(120, 80, 0)));
    const AcGiRecordedViewport& frame = recording.viewports[static_cast<std::size_t>(line->viewport)];
    EXPECT_TRUE(frame.clipped);
    EXPECT_DOUBLE_EQ(frame.clipMin.x, 50.0);
    EXPECT_DOUBLE_EQ(frame.clipMin.y, 60.0);
    EXPECT_DOUBLE_EQ(frame.clipMax.x, 150.0);
    EXPECT_DOUBLE_EQ(frame.clipMax.y, 140.0);
}

TEST_F(LayoutRegenTest, ViewportDrawRunsOncePerViewportThatShowsTheEntity)
{
    auto* inModel = new ProbeEntity();
    inModel->onWorldDraw = [](AcGiWorldDraw*) { return false; };
    const AcDbObjectId modelProbe = append(inModel);
    auto* onSheet = new ProbeEntity();
    onSheet->onWorldDraw = [](AcGiWorldDraw*) { return false; };
    const AcDbObjectId sheetProbe = append(onSheet, database.paperSpaceId());

    ASSERT_EQ(acgiRegenLayout(&database, layoutId, recording), Acad::eOk);

    AcDbObjectPointer<ProbeEntity> model(modelProbe, AcDb::kForRead);
    EXPECT_EQ(model->viewportIds, (std::vector<Adesk::ULongPtr>{static_cast<Adesk::ULongPtr>(floatingId.asOldId())}));
    AcDbObjectPointer<ProbeEntity> sheet(sheetProbe, AcDb::kForRead);
    EXPECT_EQ(sheet->viewportIds, (std::vector<Adesk::ULongPtr>{static_cast<Adesk::ULongPtr>(sheetId.asOldId())}));
}

TEST_F(LayoutRegenTest, PlottingALayoutTakesTheSheetAsPlotWindow)
{
    recording.plotGeneration = true;

    ASSERT_EQ(acgiRegenLayout(&database, layoutId, recording), Acad::eOk);

    EXPECT_TRUE(recording.hasWindow);
    EXPECT_DOUBLE_EQ(recording.windowMin.x, 0.0);
    EXPECT_DOUBLE_EQ(recording.windowMin.y, 0.0);
    EXPECT_DOUBLE_EQ(recording.windowMax.x, 300.0);
    EXPECT_DOUBLE_EQ(recording.windowMax.y, 200.0);
}

TEST_F(RegenTest, LayoutThatDoesNotExistIsRefused)
{
    EXPECT_NE(acgiRegenLayout(&database, database.modelSpaceId(), recording), Acad::eOk);
    EXPECT_EQ(acgiRegenLayout(nullptr, AcDbObjectId::kNull, recording), Acad::eNullObjectPointer);
}

TEST_F(RegenTest, NullDatabaseIsRefused)
{
    EXPECT_EQ(acgiRegenModelSpace(nullptr, AcGePoint3d(0, 0, 0), AcGePoint3d(1, 1, 0), recording),
              Acad::eNullObjectPointer);
}
} // namespace
