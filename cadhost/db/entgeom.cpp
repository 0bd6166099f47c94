#include "entgeom.h"

#include <cmath>
#include <numbers>

namespace cadhost {

AcGeVector3d planeDirection(const AcGeVector3d& normal, double angle)
{
    return AcGeMatrix3d::planeToWorld(normal) * AcGeVector3d(std::cos(angle), std::sin(angle), 0.0);
}

double planeAngle(const AcGeVector3d& normal, const AcGeVector3d& direction)
{
    const AcGeVector3d local = AcGeMatrix3d::worldToPlane(normal) * direction;
    double angle = std::atan2(local.y, local.x);
    if (angle < 0.0)
        angle += 2.0 * std::numbers::pi;
    return angle;
}

PlaneFrame transformFrame(const AcGeMatrix3d& transform, const AcGeVector3d& normal, const AcGeVector3d& xDirection)
{
    const AcGeVector3d x = xDirection.normal();
    const AcGeVector3d y = normal.normal().crossProduct(x);
    const AcGeVector3d newX = transform * x;
    const AcGeVector3d newY = transform * y;
    PlaneFrame frame;
    frame.xScale = newX.length();
    frame.yScale = newY.length();
    frame.xDirection = frame.xScale > 0.0 ? newX / frame.xScale : x;
    AcGeVector3d newNormal = newX.crossProduct(newY);
    frame.normal = newNormal.isZeroLength() ? normal : newNormal.normal();
    return frame;
}

void addBox(AcDbExtents& extents, const AcGePoint3d& origin, const AcGeVector3d& xSide, const AcGeVector3d& ySide)
{
    extents.addPoint(origin);
    extents.addPoint(origin + xSide);
    extents.addPoint(origin + ySide);
    extents.addPoint(origin + xSide + ySide);
}

} // namespace cadhost
