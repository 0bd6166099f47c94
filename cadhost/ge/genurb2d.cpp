#include "genurb2d.h"

AcGeNurbCurve2d::AcGeNurbCurve2d(int degree, const AcGeKnotVector& knots, const AcGePoint2dArray& controlPoints,
                                 Adesk::Boolean isPeriodic)
{
    set(degree, knots, controlPoints, AcGeDoubleArray(), isPeriodic);
}

AcGeNurbCurve2d::AcGeNurbCurve2d(int degree, const AcGeKnotVector& knots, const AcGePoint2dArray& controlPoints,
                                 const AcGeDoubleArray& weights, Adesk::Boolean isPeriodic)
{
    set(degree, knots, controlPoints, weights, isPeriodic);
}

void AcGeNurbCurve2d::getDefinitionData(int& degree, Adesk::Boolean& rational, Adesk::Boolean& periodic,
                                        AcGeKnotVector& knots, AcGePoint2dArray& controlPoints,
                                        AcGeDoubleArray& weights) const
{
    degree = m_degree;
    rational = isRational() ? Adesk::kTrue : Adesk::kFalse;
    periodic = m_periodic ? Adesk::kTrue : Adesk::kFalse;
    knots = m_knots;
    controlPoints = m_controlPoints;
    weights = m_weights;
}

AcGeNurbCurve2d& AcGeNurbCurve2d::set(int degree, const AcGeKnotVector& knots, const AcGePoint2dArray& controlPoints,
                                      const AcGeDoubleArray& weights, Adesk::Boolean isPeriodic)
{
    m_degree = degree;
    m_knots = knots;
    m_controlPoints = controlPoints;
    m_weights = weights;
    m_periodic = isPeriodic != Adesk::kFalse;
    purgeFitData();
    return *this;
}

AcGeNurbCurve2d& AcGeNurbCurve2d::setWeightAt(int idx, double val)
{
    if (m_weights.isEmpty()) {
        m_weights.setLogicalLength(m_controlPoints.length());
        for (double& w : m_weights)
            w = 1.0;
    }
    m_weights.setAt(idx, val);
    return *this;
}

bool AcGeNurbCurve2d::getFitPointAt(int index, AcGePoint2d& point) const
{
    if (index < 0 || index >= m_fitPoints.length())
        return false;
    point = m_fitPoints[index];
    return true;
}

bool AcGeNurbCurve2d::getFitTolerance(AcGeTol& fitTolerance) const
{
    if (!hasFitData())
        return false;
    fitTolerance = m_fitTolerance;
    return true;
}

bool AcGeNurbCurve2d::getFitTangents(AcGeVector2d& startTangent, AcGeVector2d& endTangent) const
{
    if (!hasFitData())
        return false;
    startTangent = m_startTangent;
    endTangent = m_endTangent;
    return !m_startTangent.isZeroLength() || !m_endTangent.isZeroLength();
}

bool AcGeNurbCurve2d::getFitData(AcGePoint2dArray& fitPoints, AcGeTol& fitTolerance, Adesk::Boolean& tangentsExist,
                                 AcGeVector2d& startTangent, AcGeVector2d& endTangent) const
{
    if (!hasFitData())
        return false;
    fitPoints = m_fitPoints;
    fitTolerance = m_fitTolerance;
    tangentsExist = getFitTangents(startTangent, endTangent) ? Adesk::kTrue : Adesk::kFalse;
    return true;
}

AcGeNurbCurve2d& AcGeNurbCurve2d::setFitData(const AcGePoint2dArray& fitPoints, const AcGeVector2d& startTangent,
                                             const AcGeVector2d& endTangent, const AcGeTol& fitTol)
{
    m_fitPoints = fitPoints;
    m_startTangent = startTangent;
    m_endTangent = endTangent;
    m_fitTolerance = fitTol;
    return *this;
}

bool AcGeNurbCurve2d::purgeFitData()
{
    m_fitPoints.removeAll();
    m_startTangent = AcGeVector2d::kIdentity;
    m_endTangent = AcGeVector2d::kIdentity;
    m_fitTolerance = AcGeTol();
    return true;
}

bool AcGeNurbCurve2d::isEqualToSameType(const AcGeEntity2d& entity, const AcGeTol& tol) const
{
    return AcGeSplineEnt2d::isEqualToSameType(entity, tol) &&
           m_periodic == static_cast<const AcGeNurbCurve2d&>(entity).m_periodic;
}

void AcGeNurbCurve2d::transformGeometry(const AcGeMatrix2d& xfm)
{
    AcGeSplineEnt2d::transformGeometry(xfm);
    for (AcGePoint2d& pnt : m_fitPoints)
        pnt.transformBy(xfm);
    m_startTangent.transformBy(xfm);
    m_endTangent.transformBy(xfm);
}
