// Base of the parametric curves of the plane.
#pragma once

#include "gedblar.h"
#include "geent2d.h"
#include "geintrvl.h"
#include "gept2dar.h"
#include "gevc2dar.h"

class CADHOST_EXPORT AcGeCurve2d : public AcGeEntity2d {
public:
    void getInterval(AcGeInterval& intrvl) const { intrvl = interval(); }
    void getInterval(AcGeInterval& intrvl, AcGePoint2d& start, AcGePoint2d& end) const;

    AcGePoint2d evalPoint(double param) const { return evaluate(param, 0, nullptr); }
    // The point and its first numDeriv derivatives with respect to the parameter.
    AcGePoint2d evalPoint(double param, int numDeriv, AcGeVector2dArray& derivArray) const;

    // Parameter of the curve point closest to pnt.
    double paramOf(const AcGePoint2d& pnt, const AcGeTol& tol = AcGeContext::gTol) const;
    AcGePoint2d closestPointTo(const AcGePoint2d& pnt, const AcGeTol& tol = AcGeContext::gTol) const;
    double distanceTo(const AcGePoint2d& pnt, const AcGeTol& tol = AcGeContext::gTol) const;

    bool isClosed(const AcGeTol& tol = AcGeContext::gTol) const;
    // Arc length between two parameters (either order), accurate to tol relative to the result.
    double length(double fromParam, double toParam, double tol = AcGeContext::gTol.equalPoint()) const;

    bool hasStartPoint(AcGePoint2d& startPoint) const;
    bool hasEndPoint(AcGePoint2d& endPoint) const;
    // numSample points at equal parameter steps from the start to the end of the curve.
    void getSamplePoints(int numSample, AcGePoint2dArray& pointArray) const;

protected:
    AcGeCurve2d() = default;
    AcGeCurve2d(const AcGeCurve2d&) = default;
    AcGeCurve2d& operator=(const AcGeCurve2d&) = default;

    virtual AcGeInterval interval() const = 0;
    // The point at param and, when derivs is not null, its first numDeriv derivatives into derivs[0..].
    virtual AcGePoint2d evaluate(double param, int numDeriv, AcGeVector2d* derivs) const = 0;
    // Parameters where the curve may lose smoothness; the length integral and the closest point search
    // treat each piece between them separately. Default: the interval's bounds.
    virtual void getBreakParams(AcGeDoubleArray& params) const;
    // Arc length from fromParam to toParam (fromParam <= toParam); default: numeric integration.
    virtual double arcLength(double fromParam, double toParam, double tol) const;
    virtual double closestParam(const AcGePoint2d& pnt) const;
};
