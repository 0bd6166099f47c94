// An elliptic arc of the plane: center + majorRadius*cos(t)*majorAxis + minorRadius*sin(t)*minorAxis
// for the parameter t from startAng to endAng (axes of unit length).
#pragma once

#include "gearc2d.h"
#include "gecurv2d.h"

#include <numbers>

class CADHOST_EXPORT AcGeEllipArc2d : public AcGeCurve2d {
public:
    AcGeEllipArc2d() = default;
    explicit AcGeEllipArc2d(const AcGeCircArc2d& arc);
    AcGeEllipArc2d(const AcGePoint2d& cent, const AcGeVector2d& majorAxis, const AcGeVector2d& minorAxis,
                   double majorRadius, double minorRadius);
    AcGeEllipArc2d(const AcGePoint2d& cent, const AcGeVector2d& majorAxis, const AcGeVector2d& minorAxis,
                   double majorRadius, double minorRadius, double startAngle, double endAngle);

    AcGe::EntityId type() const override { return AcGe::kEllipArc2d; }
    AcGeEntity2d* copy() const override { return new AcGeEllipArc2d(*this); }

    AcGePoint2d center() const { return m_center; }
    double minorRadius() const { return m_minorRadius; }
    double majorRadius() const { return m_majorRadius; }
    AcGeVector2d minorAxis() const { return m_minorAxis; }
    AcGeVector2d majorAxis() const { return m_majorAxis; }
    double startAng() const { return m_startAng; }
    double endAng() const { return m_endAng; }
    AcGePoint2d startPoint() const { return evalPoint(m_startAng); }
    AcGePoint2d endPoint() const { return evalPoint(m_endAng); }
    // The minor axis lies clockwise from the major axis.
    bool isClockWise() const;
    bool isCircular(const AcGeTol& tol = AcGeContext::gTol) const;

    AcGeEllipArc2d& setCenter(const AcGePoint2d& cent);
    AcGeEllipArc2d& setMinorRadius(double rad);
    AcGeEllipArc2d& setMajorRadius(double rad);
    // The axes are stored with unit length.
    AcGeEllipArc2d& setAxes(const AcGeVector2d& majorAxis, const AcGeVector2d& minorAxis);
    // endAng is raised by whole turns until it is not below startAng.
    AcGeEllipArc2d& setAngles(double startAngle, double endAngle);
    AcGeEllipArc2d& set(const AcGePoint2d& cent, const AcGeVector2d& majorAxis, const AcGeVector2d& minorAxis,
                        double majorRadius, double minorRadius);
    AcGeEllipArc2d& set(const AcGePoint2d& cent, const AcGeVector2d& majorAxis, const AcGeVector2d& minorAxis,
                        double majorRadius, double minorRadius, double startAngle, double endAngle);
    AcGeEllipArc2d& set(const AcGeCircArc2d& arc);

protected:
    bool isEqualToSameType(const AcGeEntity2d& entity, const AcGeTol& tol) const override;
    void transformGeometry(const AcGeMatrix2d& xfm) override;
    AcGeInterval interval() const override { return AcGeInterval(m_startAng, m_endAng); }
    AcGePoint2d evaluate(double param, int numDeriv, AcGeVector2d* derivs) const override;

private:
    AcGePoint2d m_center;
    AcGeVector2d m_majorAxis = AcGeVector2d::kXAxis;
    AcGeVector2d m_minorAxis = AcGeVector2d::kYAxis;
    double m_majorRadius = 1.0;
    double m_minorRadius = 1.0;
    double m_startAng = 0.0;
    double m_endAng = 2.0 * std::numbers::pi;
};
