// A vector in space.
#pragma once

#include "gegbl.h"

class AcGeMatrix3d;

class CADHOST_EXPORT AcGeVector3d {
public:
    constexpr AcGeVector3d() = default;
    constexpr AcGeVector3d(double xx, double yy, double zz) : x(xx), y(yy), z(zz) {}

    static const AcGeVector3d kIdentity;
    static const AcGeVector3d kXAxis;
    static const AcGeVector3d kYAxis;
    static const AcGeVector3d kZAxis;

    friend CADHOST_EXPORT AcGeVector3d operator*(const AcGeMatrix3d& mat, const AcGeVector3d& vec);
    friend AcGeVector3d operator*(double scl, const AcGeVector3d& vec) { return vec * scl; }

    AcGeVector3d& setToProduct(const AcGeMatrix3d& mat, const AcGeVector3d& vec);
    AcGeVector3d& setToProduct(const AcGeVector3d& vec, double scl) { return *this = vec * scl; }
    AcGeVector3d& setToSum(const AcGeVector3d& vec1, const AcGeVector3d& vec2) { return *this = vec1 + vec2; }
    // Applies the linear part of the matrix; a vector does not move with translations.
    AcGeVector3d& transformBy(const AcGeMatrix3d& leftSide);
    // Rotates counter-clockwise about the axis, looking down the axis towards its origin.
    AcGeVector3d& rotateBy(double ang, const AcGeVector3d& axis);
    // Reflects in the plane through the origin with the given normal.
    AcGeVector3d& mirror(const AcGeVector3d& normalToPlane);

    AcGeVector3d operator*(double scl) const { return {x * scl, y * scl, z * scl}; }
    AcGeVector3d& operator*=(double scl) { return *this = *this * scl; }
    AcGeVector3d operator/(double scl) const { return {x / scl, y / scl, z / scl}; }
    AcGeVector3d& operator/=(double scl) { return *this = *this / scl; }
    AcGeVector3d operator+(const AcGeVector3d& vec) const { return {x + vec.x, y + vec.y, z + vec.z}; }
    AcGeVector3d& operator+=(const AcGeVector3d& vec) { return *this = *this + vec; }
    AcGeVector3d operator-(const AcGeVector3d& vec) const { return {x - vec.x, y - vec.y, z - vec.z}; }
    AcGeVector3d& operator-=(const AcGeVector3d& vec) { return *this = *this - vec; }
    AcGeVector3d operator-() const { return {-x, -y, -z}; }
    AcGeVector3d& negate() { return *this = -*this; }

    // A unit vector perpendicular to this one, chosen by the arbitrary axis rule of drawing files.
    AcGeVector3d perpVector() const;
    // Angle between the two vectors, in [0, pi].
    double angleTo(const AcGeVector3d& vec) const;
    // Angle from this vector to vec, counter-clockwise about refVec, in [0, 2*pi).
    double angleTo(const AcGeVector3d& vec, const AcGeVector3d& refVec) const;

    AcGeVector3d normal(const AcGeTol& tol = AcGeContext::gTol) const;
    AcGeVector3d& normalize(const AcGeTol& tol = AcGeContext::gTol);
    double length() const;
    double lengthSqrd() const { return x * x + y * y + z * z; }
    bool isUnitLength(const AcGeTol& tol = AcGeContext::gTol) const;
    bool isZeroLength(const AcGeTol& tol = AcGeContext::gTol) const;
    bool isParallelTo(const AcGeVector3d& vec, const AcGeTol& tol = AcGeContext::gTol) const;
    bool isCodirectionalTo(const AcGeVector3d& vec, const AcGeTol& tol = AcGeContext::gTol) const;
    bool isPerpendicularTo(const AcGeVector3d& vec, const AcGeTol& tol = AcGeContext::gTol) const;
    double dotProduct(const AcGeVector3d& vec) const { return x * vec.x + y * vec.y + z * vec.z; }
    AcGeVector3d crossProduct(const AcGeVector3d& vec) const
    {
        return {y * vec.z - z * vec.y, z * vec.x - x * vec.z, x * vec.y - y * vec.x};
    }
    // Index of the coordinate with the largest absolute value.
    unsigned int largestElement() const;

    bool isEqualTo(const AcGeVector3d& vec, const AcGeTol& tol = AcGeContext::gTol) const;
    bool operator==(const AcGeVector3d& vec) const { return isEqualTo(vec); }
    bool operator!=(const AcGeVector3d& vec) const { return !isEqualTo(vec); }

    double operator[](unsigned int i) const { return i == 0 ? x : (i == 1 ? y : z); }
    double& operator[](unsigned int i) { return i == 0 ? x : (i == 1 ? y : z); }
    AcGeVector3d& set(double xx, double yy, double zz)
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

inline constexpr AcGeVector3d AcGeVector3d::kIdentity{0.0, 0.0, 0.0};
inline constexpr AcGeVector3d AcGeVector3d::kXAxis{1.0, 0.0, 0.0};
inline constexpr AcGeVector3d AcGeVector3d::kYAxis{0.0, 1.0, 0.0};
inline constexpr AcGeVector3d AcGeVector3d::kZAxis{0.0, 0.0, 1.0};
