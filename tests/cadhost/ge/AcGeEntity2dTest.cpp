#include "gearc2d.h"
#include "geell2d.h"
#include "gelnsg2d.h"
#include "genear.h"
#include "genurb2d.h"
#include "gepoly2d.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <numbers>

namespace {

AcGePoint2dArray twoPoints()
{
    AcGePoint2dArray array;
    array.append(AcGePoint2d(0, 0));
    array.append(AcGePoint2d(1, 1));
    return array;
}

AcGeNurbCurve2d lineAsNurbs()
{
    AcGeDoubleArray kv;
    for (double k : {0.0, 0.0, 1.0, 1.0})
        kv.append(k);
    return AcGeNurbCurve2d(1, AcGeKnotVector(kv), twoPoints());
}

struct KindCase {
    const char* name;
    std::function<std::unique_ptr<AcGeEntity2d>()> make;
    AcGe::EntityId type;
    std::vector<AcGe::EntityId> kinds;
    std::vector<AcGe::EntityId> notKinds;
};

class AcGeEntity2dKindTest : public ::testing::TestWithParam<KindCase> {};

TEST_P(AcGeEntity2dKindTest, TypeAndDerivation)
{
    const KindCase& c = GetParam();
    const std::unique_ptr<AcGeEntity2d> entity = c.make();
    EXPECT_EQ(entity->type(), c.type);
    EXPECT_TRUE(entity->isKindOf(c.type));
    EXPECT_TRUE(entity->isKindOf(AcGe::kEntity2d));
    for (AcGe::EntityId kind : c.kinds)
        EXPECT_TRUE(entity->isKindOf(kind)) << kind;
    for (AcGe::EntityId kind : c.notKinds)
        EXPECT_FALSE(entity->isKindOf(kind)) << kind;

    const std::unique_ptr<AcGeEntity2d> copy(entity->copy());
    EXPECT_EQ(copy->type(), c.type);
    EXPECT_TRUE(*copy == *entity);
    copy->translateBy({0.5, 0});
    EXPECT_TRUE(*copy != *entity);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, AcGeEntity2dKindTest,
    ::testing::Values(KindCase{"LineSeg",
                               [] { return std::make_unique<AcGeLineSeg2d>(AcGePoint2d(0, 0), AcGePoint2d(1, 1)); },
                               AcGe::kLineSeg2d,
                               {AcGe::kLinearEnt2d, AcGe::kCurve2d},
                               {AcGe::kLine2d, AcGe::kSplineEnt2d, AcGe::kEntity3d}},
                      KindCase{"CircArc",
                               [] { return std::make_unique<AcGeCircArc2d>(AcGePoint2d(0, 0), 1.0); },
                               AcGe::kCircArc2d,
                               {AcGe::kCurve2d},
                               {AcGe::kEllipArc2d, AcGe::kLinearEnt2d}},
                      KindCase{"EllipArc",
                               [] { return std::make_unique<AcGeEllipArc2d>(); },
                               AcGe::kEllipArc2d,
                               {AcGe::kCurve2d},
                               {AcGe::kCircArc2d, AcGe::kSplineEnt2d}},
                      KindCase{"NurbCurve",
                               [] { return std::make_unique<AcGeNurbCurve2d>(lineAsNurbs()); },
                               AcGe::kNurbCurve2d,
                               {AcGe::kSplineEnt2d, AcGe::kCurve2d},
                               {AcGe::kPolyline2d, AcGe::kLineSeg2d}},
                      KindCase{"Polyline",
                               [] { return std::make_unique<AcGePolyline2d>(twoPoints()); },
                               AcGe::kPolyline2d,
                               {AcGe::kSplineEnt2d, AcGe::kCurve2d},
                               {AcGe::kNurbCurve2d, AcGe::kCurve3d}}),
    [](const ::testing::TestParamInfo<KindCase>& info) { return std::string(info.param.name); });

TEST(AcGeEntity2dTest, EqualGeometryOfDifferentTypesIsNotEqual)
{
    const AcGeLineSeg2d seg(AcGePoint2d(0, 0), AcGePoint2d(1, 1));
    const AcGePolyline2d poly(twoPoints());
    const AcGeNurbCurve2d nurbs = lineAsNurbs();
    EXPECT_FALSE(seg == poly);
    EXPECT_FALSE(poly == nurbs);
    EXPECT_TRUE(isNear(poly.evalPoint(0.5), {0.5, 0.5}));
    EXPECT_TRUE(isNear(nurbs.evalPoint(0.5), {0.5, 0.5}));
}

TEST(AcGeEntity2dTest, RigidMotionsThroughTheBase)
{
    AcGeLineSeg2d seg(AcGePoint2d(1, 0), AcGePoint2d(2, 0));
    AcGeEntity2d& entity = seg;
    entity.rotateBy(std::numbers::pi / 2).scaleBy(2.0, {0, 1}).translateBy({1, 1});
    EXPECT_TRUE(isNear(seg.startPoint(), {1, 2}, 1e-15));
    EXPECT_TRUE(isNear(seg.endPoint(), {1, 4}, 1e-15));
}

} // namespace
