// A bounded line segment of the plane; parameter 0 at the start point and 1 at the end point.
#pragma once

#include "gecurv2d.h"

class CADHOST_EXPORT AcGeLineSeg2d : public AcGeCurve2d {
public:
    AcGeLineSeg2d() = default;
    AcGeLineSeg2d(const AcGePoint2d& pnt1, const AcGePoint2d& pnt2) : m_start(pnt1), m_end(pnt2) {}
    AcGeLineSeg2d(const AcGePoint2d& pnt, const AcGeVector2d& vec) : m_start(pnt), m_end(pnt + vec) {}

    AcGe::EntityId type() const override { return AcGe::kLineSeg2d; }
    AcGeEntity2d* copy() const override { return new AcGeLineSeg2d(*this); }

    AcGeLineSeg2d& set(const AcGePoint2d& pnt1, const AcGePoint2d& pnt2)
    {
        m_start = pnt1;
        m_end = pnt2;
        return *this;
    }
    AcGeLineSeg2d& set(const AcGePoint2d& pnt, const AcGeVector2d& vec) { return set(pnt, pnt + vec); }

    AcGePoint2d startPoint() const { return m_start; }
    AcGePoint2d endPoint() const { return m_end; }
    AcGePoint2d midPoint() const { return m_start + (m_end - m_start) * 0.5; }
    AcGePoint2d pointOnLine() const { return m_start; }
    AcGeVector2d direction() const { return m_end - m_start; }
    using AcGeCurve2d::length;
    double length() const { return m_start.distanceTo(m_end); }

protected:
    bool isEqualToSameType(const AcGeEntity2d& entity, const AcGeTol& tol) const override;
    void transformGeometry(const AcGeMatrix2d& xfm) override;
    AcGeInterval interval() const override { return AcGeInterval(0.0, 1.0); }
    AcGePoint2d evaluate(double param, int numDeriv, AcGeVector2d* derivs) const override;
    double arcLength(double fromParam, double toParam, double tol) const override;
    double closestParam(const AcGePoint2d& pnt) const override;

private:
    AcGePoint2d m_start;
    AcGePoint2d m_end;
};
