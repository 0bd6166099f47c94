// What the watermark draws: the grid of grey turned texts, each centred one text height below its cell
// centre, and the red tick frame on the stored rectangle; on screen by the stamp switches, when
// plotting by the plot switches over the visible area.
#include "RegisteredWatermarkClass.h"

#include "DebugSink.h"
#include "dbapserv.h"
#include "girecorder.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace {

const ::testing::Environment* const gClass = ::testing::AddGlobalTestEnvironment(new RegisteredWatermarkClass);

// The axis-aligned box of a run of text primitives, as the text metrics lay them out.
AcDbExtents textBox(const std::vector<const AcGiPrimitive*>& texts)
{
    AcDbExtents box;
    for (const AcGiPrimitive* text : texts) {
        const AcGeVector3d along = text->direction * text->textWidth();
        const AcGeVector3d up = AcGeVector3d(-text->direction.y, text->direction.x, 0) * text->height;
        for (const AcGePoint3d& corner :
             {text->position, text->position + along, text->position + up, text->position + along + up})
            box.addPoint(corner);
    }
    return box;
}

AcGePoint3d centreOf(const AcDbExtents& box)
{
    return box.minPoint() + (box.maxPoint() - box.minPoint()) / 2.0;
}

class WatermarkDrawTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_previous = acdbHostApplicationServices()->workingDatabase();
        acdbHostApplicationServices()->setWorkingDatabase(&m_database);
        m_watermark.extents.setExtents(AcGePoint3d(0, 0, 0), AcGePoint3d(1000, 500, 0));
        m_watermark.option.owner = GCopyrightItem(L"ABC", true, false);
        m_watermark.option.user = GCopyrightItem(L"图纸", true, true);
        m_watermark.option.date = GCopyrightItem(L"2024", false, true);
    }
    void TearDown() override { acdbHostApplicationServices()->setWorkingDatabase(m_previous); }

    AcGiRecording draw(bool plotting = false, bool postScript = false)
    {
        AcGiRecording recording;
        recording.plotGeneration = plotting;
        recording.psOut = postScript;
        AcGiRecorder recorder(recording, &m_database);
        recorder.draw(&m_watermark);
        return recording;
    }

    static std::vector<const AcGiPrimitive*> ofKind(const AcGiRecording& recording, AcGiPrimitiveKind kind)
    {
        std::vector<const AcGiPrimitive*> found;
        for (const AcGiPrimitive& primitive : recording.primitives) {
            if (primitive.kind == kind)
                found.push_back(&primitive);
        }
        return found;
    }

    AcDbDatabase m_database;
    AcDbDatabase* m_previous = nullptr;
    AcDbWatermark m_watermark;
};

TEST_F(WatermarkDrawTest, WorldDrawLeavesTheDrawingToEveryViewport)
{
    AcGiRecording recording;
    AcGiRecorder recorder(recording, &m_database);
    EXPECT_FALSE(m_watermark.worldDraw(&recorder.worldDraw()));
    EXPECT_TRUE(recording.primitives.empty());
}

TEST_F(WatermarkDrawTest, TenByTenCellsHoldAHundredTextsCentredOneTextHeightBelowTheirCells)
{
    const AcGiRecording recording = draw();
    const auto texts = ofKind(recording, AcGiPrimitiveKind::kText);
    // On screen the owner and user notes show: two lines per cell.
    ASSERT_EQ(texts.size(), 200U);
    for (int cell = 0; cell < 100; ++cell) {
        const AcGiPrimitive& first = *texts[2 * cell];
        const AcGiPrimitive& second = *texts[2 * cell + 1];
        ASSERT_EQ(first.text, L"ABC");
        ASSERT_EQ(second.text, L"图纸");
        const int column = cell / 10;
        const int row = cell % 10;
        const AcGePoint3d centre = centreOf(textBox({&first, &second}));
        EXPECT_NEAR(centre.x, 50.0 + 100.0 * column, 1e-6) << cell;
        EXPECT_NEAR(centre.y, 25.0 + 50.0 * row - first.height, 1e-6) << cell;
        EXPECT_NEAR(first.rotation(), std::numbers::pi / 4.0, 1e-12);
        EXPECT_EQ(first.rgb(), 0xB7B7B7U);
        EXPECT_EQ(first.height, texts[0]->height);
    }
}

TEST_F(WatermarkDrawTest, TheTextHeightMakesTheTextCoverJustOverHalfItsCell)
{
    const AcGiRecording recording = draw();
    const auto texts = ofKind(recording, AcGiPrimitiveKind::kText);
    ASSERT_GE(texts.size(), 2U);
    const AcDbExtents box = textBox({texts[0], texts[1]});
    const AcGeVector3d size = box.maxPoint() - box.minPoint();
    const double cover = std::max(size.x / 100.0, size.y / 50.0);
    EXPECT_GT(cover, 0.55);
    EXPECT_LT(cover, 0.6);
}

TEST_F(WatermarkDrawTest, TheFrameHasTenRedTicksOnEveryEdgeOfTheStoredRectangle)
{
    const AcGiRecording recording = draw();
    const auto ticks = ofKind(recording, AcGiPrimitiveKind::kPolyline);
    ASSERT_EQ(ticks.size(), 40U);
    for (const AcGiPrimitive* tick : ticks) {
        EXPECT_EQ(tick->color.colorIndex(), 1);
        ASSERT_EQ(tick->points.size(), 2U);
    }
    // The first part of each edge: top, bottom, left, right.
    EXPECT_EQ(ticks[0]->points[0], AcGePoint3d(40, 500, 0));
    EXPECT_EQ(ticks[0]->points[1], AcGePoint3d(60, 500, 0));
    EXPECT_EQ(ticks[1]->points[0], AcGePoint3d(40, 0, 0));
    EXPECT_EQ(ticks[2]->points[0], AcGePoint3d(0, 20, 0));
    EXPECT_EQ(ticks[2]->points[1], AcGePoint3d(0, 30, 0));
    EXPECT_EQ(ticks[3]->points[0], AcGePoint3d(1000, 20, 0));
    // The last part of the top edge.
    EXPECT_EQ(ticks[36]->points[0], AcGePoint3d(940, 500, 0));
    EXPECT_EQ(ticks[36]->points[1], AcGePoint3d(960, 500, 0));
}

class WatermarkPlotTest : public WatermarkDrawTest, public ::testing::WithParamInterface<bool> {};

TEST_P(WatermarkPlotTest, PlottingAndPostScriptDrawThePlotLines)
{
    m_watermark.option.extra.lines.Add(L"tel 1");
    m_watermark.option.extra.plot = true;
    m_watermark.option.rows = 1;
    m_watermark.option.columns = 1;
    cadhost::DebugCapture trace;
    const AcGiRecording recording = GetParam() ? draw(true) : draw(false, true);
    const auto texts = ofKind(recording, AcGiPrimitiveKind::kText);
    ASSERT_EQ(texts.size(), 3U);
    EXPECT_EQ(texts[0]->text, L"图纸");
    EXPECT_EQ(texts[1]->text, L"2024");
    EXPECT_EQ(texts[2]->text, L"tel 1");
    const std::vector<std::wstring> messages = trace.messages();
    ASSERT_EQ(messages.size(), 4U);
    EXPECT_EQ(messages[0], L"绘制水印");
    EXPECT_EQ(messages[2], L"图纸\\P2024\\Ptel 1");
    EXPECT_EQ(messages[3].rfind(L"水印字体文字高度:", 0), 0U);
}

INSTANTIATE_TEST_SUITE_P(Outputs, WatermarkPlotTest, ::testing::Bool());

TEST_F(WatermarkDrawTest, TheViewRectangleIsTraced)
{
    cadhost::DebugCapture trace;
    draw();
    ASSERT_GE(trace.messages().size(), 2U);
    EXPECT_EQ(trace.messages()[1], L"视图范围:( 0.00, 0.00)-(1000.00,500.00)");
}

TEST_F(WatermarkDrawTest, NoSelectedLineDrawsNothingAtAll)
{
    for (GCopyrightItem* note : {&m_watermark.option.owner, &m_watermark.option.user, &m_watermark.option.date})
        note->stamp = false;
    m_watermark.option.extra.stamp = true;
    EXPECT_TRUE(draw().primitives.empty());
}

TEST_F(WatermarkDrawTest, AnEmptyTextIsStillALine)
{
    m_watermark.option.owner = GCopyrightItem(L"", true, true);
    m_watermark.option.user.stamp = false;
    const AcGiRecording recording = draw();
    EXPECT_TRUE(ofKind(recording, AcGiPrimitiveKind::kText).empty());
    EXPECT_EQ(ofKind(recording, AcGiPrimitiveKind::kPolyline).size(), 40U);
}

TEST_F(WatermarkDrawTest, TheDrawingColourIsRestored)
{
    AcGiRecording recording;
    AcGiRecorder recorder(recording, &m_database);
    AcGiViewportDraw& viewportDraw = recorder.viewportDraw();
    viewportDraw.subEntityTraits().setColor(5);
    m_watermark.viewportDraw(&viewportDraw);
    EXPECT_EQ(viewportDraw.subEntityTraits().color(), 5);
    EXPECT_FALSE(recording.primitives.empty());
}

TEST_F(WatermarkDrawTest, CellsLargerThanTheViewLeaveOnlyTheFrame)
{
    for (const auto& [rows, columns] : std::vector<std::pair<int, int>>{{0, 10}, {10, 0}, {-3, 10}, {10, -1}}) {
        m_watermark.option.rows = rows;
        m_watermark.option.columns = columns;
        const AcGiRecording recording = draw();
        EXPECT_TRUE(ofKind(recording, AcGiPrimitiveKind::kText).empty()) << rows << "x" << columns;
        EXPECT_EQ(ofKind(recording, AcGiPrimitiveKind::kPolyline).size(), 40U) << rows << "x" << columns;
    }
}

TEST_F(WatermarkDrawTest, ARectangleThatIsNotValidHasNoFrame)
{
    m_watermark.extents = AcDbExtentsEx();
    EXPECT_TRUE(draw().primitives.empty());
}

TEST_F(WatermarkDrawTest, TheGeometricExtentsAreTheStoredRectangle)
{
    AcDbExtents extents;
    ASSERT_EQ(m_watermark.getGeomExtents(extents), Acad::eOk);
    EXPECT_EQ(extents.minPoint(), AcGePoint3d(0, 0, 0));
    EXPECT_EQ(extents.maxPoint(), AcGePoint3d(1000, 500, 0));
}

} // namespace
