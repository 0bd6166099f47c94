// A vector in the plane.
#pragma once

#include "gegbl.h"

class AcGeMatrix2d;

class CADHOST_EXPORT AcGeVector2d {
public:
    constexpr AcGeVector2d() = default;
    constexpr AcGeVector2d(double xx, double yy) : x(xx), y(yy) {}

    static const AcGeVector2d kIdentity;
    static const AcGeVector2d kXAxis;
    static const AcGeVector2d kYAxis;

    friend CADHOST_EXPORT AcGeVector2d operator*(const AcGeMatrix2d& mat, const AcGeVector2d& vec);
    friend AcGeVector2d operator*(double scl, const AcGeVector2d& vec) { return vec * scl; }

    AcGeVector2d& setToProduct(const AcGeMatrix2d& mat, const AcGeVector2d& vec);
    AcGeVector2d& setToProduct(const AcGeVector2d& vec, double scl) { return *this = vec * scl; }
    AcGeVector2d& setToSum(const AcGeVector2d& vec1, const AcGeVector2d& vec2) { return *this = vec1 + vec2; }
    // Applies the linear part of the matrix; a vector does not move with translations.
    AcGeVector2d& transformBy(const AcGeMatrix2d& leftSide);
    AcGeVector2d& rotateBy(double angle);

    AcGeVector2d operator*(double scl) const { return {x * scl, y * scl}; }
    AcGeVector2d& operator*=(double scl) { return *this = *this * scl; }
    AcGeVector2d operator/(double scl) const { return {x / scl, y / scl}; }
    AcGeVector2d& operator/=(double scl) { return *this = *this / scl; }
    AcGeVector2d operator+(const AcGeVector2d& vec) const { return {x + vec.x, y + vec.y}; }
    AcGeVector2d& operator+=(const AcGeVector2d& vec) { return *this = *this + vec; }
    AcGeVector2d operator-(const AcGeVector2d& vec) const { return {x - vec.x, y - vec.y}; }
    AcGeVector2d& operator-=(const AcGeVector2d& vec) { return *this = *this - vec; }
    AcGeVector2d operator-() const { return {-x, -y}; }
    AcGeVector2d& negate() { return *this = -*this; }

    // Angle from the x axis, counter-clockwise, in [0, 2*pi).
    double angle() const;
    // Angle between the two vectors, in [0, pi].
    double angleTo(const AcGeVector2d& vec) const;

    AcGeVector2d normal(const AcGeTol& tol = AcGeContext::gTol) const;
    AcGeVector2d& normalize(const AcGeTol& tol = AcGeContext::gTol);
    double length() const;
    double lengthSqrd() const { return x * x + y * y; }
    bool isUnitLength(const AcGeTol& tol = AcGeContext::gTol) const;
    bool isZeroLength(const AcGeTol& tol = AcGeContext::gTol) const;
    bool isParallelTo(const AcGeVector2d& vec, const AcGeTol& tol = AcGeContext::gTol) const;
    bool isCodirectionalTo(const AcGeVector2d& vec, const AcGeTol& tol = AcGeContext::gTol) const;
    bool isPerpendicularTo(const AcGeVector2d& vec, const AcGeTol& tol = AcGeContext::gTol) const;
    double dotProduct(const AcGeVector2d& vec) const { return x * vec.x + y * vec.y; }

    bool isEqualTo(const AcGeVector2d& vec, const AcGeTol& tol = AcGeContext::gTol) const;
    bool operator==(const AcGeVector2d& vec) const { return isEqualTo(vec); }
    bool operator!=(const AcGeVector2d& vec) const { return !isEqualTo(vec); }

    double operator[](unsigned int i) const { return i == 0 ? x : y; }
    double& operator[](unsigned int i) { return i == 0 ? x : y; }
    AcGeVector2d& set(double xx, double yy)
    {
        x = xx;
        y = yy;
        return *this;
    }

    double x = 0.0;
    double y = 0.0;
};

inline constexpr AcGeVector2d AcGeVector2d::kIdentity{0.0, 0.0};
inline constexpr AcGeVector2d AcGeVector2d::kXAxis{1.0, 0.0};
inline constexpr AcGeVector2d AcGeVector2d::kYAxis{0.0, 1.0};
