// Geometry shared by the curve entities: angles, conic arcs (circles, arcs, ellipses written as
// center + u cos t + v sin t), their exact extents and their behaviour under a transformation.
#pragma once

#include "dbextents.h"
#include "gemat3d.h"
#include "gepnt3d.h"
#include "gevec3d.h"

#include <numbers>
#include <vector>

namespace cadhost {

constexpr double kTwoPi = 2.0 * std::numbers::pi;

// The angle brought into [0, 2*pi).
double normalizeAngle(double angle);
// The counter-clockwise sweep from start to end, in [0, 2*pi).
double sweepAngle(double startAngle, double endAngle);

// The determinant of the linear part: negative for a transformation that mirrors.
double linearDeterminant(const AcGeMatrix3d& transform);
// The unit normal of a plane after the transformation (the inverse transpose applied to the normal), so
// that a mirror in a plane containing the normal keeps it.
AcGeVector3d transformNormal(const AcGeMatrix3d& transform, const AcGeVector3d& normal);

// Points center + u cos t + v sin t for t from startParam over sweep (sweep may be a full turn).
struct ConicArc {
    AcGePoint3d center;
    AcGeVector3d u;
    AcGeVector3d v;
    double startParam = 0.0;
    double sweep = kTwoPi;

    AcGePoint3d pointAt(double param) const;
    AcGePoint3d startPoint() const { return pointAt(startParam); }
    AcGePoint3d endPoint() const { return pointAt(startParam + sweep); }
    // Exact extents: the end points and every point where a coordinate is extreme.
    void addExtents(AcDbExtents& extents) const;
    // The area between the arc and its chord (the whole area for a full turn).
    double segmentArea() const;
};

// An arc of an ellipse after an arbitrary affine transformation, described by its new principal axes:
// major and minor are perpendicular with |minor| <= |major|, and the normal is major x minor, turned
// over (with the parameters reversed) when the transformation mirrors, so that it follows transformNormal
// of the arc's normal u x v.
struct EllipseFrame {
    AcGePoint3d center;
    AcGeVector3d normal;
    AcGeVector3d majorAxis;
    double radiusRatio = 1.0;
    double startParam = 0.0;
    double sweep = kTwoPi;
};
// False for a transformation that collapses the arc.
bool transformConicArc(const AcGeMatrix3d& transform, const ConicArc& arc, EllipseFrame& result);

// Parameters and angles of an ellipse: the angle of the point at a parameter, measured from the major axis.
double ellipseParamAtAngle(double angle, double radiusRatio);
double ellipseAngleAtParam(double param, double radiusRatio);

// The area of a closed polygon in space (the last point joins the first): half the length of its
// Newell normal, so that a planar polygon gives its area whatever its plane.
double polygonArea(const std::vector<AcGePoint3d>& points);

// Extents of an extruded shape: the extents also hold their copy moved by the extrusion vector.
void addExtrusion(AcDbExtents& extents, const AcGeVector3d& extrusion);

} // namespace cadhost
