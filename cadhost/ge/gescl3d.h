// Scale factors along the three coordinate axes, as block references carry them.
#pragma once

#include "gegbl.h"

class AcGeMatrix3d;

class CADHOST_EXPORT AcGeScale3d {
public:
    constexpr AcGeScale3d() = default;
    constexpr explicit AcGeScale3d(double factor) : sx(factor), sy(factor), sz(factor) {}
    constexpr AcGeScale3d(double xFactor, double yFactor, double zFactor) : sx(xFactor), sy(yFactor), sz(zFactor) {}

    static const AcGeScale3d kIdentity;

    AcGeScale3d operator*(const AcGeScale3d& sclVec) const { return {sx * sclVec.sx, sy * sclVec.sy, sz * sclVec.sz}; }
    AcGeScale3d& operator*=(const AcGeScale3d& sclVec) { return *this = *this * sclVec; }
    AcGeScale3d operator*(double factor) const { return {sx * factor, sy * factor, sz * factor}; }
    AcGeScale3d& operator*=(double factor) { return *this = *this * factor; }
    friend AcGeScale3d operator*(double factor, const AcGeScale3d& sclVec) { return sclVec * factor; }
    AcGeScale3d& setToProduct(const AcGeScale3d& sclVec1, const AcGeScale3d& sclVec2)
    {
        return *this = sclVec1 * sclVec2;
    }
    AcGeScale3d& setToProduct(const AcGeScale3d& sclVec, double factor) { return *this = sclVec * factor; }
    AcGeScale3d& preMultBy(const AcGeScale3d& leftSide) { return *this = leftSide * *this; }
    AcGeScale3d& postMultBy(const AcGeScale3d& rightSide) { return *this = *this * rightSide; }
    AcGeScale3d inverse() const { return {1.0 / sx, 1.0 / sy, 1.0 / sz}; }
    AcGeScale3d& invert() { return *this = inverse(); }

    bool isProportional(const AcGeTol& tol = AcGeContext::gTol) const;
    bool isEqualTo(const AcGeScale3d& scaleVec, const AcGeTol& tol = AcGeContext::gTol) const;
    bool operator==(const AcGeScale3d& sclVec) const { return isEqualTo(sclVec); }
    bool operator!=(const AcGeScale3d& sclVec) const { return !isEqualTo(sclVec); }

    double operator[](unsigned int i) const { return i == 0 ? sx : (i == 1 ? sy : sz); }
    double& operator[](unsigned int i) { return i == 0 ? sx : (i == 1 ? sy : sz); }
    AcGeScale3d& set(double sc0, double sc1, double sc2)
    {
        sx = sc0;
        sy = sc1;
        sz = sc2;
        return *this;
    }

    // The scaling matrix about the origin.
    operator AcGeMatrix3d() const; // NOLINT(google-explicit-constructor)
    void getMatrix(AcGeMatrix3d& mat) const;
    // Takes the scale factors of the matrix's linear part: the lengths of the images of the axes, with
    // x negative when the matrix mirrors.
    AcGeScale3d& extractScale(const AcGeMatrix3d& mat);
    // As extractScale, and divides the factors out of the matrix, leaving its rotation and translation.
    AcGeScale3d& removeScale(AcGeMatrix3d& mat);

    double sx = 1.0;
    double sy = 1.0;
    double sz = 1.0;
};

inline constexpr AcGeScale3d AcGeScale3d::kIdentity{};
