#include "gevec3d.h"

#include "gemat3d.h"

#include <cmath>
#include <numbers>

AcGeVector3d operator*(const AcGeMatrix3d& mat, const AcGeVector3d& vec)
{
    const auto& e = mat.entry;
    return {e[0][0] * vec.x + e[0][1] * vec.y + e[0][2] * vec.z, e[1][0] * vec.x + e[1][1] * vec.y + e[1][2] * vec.z,
            e[2][0] * vec.x + e[2][1] * vec.y + e[2][2] * vec.z};
}

AcGeVector3d& AcGeVector3d::setToProduct(const AcGeMatrix3d& mat, const AcGeVector3d& vec)
{
    return *this = mat * vec;
}

AcGeVector3d& AcGeVector3d::transformBy(const AcGeMatrix3d& leftSide)
{
    return *this = leftSide * *this;
}

AcGeVector3d& AcGeVector3d::rotateBy(double ang, const AcGeVector3d& axis)
{
    return *this = AcGeMatrix3d::rotation(ang, axis) * *this;
}

AcGeVector3d& AcGeVector3d::mirror(const AcGeVector3d& normalToPlane)
{
    const AcGeVector3d n = normalToPlane.normal();
    return *this -= n * (2.0 * dotProduct(n));
}

AcGeVector3d AcGeVector3d::perpVector() const
{
    // The arbitrary axis rule: near the z axis, the x axis of the plane comes from the world y axis.
    constexpr double nearAxis = 1.0 / 64.0;
    const AcGeVector3d n = normal();
    const AcGeVector3d& helper = (std::fabs(n.x) < nearAxis && std::fabs(n.y) < nearAxis) ? kYAxis : kZAxis;
    return helper.crossProduct(n).normal();
}

double AcGeVector3d::angleTo(const AcGeVector3d& vec) const
{
    return std::atan2(crossProduct(vec).length(), dotProduct(vec));
}

double AcGeVector3d::angleTo(const AcGeVector3d& vec, const AcGeVector3d& refVec) const
{
    const double ang = angleTo(vec);
    return refVec.dotProduct(crossProduct(vec)) >= 0.0 ? ang : 2.0 * std::numbers::pi - ang;
}

double AcGeVector3d::length() const
{
    return std::sqrt(lengthSqrd());
}

AcGeVector3d AcGeVector3d::normal(const AcGeTol& tol) const
{
    const double len = length();
    return len <= tol.equalVector() ? *this : *this / len;
}

AcGeVector3d& AcGeVector3d::normalize(const AcGeTol& tol)
{
    return *this = normal(tol);
}

bool AcGeVector3d::isUnitLength(const AcGeTol& tol) const
{
    return std::fabs(length() - 1.0) <= tol.equalVector();
}

bool AcGeVector3d::isZeroLength(const AcGeTol& tol) const
{
    return length() <= tol.equalVector();
}

bool AcGeVector3d::isParallelTo(const AcGeVector3d& vec, const AcGeTol& tol) const
{
    if (isZeroLength(tol) || vec.isZeroLength(tol))
        return false;
    return normal(tol).crossProduct(vec.normal(tol)).length() <= tol.equalVector();
}

bool AcGeVector3d::isCodirectionalTo(const AcGeVector3d& vec, const AcGeTol& tol) const
{
    if (isZeroLength(tol) || vec.isZeroLength(tol))
        return false;
    return (normal(tol) - vec.normal(tol)).length() <= tol.equalVector();
}

bool AcGeVector3d::isPerpendicularTo(const AcGeVector3d& vec, const AcGeTol& tol) const
{
    if (isZeroLength(tol) || vec.isZeroLength(tol))
        return false;
    return std::fabs(normal(tol).dotProduct(vec.normal(tol))) <= tol.equalVector();
}

unsigned int AcGeVector3d::largestElement() const
{
    const double ax = std::fabs(x);
    const double ay = std::fabs(y);
    const double az = std::fabs(z);
    if (ax >= ay && ax >= az)
        return 0;
    return ay >= az ? 1 : 2;
}

bool AcGeVector3d::isEqualTo(const AcGeVector3d& vec, const AcGeTol& tol) const
{
    return (*this - vec).length() <= tol.equalVector();
}
