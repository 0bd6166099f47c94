#include "geell2d.h"

#include "geangle.h"

#include <cmath>

using cadhost::ge::endAngleAfter;
using cadhost::ge::kTwoPi;

AcGeEllipArc2d::AcGeEllipArc2d(const AcGeCircArc2d& arc)
{
    set(arc);
}

AcGeEllipArc2d::AcGeEllipArc2d(const AcGePoint2d& cent, const AcGeVector2d& majorAxis, const AcGeVector2d& minorAxis,
                               double majorRadius, double minorRadius)
{
    set(cent, majorAxis, minorAxis, majorRadius, minorRadius);
}

AcGeEllipArc2d::AcGeEllipArc2d(const AcGePoint2d& cent, const AcGeVector2d& majorAxis, const AcGeVector2d& minorAxis,
                               double majorRadius, double minorRadius, double startAngle, double endAngle)
{
    set(cent, majorAxis, minorAxis, majorRadius, minorRadius, startAngle, endAngle);
}

bool AcGeEllipArc2d::isClockWise() const
{
    return m_majorAxis.x * m_minorAxis.y - m_majorAxis.y * m_minorAxis.x < 0.0;
}

bool AcGeEllipArc2d::isCircular(const AcGeTol& tol) const
{
    return std::fabs(m_majorRadius - m_minorRadius) <= tol.equalPoint();
}

AcGeEllipArc2d& AcGeEllipArc2d::setCenter(const AcGePoint2d& cent)
{
    m_center = cent;
    return *this;
}

AcGeEllipArc2d& AcGeEllipArc2d::setMinorRadius(double rad)
{
    m_minorRadius = rad;
    return *this;
}

AcGeEllipArc2d& AcGeEllipArc2d::setMajorRadius(double rad)
{
    m_majorRadius = rad;
    return *this;
}

AcGeEllipArc2d& AcGeEllipArc2d::setAxes(const AcGeVector2d& majorAxis, const AcGeVector2d& minorAxis)
{
    m_majorAxis = majorAxis.normal();
    m_minorAxis = minorAxis.normal();
    return *this;
}

AcGeEllipArc2d& AcGeEllipArc2d::setAngles(double startAngle, double endAngle)
{
    m_startAng = startAngle;
    m_endAng = endAngleAfter(startAngle, endAngle);
    return *this;
}

AcGeEllipArc2d& AcGeEllipArc2d::set(const AcGePoint2d& cent, const AcGeVector2d& majorAxis,
                                    const AcGeVector2d& minorAxis, double majorRadius, double minorRadius)
{
    return set(cent, majorAxis, minorAxis, majorRadius, minorRadius, 0.0, kTwoPi);
}

AcGeEllipArc2d& AcGeEllipArc2d::set(const AcGePoint2d& cent, const AcGeVector2d& majorAxis,
                                    const AcGeVector2d& minorAxis, double majorRadius, double minorRadius,
                                    double startAngle, double endAngle)
{
    m_center = cent;
    m_majorRadius = majorRadius;
    m_minorRadius = minorRadius;
    setAxes(majorAxis, minorAxis);
    return setAngles(startAngle, endAngle);
}

AcGeEllipArc2d& AcGeEllipArc2d::set(const AcGeCircArc2d& arc)
{
    const AcGeVector2d u = arc.refVec();
    const AcGeVector2d v = arc.isClockWise() ? AcGeVector2d(u.y, -u.x) : AcGeVector2d(-u.y, u.x);
    return set(arc.center(), u, v, arc.radius(), arc.radius(), arc.startAng(), arc.endAng());
}

bool AcGeEllipArc2d::isEqualToSameType(const AcGeEntity2d& entity, const AcGeTol& tol) const
{
    const auto& other = static_cast<const AcGeEllipArc2d&>(entity);
    return m_center.isEqualTo(other.m_center, tol) && m_majorAxis.isEqualTo(other.m_majorAxis, tol) &&
           m_minorAxis.isEqualTo(other.m_minorAxis, tol) &&
           std::fabs(m_majorRadius - other.m_majorRadius) <= tol.equalPoint() &&
           std::fabs(m_minorRadius - other.m_minorRadius) <= tol.equalPoint() &&
           std::fabs(m_startAng - other.m_startAng) <= tol.equalVector() &&
           std::fabs(m_endAng - other.m_endAng) <= tol.equalVector();
}

void AcGeEllipArc2d::transformGeometry(const AcGeMatrix2d& xfm)
{
    // The images of the two semi-axes describe the transformed curve with the same parameters.
    const AcGeVector2d major = xfm * (m_majorAxis * m_majorRadius);
    const AcGeVector2d minor = xfm * (m_minorAxis * m_minorRadius);
    m_center.transformBy(xfm);
    m_majorRadius = major.length();
    m_minorRadius = minor.length();
    setAxes(major, minor);
}

AcGePoint2d AcGeEllipArc2d::evaluate(double param, int numDeriv, AcGeVector2d* derivs) const
{
    const AcGeVector2d major = m_majorAxis * m_majorRadius;
    const AcGeVector2d minor = m_minorAxis * m_minorRadius;
    for (int k = 1; k <= numDeriv; ++k) {
        const double t = param + k * 0.25 * kTwoPi;
        derivs[k - 1] = major * std::cos(t) + minor * std::sin(t);
    }
    return m_center + major * std::cos(param) + minor * std::sin(param);
}
