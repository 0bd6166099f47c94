#include "ProbeEntity.h"
#include "dbapserv.h"
#include "dbsymtb.h"
#include "girecorder.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace {
AcCmColor indexColor(Adesk::UInt16 index)
{
    AcCmColor color;
    color.setColorIndex(index);
    return color;
}

AcCmColor byBlock()
{
    AcCmColor color;
    color.setColorMethod(AcCmEntityColor::kByBlock);
    return color;
}

class RecorderTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        acdbHostApplicationServices()->setWorkingDatabase(&database);
        red = addLayer(L"Red", 1);
        blue = addLayer(L"Blue", 5);
    }
    void TearDown() override { acdbHostApplicationServices()->setWorkingDatabase(nullptr); }

    AcDbObjectId addLayer(const ACHAR* name, Adesk::UInt16 colorIndex, bool off = false)
    {
        AcDbLayerTable* table = nullptr;
        EXPECT_EQ(database.getLayerTable(table, AcDb::kForWrite), Acad::eOk);
        auto* record = new AcDbLayerTableRecord();
        record->setName(name);
        record->setColor(indexColor(colorIndex));
        record->setIsOff(off);
        AcDbObjectId id;
        EXPECT_EQ(table->add(id, record), Acad::eOk);
        record->close();
        table->close();
        return id;
    }

    // A probe that draws one line from (0,0,0) to (1,0,0).
    static void drawsLine(ProbeEntity& probe)
    {
        probe.onWorldDraw = [](AcGiWorldDraw* draw) {
            const AcGePoint3d points[] = {{0, 0, 0}, {1, 0, 0}};
            draw->geometry().polyline(2, points);
            return true;
        };
    }

    const AcGiPrimitive& only() const
    {
        EXPECT_EQ(recording.primitives.size(), 1u);
        return recording.primitives.front();
    }

    AcDbDatabase database;
    AcDbObjectId red;
    AcDbObjectId blue;
    AcGiRecording recording;
};

TEST_F(RecorderTest, ByLayerColourTakesTheLayersColour)
{
    ProbeEntity probe;
    probe.setLayer(red);
    drawsLine(probe);
    AcGiRecorder(recording, &database).draw(&probe);

    EXPECT_EQ(only().kind, AcGiPrimitiveKind::kPolyline);
    EXPECT_EQ(only().color.colorIndex(), 1);
    EXPECT_EQ(only().layerId, red);
    EXPECT_EQ(only().rgb(), 0xFF0000u);
}

TEST_F(RecorderTest, IndexAndTrueColoursAreKept)
{
    ProbeEntity indexed;
    indexed.setLayer(red);
    indexed.setColorIndex(3);
    drawsLine(indexed);
    ProbeEntity rgb;
    rgb.setLayer(red);
    AcCmColor trueColor;
    trueColor.setRGB(10, 20, 30);
    rgb.setColor(trueColor);
    drawsLine(rgb);

    AcGiRecorder recorder(recording, &database);
    recorder.draw(&indexed);
    recorder.draw(&rgb);

    ASSERT_EQ(recording.primitives.size(), 2u);
    EXPECT_EQ(recording.primitives[0].color.colorIndex(), 3);
    EXPECT_TRUE(recording.primitives[1].color.isByColor());
    EXPECT_EQ(recording.primitives[1].rgb(), 0x0A141Eu);
}

TEST_F(RecorderTest, ByBlockOutsideAnyReferenceDrawsInTheForegroundColour)
{
    ProbeEntity probe;
    probe.setLayer(red);
    probe.setColor(byBlock());
    drawsLine(probe);
    AcGiRecorder(recording, &database).draw(&probe);

    EXPECT_EQ(only().color.colorIndex(), 7);
}

TEST_F(RecorderTest, NestedDrawableResolvesByBlockAndLayerZeroAgainstItsReference)
{
    ProbeEntity inner;
    inner.setLayer(database.layerZero());
    inner.setColor(byBlock());
    drawsLine(inner);
    ProbeEntity onBlue;
    onBlue.setLayer(blue);
    drawsLine(onBlue);

    ProbeEntity reference;
    reference.setLayer(red);
    reference.setColorIndex(3);
    reference.onWorldDraw = [&](AcGiWorldDraw* draw) {
        draw->geometry().pushModelTransform(AcGeMatrix3d::translation(AcGeVector3d(10, 20, 0)));
        draw->geometry().draw(&inner);
        draw->geometry().draw(&onBlue);
        draw->geometry().popModelTransform();
        // Drawn after the nested ones: the reference's own traits again, no transform.
        const AcGePoint3d points[] = {{0, 0, 0}, {0, 1, 0}};
        draw->geometry().polyline(2, points);
        return true;
    };
    AcGiRecorder(recording, &database).draw(&reference);

    ASSERT_EQ(recording.primitives.size(), 3u);
    const AcGiPrimitive& first = recording.primitives[0];
    EXPECT_EQ(first.color.colorIndex(), 3);
    EXPECT_EQ(first.layerId, red);
    EXPECT_TRUE(first.points[0].isEqualTo(AcGePoint3d(10, 20, 0)));
    EXPECT_TRUE(first.points[1].isEqualTo(AcGePoint3d(11, 20, 0)));
    EXPECT_EQ(recording.primitives[1].color.colorIndex(), 5);
    EXPECT_EQ(recording.primitives[1].layerId, blue);
    EXPECT_EQ(recording.primitives[2].color.colorIndex(), 3);
    EXPECT_TRUE(recording.primitives[2].points[1].isEqualTo(AcGePoint3d(0, 1, 0)));
}

TEST_F(RecorderTest, SubEntityTraitsColourAppliesToWhatIsDrawnAfterIt)
{
    ProbeEntity probe;
    probe.setLayer(blue);
    probe.onWorldDraw = [](AcGiWorldDraw* draw) {
        const AcGePoint3d points[] = {{0, 0, 0}, {1, 0, 0}};
        draw->geometry().polyline(2, points);
        const Adesk::UInt16 remembered = draw->subEntityTraits().color();
        draw->subEntityTraits().setColor(1);
        draw->geometry().polyline(2, points);
        draw->subEntityTraits().setColor(remembered);
        draw->geometry().polyline(2, points);
        return true;
    };
    AcGiRecorder(recording, &database).draw(&probe);

    ASSERT_EQ(recording.primitives.size(), 3u);
    EXPECT_EQ(recording.primitives[0].color.colorIndex(), 5);
    EXPECT_EQ(recording.primitives[1].color.colorIndex(), 1);
    EXPECT_EQ(recording.primitives[2].color.colorIndex(), 5);
}

TEST_F(RecorderTest, TextKeepsRotationHeightAndWidthFactor)
{
    ProbeEntity probe;
    probe.setLayer(red);
    probe.onWorldDraw = [](AcGiWorldDraw* draw) {
        AcGiTextStyle style;
        style.setTextSize(2.5);
        style.setXScale(0.8);
        const AcGeVector3d direction(std::cos(std::numbers::pi / 6), std::sin(std::numbers::pi / 6), 0);
        draw->geometry().text(AcGePoint3d(1, 2, 0), AcGeVector3d::kZAxis, direction, L"45%%d", -1, Adesk::kFalse,
                              style);
        draw->geometry().text(AcGePoint3d(0, 0, 0), AcGeVector3d::kZAxis, AcGeVector3d::kXAxis, L"45%%d", -1,
                              Adesk::kTrue, style);
        return true;
    };
    AcGiRecorder(recording, &database).draw(&probe);

    ASSERT_EQ(recording.primitives.size(), 2u);
    const AcGiPrimitive& text = recording.primitives[0];
    EXPECT_EQ(text.kind, AcGiPrimitiveKind::kText);
    EXPECT_EQ(text.text, L"45\u00B0");
    EXPECT_NEAR(text.rotation(), std::numbers::pi / 6, 1e-12);
    EXPECT_NEAR(text.height, 2.5, 1e-12);
    EXPECT_NEAR(text.widthFactor, 0.8, 1e-12);
    EXPECT_TRUE(text.position.isEqualTo(AcGePoint3d(1, 2, 0)));
    EXPECT_EQ(recording.primitives[1].text, L"45%%d");
}

TEST_F(RecorderTest, ScaledTransformScalesTextAndCircles)
{
    ProbeEntity probe;
    probe.setLayer(red);
    probe.onWorldDraw = [](AcGiWorldDraw* draw) {
        draw->geometry().pushModelTransform(AcGeMatrix3d::scaling(2.0));
        draw->geometry().text(AcGePoint3d(1, 1, 0), AcGeVector3d::kZAxis, AcGeVector3d::kXAxis, 3.0, 0.5, 0.0, L"A");
        draw->geometry().circle(AcGePoint3d(5, 0, 0), 1.5, AcGeVector3d::kZAxis);
        draw->geometry().popModelTransform();
        return true;
    };
    AcGiRecorder(recording, &database).draw(&probe);

    ASSERT_EQ(recording.primitives.size(), 2u);
    EXPECT_NEAR(recording.primitives[0].height, 6.0, 1e-12);
    EXPECT_NEAR(recording.primitives[0].widthFactor, 0.5, 1e-12);
    EXPECT_TRUE(recording.primitives[0].position.isEqualTo(AcGePoint3d(2, 2, 0)));
    EXPECT_EQ(recording.primitives[1].kind, AcGiPrimitiveKind::kCircle);
    EXPECT_NEAR(recording.primitives[1].radius, 3.0, 1e-12);
    EXPECT_TRUE(recording.primitives[1].center.isEqualTo(AcGePoint3d(10, 0, 0)));
}

TEST_F(RecorderTest, MirroredArcTurnsTheOtherWay)
{
    ProbeEntity probe;
    probe.setLayer(red);
    probe.onWorldDraw = [](AcGiWorldDraw* draw) {
        AcGeMatrix3d mirror;
        mirror(0, 0) = -1.0;
        draw->geometry().pushModelTransform(mirror);
        draw->geometry().circularArc(AcGePoint3d(0, 0, 0), 2.0, AcGeVector3d::kZAxis, AcGeVector3d::kXAxis,
                                     std::numbers::pi / 2);
        return true;
    };
    AcGiRecorder(recording, &database).draw(&probe);

    const AcGiPrimitive& arc = only();
    EXPECT_TRUE(arc.arcPoint(0.0).isEqualTo(AcGePoint3d(-2, 0, 0)));
    EXPECT_TRUE(arc.arcPoint(arc.sweepAngle).isEqualTo(AcGePoint3d(0, 2, 0)));
    EXPECT_LT(arc.normal.z, 0.0);
}

TEST_F(RecorderTest, XlinesAndRaysKeepTheirPoints)
{
    ProbeEntity probe;
    probe.setLayer(red);
    probe.onWorldDraw = [](AcGiWorldDraw* draw) {
        draw->geometry().xline(AcGePoint3d(0, 0, 0), AcGePoint3d(1, 1, 0));
        draw->geometry().ray(AcGePoint3d(2, 0, 0), AcGePoint3d(3, 0, 0));
        return true;
    };
    AcGiRecorder(recording, &database).draw(&probe);

    ASSERT_EQ(recording.primitives.size(), 2u);
    EXPECT_EQ(recording.primitives[0].kind, AcGiPrimitiveKind::kXline);
    EXPECT_EQ(recording.primitives[1].kind, AcGiPrimitiveKind::kRay);
    EXPECT_TRUE(recording.primitives[1].points[0].isEqualTo(AcGePoint3d(2, 0, 0)));
    EXPECT_TRUE(recording.primitives[1].points[1].isEqualTo(AcGePoint3d(3, 0, 0)));
}

TEST_F(RecorderTest, WorldDrawFalseCallsViewportDrawOncePerViewport)
{
    ProbeEntity probe;
    probe.onWorldDraw = [](AcGiWorldDraw*) { return false; };
    AcGiRecorder recorder(recording, &database);
    for (Adesk::ULongPtr id : {11u, 12u, 13u}) {
        AcGiViewportSpec viewport;
        viewport.id = id;
        recorder.beginViewport(viewport);
        recorder.draw(&probe);
    }

    EXPECT_EQ(probe.worldDrawCalls, 3);
    EXPECT_EQ(probe.viewportIds, (std::vector<Adesk::ULongPtr>{11, 12, 13}));
    EXPECT_EQ(recording.viewports.size(), 3u);
}

TEST_F(RecorderTest, WorldDrawTrueNeverCallsViewportDraw)
{
    ProbeEntity probe;
    drawsLine(probe);
    AcGiRecorder recorder(recording, &database);
    recorder.draw(&probe);
    recorder.draw(&probe);

    EXPECT_EQ(probe.worldDrawCalls, 2);
    EXPECT_TRUE(probe.viewportIds.empty());
}

TEST_F(RecorderTest, ViewportDrawGeometryLandsInTheViewportTransform)
{
    ProbeEntity probe;
    probe.setLayer(red);
    probe.onWorldDraw = [](AcGiWorldDraw*) { return false; };
    probe.onViewportDraw = [](AcGiViewportDraw* draw) {
        const AcGePoint3d points[] = {{0, 0, 0}, {1, 0, 0}};
        draw->geometry().polyline(2, points);
    };
    AcGiRecorder recorder(recording, &database);
    AcGiViewportSpec viewport;
    viewport.id = 4;
    viewport.modelToOutput = AcGeMatrix3d::translation(AcGeVector3d(100, 0, 0));
    recorder.beginViewport(viewport);
    recorder.draw(&probe);

    EXPECT_TRUE(only().points[0].isEqualTo(AcGePoint3d(100, 0, 0)));
    EXPECT_EQ(only().viewport, 0);
}

TEST_F(RecorderTest, ContextReportsPlotAndPostScriptAndTheDatabase)
{
    recording.plotGeneration = true;
    recording.psOut = false;
    bool plot = false;
    bool psOut = true;
    AcDbDatabase* seen = nullptr;
    ProbeEntity probe;
    probe.onWorldDraw = [&](AcGiWorldDraw* draw) {
        plot = draw->context()->isPlotGeneration();
        psOut = draw->context()->isPsOut();
        seen = draw->context()->database();
        return true;
    };
    AcGiRecorder(recording, &database).draw(&probe);

    EXPECT_TRUE(plot);
    EXPECT_FALSE(psOut);
    EXPECT_EQ(seen, &database);
}

TEST_F(RecorderTest, InvisibleEntitiesAreNotDrawn)
{
    ProbeEntity probe;
    drawsLine(probe);
    probe.setVisibility(AcDb::kInvisible);
    AcGiRecorder(recording, &database).draw(&probe);

    EXPECT_EQ(probe.worldDrawCalls, 0);
    EXPECT_TRUE(recording.primitives.empty());
}

TEST_F(RecorderTest, LayerStatesAreRecordedForVisibility)
{
    const AcDbObjectId hidden = addLayer(L"Hidden", 2, true);
    ProbeEntity probe;
    probe.setLayer(hidden);
    drawsLine(probe);
    AcGiRecorder(recording, &database).draw(&probe);

    ASSERT_EQ(recording.layers.count(hidden), 1u);
    EXPECT_EQ(recording.layers.at(hidden).name, L"Hidden");
    EXPECT_TRUE(recording.layers.at(hidden).off);
    EXPECT_FALSE(recording.isVisible(only()));
}
} // namespace
