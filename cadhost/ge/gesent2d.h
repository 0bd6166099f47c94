// Base of the spline curves of the plane: a B-spline of some degree over a knot vector and control
// points, rational when it has weights. The parameter runs from knots[degree] to knots[numKnots-degree-1].
#pragma once

#include "gecurv2d.h"
#include "gedblar.h"
#include "gekvec.h"

class CADHOST_EXPORT AcGeSplineEnt2d : public AcGeCurve2d {
public:
    // Rational when it has weights that are not all equal.
    bool isRational() const;
    int degree() const { return m_degree; }
    int order() const { return m_degree + 1; }
    int numKnots() const { return m_knots.length(); }
    const AcGeKnotVector& knots() const { return m_knots; }
    int numControlPoints() const { return m_controlPoints.length(); }
    double startParam() const { return interval().lowerBound(); }
    double endParam() const { return interval().upperBound(); }
    AcGePoint2d startPoint() const { return evalPoint(startParam()); }
    AcGePoint2d endPoint() const { return evalPoint(endParam()); }
    virtual bool hasFitData() const = 0;

    double knotAt(int idx) const { return m_knots[idx]; }
    AcGeSplineEnt2d& setKnotAt(int idx, double val);
    AcGePoint2d controlPointAt(int idx) const { return m_controlPoints[idx]; }
    AcGeSplineEnt2d& setControlPointAt(int idx, const AcGePoint2d& pnt);

protected:
    AcGeSplineEnt2d() = default;
    AcGeSplineEnt2d(const AcGeSplineEnt2d&) = default;
    AcGeSplineEnt2d& operator=(const AcGeSplineEnt2d&) = default;

    // Degree at least 1, at least degree+1 control points, numControlPoints+degree+1 non-decreasing knots
    // and, when there are weights, one positive weight per control point. An invalid definition evaluates
    // to its first control point (or the origin) over the empty interval at 0.
    bool isValidDefinition() const;

    bool isEqualToSameType(const AcGeEntity2d& entity, const AcGeTol& tol) const override;
    void transformGeometry(const AcGeMatrix2d& xfm) override;
    AcGeInterval interval() const override;
    AcGePoint2d evaluate(double param, int numDeriv, AcGeVector2d* derivs) const override;
    void getBreakParams(AcGeDoubleArray& params) const override;

    int m_degree = 1;
    AcGeKnotVector m_knots;
    AcGePoint2dArray m_controlPoints;
    // Empty for a non-rational spline.
    AcGeDoubleArray m_weights;
};
