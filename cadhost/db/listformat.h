// Lines of the host's LIST output for entity geometry: a right-aligned label, then the value, each
// line starting on a new line of the command line.
#pragma once

#include "gepnt3d.h"
#include "gevec3d.h"

class AcDbEntity;

namespace cadhost {

// The first lines of an entity's listing: its type as the drawing file names it, its layer and its
// handle.
void listHeader(const AcDbEntity& entity);
// The header with the kind given rather than the class's DXF name.
void listHeader(const AcDbEntity& entity, const ACHAR* kind);

void listPoint(const ACHAR* label, const AcGePoint3d& point);
void listVector(const ACHAR* label, const AcGeVector3d& vector);
void listValue(const ACHAR* label, double value);
// An angle given in radians, listed in degrees.
void listAngle(const ACHAR* label, double radians);
void listText(const ACHAR* label, const ACHAR* text);
// A normal is listed only when it differs from the world z axis, as the host does.
void listNormal(const AcGeVector3d& normal);

} // namespace cadhost
