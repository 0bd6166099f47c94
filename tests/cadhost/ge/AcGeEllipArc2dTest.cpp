#include "geell2d.h"
#include "genear.h"

#include <gtest/gtest.h>

#include <numbers>

namespace {

constexpr double kPi = std::numbers::pi;

TEST(AcGeEllipArc2dTest, EvaluatesAlongItsAxes)
{
    const AcGeEllipArc2d ellipse({1, 1}, {0, 2}, {-1, 0}, 3.0, 1.0, 0.0, kPi);
    EXPECT_TRUE(isNear(ellipse.majorAxis(), {0, 1}));
    EXPECT_TRUE(isNear(ellipse.minorAxis(), {-1, 0}));
    EXPECT_TRUE(isNear(ellipse.startPoint(), {1, 4}, 1e-15));
    EXPECT_TRUE(isNear(ellipse.evalPoint(kPi / 2), {0, 1}, 1e-15));
    EXPECT_TRUE(isNear(ellipse.endPoint(), {1, -2}, 1e-15));
    EXPECT_FALSE(ellipse.isClockWise());
    EXPECT_FALSE(ellipse.isCircular());
    AcGeVector2dArray derivs;
    ellipse.evalPoint(0.0, 2, derivs);
    EXPECT_TRUE(isNear(derivs[0], {-1, 0}, 1e-15));
    EXPECT_TRUE(isNear(derivs[1], {0, -3}, 1e-15));
}

TEST(AcGeEllipArc2dTest, PerimeterByIntegration)
{
    const AcGeEllipArc2d ellipse({0, 0}, {1, 0}, {0, 1}, 2.0, 1.0);
    EXPECT_TRUE(ellipse.isClosed());
    EXPECT_NEAR(ellipse.length(0.0, 2 * kPi), 9.688448220547675, 1e-9);
    EXPECT_NEAR(ellipse.length(0.0, kPi / 2), 9.688448220547675 / 4, 1e-9);
}

TEST(AcGeEllipArc2dTest, FromClockwiseCircularArc)
{
    const AcGeCircArc2d arc({0, 0}, 2.0, 0.0, kPi / 2, AcGeVector2d::kXAxis, Adesk::kTrue);
    const AcGeEllipArc2d ellipse(arc);
    EXPECT_TRUE(ellipse.isClockWise());
    EXPECT_TRUE(ellipse.isCircular());
    EXPECT_TRUE(isNear(ellipse.startPoint(), {2, 0}, 1e-15));
    EXPECT_TRUE(isNear(ellipse.endPoint(), {0, -2}, 1e-15));
    EXPECT_NEAR(ellipse.length(ellipse.startAng(), ellipse.endAng()), kPi, 1e-12);
}

TEST(AcGeEllipArc2dTest, TransformScalesRadii)
{
    AcGeEllipArc2d ellipse({1, 0}, {1, 0}, {0, 1}, 2.0, 1.0);
    ellipse.scaleBy(3.0, {0, 0});
    EXPECT_TRUE(isNear(ellipse.center(), {3, 0}));
    EXPECT_DOUBLE_EQ(ellipse.majorRadius(), 6.0);
    EXPECT_DOUBLE_EQ(ellipse.minorRadius(), 3.0);
    ellipse.rotateBy(kPi / 2, {3, 0});
    EXPECT_TRUE(isNear(ellipse.majorAxis(), {0, 1}, 1e-15));
    EXPECT_TRUE(isNear(ellipse.startPoint(), {3, 6}, 1e-14));
}

TEST(AcGeEllipArc2dTest, ParamOfPointOnCurve)
{
    const AcGeEllipArc2d ellipse({0, 0}, {1, 0}, {0, 1}, 2.0, 1.0);
    EXPECT_NEAR(ellipse.paramOf({2 * std::cos(1.0), std::sin(1.0)}), 1.0, 1e-9);
}

} // namespace
