// A point in space.
#pragma once

#include "gevec3d.h"

class AcGeMatrix3d;

class CADHOST_EXPORT AcGePoint3d {
public:
    constexpr AcGePoint3d() = default;
    constexpr AcGePoint3d(double xx, double yy, double zz) : x(xx), y(yy), z(zz) {}

    static const AcGePoint3d kOrigin;

    friend CADHOST_EXPORT AcGePoint3d operator*(const AcGeMatrix3d& mat, const AcGePoint3d& pnt);

    AcGePoint3d& setToProduct(const AcGeMatrix3d& mat, const AcGePoint3d& pnt);
    AcGePoint3d& transformBy(const AcGeMatrix3d& leftSide);
    // Rotates counter-clockwise about the axis through wrtPoint.
    AcGePoint3d& rotateBy(double angle, const AcGeVector3d& vec, const AcGePoint3d& wrtPoint = AcGePoint3d::kOrigin);
    AcGePoint3d& scaleBy(double scaleFactor, const AcGePoint3d& wrtPoint = AcGePoint3d::kOrigin);

    AcGePoint3d operator*(double scl) const { return {x * scl, y * scl, z * scl}; }
    AcGePoint3d& operator*=(double scl) { return *this = *this * scl; }
    AcGePoint3d operator/(double scl) const { return {x / scl, y / scl, z / scl}; }
    AcGePoint3d& operator/=(double scl) { return *this = *this / scl; }
    AcGePoint3d operator+(const AcGeVector3d& vec) const { return {x + vec.x, y + vec.y, z + vec.z}; }
    AcGePoint3d& operator+=(const AcGeVector3d& vec) { return *this = *this + vec; }
    AcGePoint3d operator-(const AcGeVector3d& vec) const { return {x - vec.x, y - vec.y, z - vec.z}; }
    AcGePoint3d& operator-=(const AcGeVector3d& vec) { return *this = *this - vec; }
    AcGeVector3d operator-(const AcGePoint3d& pnt) const { return {x - pnt.x, y - pnt.y, z - pnt.z}; }
    AcGePoint3d& setToSum(const AcGePoint3d& pnt, const AcGeVector3d& vec) { return *this = pnt + vec; }
    AcGeVector3d asVector() const { return {x, y, z}; }

    double distanceTo(const AcGePoint3d& pnt) const { return (*this - pnt).length(); }

    bool isEqualTo(const AcGePoint3d& pnt, const AcGeTol& tol = AcGeContext::gTol) const
    {
        return distanceTo(pnt) <= tol.equalPoint();
    }
    bool operator==(const AcGePoint3d& pnt) const { return isEqualTo(pnt); }
    bool operator!=(const AcGePoint3d& pnt) const { return !isEqualTo(pnt); }

    double operator[](unsigned int i) const { return i == 0 ? x : (i == 1 ? y : z); }
    double& operator[](unsigned int i) { return i == 0 ? x : (i == 1 ? y : z); }
    AcGePoint3d& set(double xx, double yy, double zz)
    {
        x = xx;
        y = yy;
        z = zz;
        return *this;
    }

    double x = 0.0;
    double y = 0.0;
    double z = 0.0;
};

inline constexpr AcGePoint3d AcGePoint3d::kOrigin{0.0, 0.0, 0.0};
