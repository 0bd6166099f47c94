// A point in the plane.
#pragma once

#include "gevec2d.h"

class AcGeMatrix2d;

class CADHOST_EXPORT AcGePoint2d {
public:
    constexpr AcGePoint2d() = default;
    constexpr AcGePoint2d(double xx, double yy) : x(xx), y(yy) {}

    static const AcGePoint2d kOrigin;

    friend CADHOST_EXPORT AcGePoint2d operator*(const AcGeMatrix2d& mat, const AcGePoint2d& pnt);

    AcGePoint2d& setToProduct(const AcGeMatrix2d& mat, const AcGePoint2d& pnt);
    AcGePoint2d& transformBy(const AcGeMatrix2d& leftSide);
    AcGePoint2d& rotateBy(double angle, const AcGePoint2d& wrtPoint = AcGePoint2d::kOrigin);
    AcGePoint2d& scaleBy(double scaleFactor, const AcGePoint2d& wrtPoint = AcGePoint2d::kOrigin);

    AcGePoint2d operator*(double scl) const { return {x * scl, y * scl}; }
    AcGePoint2d& operator*=(double scl) { return *this = *this * scl; }
    AcGePoint2d operator/(double scl) const { return {x / scl, y / scl}; }
    AcGePoint2d& operator/=(double scl) { return *this = *this / scl; }
    AcGePoint2d operator+(const AcGeVector2d& vec) const { return {x + vec.x, y + vec.y}; }
    AcGePoint2d& operator+=(const AcGeVector2d& vec) { return *this = *this + vec; }
    AcGePoint2d operator-(const AcGeVector2d& vec) const { return {x - vec.x, y - vec.y}; }
    AcGePoint2d& operator-=(const AcGeVector2d& vec) { return *this = *this - vec; }
    AcGeVector2d operator-(const AcGePoint2d& pnt) const { return {x - pnt.x, y - pnt.y}; }
    AcGePoint2d& setToSum(const AcGePoint2d& pnt, const AcGeVector2d& vec) { return *this = pnt + vec; }
    AcGeVector2d asVector() const { return {x, y}; }

    double distanceTo(const AcGePoint2d& pnt) const { return (*this - pnt).length(); }

    bool isEqualTo(const AcGePoint2d& pnt, const AcGeTol& tol = AcGeContext::gTol) const
    {
        return distanceTo(pnt) <= tol.equalPoint();
    }
    bool operator==(const AcGePoint2d& pnt) const { return isEqualTo(pnt); }
    bool operator!=(const AcGePoint2d& pnt) const { return !isEqualTo(pnt); }

    double operator[](unsigned int i) const { return i == 0 ? x : y; }
    double& operator[](unsigned int i) { return i == 0 ? x : y; }
    AcGePoint2d& set(double xx, double yy)
    {
        x = xx;
        y = yy;
        return *this;
    }

    double x = 0.0;
    double y = 0.0;
};

inline constexpr AcGePoint2d AcGePoint2d::kOrigin{0.0, 0.0};
