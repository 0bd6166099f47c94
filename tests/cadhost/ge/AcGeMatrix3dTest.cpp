#include "gemat3d.h"
#include "genear.h"
#include "gescl3d.h"

#include <gtest/gtest.h>

#include <numbers>

namespace {

constexpr double kPi = std::numbers::pi;

AcGeMatrix3d fromRows(std::initializer_list<std::initializer_list<double>> rows)
{
    AcGeMatrix3d m;
    int r = 0;
    for (const auto& row : rows) {
        int c = 0;
        for (double value : row)
            m.entry[r][c++] = value;
        ++r;
    }
    return m;
}

::testing::AssertionResult entriesNear(const AcGeMatrix3d& actual, const AcGeMatrix3d& expected, double tol = 1e-12)
{
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c)
            if (std::fabs(actual(r, c) - expected(r, c)) > tol)
                return ::testing::AssertionFailure()
                       << "entry[" << r << "][" << c << "] is " << actual(r, c) << ", expected " << expected(r, c);
    return ::testing::AssertionSuccess();
}

TEST(AcGeMatrix3dTest, IdentityByDefault)
{
    EXPECT_TRUE(entriesNear(AcGeMatrix3d(), fromRows({{1, 0, 0, 0}, {0, 1, 0, 0}, {0, 0, 1, 0}, {0, 0, 0, 1}})));
    EXPECT_TRUE(AcGeMatrix3d::kIdentity == AcGeMatrix3d());
}

TEST(AcGeMatrix3dTest, ProductAppliesRightFactorFirst)
{
    const AcGeMatrix3d m = AcGeMatrix3d::translation({1, 2, 3}) * AcGeMatrix3d::rotation(kPi / 2, AcGeVector3d::kZAxis);
    EXPECT_TRUE(entriesNear(m, fromRows({{0, -1, 0, 1}, {1, 0, 0, 2}, {0, 0, 1, 3}, {0, 0, 0, 1}}), 1e-15));
    EXPECT_TRUE(isNear(m * AcGePoint3d(1, 0, 0), {1, 3, 3}, 1e-15));

    AcGeMatrix3d pre = AcGeMatrix3d::rotation(kPi / 2, AcGeVector3d::kZAxis);
    pre.preMultBy(AcGeMatrix3d::translation({1, 2, 3}));
    EXPECT_TRUE(entriesNear(pre, m));
    AcGeMatrix3d post = AcGeMatrix3d::translation({1, 2, 3});
    post.postMultBy(AcGeMatrix3d::rotation(kPi / 2, AcGeVector3d::kZAxis));
    EXPECT_TRUE(entriesNear(post, m));
}

TEST(AcGeMatrix3dTest, InverseAndDeterminantOfLiteralMatrices)
{
    const AcGeMatrix3d diagonal = fromRows({{2, 0, 0, 1}, {0, 4, 0, 2}, {0, 0, 8, 3}, {0, 0, 0, 1}});
    EXPECT_DOUBLE_EQ(diagonal.det(), 64.0);
    EXPECT_TRUE(entriesNear(diagonal.inverse(),
                            fromRows({{0.5, 0, 0, -0.5}, {0, 0.25, 0, -0.5}, {0, 0, 0.125, -0.375}, {0, 0, 0, 1}})));

    const AcGeMatrix3d shear = fromRows({{1, 2, 0, 0}, {3, 4, 0, 0}, {0, 0, 1, 0}, {0, 0, 0, 1}});
    EXPECT_DOUBLE_EQ(shear.det(), -2.0);
    EXPECT_TRUE(entriesNear(shear.inverse(), fromRows({{-2, 1, 0, 0}, {1.5, -0.5, 0, 0}, {0, 0, 1, 0}, {0, 0, 0, 1}})));

    const AcGeMatrix3d general = AcGeMatrix3d::rotation(0.7, {1, 2, 3}, {4, 5, 6}) * AcGeMatrix3d::scaling(2.5) *
                                 AcGeMatrix3d::translation({1, -1, 2});
    EXPECT_TRUE(entriesNear(general * general.inverse(), AcGeMatrix3d::kIdentity, 1e-13));
    EXPECT_NEAR(general.det(), 2.5 * 2.5 * 2.5, 1e-12);
}

TEST(AcGeMatrix3dTest, SingularMatrixIsNotInverted)
{
    const AcGeMatrix3d flat = fromRows({{1, 2, 3, 0}, {2, 4, 6, 0}, {0, 0, 1, 0}, {0, 0, 0, 1}});
    EXPECT_TRUE(flat.isSingular());
    EXPECT_TRUE(entriesNear(flat.inverse(), flat));
    AcGeMatrix3d out;
    EXPECT_FALSE(flat.inverse(out, 1e-12));
    EXPECT_TRUE(entriesNear(out, AcGeMatrix3d::kIdentity));
    EXPECT_TRUE(AcGeMatrix3d::scaling(3.0).inverse(out, 1e-12));
    EXPECT_TRUE(entriesNear(out, AcGeMatrix3d::scaling(1.0 / 3.0)));
}

TEST(AcGeMatrix3dTest, RotationScalingAndMirroringOfPoints)
{
    EXPECT_TRUE(isNear(AcGeMatrix3d::rotation(kPi / 2, AcGeVector3d::kZAxis, {1, 1, 0}) * AcGePoint3d(2, 1, 0),
                       {1, 2, 0}, 1e-15));
    EXPECT_TRUE(isNear(AcGeMatrix3d::rotation(2 * kPi / 3, {1, 1, 1}) * AcGePoint3d(1, 0, 0), {0, 1, 0}, 1e-15));
    EXPECT_TRUE(
        isNear(AcGeMatrix3d::rotation(kPi / 2, AcGeVector3d::kXAxis) * AcGeVector3d(0, 1, 0), {0, 0, 1}, 1e-15));
    EXPECT_TRUE(isNear(AcGeMatrix3d::scaling(2.0, {1, 1, 1}) * AcGePoint3d(2, 2, 2), {3, 3, 3}));
    EXPECT_TRUE(isNear(AcGeMatrix3d::mirroring({1, 0, 0}) * AcGePoint3d(3, 2, 1), {-1, -2, -1}));
    EXPECT_TRUE(isNear(AcGeMatrix3d::translation({5, 5, 5}) * AcGeVector3d(1, 0, 0), {1, 0, 0}));
}

TEST(AcGeMatrix3dTest, TranslationAndScaleQueries)
{
    AcGeMatrix3d m = AcGeMatrix3d::translation({7, 8, 9}) * AcGeMatrix3d(AcGeScale3d(1, -3, 2));
    EXPECT_TRUE(isNear(m.translation(), {7, 8, 9}));
    EXPECT_DOUBLE_EQ(m.scale(), 3.0);
    EXPECT_FALSE(m.isUniScaledOrtho());
    EXPECT_TRUE(m.isScaledOrtho());
    EXPECT_TRUE((AcGeMatrix3d::rotation(0.3, {1, 1, 0}) * AcGeMatrix3d::scaling(4.0)).isUniScaledOrtho());
    m.setTranslation({0, 0, 0});
    EXPECT_TRUE(isNear(m.translation(), {0, 0, 0}));
}

TEST(AcGeMatrix3dTest, TransposeAndTolerantEquality)
{
    const AcGeMatrix3d m = fromRows({{1, 2, 3, 4}, {5, 6, 7, 8}, {9, 10, 11, 12}, {13, 14, 15, 16}});
    EXPECT_TRUE(entriesNear(m.transpose(), fromRows({{1, 5, 9, 13}, {2, 6, 10, 14}, {3, 7, 11, 15}, {4, 8, 12, 16}})));
    AcGeMatrix3d nudged = m;
    nudged.entry[2][3] += 1e-11;
    EXPECT_TRUE(m == nudged);
    nudged.entry[2][3] += 1e-9;
    EXPECT_TRUE(m != nudged);
}

TEST(AcGeMatrix3dTest, CoordinateSystems)
{
    AcGeMatrix3d cs;
    cs.setCoordSystem({10, 0, 0}, {0, 1, 0}, {-1, 0, 0}, {0, 0, 1});
    EXPECT_TRUE(isNear(cs * AcGePoint3d(1, 2, 3), {8, 1, 3}));
    AcGePoint3d origin;
    AcGeVector3d x, y, z;
    cs.getCoordSystem(origin, x, y, z);
    EXPECT_TRUE(isNear(origin, {10, 0, 0}));
    EXPECT_TRUE(isNear(x, {0, 1, 0}));
    EXPECT_TRUE(isNear(y, {-1, 0, 0}));
    EXPECT_TRUE(isNear(z, {0, 0, 1}));

    const AcGeMatrix3d align = AcGeMatrix3d::alignCoordSys({1, 1, 0}, {1, 0, 0}, {0, 1, 0}, {0, 0, 1}, {10, 0, 0},
                                                           {0, 1, 0}, {-1, 0, 0}, {0, 0, 1});
    EXPECT_TRUE(isNear(align * AcGePoint3d(2, 1, 0), {10, 1, 0}));
    EXPECT_TRUE(isNear(align * AcGePoint3d(1, 1, 0), {10, 0, 0}));
}

struct PlaneCase {
    AcGeVector3d normal;
    AcGeVector3d xAxis;
    AcGeVector3d yAxis;
};

class AcGeMatrix3dPlaneTest : public ::testing::TestWithParam<PlaneCase> {};

TEST_P(AcGeMatrix3dPlaneTest, PlaneAxesFollowArbitraryAxisRule)
{
    const PlaneCase& c = GetParam();
    const AcGeMatrix3d toWorld = AcGeMatrix3d::planeToWorld(c.normal);
    EXPECT_TRUE(isNear(toWorld * AcGeVector3d::kXAxis, {c.xAxis.x, c.xAxis.y, c.xAxis.z}, 1e-15));
    EXPECT_TRUE(isNear(toWorld * AcGeVector3d::kYAxis, {c.yAxis.x, c.yAxis.y, c.yAxis.z}, 1e-15));
    EXPECT_TRUE(entriesNear(AcGeMatrix3d::worldToPlane(c.normal) * toWorld, AcGeMatrix3d::kIdentity, 1e-15));
}

INSTANTIATE_TEST_SUITE_P(Normals, AcGeMatrix3dPlaneTest,
                         ::testing::Values(PlaneCase{{0, 0, 1}, {1, 0, 0}, {0, 1, 0}},
                                           PlaneCase{{0, 0, -2}, {-1, 0, 0}, {0, 1, 0}},
                                           PlaneCase{{1, 0, 0}, {0, 1, 0}, {0, 0, 1}},
                                           PlaneCase{{0, 1, 0}, {-1, 0, 0}, {0, 0, 1}}));

TEST(AcGeMatrix3dTest, BlockTransformMapsBasePointToPosition)
{
    // The composition a block reference uses: position, plane, rotation, scale, minus base point.
    const AcGeMatrix3d block = AcGeMatrix3d::translation({100, 50, 0}) *
                               AcGeMatrix3d::planeToWorld(AcGeVector3d::kZAxis) *
                               AcGeMatrix3d::rotation(kPi / 2, AcGeVector3d::kZAxis) *
                               AcGeMatrix3d(AcGeScale3d(2, 3, 1)) * AcGeMatrix3d::translation({-1, -1, 0});
    EXPECT_TRUE(isNear(block * AcGePoint3d(1, 1, 0), {100, 50, 0}, 1e-12));
    EXPECT_TRUE(isNear(block * AcGePoint3d(2, 1, 0), {100, 52, 0}, 1e-12));
    EXPECT_TRUE(isNear(block * AcGePoint3d(1, 2, 0), {97, 50, 0}, 1e-12));
}

} // namespace
