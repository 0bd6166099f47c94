// A circular arc of the plane. The parameter is the angle from the reference vector, measured
// counter-clockwise, or clockwise for a clockwise arc; it runs from startAng to endAng.
#pragma once

#include "gecurv2d.h"

#include <numbers>

class CADHOST_EXPORT AcGeCircArc2d : public AcGeCurve2d {
public:
    AcGeCircArc2d() = default;
    AcGeCircArc2d(const AcGePoint2d& cent, double radius);
    AcGeCircArc2d(const AcGePoint2d& cent, double radius, double startAngle, double endAngle,
                  const AcGeVector2d& refVec = AcGeVector2d::kXAxis, Adesk::Boolean isClockWise = Adesk::kFalse);
    // The arc through three points.
    AcGeCircArc2d(const AcGePoint2d& startPoint, const AcGePoint2d& point, const AcGePoint2d& endPoint);
    // The arc from startPoint to endPoint with the given bulge: with bulgeFlag, the greatest distance of the
    // arc from its chord; without, tan(sweep / 4). A negative bulge gives a clockwise arc.
    AcGeCircArc2d(const AcGePoint2d& startPoint, const AcGePoint2d& endPoint, double bulge,
                  Adesk::Boolean bulgeFlag = Adesk::kTrue);

    AcGe::EntityId type() const override { return AcGe::kCircArc2d; }
    AcGeEntity2d* copy() const override { return new AcGeCircArc2d(*this); }

    AcGePoint2d center() const { return m_center; }
    double radius() const { return m_radius; }
    double startAng() const { return m_startAng; }
    double endAng() const { return m_endAng; }
    bool isClockWise() const { return m_clockWise; }
    AcGeVector2d refVec() const { return m_refVec; }
    AcGePoint2d startPoint() const { return evalPoint(m_startAng); }
    AcGePoint2d endPoint() const { return evalPoint(m_endAng); }
    // Strictly inside the full circle.
    bool isInside(const AcGePoint2d& pnt, const AcGeTol& tol = AcGeContext::gTol) const;

    AcGeCircArc2d& setCenter(const AcGePoint2d& cent);
    AcGeCircArc2d& setRadius(double radius);
    // endAng is raised by whole turns until it is not below startAng.
    AcGeCircArc2d& setAngles(double startAng, double endAng);
    AcGeCircArc2d& setRefVec(const AcGeVector2d& vec);
    AcGeCircArc2d& setToComplement();
    AcGeCircArc2d& set(const AcGePoint2d& cent, double radius);
    AcGeCircArc2d& set(const AcGePoint2d& cent, double radius, double ang1, double ang2,
                       const AcGeVector2d& refVec = AcGeVector2d::kXAxis, Adesk::Boolean isClockWise = Adesk::kFalse);
    AcGeCircArc2d& set(const AcGePoint2d& startPoint, const AcGePoint2d& point, const AcGePoint2d& endPoint);
    AcGeCircArc2d& set(const AcGePoint2d& startPoint, const AcGePoint2d& endPoint, double bulge,
                       Adesk::Boolean bulgeFlag = Adesk::kTrue);

protected:
    bool isEqualToSameType(const AcGeEntity2d& entity, const AcGeTol& tol) const override;
    void transformGeometry(const AcGeMatrix2d& xfm) override;
    AcGeInterval interval() const override { return AcGeInterval(m_startAng, m_endAng); }
    AcGePoint2d evaluate(double param, int numDeriv, AcGeVector2d* derivs) const override;
    double arcLength(double fromParam, double toParam, double tol) const override;
    double closestParam(const AcGePoint2d& pnt) const override;

private:
    AcGePoint2d m_center;
    double m_radius = 1.0;
    double m_startAng = 0.0;
    double m_endAng = 2.0 * std::numbers::pi;
    AcGeVector2d m_refVec = AcGeVector2d::kXAxis;
    bool m_clockWise = false;
};
