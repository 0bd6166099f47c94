// Plane geometry shared by the entities that lie in a plane given by its normal (texts, multi-line
// texts, block references, hatches, dimensions): directions measured in the entity coordinate system,
// and the way such a frame follows a transformation.
#pragma once

#include "dbextents.h"
#include "gemat3d.h"
#include "gepnt3d.h"
#include "gevec3d.h"

namespace cadhost {

// The unit direction at the given angle from the x axis of the plane's entity coordinate system.
AcGeVector3d planeDirection(const AcGeVector3d& normal, double angle);
// The angle of a direction about the normal, from the x axis of the entity coordinate system, in [0, 2*pi).
double planeAngle(const AcGeVector3d& normal, const AcGeVector3d& direction);

// A planar frame after a transformation: the images of its unit x and y directions give the new
// normal, the new x direction and the stretch factors along both axes.
struct PlaneFrame {
    AcGeVector3d normal;
    AcGeVector3d xDirection;
    double xScale = 1.0;
    double yScale = 1.0;
};
PlaneFrame transformFrame(const AcGeMatrix3d& transform, const AcGeVector3d& normal, const AcGeVector3d& xDirection);

// The corners of a rectangle spanned from origin along two directions.
void addBox(AcDbExtents& extents, const AcGePoint3d& origin, const AcGeVector3d& xSide, const AcGeVector3d& ySide);

// Extents that hold at least one point.
inline bool hasPoints(const AcDbExtents& extents)
{
    return extents.minPoint().x <= extents.maxPoint().x;
}

} // namespace cadhost
