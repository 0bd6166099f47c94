// What the curve entities draw, what they list on the command line, and the leader's dimension
// variables beneath its overrides.
#include "CommandLine.h"
#include "CurveTestSupport.h"
#include "dbdimstyle.h"
#include "dblead.h"
#include "dbobjptr.h"
#include "dbpl.h"
#include "dbray.h"
#include "dbspline.h"
#include "dbxline.h"
#include "girecorder.h"

#include <numbers>
#include <string>

namespace {

constexpr double kPi = std::numbers::pi;

std::vector<AcGiPrimitive> drawn(AcDbEntity& entity)
{
    AcGiRecording recording;
    AcGiRecorder recorder(recording, nullptr);
    recorder.draw(&entity);
    return recording.primitives;
}

std::wstring listed(const AcDbEntity& entity)
{
    cadhost::clearCommandLine();
    entity.list();
    return cadhost::takeCommandLineText();
}

TEST(CurveDrawTest, AnArcDrawsOneArcPrimitive)
{
    AcDbArc arc(AcGePoint3d(1.0, 2.0, 0.0), 3.0, 0.5 * kPi, kPi);
    const std::vector<AcGiPrimitive> primitives = drawn(arc);
    ASSERT_EQ(primitives.size(), 1u);
    EXPECT_EQ(primitives[0].kind, AcGiPrimitiveKind::kArc);
    expectPoint(primitives[0].center, 1.0, 2.0, 0.0);
    EXPECT_DOUBLE_EQ(primitives[0].radius, 3.0);
    expectVector(primitives[0].startVector, 0.0, 1.0, 0.0);
    EXPECT_NEAR(primitives[0].sweepAngle, 0.5 * kPi, 1e-12);
}

TEST(CurveDrawTest, ASolidIsAFilledPolygonThroughItsCornersInDrawingOrder)
{
    AcDbSolid solid(AcGePoint3d(0.0, 0.0, 0.0), AcGePoint3d(4.0, 0.0, 0.0), AcGePoint3d(0.0, 3.0, 0.0),
                    AcGePoint3d(4.0, 3.0, 0.0));
    const std::vector<AcGiPrimitive> primitives = drawn(solid);
    ASSERT_EQ(primitives.size(), 1u);
    EXPECT_EQ(primitives[0].kind, AcGiPrimitiveKind::kPolygon);
    EXPECT_EQ(primitives[0].fillType, kAcGiFillAlways);
    ASSERT_EQ(primitives[0].points.size(), 4u);
    expectPoint(primitives[0].points[2], 4.0, 3.0, 0.0);
    expectPoint(primitives[0].points[3], 0.0, 3.0, 0.0);
}

TEST(CurveDrawTest, ABulgedPolylineDrawsLinesAndArcs)
{
    AcDbPolyline polyline;
    polyline.addVertexAt(0, AcGePoint2d(0.0, 0.0));
    polyline.addVertexAt(1, AcGePoint2d(10.0, 0.0), 1.0);
    polyline.addVertexAt(2, AcGePoint2d(10.0, 10.0));
    polyline.addVertexAt(3, AcGePoint2d(0.0, 10.0));
    const std::vector<AcGiPrimitive> primitives = drawn(polyline);
    ASSERT_EQ(primitives.size(), 3u);
    EXPECT_EQ(primitives[0].kind, AcGiPrimitiveKind::kPolyline);
    EXPECT_EQ(primitives[1].kind, AcGiPrimitiveKind::kArc);
    expectPoint(primitives[1].center, 10.0, 5.0, 0.0);
    EXPECT_NEAR(primitives[1].sweepAngle, kPi, 1e-12);
    EXPECT_EQ(primitives[2].kind, AcGiPrimitiveKind::kPolyline);
    expectPoint(primitives[2].points.back(), 0.0, 10.0, 0.0);
}

TEST(CurveDrawTest, UnboundedLinesAndPoints)
{
    AcDbRay ray;
    ray.setBasePoint(AcGePoint3d(1.0, 1.0, 0.0));
    AcDbXline xline;
    AcDbPoint point(AcGePoint3d(2.0, 3.0, 0.0));
    EXPECT_EQ(drawn(ray).at(0).kind, AcGiPrimitiveKind::kRay);
    EXPECT_EQ(drawn(xline).at(0).kind, AcGiPrimitiveKind::kXline);
    const std::vector<AcGiPrimitive> dot = drawn(point);
    ASSERT_EQ(dot.size(), 1u);
    ASSERT_EQ(dot[0].points.size(), 2u);
    expectPoint(dot[0].points[0], 2.0, 3.0, 0.0);
    expectPoint(dot[0].points[1], 2.0, 3.0, 0.0);
}

TEST(CurveDrawTest, ASplineIsDrawnThroughItsEnds)
{
    AcGePoint3dArray fit;
    fit.append(AcGePoint3d(0.0, 0.0, 0.0));
    fit.append(AcGePoint3d(2.0, 2.0, 0.0));
    fit.append(AcGePoint3d(4.0, 0.0, 0.0));
    AcDbSpline spline(fit);
    const std::vector<AcGiPrimitive> primitives = drawn(spline);
    ASSERT_EQ(primitives.size(), 1u);
    EXPECT_GT(primitives[0].points.size(), 8u);
    expectPoint(primitives[0].points.front(), 0.0, 0.0, 0.0);
    expectPoint(primitives[0].points.back(), 4.0, 0.0, 0.0);
}

TEST(CurveListTest, ALineListsItsTypeLayerHandleAndGeometry)
{
    AcDbDatabase database;
    AcDbBlockTableRecordPointer space(database.modelSpaceId(), AcDb::kForWrite);
    auto* line = new AcDbLine(AcGePoint3d(1.0, 2.0, 0.0), AcGePoint3d(4.0, 6.0, 0.0));
    ASSERT_EQ(space->appendAcDbEntity(line), Acad::eOk);
    ACHAR handle[32];
    line->getAcDbHandle().getIntoAsciiBuffer(handle, 32);
    const std::wstring text = listed(*line);
    line->close();
    EXPECT_NE(text.find(L"LINE  Layer: \"0\""), std::wstring::npos) << text;
    EXPECT_NE(text.find(std::wstring(L"Handle = ") + handle), std::wstring::npos) << text;
    EXPECT_NE(text.find(L"from point, X=    1.0000  Y=    2.0000  Z=    0.0000"), std::wstring::npos) << text;
    EXPECT_NE(text.find(L"Length =     5.0000"), std::wstring::npos) << text;
}

TEST(CurveListTest, APolylineListsEveryVertex)
{
    AcDbPolyline polyline;
    polyline.addVertexAt(0, AcGePoint2d(0.0, 0.0));
    polyline.addVertexAt(1, AcGePoint2d(3.0, 4.0), 0.5);
    const std::wstring text = listed(polyline);
    EXPECT_NE(text.find(L"LWPOLYLINE"), std::wstring::npos) << text;
    EXPECT_NE(text.find(L"at point X=    3.0000  Y=    4.0000"), std::wstring::npos) << text;
    EXPECT_NE(text.find(L"bulge     0.5000"), std::wstring::npos) << text;
}

TEST(LeaderTest, WithoutADatabaseTheStandardValuesApply)
{
    AcDbLeader leader;
    EXPECT_DOUBLE_EQ(leader.dimasz(), 0.18);
    EXPECT_DOUBLE_EQ(leader.dimscale(), 1.0);
    EXPECT_EQ(leader.dimclrd().colorIndex(), 0);
    EXPECT_EQ(leader.dimlwd(), AcDb::kLnWtByBlock);
    EXPECT_TRUE(leader.hasArrowHead());
}

TEST(LeaderTest, OverridesSitOnTopOfTheDimensionStyle)
{
    AcDbDatabase database;
    AcDbObjectId styleId;
    {
        AcDbObjectPointer<AcDbDimStyleTable> table(database.dimStyleTableId(), AcDb::kForWrite);
        auto* style = new AcDbDimStyleTableRecord();
        style->setName(L"Large");
        style->setDimasz(2.5);
        style->setDimgap(0.75);
        ASSERT_EQ(table->add(styleId, style), Acad::eOk);
        style->close();
    }
    auto* leader = new AcDbLeader();
    leader->setDimensionStyle(styleId);
    leader->setDimgap(0.125);
    AcDbBlockTableRecordPointer space(database.modelSpaceId(), AcDb::kForWrite);
    ASSERT_EQ(space->appendAcDbEntity(leader), Acad::eOk);
    EXPECT_DOUBLE_EQ(leader->dimasz(), 2.5);
    EXPECT_DOUBLE_EQ(leader->dimgap(), 0.125);
    EXPECT_EQ(leader->dimensionStyle(), styleId);
    leader->setDimasz(4.0);
    EXPECT_DOUBLE_EQ(leader->dimasz(), 4.0);
    leader->close();
}

TEST(LeaderTest, ExplodingGivesItsSegmentsAndTheArrowhead)
{
    AcDbLeader leader;
    leader.appendVertex(AcGePoint3d(0.0, 0.0, 0.0));
    leader.appendVertex(AcGePoint3d(6.0, 0.0, 0.0));
    leader.appendVertex(AcGePoint3d(6.0, 4.0, 0.0));
    leader.setDimasz(0.6);
    AcDbVoidPtrArray pieces;
    ASSERT_EQ(leader.explode(pieces), Acad::eOk);
    ASSERT_EQ(pieces.length(), 3);
    std::vector<std::unique_ptr<AcDbEntity>> owned;
    for (void* piece : pieces)
        owned.emplace_back(static_cast<AcDbEntity*>(piece));
    ASSERT_NE(AcDbLine::cast(owned[0].get()), nullptr);
    ASSERT_NE(AcDbLine::cast(owned[1].get()), nullptr);
    const AcDbSolid* arrow = AcDbSolid::cast(owned[2].get());
    ASSERT_NE(arrow, nullptr);
    AcGePoint3d corner;
    arrow->getPointAt(1, corner);
    expectPoint(corner, 0.6, 0.1, 0.0);
}

} // namespace
