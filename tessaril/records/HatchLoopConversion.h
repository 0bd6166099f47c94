// Turns one boundary loop of a hatch into a lightweight polyline: a polyline loop vertex by vertex, an
// edge loop edge by edge (lines, polylines, sampled splines, arcs as bulges), closed at the start of its
// first edge and cleaned of nearly collinear vertices that lie close together.
#pragma once

#include "dbhatch.h"
#include "dbpl.h"

// Fills polyline (which is expected to be empty) from loop loopIndex of hatch and answers the loop's
// type as the host reports it. A loop the host returns in neither form leaves the polyline empty.
Adesk::Int32 convertHatchLoop(const AcDbHatch& hatch, int loopIndex, AcDbPolyline& polyline);
