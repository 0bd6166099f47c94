// A non-uniform rational B-spline curve of the plane, as hatch boundaries hold spline edges.
// Fit data are kept beside the definition; the control points, knots and weights define the curve.
#pragma once

#include "gesent2d.h"

class CADHOST_EXPORT AcGeNurbCurve2d : public AcGeSplineEnt2d {
public:
    AcGeNurbCurve2d() = default;
    AcGeNurbCurve2d(int degree, const AcGeKnotVector& knots, const AcGePoint2dArray& controlPoints,
                    Adesk::Boolean isPeriodic = Adesk::kFalse);
    AcGeNurbCurve2d(int degree, const AcGeKnotVector& knots, const AcGePoint2dArray& controlPoints,
                    const AcGeDoubleArray& weights, Adesk::Boolean isPeriodic = Adesk::kFalse);

    AcGe::EntityId type() const override { return AcGe::kNurbCurve2d; }
    AcGeEntity2d* copy() const override { return new AcGeNurbCurve2d(*this); }

    void getDefinitionData(int& degree, Adesk::Boolean& rational, Adesk::Boolean& periodic, AcGeKnotVector& knots,
                           AcGePoint2dArray& controlPoints, AcGeDoubleArray& weights) const;
    AcGeNurbCurve2d& set(int degree, const AcGeKnotVector& knots, const AcGePoint2dArray& controlPoints,
                         const AcGeDoubleArray& weights, Adesk::Boolean isPeriodic = Adesk::kFalse);

    // A non-rational curve answers one weight of 1 per control point.
    int numWeights() const { return numControlPoints(); }
    double weightAt(int idx) const { return m_weights.isEmpty() ? 1.0 : m_weights[idx]; }
    AcGeNurbCurve2d& setWeightAt(int idx, double val);

    bool hasFitData() const override { return !m_fitPoints.isEmpty(); }
    int numFitPoints() const { return m_fitPoints.length(); }
    bool getFitPointAt(int index, AcGePoint2d& point) const;
    bool getFitTolerance(AcGeTol& fitTolerance) const;
    bool getFitTangents(AcGeVector2d& startTangent, AcGeVector2d& endTangent) const;
    bool getFitData(AcGePoint2dArray& fitPoints, AcGeTol& fitTolerance, Adesk::Boolean& tangentsExist,
                    AcGeVector2d& startTangent, AcGeVector2d& endTangent) const;
    AcGeNurbCurve2d& setFitData(const AcGePoint2dArray& fitPoints, const AcGeVector2d& startTangent,
                                const AcGeVector2d& endTangent, const AcGeTol& fitTol = AcGeContext::gTol);
    bool purgeFitData();

protected:
    bool isEqualToSameType(const AcGeEntity2d& entity, const AcGeTol& tol) const override;
    void transformGeometry(const AcGeMatrix2d& xfm) override;

private:
    bool m_periodic = false;
    AcGePoint2dArray m_fitPoints;
    AcGeTol m_fitTolerance;
    AcGeVector2d m_startTangent;
    AcGeVector2d m_endTangent;
};
