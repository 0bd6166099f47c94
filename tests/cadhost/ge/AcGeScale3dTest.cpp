#include "gemat3d.h"
#include "genear.h"
#include "gescl3d.h"

#include <gtest/gtest.h>

#include <numbers>

namespace {

TEST(AcGeScale3dTest, IdentityAndOperators)
{
    EXPECT_TRUE(AcGeScale3d::kIdentity == AcGeScale3d(1.0));
    const AcGeScale3d s = AcGeScale3d(1, 2, 3) * AcGeScale3d(2, 2, 2) * 0.5;
    EXPECT_EQ(s.sx, 1.0);
    EXPECT_EQ(s.sy, 2.0);
    EXPECT_EQ(s.sz, 3.0);
    EXPECT_FALSE(s.isProportional());
    EXPECT_TRUE(AcGeScale3d(4.0).isProportional());
    const AcGeScale3d inv = AcGeScale3d(2, 4, 8).inverse();
    EXPECT_EQ(inv.sx, 0.5);
    EXPECT_EQ(inv.sy, 0.25);
    EXPECT_EQ(inv.sz, 0.125);
}

TEST(AcGeScale3dTest, MatrixScalesAxes)
{
    const AcGeMatrix3d m = AcGeScale3d(2, -3, 4);
    EXPECT_TRUE(isNear(m * AcGePoint3d(1, 1, 1), {2, -3, 4}));
}

TEST(AcGeScale3dTest, ExtractAndRemoveScaleOfBlockTransform)
{
    AcGeMatrix3d block = AcGeMatrix3d::translation({5, 6, 0}) *
                         AcGeMatrix3d::rotation(std::numbers::pi / 6, AcGeVector3d::kZAxis) *
                         AcGeMatrix3d(AcGeScale3d(-2, 3, 4));
    AcGeScale3d scale;
    scale.extractScale(block);
    EXPECT_NEAR(scale.sx, -2.0, 1e-14);
    EXPECT_NEAR(scale.sy, 3.0, 1e-14);
    EXPECT_NEAR(scale.sz, 4.0, 1e-14);

    AcGeScale3d removed;
    removed.removeScale(block);
    EXPECT_TRUE(removed == scale);
    EXPECT_TRUE(block == AcGeMatrix3d::translation({5, 6, 0}) *
                             AcGeMatrix3d::rotation(std::numbers::pi / 6, AcGeVector3d::kZAxis));
}

} // namespace
