#include "curvegeom.h"

#include <cmath>
#include <initializer_list>

namespace cadhost {

double normalizeAngle(double angle)
{
    if (!std::isfinite(angle))
        return 0.0;
    double result = std::fmod(angle, kTwoPi);
    if (result < 0.0)
        result += kTwoPi;
    return result >= kTwoPi ? 0.0 : result;
}

double sweepAngle(double startAngle, double endAngle)
{
    return normalizeAngle(endAngle - startAngle);
}

double linearDeterminant(const AcGeMatrix3d& m)
{
    return m(0, 0) * (m(1, 1) * m(2, 2) - m(1, 2) * m(2, 1)) - m(0, 1) * (m(1, 0) * m(2, 2) - m(1, 2) * m(2, 0)) +
           m(0, 2) * (m(1, 0) * m(2, 1) - m(1, 1) * m(2, 0));
}

AcGeVector3d transformNormal(const AcGeMatrix3d& transform, const AcGeVector3d& normal)
{
    // The cofactor matrix is det * inverse transpose; dividing by the sign of det keeps the direction
    // of the inverse transpose without needing an invertible matrix.
    const AcGeMatrix3d& m = transform;
    const AcGeVector3d c0(m(1, 1) * m(2, 2) - m(1, 2) * m(2, 1), m(1, 2) * m(2, 0) - m(1, 0) * m(2, 2),
                          m(1, 0) * m(2, 1) - m(1, 1) * m(2, 0));
    const AcGeVector3d c1(m(0, 2) * m(2, 1) - m(0, 1) * m(2, 2), m(0, 0) * m(2, 2) - m(0, 2) * m(2, 0),
                          m(0, 1) * m(2, 0) - m(0, 0) * m(2, 1));
    const AcGeVector3d c2(m(0, 1) * m(1, 2) - m(0, 2) * m(1, 1), m(0, 2) * m(1, 0) - m(0, 0) * m(1, 2),
                          m(0, 0) * m(1, 1) - m(0, 1) * m(1, 0));
    // Row i of the cofactor matrix times the normal.
    AcGeVector3d result(c0.x * normal.x + c1.x * normal.y + c2.x * normal.z,
                        c0.y * normal.x + c1.y * normal.y + c2.y * normal.z,
                        c0.z * normal.x + c1.z * normal.y + c2.z * normal.z);
    if (linearDeterminant(transform) < 0.0)
        result = -result;
    return result.isZeroLength() ? normal : result.normal();
}

AcGePoint3d ConicArc::pointAt(double param) const
{
    return center + u * std::cos(param) + v * std::sin(param);
}

void ConicArc::addExtents(AcDbExtents& extents) const
{
    extents.addPoint(startPoint());
    extents.addPoint(endPoint());
    for (unsigned int axis = 0; axis < 3; ++axis) {
        // d/dt (u cos t + v sin t) = 0 where tan t = v / u in this coordinate.
        const double base = std::atan2(v[axis], u[axis]);
        for (double candidate : {base, base + std::numbers::pi}) {
            const double offset = normalizeAngle(candidate - startParam);
            if (sweep >= kTwoPi || offset <= sweep)
                extents.addPoint(pointAt(candidate));
        }
    }
}

double ConicArc::segmentArea() const
{
    // The arc is the affine image of a unit circle arc, whose segment area is (sweep - sin sweep) / 2.
    const double scale = u.crossProduct(v).length();
    return scale * 0.5 * (sweep - std::sin(sweep));
}

bool transformConicArc(const AcGeMatrix3d& transform, const ConicArc& arc, EllipseFrame& result)
{
    AcGeVector3d a = transform * arc.u;
    AcGeVector3d b = transform * arc.v;
    double start = arc.startParam;
    if (linearDeterminant(transform) < 0.0) {
        // center + a cos t + b sin t = center + a cos(-t) + (-b) sin(-t): reverse the parameters.
        b = -b;
        start = -(arc.startParam + arc.sweep);
    }
    const double aa = a.dotProduct(a);
    const double bb = b.dotProduct(b);
    double shift = 0.5 * std::atan2(2.0 * a.dotProduct(b), aa - bb);
    AcGeVector3d major = a * std::cos(shift) + b * std::sin(shift);
    AcGeVector3d minor = b * std::cos(shift) - a * std::sin(shift);
    if (minor.length() > major.length()) {
        shift += 0.5 * std::numbers::pi;
        const AcGeVector3d turned = minor;
        minor = -major;
        major = turned;
    }
    const double majorLength = major.length();
    const AcGeVector3d plane = major.crossProduct(minor);
    if (majorLength <= 0.0 || plane.isZeroLength())
        return false;
    result.center = transform * arc.center;
    result.majorAxis = major;
    result.radiusRatio = minor.length() / majorLength;
    result.normal = plane.normal();
    result.sweep = arc.sweep;
    result.startParam = arc.sweep >= kTwoPi ? 0.0 : normalizeAngle(start - shift);
    return true;
}

double ellipseParamAtAngle(double angle, double radiusRatio)
{
    const double param = std::atan2(std::sin(angle), radiusRatio * std::cos(angle));
    return normalizeAngle(param);
}

double ellipseAngleAtParam(double param, double radiusRatio)
{
    return normalizeAngle(std::atan2(radiusRatio * std::sin(param), std::cos(param)));
}

double polygonArea(const std::vector<AcGePoint3d>& points)
{
    AcGeVector3d sum;
    for (std::size_t i = 0; i < points.size(); ++i)
        sum += points[i].asVector().crossProduct(points[(i + 1) % points.size()].asVector());
    return 0.5 * sum.length();
}

void addExtrusion(AcDbExtents& extents, const AcGeVector3d& extrusion)
{
    if (extrusion.isZeroLength() || extents.isEmpty())
        return;
    const AcGePoint3d min = extents.minPoint();
    const AcGePoint3d max = extents.maxPoint();
    extents.addPoint(min + extrusion);
    extents.addPoint(max + extrusion);
}

} // namespace cadhost
