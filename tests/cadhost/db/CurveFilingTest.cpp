// Every curve and simple entity files all of its fields out and in again, refuses a cut stream and
// refuses counts that no stream could hold.
#include "CurveTestSupport.h"
#include "dbelipse.h"
#include "dblead.h"
#include "dbpl.h"
#include "dbray.h"
#include "dbspline.h"
#include "dbxline.h"

#include <functional>
#include <limits>
#include <numbers>
#include <string>

namespace {

struct FilingCase {
    std::string name;
    std::function<AcDbEntity*()> make;
    std::function<void(const AcDbEntity&)> check;
};

AcDbEntity* makePoint()
{
    auto* point = new AcDbPoint(AcGePoint3d(1.0, 2.0, 3.0));
    point->setThickness(0.5);
    point->setNormal(AcGeVector3d(0.0, 2.0, 0.0));
    point->setEcsRotation(0.25);
    return point;
}

void checkPoint(const AcDbEntity& entity)
{
    const auto& point = *AcDbPoint::cast(&entity);
    expectPoint(point.position(), 1.0, 2.0, 3.0);
    EXPECT_DOUBLE_EQ(point.thickness(), 0.5);
    expectVector(point.normal(), 0.0, 1.0, 0.0);
    EXPECT_DOUBLE_EQ(point.ecsRotation(), 0.25);
}

AcDbEntity* makeLine()
{
    auto* line = new AcDbLine(AcGePoint3d(1.0, 2.0, 3.0), AcGePoint3d(4.0, 6.0, 3.0));
    line->setThickness(2.0);
    line->setNormal(AcGeVector3d(0.0, 0.0, -1.0));
    line->setColorIndex(5);
    return line;
}

void checkLine(const AcDbEntity& entity)
{
    const auto& line = *AcDbLine::cast(&entity);
    expectPoint(line.startPoint(), 1.0, 2.0, 3.0);
    expectPoint(line.endPoint(), 4.0, 6.0, 3.0);
    EXPECT_DOUBLE_EQ(line.thickness(), 2.0);
    expectVector(line.normal(), 0.0, 0.0, -1.0);
    EXPECT_EQ(line.colorIndex(), 5);
}

AcDbEntity* makeArc()
{
    auto* arc = new AcDbArc(AcGePoint3d(5.0, 5.0, 0.0), AcGeVector3d(1.0, 0.0, 0.0), 2.5, 0.5, 2.0);
    arc->setThickness(1.0);
    return arc;
}

void checkArc(const AcDbEntity& entity)
{
    const auto& arc = *AcDbArc::cast(&entity);
    expectPoint(arc.center(), 5.0, 5.0, 0.0);
    EXPECT_DOUBLE_EQ(arc.radius(), 2.5);
    EXPECT_DOUBLE_EQ(arc.startAngle(), 0.5);
    EXPECT_DOUBLE_EQ(arc.endAngle(), 2.0);
    EXPECT_DOUBLE_EQ(arc.thickness(), 1.0);
    expectVector(arc.normal(), 1.0, 0.0, 0.0);
}

AcDbEntity* makeCircle()
{
    auto* circle = new AcDbCircle(AcGePoint3d(-1.0, -2.0, -3.0), AcGeVector3d(0.0, 1.0, 0.0), 4.0);
    circle->setThickness(0.25);
    return circle;
}

void checkCircle(const AcDbEntity& entity)
{
    const auto& circle = *AcDbCircle::cast(&entity);
    expectPoint(circle.center(), -1.0, -2.0, -3.0);
    EXPECT_DOUBLE_EQ(circle.radius(), 4.0);
    EXPECT_DOUBLE_EQ(circle.thickness(), 0.25);
    expectVector(circle.normal(), 0.0, 1.0, 0.0);
}

AcDbEntity* makeEllipse()
{
    return new AcDbEllipse(AcGePoint3d(1.0, 1.0, 0.0), AcGeVector3d::kZAxis, AcGeVector3d(4.0, 0.0, 0.0), 0.5, 0.3,
                           2.8);
}

void checkEllipse(const AcDbEntity& entity)
{
    AcGePoint3d center;
    AcGeVector3d normal;
    AcGeVector3d majorAxis;
    double ratio = 0.0;
    double start = 0.0;
    double end = 0.0;
    ASSERT_EQ(AcDbEllipse::cast(&entity)->get(center, normal, majorAxis, ratio, start, end), Acad::eOk);
    expectPoint(center, 1.0, 1.0, 0.0);
    expectVector(normal, 0.0, 0.0, 1.0);
    expectVector(majorAxis, 4.0, 0.0, 0.0);
    EXPECT_DOUBLE_EQ(ratio, 0.5);
    EXPECT_DOUBLE_EQ(start, 0.3);
    EXPECT_DOUBLE_EQ(end, 2.8);
}

AcGePoint3dArray pointsOf(std::initializer_list<AcGePoint3d> points)
{
    AcGePoint3dArray array;
    for (const AcGePoint3d& point : points)
        array.append(point);
    return array;
}

AcGeDoubleArray valuesOf(std::initializer_list<double> values)
{
    AcGeDoubleArray array;
    for (const double value : values)
        array.append(value);
    return array;
}

AcDbEntity* makeRationalSpline()
{
    return new AcDbSpline(3, Adesk::kTrue, Adesk::kFalse, Adesk::kFalse,
                          pointsOf({{0.0, 0.0, 0.0}, {1.0, 2.0, 0.0}, {3.0, 2.0, 1.0}, {4.0, 0.0, 0.0}}),
                          valuesOf({0.0, 0.0, 0.0, 0.0, 1.0, 1.0, 1.0, 1.0}), valuesOf({1.0, 2.0, 2.0, 1.0}), 1e-10,
                          1e-11);
}

void checkRationalSpline(const AcDbEntity& entity)
{
    int degree = 0;
    Adesk::Boolean rational = Adesk::kFalse;
    Adesk::Boolean closed = Adesk::kTrue;
    Adesk::Boolean periodic = Adesk::kTrue;
    AcGePoint3dArray controlPoints;
    AcGeDoubleArray knots;
    AcGeDoubleArray weights;
    double controlTolerance = 0.0;
    double knotTolerance = 0.0;
    const auto& spline = *AcDbSpline::cast(&entity);
    ASSERT_EQ(spline.getNurbsData(degree, rational, closed, periodic, controlPoints, knots, weights, controlTolerance,
                                  knotTolerance),
              Acad::eOk);
    EXPECT_EQ(degree, 3);
    EXPECT_EQ(rational, Adesk::kTrue);
    EXPECT_EQ(closed, Adesk::kFalse);
    EXPECT_EQ(periodic, Adesk::kFalse);
    ASSERT_EQ(controlPoints.length(), 4);
    expectPoint(controlPoints[2], 3.0, 2.0, 1.0);
    EXPECT_EQ(knots, valuesOf({0.0, 0.0, 0.0, 0.0, 1.0, 1.0, 1.0, 1.0}));
    EXPECT_EQ(weights, valuesOf({1.0, 2.0, 2.0, 1.0}));
    EXPECT_DOUBLE_EQ(controlTolerance, 1e-10);
    EXPECT_DOUBLE_EQ(knotTolerance, 1e-11);
    EXPECT_FALSE(spline.hasFitData());
}

AcDbEntity* makeFitSpline()
{
    auto* spline = new AcDbSpline();
    spline->setFitData(pointsOf({{0.0, 0.0, 0.0}, {1.0, 2.0, 0.0}, {3.0, 3.0, 0.0}, {5.0, 1.0, 0.0}}), 3, 0.01,
                       AcGeVector3d(1.0, 0.0, 0.0), AcGeVector3d(0.0, -1.0, 0.0));
    return spline;
}

void checkFitSpline(const AcDbEntity& entity)
{
    const auto& spline = *AcDbSpline::cast(&entity);
    ASSERT_TRUE(spline.hasFitData());
    AcGePoint3dArray fitPoints;
    int degree = 0;
    double tolerance = 0.0;
    Adesk::Boolean tangentsExist = Adesk::kFalse;
    AcGeVector3d startTangent;
    AcGeVector3d endTangent;
    ASSERT_EQ(spline.getFitData(fitPoints, degree, tolerance, tangentsExist, startTangent, endTangent), Acad::eOk);
    ASSERT_EQ(fitPoints.length(), 4);
    expectPoint(fitPoints[1], 1.0, 2.0, 0.0);
    EXPECT_EQ(degree, 3);
    EXPECT_DOUBLE_EQ(tolerance, 0.01);
    EXPECT_EQ(tangentsExist, Adesk::kTrue);
    expectVector(startTangent, 1.0, 0.0, 0.0);
    expectVector(endTangent, 0.0, -1.0, 0.0);
    // Four fit points and two end tangents make six control points.
    EXPECT_EQ(spline.numControlPoints(), 6);
    EXPECT_EQ(spline.degree(), 3);
}

AcDbEntity* makeRay()
{
    auto* ray = new AcDbRay();
    ray->setBasePoint(AcGePoint3d(1.0, 2.0, 3.0));
    ray->setUnitDir(AcGeVector3d(0.0, 3.0, 0.0));
    return ray;
}

void checkRay(const AcDbEntity& entity)
{
    const auto& ray = *AcDbRay::cast(&entity);
    expectPoint(ray.basePoint(), 1.0, 2.0, 3.0);
    expectVector(ray.unitDir(), 0.0, 1.0, 0.0);
}

AcDbEntity* makeXline()
{
    auto* xline = new AcDbXline();
    xline->setBasePoint(AcGePoint3d(-1.0, 0.0, 0.0));
    xline->setUnitDir(AcGeVector3d(1.0, 1.0, 0.0));
    return xline;
}

void checkXline(const AcDbEntity& entity)
{
    const auto& xline = *AcDbXline::cast(&entity);
    expectPoint(xline.basePoint(), -1.0, 0.0, 0.0);
    expectVector(xline.unitDir(), std::numbers::sqrt2 / 2.0, std::numbers::sqrt2 / 2.0, 0.0);
}

AcDbEntity* makePolyline()
{
    auto* polyline = new AcDbPolyline();
    polyline->addVertexAt(0, AcGePoint2d(0.0, 0.0), 0.0, 0.1, 0.2, 7);
    polyline->addVertexAt(1, AcGePoint2d(10.0, 0.0), 0.5, 0.0, 0.0);
    polyline->addVertexAt(2, AcGePoint2d(10.0, 10.0), -0.25, 1.0, 1.0);
    polyline->setClosed(Adesk::kTrue);
    polyline->setPlinegen(Adesk::kTrue);
    polyline->setElevation(2.0);
    polyline->setThickness(0.5);
    polyline->setNormal(AcGeVector3d(0.0, 0.0, -1.0));
    return polyline;
}

void checkPolyline(const AcDbEntity& entity)
{
    const auto& polyline = *AcDbPolyline::cast(&entity);
    ASSERT_EQ(polyline.numVerts(), 3u);
    AcGePoint2d point;
    double bulge = 0.0;
    double startWidth = 0.0;
    double endWidth = 0.0;
    polyline.getPointAt(2, point);
    EXPECT_DOUBLE_EQ(point.x, 10.0);
    EXPECT_DOUBLE_EQ(point.y, 10.0);
    polyline.getBulgeAt(1, bulge);
    EXPECT_DOUBLE_EQ(bulge, 0.5);
    polyline.getBulgeAt(2, bulge);
    EXPECT_DOUBLE_EQ(bulge, -0.25);
    polyline.getWidthsAt(0, startWidth, endWidth);
    EXPECT_DOUBLE_EQ(startWidth, 0.1);
    EXPECT_DOUBLE_EQ(endWidth, 0.2);
    EXPECT_EQ(polyline.getVertexIdentifierAt(0), 7);
    EXPECT_TRUE(polyline.isClosed());
    EXPECT_TRUE(polyline.hasPlinegen());
    EXPECT_DOUBLE_EQ(polyline.elevation(), 2.0);
    EXPECT_DOUBLE_EQ(polyline.thickness(), 0.5);
    expectVector(polyline.normal(), 0.0, 0.0, -1.0);
}

AcDbEntity* makeSolid()
{
    auto* solid = new AcDbSolid(AcGePoint3d(0.0, 0.0, 0.0), AcGePoint3d(4.0, 0.0, 0.0), AcGePoint3d(0.0, 3.0, 0.0),
                                AcGePoint3d(4.0, 3.0, 0.0));
    solid->setThickness(3.0);
    return solid;
}

AcDbEntity* makeTrace()
{
    auto* trace = new AcDbTrace(AcGePoint3d(0.0, 0.0, 0.0), AcGePoint3d(4.0, 0.0, 0.0), AcGePoint3d(0.0, 3.0, 0.0),
                                AcGePoint3d(4.0, 3.0, 0.0));
    trace->setThickness(3.0);
    return trace;
}

void checkCorners(const cadhost::FourCornerEntity& entity)
{
    AcGePoint3d corner;
    ASSERT_EQ(entity.getPointAt(1, corner), Acad::eOk);
    expectPoint(corner, 4.0, 0.0, 0.0);
    ASSERT_EQ(entity.getPointAt(3, corner), Acad::eOk);
    expectPoint(corner, 4.0, 3.0, 0.0);
    EXPECT_DOUBLE_EQ(entity.thickness(), 3.0);
    expectVector(entity.normal(), 0.0, 0.0, 1.0);
}

AcDbEntity* makeLeader()
{
    auto* leader = new AcDbLeader();
    leader->appendVertex(AcGePoint3d(0.0, 0.0, 0.0));
    leader->appendVertex(AcGePoint3d(5.0, 5.0, 0.0));
    leader->appendVertex(AcGePoint3d(10.0, 5.0, 0.0));
    leader->disableArrowHead();
    leader->setToSplineLeader();
    leader->setDimasz(0.5);
    AcCmColor red;
    red.setColorIndex(1);
    leader->setDimclrd(red);
    leader->setDimgap(0.2);
    leader->setDimlwd(AcDb::kLnWt050);
    leader->setDimsah(true);
    leader->setDimscale(2.0);
    leader->setDimtad(1);
    leader->setDimtxt(0.3);
    return leader;
}

void checkLeader(const AcDbEntity& entity)
{
    const auto& leader = *AcDbLeader::cast(&entity);
    ASSERT_EQ(leader.numVertices(), 3);
    expectPoint(leader.vertexAt(1), 5.0, 5.0, 0.0);
    EXPECT_FALSE(leader.hasArrowHead());
    EXPECT_TRUE(leader.isSplined());
    EXPECT_DOUBLE_EQ(leader.dimasz(), 0.5);
    EXPECT_EQ(leader.dimclrd().colorIndex(), 1);
    EXPECT_DOUBLE_EQ(leader.dimgap(), 0.2);
    EXPECT_EQ(leader.dimlwd(), AcDb::kLnWt050);
    EXPECT_TRUE(leader.dimsah());
    EXPECT_DOUBLE_EQ(leader.dimscale(), 2.0);
    EXPECT_EQ(leader.dimtad(), 1);
    EXPECT_DOUBLE_EQ(leader.dimtxt(), 0.3);
    EXPECT_TRUE(leader.dimldrblk().isNull());
}

AcDbEntity* make2dPolyline()
{
    auto* polyline = new AcDb2dPolyline();
    polyline->setPolyType(AcDb::k2dFitCurvePoly);
    polyline->setDefaultStartWidth(0.1);
    polyline->setDefaultEndWidth(0.2);
    polyline->setThickness(1.0);
    polyline->setElevation(3.0);
    polyline->setLinetypeGenerationOn();
    polyline->makeClosed();
    auto* first = new AcDb2dVertex(AcGePoint3d(0.0, 0.0, 3.0), 0.5, 1.0, 2.0, 0.3);
    first->setColorIndex(3);
    first->setLinetypeScale(2.5);
    polyline->appendVertex(first);
    polyline->appendVertex(new AcDb2dVertex(AcGePoint3d(5.0, 0.0, 3.0)));
    return polyline;
}

void check2dPolyline(const AcDbEntity& entity)
{
    const auto& polyline = *AcDb2dPolyline::cast(&entity);
    EXPECT_EQ(polyline.polyType(), AcDb::k2dFitCurvePoly);
    EXPECT_DOUBLE_EQ(polyline.defaultStartWidth(), 0.1);
    EXPECT_DOUBLE_EQ(polyline.defaultEndWidth(), 0.2);
    EXPECT_DOUBLE_EQ(polyline.thickness(), 1.0);
    EXPECT_DOUBLE_EQ(polyline.elevation(), 3.0);
    EXPECT_TRUE(polyline.isLinetypeGenerationOn());
    EXPECT_TRUE(polyline.isClosed());
    const std::vector<AcDb2dVertex*> vertices = memoryVertices<AcDb2dVertex>(polyline);
    ASSERT_EQ(vertices.size(), 2u);
    ASSERT_NE(vertices[0], nullptr);
    expectPoint(vertices[0]->position(), 0.0, 0.0, 3.0);
    EXPECT_DOUBLE_EQ(vertices[0]->bulge(), 0.5);
    EXPECT_DOUBLE_EQ(vertices[0]->startWidth(), 1.0);
    EXPECT_DOUBLE_EQ(vertices[0]->endWidth(), 2.0);
    EXPECT_DOUBLE_EQ(vertices[0]->tangent(), 0.3);
    EXPECT_EQ(vertices[0]->colorIndex(), 3);
    EXPECT_DOUBLE_EQ(vertices[0]->linetypeScale(), 2.5);
    expectPoint(vertices[1]->position(), 5.0, 0.0, 3.0);
    EXPECT_EQ(vertices[1]->colorIndex(), 256);
}

AcDbEntity* make3dPolyline()
{
    AcGePoint3dArray points = pointsOf({{0.0, 0.0, 0.0}, {1.0, 0.0, 1.0}, {1.0, 1.0, 2.0}});
    auto* polyline = new AcDb3dPolyline(AcDb::k3dSimplePoly, points, Adesk::kTrue);
    polyline->setLayer(AcDbObjectId::kNull);
    return polyline;
}

void check3dPolyline(const AcDbEntity& entity)
{
    const auto& polyline = *AcDb3dPolyline::cast(&entity);
    EXPECT_EQ(polyline.polyType(), AcDb::k3dSimplePoly);
    EXPECT_TRUE(polyline.isClosed());
    const std::vector<AcDb3dPolylineVertex*> vertices = memoryVertices<AcDb3dPolylineVertex>(polyline);
    ASSERT_EQ(vertices.size(), 3u);
    expectPoint(vertices[2]->position(), 1.0, 1.0, 2.0);
    EXPECT_EQ(vertices[2]->vertexType(), AcDb::k3dSimpleVertex);
}

const std::vector<FilingCase>& filingCases()
{
    static const std::vector<FilingCase> cases = {
        {"Point", makePoint, checkPoint},
        {"Line", makeLine, checkLine},
        {"Arc", makeArc, checkArc},
        {"Circle", makeCircle, checkCircle},
        {"Ellipse", makeEllipse, checkEllipse},
        {"RationalSpline", makeRationalSpline, checkRationalSpline},
        {"FitSpline", makeFitSpline, checkFitSpline},
        {"Ray", makeRay, checkRay},
        {"Xline", makeXline, checkXline},
        {"Polyline", makePolyline, checkPolyline},
        {"Solid", makeSolid, [](const AcDbEntity& e) { checkCorners(*AcDbSolid::cast(&e)); }},
        {"Trace", makeTrace, [](const AcDbEntity& e) { checkCorners(*AcDbTrace::cast(&e)); }},
        {"Leader", makeLeader, checkLeader},
        {"Polyline2d", make2dPolyline, check2dPolyline},
        {"Polyline3d", make3dPolyline, check3dPolyline},
    };
    return cases;
}

class CurveFilingTest : public ::testing::TestWithParam<FilingCase> {};

TEST_P(CurveFilingTest, RoundTripKeepsEveryField)
{
    std::unique_ptr<AcDbEntity> source(GetParam().make());
    MemoryDwgFiler filer;
    ASSERT_EQ(source->dwgOutFields(&filer), Acad::eOk);
    filer.rewind();
    std::unique_ptr<AcDbEntity> copy(AcDbEntity::cast(source->isA()->create()));
    ASSERT_NE(copy, nullptr);
    ASSERT_EQ(copy->dwgInFields(&filer), Acad::eOk);
    EXPECT_EQ(filer.unreadCount(), 0u);
    GetParam().check(*copy);
}

TEST_P(CurveFilingTest, EveryCutStreamIsRefused)
{
    std::unique_ptr<AcDbEntity> source(GetParam().make());
    MemoryDwgFiler filer;
    ASSERT_EQ(source->dwgOutFields(&filer), Acad::eOk);
    for (std::size_t kept = 0; kept < filer.entries().size(); ++kept) {
        std::unique_ptr<MemoryDwgFiler> cut = prefixOf(filer, kept);
        std::unique_ptr<AcDbEntity> copy(AcDbEntity::cast(source->isA()->create()));
        EXPECT_EQ(copy->dwgInFields(cut.get()), Acad::eEndOfFile) << "values kept: " << kept;
    }
}

INSTANTIATE_TEST_SUITE_P(Entities, CurveFilingTest, ::testing::ValuesIn(filingCases()),
                         [](const ::testing::TestParamInfo<FilingCase>& info) { return info.param.name; });

// The values the common entity data of a curve takes in a stream.
std::size_t curveDataCount()
{
    AcDbLine line;
    MemoryDwgFiler filer;
    line.dwgOutFields(&filer);
    return filer.entries().size() - 4;
}

struct CountCase {
    std::string name;
    std::function<AcDbEntity*()> make;
    // The position of the count among the entity's own values.
    std::size_t countIndex;
};

class CurveCountTest : public ::testing::TestWithParam<CountCase> {};

TEST_P(CurveCountTest, ACountBeyondAnyStreamIsDamage)
{
    std::unique_ptr<AcDbEntity> source(GetParam().make());
    MemoryDwgFiler filer;
    ASSERT_EQ(source->dwgOutFields(&filer), Acad::eOk);
    std::unique_ptr<MemoryDwgFiler> damaged = prefixOf(filer, curveDataCount() + GetParam().countIndex, {0xFFFFFFF0u});
    std::unique_ptr<AcDbEntity> copy(AcDbEntity::cast(source->isA()->create()));
    EXPECT_EQ(copy->dwgInFields(damaged.get()), Acad::eDwgObjectImproperlyRead);
}

TEST_P(CurveCountTest, ACountLargerThanTheStreamEndsAtItsEnd)
{
    std::unique_ptr<AcDbEntity> source(GetParam().make());
    MemoryDwgFiler filer;
    ASSERT_EQ(source->dwgOutFields(&filer), Acad::eOk);
    std::unique_ptr<MemoryDwgFiler> damaged = prefixOf(filer, curveDataCount() + GetParam().countIndex, {100000u});
    std::unique_ptr<AcDbEntity> copy(AcDbEntity::cast(source->isA()->create()));
    EXPECT_EQ(copy->dwgInFields(damaged.get()), Acad::eEndOfFile);
}

INSTANTIATE_TEST_SUITE_P(Entities, CurveCountTest,
                         ::testing::Values(CountCase{"PolylineVertices", makePolyline, 0},
                                           CountCase{"SplineControlPoints", makeRationalSpline, 4},
                                           CountCase{"LeaderVertices", makeLeader, 0},
                                           CountCase{"Polyline2dVertices", make2dPolyline, 8},
                                           CountCase{"Polyline3dVertices", make3dPolyline, 2}),
                         [](const ::testing::TestParamInfo<CountCase>& info) { return info.param.name; });

TEST(CurveFilingTest, ASplineWhoseKnotsCannotBeEvaluatedIsDamage)
{
    std::unique_ptr<AcDbEntity> source(makeRationalSpline());
    MemoryDwgFiler filer;
    ASSERT_EQ(source->dwgOutFields(&filer), Acad::eOk);
    // Degree, three flags, the control point count and four points come before the knot count.
    const std::size_t firstKnot = curveDataCount() + 4 + 1 + 4 + 1;
    std::unique_ptr<MemoryDwgFiler> damaged = prefixOf(filer, firstKnot);
    for (int i = 0; i < 8; ++i)
        damaged->writeDouble(0.0);
    copyValues(filer, firstKnot + 8, filer.entries().size(), *damaged);
    damaged->rewind();
    AcDbSpline copy;
    EXPECT_EQ(copy.dwgInFields(damaged.get()), Acad::eDwgObjectImproperlyRead);
}

TEST(CurveFilingTest, AZeroDirectionOfARayIsDamage)
{
    AcDbRay ray;
    MemoryDwgFiler filer;
    ASSERT_EQ(ray.dwgOutFields(&filer), Acad::eOk);
    std::unique_ptr<MemoryDwgFiler> damaged = prefixOf(filer, filer.entries().size() - 1);
    damaged->writeVector3d(AcGeVector3d::kIdentity);
    damaged->rewind();
    AcDbRay copy;
    EXPECT_EQ(copy.dwgInFields(damaged.get()), Acad::eDwgObjectImproperlyRead);
}

// Directions with no unit vector: normalising them would store a zero or undefined direction, which the
// next open refuses.
TEST(CurveFilingTest, ADirectionOfAnUnboundedLineThatCannotBeNormalisedIsDamage)
{
    const double huge = 1e308;
    const double notANumber = std::numeric_limits<double>::quiet_NaN();
    for (const AcGeVector3d& direction : {AcGeVector3d(huge, huge, 0), AcGeVector3d(notANumber, 0, 0)}) {
        AcDbXline xline;
        MemoryDwgFiler filer;
        ASSERT_EQ(xline.dwgOutFields(&filer), Acad::eOk);
        std::unique_ptr<MemoryDwgFiler> damaged = prefixOf(filer, filer.entries().size() - 1);
        damaged->writeVector3d(direction);
        damaged->rewind();
        AcDbXline copy;
        EXPECT_EQ(copy.dwgInFields(damaged.get()), Acad::eDwgObjectImproperlyRead) << direction.x;

        AcDbRay ray;
        ray.setUnitDir(direction);
        EXPECT_EQ(ray.unitDir(), AcGeVector3d::kXAxis) << direction.x;
    }
}

} // namespace
