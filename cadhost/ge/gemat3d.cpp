#include "gemat3d.h"

#include "gematrixalgebra.h"

#include <cmath>

using namespace cadhost::ge;

AcGeMatrix3d AcGeMatrix3d::operator*(const AcGeMatrix3d& mat) const
{
    AcGeMatrix3d product;
    multiply<4>(entry, mat.entry, product.entry);
    return product;
}

AcGeMatrix3d& AcGeMatrix3d::invert()
{
    cadhost::ge::invert<4>(entry, entry, 0.0);
    return *this;
}

AcGeMatrix3d AcGeMatrix3d::inverse() const
{
    AcGeMatrix3d inv = *this;
    return inv.invert();
}

bool AcGeMatrix3d::inverse(AcGeMatrix3d& inv, double tol) const
{
    return cadhost::ge::invert<4>(entry, inv.entry, tol);
}

bool AcGeMatrix3d::isSingular(const AcGeTol& tol) const
{
    return std::fabs(det()) <= tol.equalVector();
}

AcGeMatrix3d& AcGeMatrix3d::transposeIt()
{
    transposeInPlace<4>(entry);
    return *this;
}

AcGeMatrix3d AcGeMatrix3d::transpose() const
{
    AcGeMatrix3d result = *this;
    return result.transposeIt();
}

double AcGeMatrix3d::det() const
{
    return determinant<4>(entry);
}

bool AcGeMatrix3d::isEqualTo(const AcGeMatrix3d& mat, const AcGeTol& tol) const
{
    return entriesEqual<4>(entry, mat.entry, tol.equalVector());
}

bool AcGeMatrix3d::isUniScaledOrtho(const AcGeTol& tol) const
{
    return axesOrthogonal<4>(entry, 3, true, tol.equalVector());
}

bool AcGeMatrix3d::isScaledOrtho(const AcGeTol& tol) const
{
    return axesOrthogonal<4>(entry, 3, false, tol.equalVector());
}

AcGeMatrix3d& AcGeMatrix3d::setTranslation(const AcGeVector3d& vec)
{
    entry[0][3] = vec.x;
    entry[1][3] = vec.y;
    entry[2][3] = vec.z;
    return *this;
}

double AcGeMatrix3d::scale() const
{
    return largestAxisScale<4>(entry, 3);
}

AcGeMatrix3d& AcGeMatrix3d::setCoordSystem(const AcGePoint3d& origin, const AcGeVector3d& xAxis,
                                           const AcGeVector3d& yAxis, const AcGeVector3d& zAxis)
{
    setToIdentity();
    const AcGeVector3d* axes[3] = {&xAxis, &yAxis, &zAxis};
    for (unsigned int col = 0; col < 3; ++col)
        for (unsigned int row = 0; row < 3; ++row)
            entry[row][col] = (*axes[col])[row];
    return setTranslation(origin.asVector());
}

void AcGeMatrix3d::getCoordSystem(AcGePoint3d& origin, AcGeVector3d& xAxis, AcGeVector3d& yAxis,
                                  AcGeVector3d& zAxis) const
{
    origin = getCsOrigin();
    xAxis = getCsXAxis();
    yAxis = getCsYAxis();
    zAxis = getCsZAxis();
}

AcGeMatrix3d& AcGeMatrix3d::setToTranslation(const AcGeVector3d& vec)
{
    return setToIdentity().setTranslation(vec);
}

AcGeMatrix3d& AcGeMatrix3d::setToRotation(double angle, const AcGeVector3d& axis, const AcGePoint3d& center)
{
    setToIdentity();
    if (axis.isZeroLength())
        return *this;
    const AcGeVector3d u = axis.normal();
    const double c = std::cos(angle);
    const double s = std::sin(angle);
    const double t = 1.0 - c;
    entry[0][0] = c + t * u.x * u.x;
    entry[0][1] = t * u.x * u.y - s * u.z;
    entry[0][2] = t * u.x * u.z + s * u.y;
    entry[1][0] = t * u.x * u.y + s * u.z;
    entry[1][1] = c + t * u.y * u.y;
    entry[1][2] = t * u.y * u.z - s * u.x;
    entry[2][0] = t * u.x * u.z - s * u.y;
    entry[2][1] = t * u.y * u.z + s * u.x;
    entry[2][2] = c + t * u.z * u.z;
    return setTranslation(center.asVector() - *this * center.asVector());
}

AcGeMatrix3d& AcGeMatrix3d::setToScaling(double scaleAll, const AcGePoint3d& center)
{
    setToIdentity();
    for (int i = 0; i < 3; ++i)
        entry[i][i] = scaleAll;
    return setTranslation(center.asVector() * (1.0 - scaleAll));
}

AcGeMatrix3d& AcGeMatrix3d::setToMirroring(const AcGePoint3d& pnt)
{
    return setToScaling(-1.0, pnt);
}

AcGeMatrix3d& AcGeMatrix3d::setToAlignCoordSys(const AcGePoint3d& fromOrigin, const AcGeVector3d& fromXAxis,
                                               const AcGeVector3d& fromYAxis, const AcGeVector3d& fromZAxis,
                                               const AcGePoint3d& toOrigin, const AcGeVector3d& toXAxis,
                                               const AcGeVector3d& toYAxis, const AcGeVector3d& toZAxis)
{
    AcGeMatrix3d from;
    from.setCoordSystem(fromOrigin, fromXAxis, fromYAxis, fromZAxis);
    AcGeMatrix3d to;
    to.setCoordSystem(toOrigin, toXAxis, toYAxis, toZAxis);
    return *this = to * from.inverse();
}

AcGeMatrix3d& AcGeMatrix3d::setToPlaneToWorld(const AcGeVector3d& normal)
{
    const AcGeVector3d zAxis = normal.normal();
    const AcGeVector3d xAxis = zAxis.perpVector();
    const AcGeVector3d yAxis = zAxis.crossProduct(xAxis).normal();
    return setCoordSystem(AcGePoint3d::kOrigin, xAxis, yAxis, zAxis);
}

AcGeMatrix3d& AcGeMatrix3d::setToWorldToPlane(const AcGeVector3d& normal)
{
    // The plane's axes are orthonormal, so the inverse is the transpose.
    return setToPlaneToWorld(normal).transposeIt();
}

AcGeMatrix3d AcGeMatrix3d::translation(const AcGeVector3d& vec)
{
    return AcGeMatrix3d().setToTranslation(vec);
}

AcGeMatrix3d AcGeMatrix3d::rotation(double angle, const AcGeVector3d& axis, const AcGePoint3d& center)
{
    return AcGeMatrix3d().setToRotation(angle, axis, center);
}

AcGeMatrix3d AcGeMatrix3d::scaling(double scaleAll, const AcGePoint3d& center)
{
    return AcGeMatrix3d().setToScaling(scaleAll, center);
}

AcGeMatrix3d AcGeMatrix3d::mirroring(const AcGePoint3d& pnt)
{
    return AcGeMatrix3d().setToMirroring(pnt);
}

AcGeMatrix3d AcGeMatrix3d::alignCoordSys(const AcGePoint3d& fromOrigin, const AcGeVector3d& fromXAxis,
                                         const AcGeVector3d& fromYAxis, const AcGeVector3d& fromZAxis,
                                         const AcGePoint3d& toOrigin, const AcGeVector3d& toXAxis,
                                         const AcGeVector3d& toYAxis, const AcGeVector3d& toZAxis)
{
    return AcGeMatrix3d().setToAlignCoordSys(fromOrigin, fromXAxis, fromYAxis, fromZAxis, toOrigin, toXAxis, toYAxis,
                                             toZAxis);
}

AcGeMatrix3d AcGeMatrix3d::worldToPlane(const AcGeVector3d& normal)
{
    return AcGeMatrix3d().setToWorldToPlane(normal);
}

AcGeMatrix3d AcGeMatrix3d::planeToWorld(const AcGeVector3d& normal)
{
    return AcGeMatrix3d().setToPlaneToWorld(normal);
}
