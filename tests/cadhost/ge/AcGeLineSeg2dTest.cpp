#include "gelnsg2d.h"
#include "genear.h"

#include <gtest/gtest.h>

namespace {

TEST(AcGeLineSeg2dTest, ParameterRunsFromZeroToOne)
{
    const AcGeLineSeg2d seg(AcGePoint2d(1, 1), AcGePoint2d(4, 5));
    AcGeInterval range;
    AcGePoint2d start, end;
    seg.getInterval(range, start, end);
    EXPECT_EQ(range.lowerBound(), 0.0);
    EXPECT_EQ(range.upperBound(), 1.0);
    EXPECT_TRUE(isNear(start, {1, 1}));
    EXPECT_TRUE(isNear(end, {4, 5}));
    EXPECT_TRUE(isNear(seg.evalPoint(0.25), {1.75, 2}));
    EXPECT_TRUE(isNear(seg.midPoint(), {2.5, 3}));
    AcGeVector2dArray derivs;
    seg.evalPoint(0.5, 2, derivs);
    ASSERT_EQ(derivs.length(), 2);
    EXPECT_TRUE(isNear(derivs[0], {3, 4}));
    EXPECT_TRUE(isNear(derivs[1], {0, 0}));
}

TEST(AcGeLineSeg2dTest, LengthBetweenParameters)
{
    const AcGeLineSeg2d seg(AcGePoint2d(1, 1), AcGeVector2d(3, 4));
    EXPECT_EQ(seg.length(), 5.0);
    EXPECT_DOUBLE_EQ(seg.length(0.0, 1.0), 5.0);
    EXPECT_DOUBLE_EQ(seg.length(0.75, 0.25), 2.5);
    EXPECT_FALSE(seg.isClosed());
}

TEST(AcGeLineSeg2dTest, ParamOfProjectsAndClamps)
{
    const AcGeLineSeg2d seg(AcGePoint2d(0, 0), AcGePoint2d(10, 0));
    EXPECT_DOUBLE_EQ(seg.paramOf({2.5, 0}), 0.25);
    EXPECT_DOUBLE_EQ(seg.paramOf({7, 3}), 0.7);
    EXPECT_DOUBLE_EQ(seg.paramOf({-4, 1}), 0.0);
    EXPECT_TRUE(isNear(seg.closestPointTo({12, -1}), {10, 0}));
    EXPECT_DOUBLE_EQ(seg.distanceTo({5, 2}), 2.0);
    EXPECT_EQ(AcGeLineSeg2d(AcGePoint2d(1, 1), AcGePoint2d(1, 1)).paramOf({3, 3}), 0.0);
}

} // namespace
