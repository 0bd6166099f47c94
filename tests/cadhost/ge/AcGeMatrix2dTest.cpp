#include "gemat2d.h"
#include "genear.h"

#include <gtest/gtest.h>

#include <numbers>

namespace {

constexpr double kPi = std::numbers::pi;

TEST(AcGeMatrix2dTest, CompositionAppliesRightFactorFirst)
{
    const AcGeMatrix2d m = AcGeMatrix2d::translation({1, 2}) * AcGeMatrix2d::rotation(kPi / 2);
    EXPECT_NEAR(m(0, 0), 0.0, 1e-15);
    EXPECT_EQ(m(0, 1), -1.0);
    EXPECT_EQ(m(0, 2), 1.0);
    EXPECT_EQ(m(1, 0), 1.0);
    EXPECT_EQ(m(1, 2), 2.0);
    EXPECT_TRUE(isNear(m * AcGePoint2d(1, 0), {1, 3}, 1e-15));
    EXPECT_TRUE(isNear(m * AcGeVector2d(1, 0), {0, 1}, 1e-15));
}

TEST(AcGeMatrix2dTest, InverseOfLiteralMatrix)
{
    AcGeMatrix2d m;
    m.entry[0][0] = 1;
    m.entry[0][1] = 2;
    m.entry[0][2] = 5;
    m.entry[1][0] = 3;
    m.entry[1][1] = 4;
    m.entry[1][2] = 6;
    EXPECT_DOUBLE_EQ(m.det(), -2.0);
    const AcGeMatrix2d inv = m.inverse();
    const double expected[3][3] = {{-2, 1, 4}, {1.5, -0.5, -4.5}, {0, 0, 1}};
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c)
            EXPECT_NEAR(inv(r, c), expected[r][c], 1e-14) << r << "," << c;
    EXPECT_TRUE(m * inv == AcGeMatrix2d::kIdentity);
}

TEST(AcGeMatrix2dTest, SingularMatrixIsLeftUnchanged)
{
    AcGeMatrix2d m = AcGeMatrix2d::scaling(0.0);
    EXPECT_TRUE(m.isSingular());
    m.invert();
    EXPECT_TRUE(m == AcGeMatrix2d::scaling(0.0));
}

TEST(AcGeMatrix2dTest, TransformsAboutCenters)
{
    EXPECT_TRUE(isNear(AcGeMatrix2d::rotation(kPi / 2, {1, 1}) * AcGePoint2d(2, 1), {1, 2}, 1e-15));
    EXPECT_TRUE(isNear(AcGeMatrix2d::scaling(3.0, {1, 1}) * AcGePoint2d(2, 1), {4, 1}));
    EXPECT_TRUE(isNear(AcGeMatrix2d::mirroring({1, 1}) * AcGePoint2d(2, 3), {0, -1}));
    EXPECT_DOUBLE_EQ(AcGeMatrix2d::scaling(3.0).scale(), 3.0);
    EXPECT_TRUE(isNear(AcGeMatrix2d::translation({4, -2}).translation(), {4, -2}));
    EXPECT_TRUE(AcGeMatrix2d::rotation(0.4).isUniScaledOrtho());
}

TEST(AcGeMatrix2dTest, AlignCoordinateSystems)
{
    const AcGeMatrix2d align = AcGeMatrix2d::alignCoordSys({0, 0}, {1, 0}, {0, 1}, {5, 5}, {0, 2}, {-2, 0});
    EXPECT_TRUE(isNear(align * AcGePoint2d(1, 1), {3, 7}));
    AcGePoint2d origin;
    AcGeVector2d e0, e1;
    align.getCoordSystem(origin, e0, e1);
    EXPECT_TRUE(isNear(origin, {5, 5}));
    EXPECT_TRUE(isNear(e0, {0, 2}));
    EXPECT_TRUE(isNear(e1, {-2, 0}));
}

} // namespace
