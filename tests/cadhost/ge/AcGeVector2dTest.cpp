#include "gemat2d.h"
#include "genear.h"

#include <gtest/gtest.h>

#include <numbers>

namespace {

constexpr double kPi = std::numbers::pi;

struct Angle2dCase {
    AcGeVector2d vec;
    double angle;
};

class AcGeVector2dAngleTest : public ::testing::TestWithParam<Angle2dCase> {};

TEST_P(AcGeVector2dAngleTest, AngleFromXAxisIsInZeroToTwoPi)
{
    EXPECT_NEAR(GetParam().vec.angle(), GetParam().angle, 1e-15);
}

INSTANTIATE_TEST_SUITE_P(Quadrants, AcGeVector2dAngleTest,
                         ::testing::Values(Angle2dCase{{1, 0}, 0.0}, Angle2dCase{{1, 1}, kPi / 4},
                                           Angle2dCase{{-1, 0}, kPi}, Angle2dCase{{0, -2}, 3 * kPi / 2},
                                           Angle2dCase{{1, -1}, 7 * kPi / 4}));

TEST(AcGeVector2dTest, AngleToIsUnsigned)
{
    EXPECT_NEAR(AcGeVector2d(1, 0).angleTo({0, 1}), kPi / 2, 1e-15);
    EXPECT_NEAR(AcGeVector2d(1, 0).angleTo({0, -1}), kPi / 2, 1e-15);
    EXPECT_NEAR(AcGeVector2d(1, 0).angleTo({-1, 0}), kPi, 1e-15);
    EXPECT_NEAR(AcGeVector2d(1, 1).angleTo({-1, 0}), 3 * kPi / 4, 1e-15);
}

TEST(AcGeVector2dTest, OperatorsAndPredicates)
{
    EXPECT_TRUE(isNear(AcGeVector2d(1, 2) + AcGeVector2d(3, 4) * 2.0, {7, 10}));
    EXPECT_TRUE(isNear(2.0 * AcGeVector2d(1, -1) / 4.0, {0.5, -0.5}));
    EXPECT_EQ(AcGeVector2d(3, 4).length(), 5.0);
    EXPECT_TRUE(isNear(AcGeVector2d(3, 4).normal(), {0.6, 0.8}));
    EXPECT_TRUE(AcGeVector2d(1, 1).isParallelTo({-2, -2}));
    EXPECT_TRUE(AcGeVector2d(1, 1).isPerpendicularTo({-2, 2}));
    EXPECT_FALSE(AcGeVector2d(1, 1).isCodirectionalTo({-2, -2}));
    EXPECT_TRUE(AcGeVector2d(1, 0) == AcGeVector2d(1, 5e-11));
    EXPECT_TRUE(isNear(AcGeVector2d(1, 0).rotateBy(kPi / 2), {0, 1}, 1e-15));
}

TEST(AcGePoint2dTest, ArithmeticAndTransforms)
{
    EXPECT_TRUE(isNear(AcGePoint2d(1, 2) + AcGeVector2d(2, 2), {3, 4}));
    EXPECT_TRUE(isNear(AcGePoint2d(4, 6) - AcGePoint2d(1, 2), {3, 4}));
    EXPECT_EQ(AcGePoint2d(4, 6).distanceTo({1, 2}), 5.0);
    EXPECT_TRUE(isNear(AcGePoint2d(2, 1).rotateBy(kPi / 2, {1, 1}), {1, 2}, 1e-15));
    EXPECT_TRUE(isNear(AcGePoint2d(2, 1).scaleBy(2.0, {1, 1}), {3, 1}));
    EXPECT_TRUE(isNear(AcGePoint2d(2, 1).transformBy(AcGeMatrix2d::translation({-2, -1})), {0, 0}));
    EXPECT_TRUE(AcGePoint2d(1, 1) != AcGePoint2d(1, 1 + 1e-9));
}

} // namespace
