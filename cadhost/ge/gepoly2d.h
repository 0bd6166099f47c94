// A polyline of the plane: straight segments through its points, the degree 1 spline whose parameter
// is i at point i.
#pragma once

#include "gesent2d.h"

class CADHOST_EXPORT AcGePolyline2d : public AcGeSplineEnt2d {
public:
    AcGePolyline2d() = default;
    explicit AcGePolyline2d(const AcGePoint2dArray& points);

    AcGe::EntityId type() const override { return AcGe::kPolyline2d; }
    AcGeEntity2d* copy() const override { return new AcGePolyline2d(*this); }

    bool hasFitData() const override { return true; }
    int numFitPoints() const { return numControlPoints(); }
    AcGePoint2d fitPointAt(int idx) const { return controlPointAt(idx); }
    AcGePolyline2d& setFitPointAt(int idx, const AcGePoint2d& point);

protected:
    double arcLength(double fromParam, double toParam, double tol) const override;
};
