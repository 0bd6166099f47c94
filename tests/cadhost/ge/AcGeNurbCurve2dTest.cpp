#include "genear.h"
#include "genurb2d.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <vector>

namespace {

constexpr double kPi = std::numbers::pi;
const double kHalfRoot2 = std::sqrt(0.5);

AcGeDoubleArray doubles(const std::vector<double>& values)
{
    AcGeDoubleArray array;
    for (double v : values)
        array.append(v);
    return array;
}

AcGeKnotVector knots(const std::vector<double>& values)
{
    return AcGeKnotVector(doubles(values));
}

AcGePoint2dArray points(const std::vector<AcGePoint2d>& values)
{
    AcGePoint2dArray array;
    for (const AcGePoint2d& p : values)
        array.append(p);
    return array;
}

AcGeNurbCurve2d quarterCircle(double r)
{
    return AcGeNurbCurve2d(2, knots({0, 0, 0, 1, 1, 1}), points({{r, 0}, {r, r}, {0, r}}), doubles({1, kHalfRoot2, 1}));
}

TEST(AcGeNurbCurve2dTest, DegreeOneIsAPolyline)
{
    const AcGeNurbCurve2d curve(1, knots({0, 0, 1, 3, 4, 4}), points({{0, 0}, {3, 4}, {3, 0}, {6, 4}}));
    EXPECT_FALSE(curve.isRational());
    EXPECT_EQ(curve.startParam(), 0.0);
    EXPECT_EQ(curve.endParam(), 4.0);
    EXPECT_TRUE(isNear(curve.evalPoint(1.0), {3, 4}));
    EXPECT_TRUE(isNear(curve.evalPoint(2.0), {3, 2}));
    EXPECT_TRUE(isNear(curve.evalPoint(3.5), {4.5, 2}));
    EXPECT_DOUBLE_EQ(curve.length(0.0, 4.0), 14.0);
    EXPECT_DOUBLE_EQ(curve.length(0.5, 2.0), 4.5);
    AcGeVector2dArray derivs;
    curve.evalPoint(2.0, 2, derivs);
    EXPECT_TRUE(isNear(derivs[0], {0, -2}));
    EXPECT_TRUE(isNear(derivs[1], {0, 0}));
}

TEST(AcGeNurbCurve2dTest, CubicBezierMidpointAndTangent)
{
    const AcGeNurbCurve2d bezier(3, knots({0, 0, 0, 0, 1, 1, 1, 1}), points({{0, 0}, {1, 2}, {3, 2}, {4, 0}}));
    AcGeVector2dArray derivs;
    EXPECT_TRUE(isNear(bezier.evalPoint(0.5, 2, derivs), {2, 1.5}));
    EXPECT_TRUE(isNear(derivs[0], {4.5, 0}));
    EXPECT_TRUE(isNear(derivs[1], {0, -12}));
    EXPECT_TRUE(isNear(bezier.startPoint(), {0, 0}));
    EXPECT_TRUE(isNear(bezier.endPoint(), {4, 0}));
}

TEST(AcGeNurbCurve2dTest, QuadraticBezierParabolaLength)
{
    // y = x^2 from x = 0 to 1.
    const AcGeNurbCurve2d parabola(2, knots({0, 0, 0, 1, 1, 1}), points({{0, 0}, {0.5, 0}, {1, 1}}));
    EXPECT_TRUE(isNear(parabola.evalPoint(0.5), {0.5, 0.25}));
    EXPECT_NEAR(parabola.length(0.0, 1.0), (2 * std::sqrt(5.0) + std::asinh(2.0)) / 4, 1e-12);
}

class AcGeNurbCurve2dCircleTest : public ::testing::TestWithParam<double> {};

TEST_P(AcGeNurbCurve2dCircleTest, RationalQuarterCircleLiesOnTheCircle)
{
    const double r = GetParam();
    const AcGeNurbCurve2d curve = quarterCircle(r);
    EXPECT_TRUE(curve.isRational());
    for (double t = 0.0; t <= 1.0; t += 0.125)
        EXPECT_NEAR(curve.evalPoint(t).asVector().length(), r, 1e-12 * r) << "t=" << t;
    EXPECT_TRUE(isNear(curve.evalPoint(0.5), {r * kHalfRoot2, r * kHalfRoot2}, 1e-12 * r));
    AcGeVector2dArray derivs;
    curve.evalPoint(0.0, 1, derivs);
    EXPECT_TRUE(isNear(derivs[0], {0, 2 * kHalfRoot2 * r}, 1e-12 * r));
    EXPECT_NEAR(curve.length(0.0, 1.0), kPi / 2 * r, 1e-9 * r);
    EXPECT_NEAR(curve.length(1.0, 0.0), kPi / 2 * r, 1e-9 * r);
}

INSTANTIATE_TEST_SUITE_P(Radii, AcGeNurbCurve2dCircleTest, ::testing::Values(1.0, 3.0, 0.01, 250.0));

TEST(AcGeNurbCurve2dTest, FullCircleOfFourRationalQuarters)
{
    const AcGeNurbCurve2d circle(2, knots({0, 0, 0, 1, 1, 2, 2, 3, 3, 4, 4, 4}),
                                 points({{1, 0}, {1, 1}, {0, 1}, {-1, 1}, {-1, 0}, {-1, -1}, {0, -1}, {1, -1}, {1, 0}}),
                                 doubles({1, kHalfRoot2, 1, kHalfRoot2, 1, kHalfRoot2, 1, kHalfRoot2, 1}));
    EXPECT_TRUE(circle.isClosed());
    EXPECT_TRUE(isNear(circle.evalPoint(2.0), {-1, 0}, 1e-15));
    EXPECT_NEAR(circle.length(0.0, 4.0), 2 * kPi, 1e-9);
    EXPECT_NEAR(circle.length(1.0, 2.5), 0.75 * kPi, 1e-9);
}

TEST(AcGeNurbCurve2dTest, UnclampedKnotsStartBetweenControlPoints)
{
    const AcGeNurbCurve2d uniform(2, knots({0, 1, 2, 3, 4, 5}), points({{0, 0}, {2, 2}, {4, 0}}));
    EXPECT_EQ(uniform.startParam(), 2.0);
    EXPECT_EQ(uniform.endParam(), 3.0);
    EXPECT_TRUE(isNear(uniform.startPoint(), {1, 1}));
    EXPECT_TRUE(isNear(uniform.endPoint(), {3, 1}));
    EXPECT_TRUE(isNear(uniform.evalPoint(2.5), {2, 1.5}));
}

TEST(AcGeNurbCurve2dTest, RepeatedInteriorKnotMakesACorner)
{
    const AcGeNurbCurve2d corner(2, knots({0, 0, 0, 1, 1, 2, 2, 2}), points({{0, 0}, {1, 0}, {2, 0}, {2, 1}, {2, 2}}));
    EXPECT_TRUE(isNear(corner.evalPoint(1.0), {2, 0}));
    EXPECT_NEAR(corner.length(0.0, 2.0), 4.0, 1e-12);
}

TEST(AcGeNurbCurve2dTest, ParamOfFindsPointsOnTheCurve)
{
    const AcGeNurbCurve2d curve = quarterCircle(2.0);
    const AcGePoint2d onCurve(2 * std::cos(kPi / 6), 2 * std::sin(kPi / 6));
    EXPECT_TRUE(isNear(curve.evalPoint(curve.paramOf(onCurve)), {onCurve.x, onCurve.y}, 1e-10));
    EXPECT_TRUE(isNear(curve.closestPointTo({4, 4}), {2 * kHalfRoot2, 2 * kHalfRoot2}, 1e-9));
    EXPECT_NEAR(curve.distanceTo({0, 0}), 2.0, 1e-12);
}

TEST(AcGeNurbCurve2dTest, DefinitionDataAndWeights)
{
    AcGeNurbCurve2d curve(1, knots({0, 0, 1, 1}), points({{0, 0}, {1, 0}}), Adesk::kTrue);
    int degree = 0;
    Adesk::Boolean rational = Adesk::kTrue;
    Adesk::Boolean periodic = Adesk::kFalse;
    AcGeKnotVector kv;
    AcGePoint2dArray ctrl;
    AcGeDoubleArray weights;
    curve.getDefinitionData(degree, rational, periodic, kv, ctrl, weights);
    EXPECT_EQ(degree, 1);
    EXPECT_EQ(rational, Adesk::kFalse);
    EXPECT_EQ(periodic, Adesk::kTrue);
    EXPECT_TRUE(kv == knots({0, 0, 1, 1}));
    EXPECT_EQ(ctrl.length(), 2);
    EXPECT_TRUE(weights.isEmpty());
    EXPECT_EQ(curve.numWeights(), 2);
    EXPECT_EQ(curve.weightAt(1), 1.0);

    curve.setWeightAt(1, 3.0);
    EXPECT_TRUE(curve.isRational());
    EXPECT_EQ(curve.weightAt(0), 1.0);
    EXPECT_TRUE(isNear(curve.evalPoint(0.5), {0.75, 0}));
}

TEST(AcGeNurbCurve2dTest, FitDataAreKeptBesideTheDefinition)
{
    AcGeNurbCurve2d curve = quarterCircle(1.0);
    EXPECT_FALSE(curve.hasFitData());
    AcGePoint2dArray fit;
    AcGeTol fitTol;
    Adesk::Boolean tangentsExist = Adesk::kTrue;
    AcGeVector2d startTangent, endTangent;
    EXPECT_FALSE(curve.getFitData(fit, fitTol, tangentsExist, startTangent, endTangent));

    AcGeTol tol;
    tol.setEqualPoint(0.01);
    curve.setFitData(points({{1, 0}, {kHalfRoot2, kHalfRoot2}, {0, 1}}), {0, 1}, {-1, 0}, tol);
    EXPECT_TRUE(curve.hasFitData());
    EXPECT_EQ(curve.numFitPoints(), 3);
    AcGePoint2d p;
    EXPECT_TRUE(curve.getFitPointAt(2, p));
    EXPECT_TRUE(isNear(p, {0, 1}));
    EXPECT_FALSE(curve.getFitPointAt(3, p));
    ASSERT_TRUE(curve.getFitData(fit, fitTol, tangentsExist, startTangent, endTangent));
    EXPECT_EQ(fit.length(), 3);
    EXPECT_EQ(fitTol.equalPoint(), 0.01);
    EXPECT_EQ(tangentsExist, Adesk::kTrue);
    EXPECT_TRUE(isNear(endTangent, {-1, 0}));
    EXPECT_TRUE(isNear(curve.evalPoint(0.5), {kHalfRoot2, kHalfRoot2}, 1e-15));

    curve.translateBy({1, 0});
    EXPECT_TRUE(curve.getFitPointAt(0, p));
    EXPECT_TRUE(isNear(p, {2, 0}));
    EXPECT_TRUE(curve.purgeFitData());
    EXPECT_FALSE(curve.hasFitData());
}

TEST(AcGeNurbCurve2dTest, TransformMovesControlPoints)
{
    AcGeNurbCurve2d curve = quarterCircle(1.0);
    curve.rotateBy(kPi / 2);
    EXPECT_TRUE(isNear(curve.startPoint(), {0, 1}, 1e-15));
    EXPECT_TRUE(isNear(curve.endPoint(), {-1, 0}, 1e-15));
    EXPECT_NEAR(curve.length(0.0, 1.0), kPi / 2, 1e-9);
}

TEST(AcGeNurbCurve2dTest, NonFiniteControlPointGivesNonFiniteLengthPromptly)
{
    const AcGeNurbCurve2d curve(1, knots({0, 0, 1, 1}), points({{0, 0}, {INFINITY, 0}}));
    EXPECT_FALSE(std::isfinite(curve.length(0.0, 1.0)));
}

struct MalformedCase {
    const char* name;
    int degree;
    std::vector<double> knotValues;
    std::vector<AcGePoint2d> controlPoints;
    std::vector<double> weights;
};

class AcGeNurbCurve2dMalformedTest : public ::testing::TestWithParam<MalformedCase> {};

TEST_P(AcGeNurbCurve2dMalformedTest, EvaluatesToItsFirstControlPointOverAnEmptyInterval)
{
    const MalformedCase& c = GetParam();
    const AcGeNurbCurve2d curve(c.degree, knots(c.knotValues), points(c.controlPoints), doubles(c.weights));
    AcGeInterval range;
    curve.getInterval(range);
    EXPECT_EQ(range.lowerBound(), 0.0);
    EXPECT_EQ(range.upperBound(), 0.0);
    const AcGePoint2d expected = c.controlPoints.empty() ? AcGePoint2d::kOrigin : c.controlPoints.front();
    AcGeVector2dArray derivs;
    EXPECT_TRUE(isNear(curve.evalPoint(0.5, 2, derivs), {expected.x, expected.y}));
    EXPECT_TRUE(isNear(derivs[1], {0, 0}));
    EXPECT_EQ(curve.length(0.0, 1.0), 0.0);
    EXPECT_TRUE(isNear(curve.closestPointTo({5, 5}), {expected.x, expected.y}));
}

INSTANTIATE_TEST_SUITE_P(
    Definitions, AcGeNurbCurve2dMalformedTest,
    ::testing::Values(MalformedCase{"Empty", 2, {}, {}, {}},
                      MalformedCase{"TooFewKnots", 2, {0, 0, 1, 1}, {{1, 2}, {3, 4}, {5, 6}}, {}},
                      MalformedCase{"TooFewControlPoints", 3, {0, 0, 0, 0, 1, 1, 1}, {{1, 2}, {3, 4}, {5, 6}}, {}},
                      MalformedCase{"DegreeZero", 0, {0, 1}, {{1, 2}}, {}},
                      MalformedCase{"DecreasingKnots", 1, {0, 0, 2, 1, 3, 3}, {{1, 2}, {3, 4}, {5, 6}, {7, 8}}, {}},
                      MalformedCase{"NotANumberKnot", 1, {0, 0, NAN, 1}, {{1, 2}, {3, 4}}, {}},
                      MalformedCase{"NoDomain", 1, {1, 1, 1, 1}, {{1, 2}, {3, 4}}, {}},
                      MalformedCase{"WeightCount", 1, {0, 0, 1, 1}, {{1, 2}, {3, 4}}, {1}},
                      MalformedCase{"ZeroWeight", 1, {0, 0, 1, 1}, {{1, 2}, {3, 4}}, {1, 0}}),
    [](const ::testing::TestParamInfo<MalformedCase>& info) { return std::string(info.param.name); });

} // namespace
