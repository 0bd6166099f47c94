#include "gevec2d.h"

#include "gemat2d.h"

#include <cmath>
#include <numbers>

AcGeVector2d operator*(const AcGeMatrix2d& mat, const AcGeVector2d& vec)
{
    return {mat.entry[0][0] * vec.x + mat.entry[0][1] * vec.y, mat.entry[1][0] * vec.x + mat.entry[1][1] * vec.y};
}

AcGeVector2d& AcGeVector2d::setToProduct(const AcGeMatrix2d& mat, const AcGeVector2d& vec)
{
    return *this = mat * vec;
}

AcGeVector2d& AcGeVector2d::transformBy(const AcGeMatrix2d& leftSide)
{
    return *this = leftSide * *this;
}

AcGeVector2d& AcGeVector2d::rotateBy(double angle)
{
    const double c = std::cos(angle);
    const double s = std::sin(angle);
    return set(c * x - s * y, s * x + c * y);
}

double AcGeVector2d::angle() const
{
    const double a = std::atan2(y, x);
    return a < 0.0 ? a + 2.0 * std::numbers::pi : a;
}

double AcGeVector2d::angleTo(const AcGeVector2d& vec) const
{
    return std::fabs(std::atan2(x * vec.y - y * vec.x, dotProduct(vec)));
}

double AcGeVector2d::length() const
{
    return std::hypot(x, y);
}

AcGeVector2d AcGeVector2d::normal(const AcGeTol& tol) const
{
    const double len = length();
    return len <= tol.equalVector() ? *this : *this / len;
}

AcGeVector2d& AcGeVector2d::normalize(const AcGeTol& tol)
{
    return *this = normal(tol);
}

bool AcGeVector2d::isUnitLength(const AcGeTol& tol) const
{
    return std::fabs(length() - 1.0) <= tol.equalVector();
}

bool AcGeVector2d::isZeroLength(const AcGeTol& tol) const
{
    return length() <= tol.equalVector();
}

bool AcGeVector2d::isParallelTo(const AcGeVector2d& vec, const AcGeTol& tol) const
{
    if (isZeroLength(tol) || vec.isZeroLength(tol))
        return false;
    const AcGeVector2d a = normal(tol);
    const AcGeVector2d b = vec.normal(tol);
    return std::fabs(a.x * b.y - a.y * b.x) <= tol.equalVector();
}

bool AcGeVector2d::isCodirectionalTo(const AcGeVector2d& vec, const AcGeTol& tol) const
{
    if (isZeroLength(tol) || vec.isZeroLength(tol))
        return false;
    return (normal(tol) - vec.normal(tol)).length() <= tol.equalVector();
}

bool AcGeVector2d::isPerpendicularTo(const AcGeVector2d& vec, const AcGeTol& tol) const
{
    if (isZeroLength(tol) || vec.isZeroLength(tol))
        return false;
    return std::fabs(normal(tol).dotProduct(vec.normal(tol))) <= tol.equalVector();
}

bool AcGeVector2d::isEqualTo(const AcGeVector2d& vec, const AcGeTol& tol) const
{
    return (*this - vec).length() <= tol.equalVector();
}
