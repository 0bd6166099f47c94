#include "gearc2d.h"
#include "genear.h"

#include <gtest/gtest.h>

#include <numbers>

namespace {

constexpr double kPi = std::numbers::pi;

struct ArcEndsCase {
    const char* name;
    AcGePoint2d center;
    double radius;
    double startAng;
    double endAng;
    AcGeVector2d refVec;
    bool clockWise;
    AcGePoint2d start;
    AcGePoint2d end;
    AcGeVector2d startTangent;
};

class AcGeCircArc2dEndsTest : public ::testing::TestWithParam<ArcEndsCase> {};

TEST_P(AcGeCircArc2dEndsTest, StartAndEndPointsFollowTheSense)
{
    const ArcEndsCase& c = GetParam();
    const AcGeCircArc2d arc(c.center, c.radius, c.startAng, c.endAng, c.refVec, c.clockWise);
    EXPECT_EQ(arc.isClockWise(), c.clockWise);
    EXPECT_TRUE(isNear(arc.startPoint(), {c.start.x, c.start.y}, 1e-15));
    EXPECT_TRUE(isNear(arc.endPoint(), {c.end.x, c.end.y}, 1e-15));
    AcGePoint2d start, end;
    ASSERT_TRUE(arc.hasStartPoint(start));
    ASSERT_TRUE(arc.hasEndPoint(end));
    EXPECT_TRUE(isNear(start, {c.start.x, c.start.y}, 1e-15));
    EXPECT_TRUE(isNear(end, {c.end.x, c.end.y}, 1e-15));
    AcGeVector2dArray derivs;
    arc.evalPoint(c.startAng, 1, derivs);
    EXPECT_TRUE(isNear(derivs[0], {c.startTangent.x, c.startTangent.y}, 1e-15));
}

INSTANTIATE_TEST_SUITE_P(
    Senses, AcGeCircArc2dEndsTest,
    ::testing::Values(
        ArcEndsCase{"CounterClockwise", {0, 0}, 1, 0, kPi / 2, {1, 0}, false, {1, 0}, {0, 1}, {0, 1}},
        ArcEndsCase{"Clockwise", {0, 0}, 1, 0, kPi / 2, {1, 0}, true, {1, 0}, {0, -1}, {0, -1}},
        ArcEndsCase{"CounterClockwiseOffCenter", {2, 3}, 2, kPi / 2, kPi, {1, 0}, false, {2, 5}, {0, 3}, {-2, 0}},
        ArcEndsCase{"ClockwiseOffCenter", {2, 3}, 2, kPi / 2, kPi, {1, 0}, true, {2, 1}, {0, 3}, {-2, 0}},
        ArcEndsCase{"CounterClockwiseFromY", {0, 0}, 1, 0, kPi / 2, {0, 3}, false, {0, 1}, {-1, 0}, {-1, 0}},
        ArcEndsCase{"ClockwiseFromY", {0, 0}, 1, 0, kPi / 2, {0, 3}, true, {0, 1}, {1, 0}, {1, 0}}),
    [](const ::testing::TestParamInfo<ArcEndsCase>& info) { return std::string(info.param.name); });

TEST(AcGeCircArc2dTest, DefaultIsUnitCircle)
{
    const AcGeCircArc2d arc;
    EXPECT_EQ(arc.radius(), 1.0);
    EXPECT_EQ(arc.startAng(), 0.0);
    EXPECT_DOUBLE_EQ(arc.endAng(), 2 * kPi);
    EXPECT_TRUE(arc.isClosed());
    EXPECT_DOUBLE_EQ(arc.length(arc.startAng(), arc.endAng()), 2 * kPi);
}

TEST(AcGeCircArc2dTest, EndAngleIsRaisedAboveStart)
{
    AcGeCircArc2d arc({0, 0}, 2.0);
    arc.setAngles(kPi, 0.0);
    EXPECT_DOUBLE_EQ(arc.startAng(), kPi);
    EXPECT_DOUBLE_EQ(arc.endAng(), 2 * kPi);
    arc.setAngles(kPi / 2, -kPi);
    EXPECT_DOUBLE_EQ(arc.endAng(), kPi);
    arc.setAngles(0.5, 0.25);
    EXPECT_DOUBLE_EQ(arc.endAng(), 0.25 + 2 * kPi);
    arc.setToComplement();
    EXPECT_DOUBLE_EQ(arc.startAng(), 0.25 + 2 * kPi);
    EXPECT_DOUBLE_EQ(arc.endAng(), 0.5 + 2 * kPi);
}

struct BulgeCase {
    const char* name;
    double bulge;
    bool bulgeIsSagitta;
    bool clockWise;
    AcGePoint2d center;
    double radius;
    AcGePoint2d middle;
};

class AcGeCircArc2dBulgeTest : public ::testing::TestWithParam<BulgeCase> {};

TEST_P(AcGeCircArc2dBulgeTest, ArcBetweenTwoPoints)
{
    const BulgeCase& c = GetParam();
    const AcGeCircArc2d arc({0, 0}, {2, 0}, c.bulge, c.bulgeIsSagitta ? Adesk::kTrue : Adesk::kFalse);
    EXPECT_EQ(arc.isClockWise(), c.clockWise);
    EXPECT_TRUE(isNear(arc.center(), {c.center.x, c.center.y}, 1e-14));
    EXPECT_NEAR(arc.radius(), c.radius, 1e-14);
    EXPECT_TRUE(isNear(arc.startPoint(), {0, 0}, 1e-14));
    EXPECT_TRUE(isNear(arc.endPoint(), {2, 0}, 1e-14));
    EXPECT_TRUE(isNear(arc.evalPoint(0.5 * (arc.startAng() + arc.endAng())), {c.middle.x, c.middle.y}, 1e-14));
}

INSTANTIATE_TEST_SUITE_P(
    Bulges, AcGeCircArc2dBulgeTest,
    ::testing::Values(BulgeCase{"HalfTurnCounterClockwise", 1.0, false, false, {1, 0}, 1.0, {1, -1}},
                      BulgeCase{"HalfTurnClockwise", -1.0, false, true, {1, 0}, 1.0, {1, 1}},
                      BulgeCase{"TangentOfQuarterSweep", 0.5, false, false, {1, 0.75}, 1.25, {1, -0.5}},
                      BulgeCase{"Sagitta", 0.5, true, false, {1, 0.75}, 1.25, {1, -0.5}},
                      BulgeCase{"MoreThanHalfTurn", -2.0, false, true, {1, 0.75}, 1.25, {1, 2}}),
    [](const ::testing::TestParamInfo<BulgeCase>& info) { return std::string(info.param.name); });

TEST(AcGeCircArc2dTest, ThroughThreePoints)
{
    const AcGeCircArc2d upper({1, 0}, {0, 1}, {-1, 0});
    EXPECT_FALSE(upper.isClockWise());
    EXPECT_TRUE(isNear(upper.center(), {0, 0}, 1e-15));
    EXPECT_DOUBLE_EQ(upper.radius(), 1.0);
    EXPECT_DOUBLE_EQ(upper.length(upper.startAng(), upper.endAng()), kPi);

    const AcGeCircArc2d lower({1, 0}, {0, -1}, {-1, 0});
    EXPECT_TRUE(lower.isClockWise());
    EXPECT_TRUE(isNear(lower.startPoint(), {1, 0}, 1e-15));
    EXPECT_TRUE(isNear(lower.endPoint(), {-1, 0}, 1e-15));
    EXPECT_TRUE(isNear(lower.evalPoint(0.5 * (lower.startAng() + lower.endAng())), {0, -1}, 1e-15));

    const AcGeCircArc2d collinear({0, 0}, {1, 1}, {2, 2});
    EXPECT_TRUE(isNear(collinear.center(), {0, 0}));
    EXPECT_EQ(collinear.radius(), 1.0);
}

TEST(AcGeCircArc2dTest, LengthAndParamOf)
{
    const AcGeCircArc2d arc({0, 0}, 2.0, 0.0, kPi / 2);
    EXPECT_DOUBLE_EQ(arc.length(0.0, kPi / 2), kPi);
    EXPECT_DOUBLE_EQ(arc.length(kPi / 2, kPi / 4), kPi / 2);
    EXPECT_DOUBLE_EQ(arc.paramOf({1, 1}), kPi / 4);
    EXPECT_DOUBLE_EQ(arc.paramOf({0, -5}), 0.0);
    EXPECT_DOUBLE_EQ(arc.paramOf({-5, 0.1}), kPi / 2);
    EXPECT_TRUE(arc.isInside({1, 1}));
    EXPECT_FALSE(arc.isInside({2, 0}));

    const AcGeCircArc2d clockwise({0, 0}, 1.0, kPi / 2, kPi, AcGeVector2d::kXAxis, Adesk::kTrue);
    EXPECT_DOUBLE_EQ(clockwise.paramOf({-1, -1}), 3 * kPi / 4);
}

TEST(AcGeCircArc2dTest, ReflectionReversesTheSense)
{
    AcGeCircArc2d arc({1, 0}, 1.0, 0.0, kPi / 2);
    AcGeMatrix2d reflectInX;
    reflectInX.entry[1][1] = -1.0;
    arc.transformBy(reflectInX);
    EXPECT_TRUE(arc.isClockWise());
    EXPECT_TRUE(isNear(arc.startPoint(), {2, 0}, 1e-15));
    EXPECT_TRUE(isNear(arc.endPoint(), {1, -1}, 1e-15));

    arc.scaleBy(2.0, {1, 0});
    EXPECT_DOUBLE_EQ(arc.radius(), 2.0);
    EXPECT_TRUE(isNear(arc.endPoint(), {1, -2}, 1e-15));
    arc.rotateBy(kPi / 2, {1, 0});
    EXPECT_TRUE(isNear(arc.startPoint(), {1, 2}, 1e-15));
    EXPECT_TRUE(isNear(arc.endPoint(), {3, 0}, 1e-15));
}

} // namespace
