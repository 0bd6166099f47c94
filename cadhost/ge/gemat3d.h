// A 4x4 transformation matrix acting on column vectors: p' = M * p.
#pragma once

#include "gepnt3d.h"
#include "gevec3d.h"

class CADHOST_EXPORT AcGeMatrix3d {
public:
    constexpr AcGeMatrix3d()
        : entry{{1.0, 0.0, 0.0, 0.0}, {0.0, 1.0, 0.0, 0.0}, {0.0, 0.0, 1.0, 0.0}, {0.0, 0.0, 0.0, 1.0}}
    {
    }

    static const AcGeMatrix3d kIdentity;

    AcGeMatrix3d& setToIdentity() { return *this = AcGeMatrix3d(); }

    AcGeMatrix3d operator*(const AcGeMatrix3d& mat) const;
    AcGeMatrix3d& operator*=(const AcGeMatrix3d& mat) { return *this = *this * mat; }
    AcGeMatrix3d& preMultBy(const AcGeMatrix3d& leftSide) { return *this = leftSide * *this; }
    AcGeMatrix3d& postMultBy(const AcGeMatrix3d& rightSide) { return *this = *this * rightSide; }
    AcGeMatrix3d& setToProduct(const AcGeMatrix3d& mat1, const AcGeMatrix3d& mat2) { return *this = mat1 * mat2; }

    // A singular matrix is left unchanged by invert() and returned unchanged by inverse().
    AcGeMatrix3d& invert();
    AcGeMatrix3d inverse() const;
    bool inverse(AcGeMatrix3d& inv, double tol) const;
    bool isSingular(const AcGeTol& tol = AcGeContext::gTol) const;
    AcGeMatrix3d& transposeIt();
    AcGeMatrix3d transpose() const;
    double det() const;

    bool isEqualTo(const AcGeMatrix3d& mat, const AcGeTol& tol = AcGeContext::gTol) const;
    bool operator==(const AcGeMatrix3d& mat) const { return isEqualTo(mat); }
    bool operator!=(const AcGeMatrix3d& mat) const { return !isEqualTo(mat); }
    // The linear part keeps angles and scales all directions alike (a rotation, mirror and uniform scale).
    bool isUniScaledOrtho(const AcGeTol& tol = AcGeContext::gTol) const;
    // The linear part maps the coordinate axes to perpendicular directions.
    bool isScaledOrtho(const AcGeTol& tol = AcGeContext::gTol) const;

    AcGeMatrix3d& setTranslation(const AcGeVector3d& vec);
    AcGeVector3d translation() const { return {entry[0][3], entry[1][3], entry[2][3]}; }
    // The largest factor by which the linear part stretches a coordinate axis.
    double scale() const;

    // The matrix that maps world coordinates to the given system: its columns are the axes and the origin.
    AcGeMatrix3d& setCoordSystem(const AcGePoint3d& origin, const AcGeVector3d& xAxis, const AcGeVector3d& yAxis,
                                 const AcGeVector3d& zAxis);
    void getCoordSystem(AcGePoint3d& origin, AcGeVector3d& xAxis, AcGeVector3d& yAxis, AcGeVector3d& zAxis) const;
    AcGePoint3d getCsOrigin() const { return {entry[0][3], entry[1][3], entry[2][3]}; }
    AcGeVector3d getCsXAxis() const { return {entry[0][0], entry[1][0], entry[2][0]}; }
    AcGeVector3d getCsYAxis() const { return {entry[0][1], entry[1][1], entry[2][1]}; }
    AcGeVector3d getCsZAxis() const { return {entry[0][2], entry[1][2], entry[2][2]}; }

    AcGeMatrix3d& setToTranslation(const AcGeVector3d& vec);
    AcGeMatrix3d& setToRotation(double angle, const AcGeVector3d& axis,
                                const AcGePoint3d& center = AcGePoint3d::kOrigin);
    AcGeMatrix3d& setToScaling(double scaleAll, const AcGePoint3d& center = AcGePoint3d::kOrigin);
    // Point reflection through pnt.
    AcGeMatrix3d& setToMirroring(const AcGePoint3d& pnt);
    // Maps the "from" coordinate system onto the "to" coordinate system.
    AcGeMatrix3d& setToAlignCoordSys(const AcGePoint3d& fromOrigin, const AcGeVector3d& fromXAxis,
                                     const AcGeVector3d& fromYAxis, const AcGeVector3d& fromZAxis,
                                     const AcGePoint3d& toOrigin, const AcGeVector3d& toXAxis,
                                     const AcGeVector3d& toYAxis, const AcGeVector3d& toZAxis);
    // Between world coordinates and the plane through the origin with this normal, whose axes follow the
    // arbitrary axis rule of drawing files (the entity coordinate system).
    AcGeMatrix3d& setToWorldToPlane(const AcGeVector3d& normal);
    AcGeMatrix3d& setToPlaneToWorld(const AcGeVector3d& normal);

    static AcGeMatrix3d translation(const AcGeVector3d& vec);
    static AcGeMatrix3d rotation(double angle, const AcGeVector3d& axis,
                                 const AcGePoint3d& center = AcGePoint3d::kOrigin);
    static AcGeMatrix3d scaling(double scaleAll, const AcGePoint3d& center = AcGePoint3d::kOrigin);
    static AcGeMatrix3d mirroring(const AcGePoint3d& pnt);
    static AcGeMatrix3d alignCoordSys(const AcGePoint3d& fromOrigin, const AcGeVector3d& fromXAxis,
                                      const AcGeVector3d& fromYAxis, const AcGeVector3d& fromZAxis,
                                      const AcGePoint3d& toOrigin, const AcGeVector3d& toXAxis,
                                      const AcGeVector3d& toYAxis, const AcGeVector3d& toZAxis);
    static AcGeMatrix3d worldToPlane(const AcGeVector3d& normal);
    static AcGeMatrix3d planeToWorld(const AcGeVector3d& normal);

    double* operator[](unsigned int row) { return entry[row]; }
    const double* operator[](unsigned int row) const { return entry[row]; }
    double operator()(unsigned int row, unsigned int column) const { return entry[row][column]; }
    double& operator()(unsigned int row, unsigned int column) { return entry[row][column]; }

    double entry[4][4];
};

inline constexpr AcGeMatrix3d AcGeMatrix3d::kIdentity{};
