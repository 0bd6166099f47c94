#include "genear.h"
#include "gepoly2d.h"

#include <gtest/gtest.h>

namespace {

AcGePoint2dArray points(std::initializer_list<AcGePoint2d> values)
{
    AcGePoint2dArray array;
    for (const AcGePoint2d& p : values)
        array.append(p);
    return array;
}

TEST(AcGePolyline2dTest, VertexIAtParameterI)
{
    const AcGePolyline2d poly(points({{0, 0}, {3, 4}, {3, 0}}));
    EXPECT_EQ(poly.degree(), 1);
    EXPECT_EQ(poly.numFitPoints(), 3);
    EXPECT_TRUE(isNear(poly.fitPointAt(1), {3, 4}));
    EXPECT_EQ(poly.startParam(), 0.0);
    EXPECT_EQ(poly.endParam(), 2.0);
    EXPECT_TRUE(isNear(poly.evalPoint(1.0), {3, 4}));
    EXPECT_TRUE(isNear(poly.evalPoint(1.25), {3, 3}));
    EXPECT_TRUE(isNear(poly.endPoint(), {3, 0}));
    EXPECT_FALSE(poly.isClosed());
}

TEST(AcGePolyline2dTest, LengthSumsSegments)
{
    const AcGePolyline2d poly(points({{0, 0}, {3, 4}, {3, 0}, {0, 0}}));
    EXPECT_TRUE(poly.isClosed());
    EXPECT_DOUBLE_EQ(poly.length(0.0, 3.0), 12.0);
    EXPECT_DOUBLE_EQ(poly.length(0.5, 2.5), 2.5 + 4.0 + 1.5);
    EXPECT_DOUBLE_EQ(poly.length(3.0, 2.0), 3.0);
}

TEST(AcGePolyline2dTest, EditingAFitPointMovesTheCurve)
{
    AcGePolyline2d poly(points({{0, 0}, {1, 0}}));
    poly.setFitPointAt(1, {0, 2});
    EXPECT_TRUE(isNear(poly.evalPoint(0.5), {0, 1}));
    EXPECT_DOUBLE_EQ(poly.length(0.0, 1.0), 2.0);
}

TEST(AcGePolyline2dTest, FewerThanTwoPointsHaveNoLength)
{
    const AcGePolyline2d single(points({{5, 6}}));
    EXPECT_TRUE(isNear(single.evalPoint(0.0), {5, 6}));
    EXPECT_EQ(single.length(0.0, 1.0), 0.0);
    const AcGePolyline2d empty(points({}));
    EXPECT_TRUE(isNear(empty.evalPoint(0.0), {0, 0}));
    EXPECT_EQ(empty.length(0.0, 1.0), 0.0);
}

} // namespace
