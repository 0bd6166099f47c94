#include "geent2d.h"

#include <array>
#include <utility>

namespace {

// Each entity kind with the kind it derives from; roots name themselves.
constexpr std::array<std::pair<AcGe::EntityId, AcGe::EntityId>, 26> kParentKinds{{
    {AcGe::kEntity2d, AcGe::kEntity2d},       {AcGe::kEntity3d, AcGe::kEntity3d},
    {AcGe::kPointEnt2d, AcGe::kEntity2d},     {AcGe::kPointEnt3d, AcGe::kEntity3d},
    {AcGe::kCurve2d, AcGe::kEntity2d},        {AcGe::kCurve3d, AcGe::kEntity3d},
    {AcGe::kCircArc2d, AcGe::kCurve2d},       {AcGe::kCircArc3d, AcGe::kConic3d},
    {AcGe::kConic2d, AcGe::kCurve2d},         {AcGe::kConic3d, AcGe::kCurve3d},
    {AcGe::kEllipArc2d, AcGe::kCurve2d},      {AcGe::kEllipArc3d, AcGe::kConic3d},
    {AcGe::kLinearEnt2d, AcGe::kCurve2d},     {AcGe::kLinearEnt3d, AcGe::kCurve3d},
    {AcGe::kLine2d, AcGe::kLinearEnt2d},      {AcGe::kLine3d, AcGe::kLinearEnt3d},
    {AcGe::kLineSeg2d, AcGe::kLinearEnt2d},   {AcGe::kLineSeg3d, AcGe::kLinearEnt3d},
    {AcGe::kPlanarEnt, AcGe::kEntity3d},      {AcGe::kPlane, AcGe::kPlanarEnt},
    {AcGe::kSplineEnt2d, AcGe::kCurve2d},     {AcGe::kSplineEnt3d, AcGe::kCurve3d},
    {AcGe::kPolyline2d, AcGe::kSplineEnt2d},  {AcGe::kPolyline3d, AcGe::kSplineEnt3d},
    {AcGe::kNurbCurve2d, AcGe::kSplineEnt2d}, {AcGe::kNurbCurve3d, AcGe::kSplineEnt3d},
}};

AcGe::EntityId parentKind(AcGe::EntityId kind)
{
    for (const auto& [child, parent] : kParentKinds)
        if (child == kind)
            return parent;
    return kind;
}

} // namespace

bool AcGeEntity2d::isKindOf(AcGe::EntityId entType) const
{
    for (AcGe::EntityId kind = type();; kind = parentKind(kind)) {
        if (kind == entType)
            return true;
        if (parentKind(kind) == kind)
            return false;
    }
}

bool AcGeEntity2d::isEqualTo(const AcGeEntity2d& entity, const AcGeTol& tol) const
{
    return type() == entity.type() && isEqualToSameType(entity, tol);
}

AcGeEntity2d& AcGeEntity2d::transformBy(const AcGeMatrix2d& xfm)
{
    transformGeometry(xfm);
    return *this;
}

AcGeEntity2d& AcGeEntity2d::translateBy(const AcGeVector2d& translateVec)
{
    return transformBy(AcGeMatrix2d::translation(translateVec));
}

AcGeEntity2d& AcGeEntity2d::rotateBy(double angle, const AcGePoint2d& wrtPoint)
{
    return transformBy(AcGeMatrix2d::rotation(angle, wrtPoint));
}

AcGeEntity2d& AcGeEntity2d::scaleBy(double scaleFactor, const AcGePoint2d& wrtPoint)
{
    return transformBy(AcGeMatrix2d::scaling(scaleFactor, wrtPoint));
}
