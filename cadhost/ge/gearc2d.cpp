#include "gearc2d.h"

#include "geangle.h"

#include <cmath>

using cadhost::ge::endAngleAfter;
using cadhost::ge::kTwoPi;
using cadhost::ge::normalizedAngle;

namespace {

// Parameter of the direction dir for an arc with the given reference vector and sense.
double paramOfDirection(const AcGeVector2d& dir, const AcGeVector2d& refVec, bool clockWise)
{
    const double ang = refVec.angleTo(dir);
    const bool counterClockwiseOfRef = refVec.x * dir.y - refVec.y * dir.x >= 0.0;
    return normalizedAngle(counterClockwiseOfRef != clockWise ? ang : -ang);
}

} // namespace

AcGeCircArc2d::AcGeCircArc2d(const AcGePoint2d& cent, double radius)
{
    set(cent, radius);
}

AcGeCircArc2d::AcGeCircArc2d(const AcGePoint2d& cent, double radius, double startAngle, double endAngle,
                             const AcGeVector2d& refVec, Adesk::Boolean isClockWise)
{
    set(cent, radius, startAngle, endAngle, refVec, isClockWise);
}

AcGeCircArc2d::AcGeCircArc2d(const AcGePoint2d& startPoint, const AcGePoint2d& point, const AcGePoint2d& endPoint)
{
    set(startPoint, point, endPoint);
}

AcGeCircArc2d::AcGeCircArc2d(const AcGePoint2d& startPoint, const AcGePoint2d& endPoint, double bulge,
                             Adesk::Boolean bulgeFlag)
{
    set(startPoint, endPoint, bulge, bulgeFlag);
}

bool AcGeCircArc2d::isInside(const AcGePoint2d& pnt, const AcGeTol& tol) const
{
    return pnt.distanceTo(m_center) < m_radius - tol.equalPoint();
}

AcGeCircArc2d& AcGeCircArc2d::setCenter(const AcGePoint2d& cent)
{
    m_center = cent;
    return *this;
}

AcGeCircArc2d& AcGeCircArc2d::setRadius(double radius)
{
    m_radius = radius;
    return *this;
}

AcGeCircArc2d& AcGeCircArc2d::setAngles(double startAng, double endAng)
{
    m_startAng = startAng;
    m_endAng = endAngleAfter(startAng, endAng);
    return *this;
}

AcGeCircArc2d& AcGeCircArc2d::setRefVec(const AcGeVector2d& vec)
{
    m_refVec = vec.normal();
    return *this;
}

AcGeCircArc2d& AcGeCircArc2d::setToComplement()
{
    return setAngles(m_endAng, m_startAng + kTwoPi);
}

AcGeCircArc2d& AcGeCircArc2d::set(const AcGePoint2d& cent, double radius)
{
    return set(cent, radius, 0.0, kTwoPi);
}

AcGeCircArc2d& AcGeCircArc2d::set(const AcGePoint2d& cent, double radius, double ang1, double ang2,
                                  const AcGeVector2d& refVec, Adesk::Boolean isClockWise)
{
    m_center = cent;
    m_radius = radius;
    m_clockWise = isClockWise != Adesk::kFalse;
    setRefVec(refVec);
    return setAngles(ang1, ang2);
}

AcGeCircArc2d& AcGeCircArc2d::set(const AcGePoint2d& startPoint, const AcGePoint2d& point, const AcGePoint2d& endPoint)
{
    const AcGeVector2d a = point - startPoint;
    const AcGeVector2d b = endPoint - startPoint;
    const double cross = a.x * b.y - a.y * b.x;
    // Three points on one line have no circle through them; the arc keeps its geometry.
    if (cross == 0.0)
        return *this;
    const double factor = 0.5 / cross;
    const AcGeVector2d toCenter{factor * (b.y * a.lengthSqrd() - a.y * b.lengthSqrd()),
                                factor * (a.x * b.lengthSqrd() - b.x * a.lengthSqrd())};
    const AcGePoint2d cent = startPoint + toCenter;
    const bool clockWise = cross < 0.0;
    const double start = paramOfDirection(startPoint - cent, AcGeVector2d::kXAxis, clockWise);
    const double end = paramOfDirection(endPoint - cent, AcGeVector2d::kXAxis, clockWise);
    return set(cent, toCenter.length(), start, end, AcGeVector2d::kXAxis, clockWise);
}

AcGeCircArc2d& AcGeCircArc2d::set(const AcGePoint2d& startPoint, const AcGePoint2d& endPoint, double bulge,
                                  Adesk::Boolean bulgeFlag)
{
    const AcGeVector2d chord = endPoint - startPoint;
    const double halfChord = 0.5 * chord.length();
    const double tanQuarter = bulgeFlag != Adesk::kFalse && halfChord > 0.0 ? bulge / halfChord : bulge;
    // A straight segment (no bulge, or coincident ends) has no circle; the arc keeps its geometry.
    if (tanQuarter == 0.0 || halfChord == 0.0)
        return *this;
    const bool clockWise = tanQuarter < 0.0;
    const double sweep = 4.0 * std::atan(std::fabs(tanQuarter));
    const AcGeVector2d leftOfChord = AcGeVector2d(-chord.y, chord.x) / (2.0 * halfChord);
    const AcGeVector2d towardsCenter = clockWise ? -leftOfChord : leftOfChord;
    const AcGePoint2d cent = startPoint + chord * 0.5 + towardsCenter * (halfChord / std::tan(0.5 * sweep));
    const double start = paramOfDirection(startPoint - cent, AcGeVector2d::kXAxis, clockWise);
    return set(cent, halfChord / std::sin(0.5 * sweep), start, start + sweep, AcGeVector2d::kXAxis, clockWise);
}

bool AcGeCircArc2d::isEqualToSameType(const AcGeEntity2d& entity, const AcGeTol& tol) const
{
    const auto& other = static_cast<const AcGeCircArc2d&>(entity);
    return m_center.isEqualTo(other.m_center, tol) && std::fabs(m_radius - other.m_radius) <= tol.equalPoint() &&
           startPoint().isEqualTo(other.startPoint(), tol) && endPoint().isEqualTo(other.endPoint(), tol) &&
           m_clockWise == other.m_clockWise &&
           std::fabs((m_endAng - m_startAng) - (other.m_endAng - other.m_startAng)) <= tol.equalVector();
}

void AcGeCircArc2d::transformGeometry(const AcGeMatrix2d& xfm)
{
    const AcGeVector2d refImage = xfm * m_refVec;
    m_center.transformBy(xfm);
    m_radius *= refImage.length();
    m_refVec = refImage.normal();
    if (xfm.det() < 0.0)
        m_clockWise = !m_clockWise;
}

AcGePoint2d AcGeCircArc2d::evaluate(double param, int numDeriv, AcGeVector2d* derivs) const
{
    const AcGeVector2d u = m_refVec;
    const AcGeVector2d v = m_clockWise ? AcGeVector2d(u.y, -u.x) : AcGeVector2d(-u.y, u.x);
    // The k-th derivative of (cos t, sin t) is (cos, sin) at t + k * pi/2.
    for (int k = 1; k <= numDeriv; ++k) {
        const double t = param + k * 0.25 * kTwoPi;
        derivs[k - 1] = (u * std::cos(t) + v * std::sin(t)) * m_radius;
    }
    return m_center + (u * std::cos(param) + v * std::sin(param)) * m_radius;
}

double AcGeCircArc2d::arcLength(double fromParam, double toParam, double) const
{
    return (toParam - fromParam) * std::fabs(m_radius);
}

double AcGeCircArc2d::closestParam(const AcGePoint2d& pnt) const
{
    const AcGeVector2d dir = pnt - m_center;
    if (dir.isZeroLength())
        return m_startAng;
    const double param = m_startAng + normalizedAngle(paramOfDirection(dir, m_refVec, m_clockWise) - m_startAng);
    if (param <= m_endAng)
        return param;
    return pnt.distanceTo(startPoint()) <= pnt.distanceTo(endPoint()) ? m_startAng : m_endAng;
}
