// Grips, snap points, partial ellipses, transformations of the simple entities and the vertex
// iterator's walk.
#include "CurveTestSupport.h"
#include "dbelipse.h"
#include "dblead.h"
#include "dbpl.h"
#include "dbray.h"
#include "dbspline.h"

#include <numbers>

namespace {

constexpr double kPi = std::numbers::pi;

AcGePoint3dArray snapPoints(const AcDbEntity& entity, AcDb::OsnapMode mode)
{
    AcGePoint3dArray points;
    AcDbIntArray geomIds;
    EXPECT_EQ(entity.getOsnapPoints(mode, 0, AcGePoint3d::kOrigin, AcGePoint3d::kOrigin, AcGeMatrix3d::kIdentity,
                                    points, geomIds),
              Acad::eOk);
    return points;
}

TEST(CurveEditingTest, AnArcSnapsToTheQuadrantsItCrosses)
{
    AcDbArc arc(AcGePoint3d(1.0, 1.0, 0.0), 2.0, 0.25 * kPi, 1.25 * kPi);
    const AcGePoint3dArray quadrants = snapPoints(arc, AcDb::kOsModeQuad);
    ASSERT_EQ(quadrants.length(), 2);
    expectPoint(quadrants[0], 1.0, 3.0, 0.0);
    expectPoint(quadrants[1], -1.0, 1.0, 0.0);
    const AcGePoint3dArray middle = snapPoints(arc, AcDb::kOsModeMid);
    ASSERT_EQ(middle.length(), 1);
    expectPoint(middle[0], 1.0 - std::numbers::sqrt2, 1.0 + std::numbers::sqrt2, 0.0);
}

TEST(CurveEditingTest, PolylineGripsMoveTheirVertices)
{
    AcDbPolyline polyline;
    polyline.addVertexAt(0, AcGePoint2d(0.0, 0.0));
    polyline.addVertexAt(1, AcGePoint2d(5.0, 0.0));
    AcDbIntArray indices;
    indices.append(1);
    ASSERT_EQ(polyline.moveGripPointsAt(indices, AcGeVector3d(0.0, 2.0, 0.0)), Acad::eOk);
    AcGePoint2d point;
    polyline.getPointAt(1, point);
    EXPECT_DOUBLE_EQ(point.x, 5.0);
    EXPECT_DOUBLE_EQ(point.y, 2.0);
}

TEST(CurveEditingTest, AQuadrantGripSetsTheCircleRadius)
{
    AcDbCircle circle(AcGePoint3d::kOrigin, AcGeVector3d::kZAxis, 1.0);
    AcDbIntArray indices;
    indices.append(1);
    ASSERT_EQ(circle.moveGripPointsAt(indices, AcGeVector3d(2.0, 0.0, 0.0)), Acad::eOk);
    EXPECT_DOUBLE_EQ(circle.radius(), 3.0);
}

TEST(CurveEditingTest, APartialEllipseRunsBetweenItsAngles)
{
    AcDbEllipse ellipse(AcGePoint3d::kOrigin, AcGeVector3d::kZAxis, AcGeVector3d(2.0, 0.0, 0.0), 0.5, 0.0, 0.5 * kPi);
    EXPECT_FALSE(ellipse.isClosed());
    AcGePoint3d start;
    AcGePoint3d end;
    ASSERT_EQ(ellipse.getStartPoint(start), Acad::eOk);
    ASSERT_EQ(ellipse.getEndPoint(end), Acad::eOk);
    expectPoint(start, 2.0, 0.0, 0.0);
    expectPoint(end, 0.0, 1.0, 0.0);
    double area = 0.0;
    ASSERT_EQ(ellipse.getArea(area), Acad::eOk);
    // A quarter of the ellipse less the triangle under its chord.
    EXPECT_NEAR(area, 0.5 * kPi - 1.0, 1e-12);
}

TEST(CurveEditingTest, EllipseRefusesAMajorAxisOutOfItsPlane)
{
    AcDbEllipse ellipse;
    EXPECT_EQ(ellipse.set(AcGePoint3d::kOrigin, AcGeVector3d::kZAxis, AcGeVector3d(1.0, 0.0, 1.0), 0.5),
              Acad::eInvalidInput);
    EXPECT_EQ(ellipse.set(AcGePoint3d::kOrigin, AcGeVector3d::kZAxis, AcGeVector3d(1.0, 0.0, 0.0), 1.5),
              Acad::eInvalidInput);
    expectVector(ellipse.majorAxis(), 1.0, 0.0, 0.0);
}

TEST(CurveEditingTest, RotatingAPointTurnsItsSymbol)
{
    AcDbPoint point(AcGePoint3d(1.0, 0.0, 0.0));
    ASSERT_EQ(point.transformBy(AcGeMatrix3d::rotation(0.5 * kPi, AcGeVector3d::kZAxis)), Acad::eOk);
    expectPoint(point.position(), 0.0, 1.0, 0.0);
    EXPECT_NEAR(point.ecsRotation(), 0.5 * kPi, 1e-12);
}

TEST(CurveEditingTest, ScalingAnExtrudedLineScalesItsThickness)
{
    AcDbLine line(AcGePoint3d(1.0, 0.0, 0.0), AcGePoint3d(2.0, 0.0, 0.0));
    line.setThickness(1.5);
    ASSERT_EQ(line.transformBy(AcGeMatrix3d::scaling(2.0)), Acad::eOk);
    expectPoint(line.endPoint(), 4.0, 0.0, 0.0);
    EXPECT_DOUBLE_EQ(line.thickness(), 3.0);
    AcDbExtents extents;
    ASSERT_EQ(line.getGeomExtents(extents), Acad::eOk);
    expectPoint(extents.maxPoint(), 4.0, 0.0, 3.0);
}

TEST(CurveEditingTest, MovingASplineMovesItsFitData)
{
    AcGePoint3dArray fit;
    fit.append(AcGePoint3d(0.0, 0.0, 0.0));
    fit.append(AcGePoint3d(1.0, 1.0, 0.0));
    fit.append(AcGePoint3d(2.0, 0.0, 0.0));
    AcDbSpline spline(fit);
    ASSERT_EQ(spline.transformBy(AcGeMatrix3d::translation(AcGeVector3d(0.0, 0.0, 5.0))), Acad::eOk);
    AcGePoint3d point;
    ASSERT_EQ(spline.getFitPointAt(1, point), Acad::eOk);
    expectPoint(point, 1.0, 1.0, 5.0);
    ASSERT_EQ(spline.getControlPointAt(0, point), Acad::eOk);
    expectPoint(point, 0.0, 0.0, 5.0);
}

TEST(CurveEditingTest, ARayTurnsWithItsTransformation)
{
    AcDbRay ray;
    ray.setBasePoint(AcGePoint3d(1.0, 0.0, 0.0));
    ASSERT_EQ(ray.transformBy(AcGeMatrix3d::rotation(0.5 * kPi, AcGeVector3d::kZAxis)), Acad::eOk);
    expectPoint(ray.basePoint(), 0.0, 1.0, 0.0);
    expectVector(ray.unitDir(), 0.0, 1.0, 0.0);
}

TEST(CurveEditingTest, ALeaderArrowheadWidensItsExtents)
{
    AcDbLeader leader;
    leader.appendVertex(AcGePoint3d(0.0, 0.0, 0.0));
    leader.appendVertex(AcGePoint3d(10.0, 0.0, 0.0));
    leader.setDimasz(3.0);
    AcDbExtents extents;
    ASSERT_EQ(leader.getGeomExtents(extents), Acad::eOk);
    expectPoint(extents.minPoint(), 0.0, -0.5, 0.0);
    expectPoint(extents.maxPoint(), 10.0, 0.5, 0.0);
    leader.disableArrowHead();
    ASSERT_EQ(leader.getGeomExtents(extents), Acad::eOk);
    expectPoint(extents.minPoint(), 0.0, 0.0, 0.0);
}

TEST(CurveEditingTest, A2dPolylineLeavesItsSplineFrameOutOfItsOutline)
{
    AcGePoint3dArray points;
    points.append(AcGePoint3d(0.0, 0.0, 0.0));
    points.append(AcGePoint3d(4.0, 0.0, 0.0));
    points.append(AcGePoint3d(4.0, 3.0, 0.0));
    AcDb2dPolyline polyline(AcDb::k2dSimplePoly, points, 2.0, Adesk::kTrue);
    double area = 0.0;
    ASSERT_EQ(polyline.getArea(area), Acad::eOk);
    EXPECT_DOUBLE_EQ(area, 6.0);
    AcDbExtents extents;
    ASSERT_EQ(polyline.getGeomExtents(extents), Acad::eOk);
    expectPoint(extents.minPoint(), 0.0, 0.0, 2.0);
    expectPoint(extents.maxPoint(), 4.0, 3.0, 2.0);
    AcDbVoidPtrArray pieces;
    ASSERT_EQ(polyline.explode(pieces), Acad::eOk);
    EXPECT_EQ(pieces.length(), 3);
    for (void* piece : pieces)
        delete static_cast<AcDbEntity*>(piece);
}

TEST(CurveEditingTest, AnEmptyPolylineHasNoExtents)
{
    AcDbPolyline polyline;
    AcDb2dPolyline heavy;
    AcDbExtents extents;
    EXPECT_EQ(polyline.getGeomExtents(extents), Acad::eInvalidExtents);
    EXPECT_EQ(heavy.getGeomExtents(extents), Acad::eInvalidExtents);
}

TEST(CurveEditingTest, ReadingNoVerticesOntoAPolylineLeavesItEmpty)
{
    AcDbPolyline empty;
    MemoryDwgFiler filer;
    ASSERT_EQ(empty.dwgOutFields(&filer), Acad::eOk);
    filer.rewind();
    AcDbPolyline target;
    target.addVertexAt(0, AcGePoint2d(1.0, 1.0));
    ASSERT_EQ(target.dwgInFields(&filer), Acad::eOk);
    EXPECT_EQ(target.numVerts(), 0u);
}

TEST(CurveEditingTest, TheVertexIteratorWalksBothWays)
{
    AcGePoint3dArray points;
    for (int i = 0; i < 3; ++i)
        points.append(AcGePoint3d(i, 0.0, 0.0));
    AcDb3dPolyline polyline(AcDb::k3dSimplePoly, points);
    std::unique_ptr<AcDbObjectIterator> iterator(polyline.vertexIterator());
    iterator->start(true);
    ASSERT_FALSE(iterator->done());
    expectPoint(AcDb3dPolylineVertex::cast(iterator->entity())->position(), 2.0, 0.0, 0.0);
    iterator->step(true);
    expectPoint(AcDb3dPolylineVertex::cast(iterator->entity())->position(), 1.0, 0.0, 0.0);
    AcDbEntity* first = memoryVertices<AcDb3dPolylineVertex>(polyline)[0];
    iterator->setPosition(first);
    EXPECT_EQ(iterator->entity(), first);
    iterator->step(true);
    EXPECT_TRUE(iterator->done());
    EXPECT_EQ(iterator->entity(), nullptr);
}

} // namespace
