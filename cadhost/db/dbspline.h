// Splines: non-uniform rational B-spline curves, optionally with the fit data they were made from.
#pragma once

#include "dbcurve.h"
#include "gedblar.h"

#include <vector>

namespace cadhost {
struct FieldAccess;
struct NurbsCurve;
} // namespace cadhost

class CADHOST_EXPORT AcDbSpline : public AcDbCurve {
public:
    ACRX_DECLARE_MEMBERS(AcDbSpline);
    AcDbSpline() = default;
    // The spline through the fit points, of degree order - 1.
    explicit AcDbSpline(const AcGePoint3dArray& fitPoints, int order = 4, double fitTolerance = 0.0);
    AcDbSpline(const AcGePoint3dArray& fitPoints, const AcGeVector3d& startTangent, const AcGeVector3d& endTangent,
               int order = 4, double fitTolerance = 0.0);
    AcDbSpline(int degree, Adesk::Boolean rational, Adesk::Boolean closed, Adesk::Boolean periodic,
               const AcGePoint3dArray& controlPoints, const AcGeDoubleArray& knots, const AcGeDoubleArray& weights,
               double controlPtTol = 0.0, double knotTol = 0.0);

    // A spline without control points.
    Adesk::Boolean isNull() const;
    Adesk::Boolean isRational() const;
    int degree() const;
    int numControlPoints() const;
    Acad::ErrorStatus getControlPointAt(int index, AcGePoint3d& point) const;
    Acad::ErrorStatus setControlPointAt(int index, const AcGePoint3d& point);
    int numFitPoints() const;
    Acad::ErrorStatus getFitPointAt(int index, AcGePoint3d& point) const;
    Acad::ErrorStatus getWeightAt(int index, double& weight) const;

    Acad::ErrorStatus getNurbsData(int& degree, Adesk::Boolean& rational, Adesk::Boolean& closed,
                                   Adesk::Boolean& periodic, AcGePoint3dArray& controlPoints, AcGeDoubleArray& knots,
                                   AcGeDoubleArray& weights, double& controlPtTol, double& knotTol) const;
    // Replaces the definition and drops any fit data. eInvalidInput for a degree outside 1..25, fewer than
    // degree + 1 control points, a knot count other than control points + degree + 1, decreasing
    // knots, or weights (when rational) that are not one positive value per control point.
    Acad::ErrorStatus setNurbsData(int degree, Adesk::Boolean rational, Adesk::Boolean closed, Adesk::Boolean periodic,
                                   const AcGePoint3dArray& controlPoints, const AcGeDoubleArray& knots,
                                   const AcGeDoubleArray& weights, double controlPtTol = 0.0, double knotTol = 0.0);

    Adesk::Boolean hasFitData() const;
    Acad::ErrorStatus getFitData(AcGePoint3dArray& fitPoints, int& degree, double& fitTolerance,
                                 Adesk::Boolean& tangentsExist, AcGeVector3d& startTangent,
                                 AcGeVector3d& endTangent) const;
    // Keeps the fit data and replaces the definition by the interpolation through the fit points (with
    // the end tangents when both are non-zero). eInvalidInput for fewer than two distinct fit points or
    // a degree outside 1..25.
    Acad::ErrorStatus setFitData(const AcGePoint3dArray& fitPoints, int degree, double fitTolerance,
                                 const AcGeVector3d& startTangent, const AcGeVector3d& endTangent);
    Acad::ErrorStatus purgeFitData();

    Adesk::Boolean isClosed() const override;
    Adesk::Boolean isPeriodic() const override;
    Acad::ErrorStatus getStartParam(double& param) const override;
    Acad::ErrorStatus getEndParam(double& param) const override;
    Acad::ErrorStatus getStartPoint(AcGePoint3d& point) const override;
    Acad::ErrorStatus getEndPoint(AcGePoint3d& point) const override;
    Acad::ErrorStatus getPointAtParam(double param, AcGePoint3d& point) const override;
    // The area of the sampled curve closed by its chord, projected on its best plane.
    Acad::ErrorStatus getArea(double& area) const override;

    Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer) override;
    Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const override;

protected:
    Adesk::Boolean subWorldDraw(AcGiWorldDraw* worldDraw) override;
    void subList() const override;
    Acad::ErrorStatus subGetGeomExtents(AcDbExtents& extents) const override;
    Acad::ErrorStatus subTransformBy(const AcGeMatrix3d& transform) override;
    Acad::ErrorStatus subGetGripPoints(AcGePoint3dArray& gripPoints, AcDbIntArray& osnapModes,
                                       AcDbIntArray& geomIds) const override;
    Acad::ErrorStatus subMoveGripPointsAt(const AcDbIntArray& indices, const AcGeVector3d& offset) override;
    Acad::ErrorStatus subGetStretchPoints(AcGePoint3dArray& stretchPoints) const override;
    Acad::ErrorStatus subGetOsnapPoints(AcDb::OsnapMode osnapMode, Adesk::GsMarker gsSelectionMark,
                                        const AcGePoint3d& pickPoint, const AcGePoint3d& lastPoint,
                                        const AcGeMatrix3d& viewTransform, AcGePoint3dArray& snapPoints,
                                        AcDbIntArray& geomIds) const override;

private:
    friend struct cadhost::FieldAccess;
    template <class Self, class Io> static void fileFields(Self& self, Io& io);
    // Points along the curve for drawing and measuring; empty for a spline without a valid definition.
    std::vector<AcGePoint3d> samples() const;
    // The stored definition as a curve to evaluate; check isValid before using it.
    cadhost::NurbsCurve definition() const;

    int m_degree = 3;
    bool m_rational = false;
    bool m_closed = false;
    bool m_periodic = false;
    std::vector<AcGePoint3d> m_controlPoints;
    std::vector<double> m_knots;
    std::vector<double> m_weights;
    double m_controlPtTol = 0.0;
    double m_knotTol = 0.0;
    std::vector<AcGePoint3d> m_fitPoints;
    int m_fitDegree = 3;
    double m_fitTolerance = 0.0;
    AcGeVector3d m_startTangent;
    AcGeVector3d m_endTangent;
};
