// Non-uniform rational B-spline curves in space: evaluation, sampling, interpolation through fit
// points and the uniform splines that spline-fit polylines follow. Used by splines and polylines.
#pragma once

#include "gepnt3d.h"
#include "gevec3d.h"

#include <vector>

namespace cadhost {

constexpr int kMaxSplineDegree = 25;

struct NurbsCurve {
    int degree = 3;
    std::vector<AcGePoint3d> controlPoints;
    std::vector<double> knots;
    // Empty for a non-rational curve.
    std::vector<double> weights;

    // Degree 1..25, at least degree + 1 control points, one knot more than control points plus degree,
    // non-decreasing knots with a non-empty domain, and positive weights when rational.
    bool isValid() const;
    double startParam() const { return knots[static_cast<std::size_t>(degree)]; }
    double endParam() const { return knots[controlPoints.size()]; }
    // The point at a parameter of the domain (clamped to it).
    AcGePoint3d evaluate(double param) const;
    // Points along the curve: the start of every non-empty knot span, pointsPerSpan points within it, and
    // the end point.
    std::vector<AcGePoint3d> sample(int pointsPerSpan) const;
};

// A clamped curve of the given degree through the points, parametrised by chord length. Non-zero tangents
// fix the directions at the ends (their size follows the total chord length). The degree drops to
// what the number of points allows. An invalid curve results for fewer than two distinct points.
NurbsCurve interpolateNurbs(const std::vector<AcGePoint3d>& points, int degree, const AcGeVector3d& startTangent,
                            const AcGeVector3d& endTangent);

// The clamped uniform B-spline of the given degree over the control points, as spline-fit polylines use.
NurbsCurve uniformClampedNurbs(const std::vector<AcGePoint3d>& controlPoints, int degree);

} // namespace cadhost
