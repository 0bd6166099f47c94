// Extents, areas, transformations and explosion of the curve entities.
#include "CurveTestSupport.h"
#include "dbelipse.h"
#include "dbpl.h"
#include "dbray.h"
#include "dbspline.h"
#include "dbxline.h"

#include <cmath>
#include <numbers>

namespace {

constexpr double kPi = std::numbers::pi;

AcGeMatrix3d mirrorX()
{
    AcGeMatrix3d mirror;
    mirror(0, 0) = -1.0;
    return mirror;
}

AcGeMatrix3d stretchX(double factor)
{
    AcGeMatrix3d stretch;
    stretch(0, 0) = factor;
    return stretch;
}

struct ArcExtentsCase {
    const char* name;
    AcGeVector3d normal;
    double startDegrees;
    double endDegrees;
    double radius;
    double thickness;
    AcGePoint3d center;
    AcGePoint3d min;
    AcGePoint3d max;
};

class ArcExtentsTest : public ::testing::TestWithParam<ArcExtentsCase> {};

TEST_P(ArcExtentsTest, ExtentsHoldTheEndsAndTheQuadrantsCrossed)
{
    const ArcExtentsCase& c = GetParam();
    AcDbArc arc(c.center, c.normal, c.radius, c.startDegrees * kPi / 180.0, c.endDegrees * kPi / 180.0);
    arc.setThickness(c.thickness);
    AcDbExtents extents;
    ASSERT_EQ(arc.getGeomExtents(extents), Acad::eOk);
    expectPoint(extents.minPoint(), c.min.x, c.min.y, c.min.z);
    expectPoint(extents.maxPoint(), c.max.x, c.max.y, c.max.z);
}

INSTANTIATE_TEST_SUITE_P(Arcs, ArcExtentsTest,
                         ::testing::Values(ArcExtentsCase{"SpanningTheTopQuadrant",
                                                          AcGeVector3d::kZAxis,
                                                          30.0,
                                                          120.0,
                                                          3.0,
                                                          0.0,
                                                          {1.0, 2.0, 0.0},
                                                          {-0.5, 3.5, 0.0},
                                                          {1.0 + 1.5 * std::numbers::sqrt3, 5.0, 0.0}},
                                           ArcExtentsCase{"CrossingZeroDegrees",
                                                          AcGeVector3d::kZAxis,
                                                          300.0,
                                                          60.0,
                                                          2.0,
                                                          0.0,
                                                          {0.0, 0.0, 0.0},
                                                          {1.0, -std::numbers::sqrt3, 0.0},
                                                          {2.0, std::numbers::sqrt3, 0.0}},
                                           ArcExtentsCase{"WithThickness",
                                                          AcGeVector3d::kZAxis,
                                                          0.0,
                                                          90.0,
                                                          1.0,
                                                          1.0,
                                                          {0.0, 0.0, 0.0},
                                                          {0.0, 0.0, 0.0},
                                                          {1.0, 1.0, 1.0}},
                                           ArcExtentsCase{"AgainstTheZAxis",
                                                          AcGeVector3d(0.0, 0.0, -1.0),
                                                          0.0,
                                                          90.0,
                                                          1.0,
                                                          0.0,
                                                          {0.0, 0.0, 0.0},
                                                          {-1.0, 0.0, 0.0},
                                                          {0.0, 1.0, 0.0}}),
                         [](const ::testing::TestParamInfo<ArcExtentsCase>& info) { return info.param.name; });

TEST(CurveGeometryTest, CircleExtentsAcrossItsPlane)
{
    AcDbCircle circle(AcGePoint3d(0.0, 0.0, 0.0), AcGeVector3d::kXAxis, 2.0);
    AcDbExtents extents;
    ASSERT_EQ(circle.getGeomExtents(extents), Acad::eOk);
    expectPoint(extents.minPoint(), 0.0, -2.0, -2.0);
    expectPoint(extents.maxPoint(), 0.0, 2.0, 2.0);
}

TEST(CurveGeometryTest, RotatedEllipseExtents)
{
    AcDbEllipse ellipse(AcGePoint3d::kOrigin, AcGeVector3d::kZAxis, AcGeVector3d(3.0, 4.0, 0.0), 0.4);
    AcDbExtents extents;
    ASSERT_EQ(ellipse.getGeomExtents(extents), Acad::eOk);
    expectPoint(extents.minPoint(), -3.4, -std::sqrt(17.44), 0.0);
    expectPoint(extents.maxPoint(), 3.4, std::sqrt(17.44), 0.0);
}

TEST(CurveGeometryTest, UnboundedLinesHaveNoExtents)
{
    AcDbRay ray;
    AcDbXline xline;
    AcDbExtents extents;
    EXPECT_EQ(ray.getGeomExtents(extents), Acad::eInvalidExtents);
    EXPECT_EQ(xline.getGeomExtents(extents), Acad::eInvalidExtents);
}

TEST(CurveGeometryTest, LinearSplineExtentsFollowItsControlPoints)
{
    AcGePoint3dArray points;
    points.append(AcGePoint3d(0.0, 0.0, 0.0));
    points.append(AcGePoint3d(2.0, 3.0, 0.0));
    points.append(AcGePoint3d(4.0, -1.0, 0.0));
    AcGeDoubleArray knots;
    for (const double knot : {0.0, 0.0, 0.5, 1.0, 1.0})
        knots.append(knot);
    AcDbSpline spline(1, Adesk::kFalse, Adesk::kFalse, Adesk::kFalse, points, knots, AcGeDoubleArray());
    AcDbExtents extents;
    ASSERT_EQ(spline.getGeomExtents(extents), Acad::eOk);
    expectPoint(extents.minPoint(), 0.0, -1.0, 0.0);
    expectPoint(extents.maxPoint(), 4.0, 3.0, 0.0);
}

TEST(CurveGeometryTest, SplineFromFitPointsPassesThroughThem)
{
    AcGePoint3dArray fit;
    fit.append(AcGePoint3d(0.0, 0.0, 0.0));
    fit.append(AcGePoint3d(1.0, 2.0, 0.0));
    fit.append(AcGePoint3d(3.0, 3.0, 0.0));
    fit.append(AcGePoint3d(5.0, 1.0, 0.0));
    AcDbSpline spline(fit);
    // Chord-length parameters: the chords are sqrt(5), sqrt(5) and sqrt(8).
    const double total = 2.0 * std::sqrt(5.0) + std::sqrt(8.0);
    const double params[] = {0.0, std::sqrt(5.0) / total, 2.0 * std::sqrt(5.0) / total, 1.0};
    for (int i = 0; i < 4; ++i) {
        AcGePoint3d point;
        ASSERT_EQ(spline.getPointAtParam(params[i], point), Acad::eOk);
        expectPoint(point, fit[i].x, fit[i].y, fit[i].z);
    }
}

TEST(CurveGeometryTest, SplineEndTangentsSetTheDirectionsAtTheEnds)
{
    AcGePoint3dArray fit;
    fit.append(AcGePoint3d(0.0, 0.0, 0.0));
    fit.append(AcGePoint3d(4.0, 0.0, 0.0));
    AcDbSpline spline(fit, AcGeVector3d(0.0, 1.0, 0.0), AcGeVector3d(0.0, -1.0, 0.0));
    ASSERT_EQ(spline.numControlPoints(), 4);
    AcGePoint3d first;
    AcGePoint3d second;
    AcGePoint3d third;
    spline.getControlPointAt(0, first);
    spline.getControlPointAt(1, second);
    spline.getControlPointAt(2, third);
    EXPECT_NEAR(second.x, 0.0, 1e-9);
    EXPECT_GT(second.y, 0.0);
    EXPECT_NEAR(third.x, 4.0, 1e-9);
    EXPECT_GT(third.y, 0.0);
}

TEST(CurveGeometryTest, SetNurbsDataRefusesInconsistentDefinitions)
{
    AcGePoint3dArray points;
    points.append(AcGePoint3d(0.0, 0.0, 0.0));
    points.append(AcGePoint3d(1.0, 0.0, 0.0));
    AcGeDoubleArray knots;
    for (const double knot : {0.0, 0.0, 1.0})
        knots.append(knot);
    AcDbSpline spline;
    EXPECT_EQ(spline.setNurbsData(1, Adesk::kFalse, Adesk::kFalse, Adesk::kFalse, points, knots, AcGeDoubleArray()),
              Acad::eInvalidInput);
    knots.append(1.0);
    EXPECT_EQ(spline.setNurbsData(0, Adesk::kFalse, Adesk::kFalse, Adesk::kFalse, points, knots, AcGeDoubleArray()),
              Acad::eInvalidInput);
    EXPECT_EQ(spline.setNurbsData(1, Adesk::kTrue, Adesk::kFalse, Adesk::kFalse, points, knots, AcGeDoubleArray()),
              Acad::eInvalidInput);
    EXPECT_EQ(spline.setNurbsData(1, Adesk::kFalse, Adesk::kFalse, Adesk::kFalse, points, knots, AcGeDoubleArray()),
              Acad::eOk);
    EXPECT_TRUE(spline.isNull() == Adesk::kFalse);
}

struct AreaCase {
    const char* name;
    double bulge;
    bool closed;
    double area;
};

class PolylineAreaTest : public ::testing::TestWithParam<AreaCase> {};

TEST_P(PolylineAreaTest, ShoelaceWithArcSegments)
{
    // A 10 x 10 square, counter-clockwise, whose right edge carries the bulge.
    AcDbPolyline polyline;
    polyline.addVertexAt(0, AcGePoint2d(0.0, 0.0));
    polyline.addVertexAt(1, AcGePoint2d(10.0, 0.0), GetParam().bulge);
    polyline.addVertexAt(2, AcGePoint2d(10.0, 10.0));
    polyline.addVertexAt(3, AcGePoint2d(0.0, 10.0));
    polyline.setClosed(GetParam().closed ? Adesk::kTrue : Adesk::kFalse);
    double area = 0.0;
    ASSERT_EQ(polyline.getArea(area), Acad::eOk);
    EXPECT_NEAR(area, GetParam().area, 1e-9);
}

INSTANTIATE_TEST_SUITE_P(Bulges, PolylineAreaTest,
                         ::testing::Values(AreaCase{"Straight", 0.0, true, 100.0},
                                           AreaCase{"HalfCircleOutwards", 1.0, true, 100.0 + 12.5 * kPi},
                                           AreaCase{"HalfCircleInwards", -1.0, true, 100.0 - 12.5 * kPi},
                                           AreaCase{"OpenIsClosedByItsChord", 1.0, false, 100.0 + 12.5 * kPi}),
                         [](const ::testing::TestParamInfo<AreaCase>& info) { return info.param.name; });

TEST(CurveGeometryTest, AreasOfClosedCurvesAndArcSegments)
{
    double area = 0.0;
    AcDbCircle circle(AcGePoint3d::kOrigin, AcGeVector3d::kZAxis, 2.0);
    ASSERT_EQ(circle.getArea(area), Acad::eOk);
    EXPECT_NEAR(area, 4.0 * kPi, 1e-12);
    AcDbArc half(AcGePoint3d::kOrigin, 2.0, 0.0, kPi);
    ASSERT_EQ(half.getArea(area), Acad::eOk);
    EXPECT_NEAR(area, 2.0 * kPi, 1e-12);
    AcDbEllipse ellipse(AcGePoint3d::kOrigin, AcGeVector3d::kZAxis, AcGeVector3d(3.0, 4.0, 0.0), 0.4);
    ASSERT_EQ(ellipse.getArea(area), Acad::eOk);
    EXPECT_NEAR(area, 10.0 * kPi, 1e-12);
}

TEST(CurveGeometryTest, MirroringALightweightPolylineNegatesItsBulges)
{
    AcDbPolyline polyline;
    polyline.addVertexAt(0, AcGePoint2d(0.0, 0.0), 0.5);
    polyline.addVertexAt(1, AcGePoint2d(10.0, 0.0), -1.0);
    polyline.addVertexAt(2, AcGePoint2d(10.0, 10.0));
    ASSERT_EQ(polyline.transformBy(mirrorX()), Acad::eOk);
    const double expectedX[] = {0.0, -10.0, -10.0};
    const double expectedY[] = {0.0, 0.0, 10.0};
    const double expectedBulge[] = {-0.5, 1.0, 0.0};
    for (unsigned int i = 0; i < 3; ++i) {
        AcGePoint2d point;
        double bulge = 0.0;
        polyline.getPointAt(i, point);
        polyline.getBulgeAt(i, bulge);
        EXPECT_NEAR(point.x, expectedX[i], 1e-9);
        EXPECT_NEAR(point.y, expectedY[i], 1e-9);
        EXPECT_DOUBLE_EQ(bulge, expectedBulge[i]);
    }
    expectVector(polyline.normal(), 0.0, 0.0, 1.0);
}

TEST(CurveGeometryTest, MirroringA2dPolylineNegatesItsVertexBulges)
{
    AcGePoint3dArray points;
    points.append(AcGePoint3d(0.0, 0.0, 0.0));
    points.append(AcGePoint3d(10.0, 0.0, 0.0));
    AcGeDoubleArray bulges;
    bulges.append(0.5);
    bulges.append(0.0);
    AcDb2dPolyline polyline(AcDb::k2dSimplePoly, points, 0.0, Adesk::kFalse, 0.0, 0.0, &bulges);
    ASSERT_EQ(polyline.transformBy(mirrorX()), Acad::eOk);
    const std::vector<AcDb2dVertex*> vertices = memoryVertices<AcDb2dVertex>(polyline);
    ASSERT_EQ(vertices.size(), 2u);
    expectPoint(vertices[1]->position(), -10.0, 0.0, 0.0);
    EXPECT_DOUBLE_EQ(vertices[0]->bulge(), -0.5);
}

TEST(CurveGeometryTest, MirroringAnArcSwapsItsEnds)
{
    AcDbArc arc(AcGePoint3d::kOrigin, 1.0, 0.0, 0.5 * kPi);
    ASSERT_EQ(arc.transformBy(mirrorX()), Acad::eOk);
    EXPECT_NEAR(arc.startAngle(), 0.5 * kPi, 1e-12);
    EXPECT_NEAR(arc.endAngle(), kPi, 1e-12);
    expectVector(arc.normal(), 0.0, 0.0, 1.0);
}

TEST(CurveGeometryTest, ArcsRefuseToBecomeEllipses)
{
    AcDbPolyline bulged;
    bulged.addVertexAt(0, AcGePoint2d(0.0, 0.0), 1.0);
    bulged.addVertexAt(1, AcGePoint2d(1.0, 0.0));
    EXPECT_EQ(bulged.transformBy(stretchX(2.0)), Acad::eCannotScaleNonUniformly);
    AcDbCircle circle(AcGePoint3d::kOrigin, AcGeVector3d::kZAxis, 1.0);
    EXPECT_EQ(circle.transformBy(stretchX(2.0)), Acad::eCannotScaleNonUniformly);

    AcDbPolyline straight;
    straight.addVertexAt(0, AcGePoint2d(1.0, 1.0));
    ASSERT_EQ(straight.transformBy(stretchX(2.0)), Acad::eOk);
    AcGePoint2d point;
    straight.getPointAt(0, point);
    EXPECT_DOUBLE_EQ(point.x, 2.0);
}

TEST(CurveGeometryTest, StretchingACircularEllipseMakesAnEllipse)
{
    AcDbEllipse ellipse(AcGePoint3d(1.0, 0.0, 0.0), AcGeVector3d::kZAxis, AcGeVector3d(1.0, 0.0, 0.0), 1.0);
    ASSERT_EQ(ellipse.transformBy(stretchX(2.0)), Acad::eOk);
    expectPoint(ellipse.center(), 2.0, 0.0, 0.0);
    expectVector(ellipse.majorAxis(), 2.0, 0.0, 0.0);
    EXPECT_NEAR(ellipse.radiusRatio(), 0.5, 1e-12);
    EXPECT_TRUE(ellipse.isClosed());
}

TEST(CurveGeometryTest, ExplodingABulgedPolylineGivesALineAndAnArc)
{
    AcDbPolyline polyline;
    polyline.addVertexAt(0, AcGePoint2d(0.0, 0.0));
    polyline.addVertexAt(1, AcGePoint2d(10.0, 0.0), 1.0);
    polyline.addVertexAt(2, AcGePoint2d(10.0, 10.0));
    polyline.setColorIndex(2);
    AcDbVoidPtrArray pieces;
    ASSERT_EQ(polyline.explode(pieces), Acad::eOk);
    ASSERT_EQ(pieces.length(), 2);
    std::unique_ptr<AcDbEntity> first(static_cast<AcDbEntity*>(pieces[0]));
    std::unique_ptr<AcDbEntity> second(static_cast<AcDbEntity*>(pieces[1]));
    const AcDbLine* line = AcDbLine::cast(first.get());
    const AcDbArc* arc = AcDbArc::cast(second.get());
    ASSERT_NE(line, nullptr);
    ASSERT_NE(arc, nullptr);
    expectPoint(line->startPoint(), 0.0, 0.0, 0.0);
    expectPoint(line->endPoint(), 10.0, 0.0, 0.0);
    expectPoint(arc->center(), 10.0, 5.0, 0.0);
    EXPECT_NEAR(arc->radius(), 5.0, 1e-12);
    EXPECT_NEAR(arc->startAngle(), 1.5 * kPi, 1e-12);
    EXPECT_NEAR(arc->endAngle(), 0.5 * kPi, 1e-12);
    EXPECT_EQ(line->colorIndex(), 2);
    EXPECT_EQ(arc->colorIndex(), 2);
}

TEST(CurveGeometryTest, ExplodingAClosed3dPolylineGivesItsSegments)
{
    AcGePoint3dArray points;
    points.append(AcGePoint3d(0.0, 0.0, 0.0));
    points.append(AcGePoint3d(1.0, 0.0, 1.0));
    points.append(AcGePoint3d(1.0, 1.0, 2.0));
    AcDb3dPolyline polyline(AcDb::k3dSimplePoly, points, Adesk::kTrue);
    AcDbVoidPtrArray pieces;
    ASSERT_EQ(polyline.explode(pieces), Acad::eOk);
    ASSERT_EQ(pieces.length(), 3);
    std::vector<std::unique_ptr<AcDbLine>> lines;
    for (void* piece : pieces)
        lines.emplace_back(AcDbLine::cast(static_cast<AcDbEntity*>(piece)));
    expectPoint(lines[2]->startPoint(), 1.0, 1.0, 2.0);
    expectPoint(lines[2]->endPoint(), 0.0, 0.0, 0.0);
}

TEST(CurveGeometryTest, PolylinePointsAlongItsSegments)
{
    AcDbPolyline polyline;
    polyline.addVertexAt(0, AcGePoint2d(0.0, 0.0));
    polyline.addVertexAt(1, AcGePoint2d(10.0, 0.0), -1.0);
    polyline.addVertexAt(2, AcGePoint2d(20.0, 0.0));
    double end = 0.0;
    ASSERT_EQ(polyline.getEndParam(end), Acad::eOk);
    EXPECT_DOUBLE_EQ(end, 2.0);
    AcGePoint3d point;
    ASSERT_EQ(polyline.getPointAtParam(0.5, point), Acad::eOk);
    expectPoint(point, 5.0, 0.0, 0.0);
    // A negative bulge turns clockwise: the half circle from (10,0) to (20,0) passes above.
    ASSERT_EQ(polyline.getPointAtParam(1.5, point), Acad::eOk);
    expectPoint(point, 15.0, 5.0, 0.0);
    EXPECT_EQ(polyline.getPointAtParam(2.5, point), Acad::eInvalidInput);
}

TEST(CurveGeometryTest, ResetKeepsOrRemovesVertices)
{
    AcDbPolyline polyline;
    for (unsigned int i = 0; i < 4; ++i)
        polyline.addVertexAt(i, AcGePoint2d(i, 0.0));
    polyline.reset(Adesk::kTrue, 2);
    EXPECT_EQ(polyline.numVerts(), 2u);
    polyline.reset(Adesk::kFalse, 0);
    EXPECT_EQ(polyline.numVerts(), 0u);
    EXPECT_EQ(polyline.addVertexAt(1, AcGePoint2d(0.0, 0.0)), Acad::eInvalidIndex);
}

} // namespace
