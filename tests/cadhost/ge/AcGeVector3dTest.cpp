#include "gemat3d.h"
#include "genear.h"

#include <gtest/gtest.h>

#include <numbers>

namespace {

constexpr double kPi = std::numbers::pi;

TEST(AcGeTolTest, DefaultsAreOneTenBillionth)
{
    EXPECT_EQ(AcGeContext::gTol.equalPoint(), 1e-10);
    EXPECT_EQ(AcGeContext::gTol.equalVector(), 1e-10);
}

TEST(AcGeVector3dTest, ConstantsAndOperators)
{
    EXPECT_TRUE(isNear(AcGeVector3d::kXAxis + AcGeVector3d::kYAxis * 2.0 - AcGeVector3d::kZAxis, {1, 2, -1}));
    EXPECT_TRUE(isNear(3.0 * AcGeVector3d(1, -2, 4) / 2.0, {1.5, -3, 6}));
    EXPECT_TRUE(isNear(-AcGeVector3d(1, -2, 4), {-1, 2, -4}));
    EXPECT_TRUE(isNear(AcGeVector3d::kIdentity, {0, 0, 0}));
    EXPECT_EQ(AcGeVector3d(1, 2, 3).dotProduct(AcGeVector3d(4, -5, 6)), 12.0);
    EXPECT_TRUE(isNear(AcGeVector3d(1, 2, 3).crossProduct(AcGeVector3d(4, 5, 6)), {-3, 6, -3}));
    EXPECT_EQ(AcGeVector3d(2, 3, 6).length(), 7.0);
    EXPECT_EQ(AcGeVector3d(2, 3, 6).lengthSqrd(), 49.0);
    EXPECT_EQ(AcGeVector3d(1, -7, 3).largestElement(), 1u);
}

TEST(AcGeVector3dTest, NormalOfZeroVectorStaysZero)
{
    EXPECT_TRUE(isNear(AcGeVector3d(0, 3, 4).normal(), {0, 0.6, 0.8}));
    AcGeVector3d zero;
    zero.normalize();
    EXPECT_TRUE(isNear(zero, {0, 0, 0}));
    EXPECT_TRUE(zero.isZeroLength());
    EXPECT_TRUE(AcGeVector3d(0, 0.6, 0.8).isUnitLength());
}

struct AngleCase {
    AcGeVector3d from;
    AcGeVector3d to;
    double angle;
    double angleAboutZ;
};

class AcGeVector3dAngleTest : public ::testing::TestWithParam<AngleCase> {};

TEST_P(AcGeVector3dAngleTest, AngleToIsUnsignedAndAngleAboutReferenceIsCounterClockwise)
{
    const AngleCase& c = GetParam();
    EXPECT_NEAR(c.from.angleTo(c.to), c.angle, 1e-14);
    EXPECT_NEAR(c.from.angleTo(c.to, AcGeVector3d::kZAxis), c.angleAboutZ, 1e-14);
}

INSTANTIATE_TEST_SUITE_P(Quadrants, AcGeVector3dAngleTest,
                         ::testing::Values(AngleCase{{1, 0, 0}, {1, 0, 0}, 0.0, 0.0},
                                           AngleCase{{1, 0, 0}, {0, 1, 0}, kPi / 2, kPi / 2},
                                           AngleCase{{0, 1, 0}, {1, 0, 0}, kPi / 2, 3 * kPi / 2},
                                           AngleCase{{1, 0, 0}, {-1, 1, 0}, 3 * kPi / 4, 3 * kPi / 4},
                                           AngleCase{{1, 0, 0}, {-1, -1, 0}, 3 * kPi / 4, 5 * kPi / 4},
                                           AngleCase{{2, 0, 0}, {-3, 0, 0}, kPi, kPi}));

TEST(AcGeVector3dTest, RotateAndMirror)
{
    EXPECT_TRUE(isNear(AcGeVector3d::kXAxis.crossProduct(AcGeVector3d::kYAxis), {0, 0, 1}));
    AcGeVector3d v(1, 0, 0);
    v.rotateBy(kPi / 2, AcGeVector3d::kZAxis);
    EXPECT_TRUE(isNear(v, {0, 1, 0}, 1e-15));
    v.set(1, 2, 3).mirror(AcGeVector3d(0, 0, 5));
    EXPECT_TRUE(isNear(v, {1, 2, -3}));
}

TEST(AcGeVector3dTest, DirectionPredicates)
{
    const AcGeVector3d x(2, 0, 0);
    EXPECT_TRUE(x.isParallelTo(AcGeVector3d(-5, 0, 0)));
    EXPECT_FALSE(x.isCodirectionalTo(AcGeVector3d(-5, 0, 0)));
    EXPECT_TRUE(x.isCodirectionalTo(AcGeVector3d(5, 0, 0)));
    EXPECT_TRUE(x.isPerpendicularTo(AcGeVector3d(0, 3, 4)));
    EXPECT_FALSE(x.isParallelTo(AcGeVector3d::kIdentity));
    EXPECT_FALSE(x.isPerpendicularTo(AcGeVector3d(1, 1, 0)));
}

TEST(AcGeVector3dTest, PerpVectorFollowsArbitraryAxisRule)
{
    EXPECT_TRUE(isNear(AcGeVector3d::kZAxis.perpVector(), {1, 0, 0}));
    EXPECT_TRUE(isNear(AcGeVector3d(0, 0, -1).perpVector(), {-1, 0, 0}));
    EXPECT_TRUE(isNear(AcGeVector3d::kXAxis.perpVector(), {0, 1, 0}));
}

TEST(AcGeVector3dTest, TransformIgnoresTranslation)
{
    AcGeVector3d v(1, 0, 0);
    v.transformBy(AcGeMatrix3d::translation({5, 6, 7}) * AcGeMatrix3d::scaling(2.0));
    EXPECT_TRUE(isNear(v, {2, 0, 0}));
}

TEST(AcGeVector3dTest, EqualityUsesVectorTolerance)
{
    EXPECT_TRUE(AcGeVector3d(1, 0, 0) == AcGeVector3d(1 + 1e-11, 0, 0));
    EXPECT_FALSE(AcGeVector3d(1, 0, 0) == AcGeVector3d(1 + 1e-9, 0, 0));
    AcGeTol loose;
    loose.setEqualVector(1e-3);
    EXPECT_TRUE(AcGeVector3d(1, 0, 0).isEqualTo(AcGeVector3d(1.0005, 0, 0), loose));
}

TEST(AcGePoint3dTest, ArithmeticAndDistance)
{
    const AcGePoint3d p(1, 2, 3);
    EXPECT_TRUE(isNear(p + AcGeVector3d(1, 1, 1), {2, 3, 4}));
    EXPECT_TRUE(isNear(p - AcGeVector3d(1, 1, 1), {0, 1, 2}));
    EXPECT_TRUE(isNear(AcGePoint3d(4, 6, 3) - p, {3, 4, 0}));
    EXPECT_TRUE(isNear(p * 2.0, {2, 4, 6}));
    EXPECT_TRUE(isNear(p.asVector(), {1, 2, 3}));
    EXPECT_EQ(p.distanceTo(AcGePoint3d(4, 6, 3)), 5.0);
    EXPECT_TRUE(isNear(AcGePoint3d::kOrigin, {0, 0, 0}));
}

TEST(AcGePoint3dTest, EqualityUsesPointTolerance)
{
    EXPECT_TRUE(AcGePoint3d(1, 2, 3) == AcGePoint3d(1, 2, 3 + 5e-11));
    EXPECT_TRUE(AcGePoint3d(1, 2, 3) != AcGePoint3d(1, 2, 3 + 5e-10));
    AcGeTol loose;
    loose.setEqualPoint(0.1);
    EXPECT_TRUE(AcGePoint3d(1, 2, 3).isEqualTo(AcGePoint3d(1, 2, 3.05), loose));
}

TEST(AcGePoint3dTest, RotateScaleAndTransform)
{
    AcGePoint3d p(2, 1, 5);
    p.rotateBy(kPi / 2, AcGeVector3d::kZAxis, AcGePoint3d(1, 1, 0));
    EXPECT_TRUE(isNear(p, {1, 2, 5}, 1e-15));
    p.scaleBy(3.0, AcGePoint3d(1, 1, 5));
    EXPECT_TRUE(isNear(p, {1, 4, 5}));
    p.transformBy(AcGeMatrix3d::translation({-1, -4, -5}));
    EXPECT_TRUE(isNear(p, {0, 0, 0}));
}

} // namespace
