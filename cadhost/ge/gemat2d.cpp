#include "gemat2d.h"

#include "gematrixalgebra.h"

#include <cmath>

using namespace cadhost::ge;

AcGeMatrix2d AcGeMatrix2d::operator*(const AcGeMatrix2d& mat) const
{
    AcGeMatrix2d product;
    multiply<3>(entry, mat.entry, product.entry);
    return product;
}

AcGeMatrix2d& AcGeMatrix2d::invert()
{
    cadhost::ge::invert<3>(entry, entry, 0.0);
    return *this;
}

AcGeMatrix2d AcGeMatrix2d::inverse() const
{
    AcGeMatrix2d inv = *this;
    return inv.invert();
}

bool AcGeMatrix2d::isSingular(const AcGeTol& tol) const
{
    return std::fabs(det()) <= tol.equalVector();
}

AcGeMatrix2d& AcGeMatrix2d::transposeIt()
{
    transposeInPlace<3>(entry);
    return *this;
}

AcGeMatrix2d AcGeMatrix2d::transpose() const
{
    AcGeMatrix2d result = *this;
    return result.transposeIt();
}

double AcGeMatrix2d::det() const
{
    return determinant<3>(entry);
}

bool AcGeMatrix2d::isEqualTo(const AcGeMatrix2d& mat, const AcGeTol& tol) const
{
    return entriesEqual<3>(entry, mat.entry, tol.equalVector());
}

bool AcGeMatrix2d::isUniScaledOrtho(const AcGeTol& tol) const
{
    return axesOrthogonal<3>(entry, 2, true, tol.equalVector());
}

bool AcGeMatrix2d::isScaledOrtho(const AcGeTol& tol) const
{
    return axesOrthogonal<3>(entry, 2, false, tol.equalVector());
}

AcGeMatrix2d& AcGeMatrix2d::setTranslation(const AcGeVector2d& vec)
{
    entry[0][2] = vec.x;
    entry[1][2] = vec.y;
    return *this;
}

double AcGeMatrix2d::scale() const
{
    return largestAxisScale<3>(entry, 2);
}

AcGeMatrix2d& AcGeMatrix2d::setCoordSystem(const AcGePoint2d& origin, const AcGeVector2d& e0, const AcGeVector2d& e1)
{
    setToIdentity();
    entry[0][0] = e0.x;
    entry[1][0] = e0.y;
    entry[0][1] = e1.x;
    entry[1][1] = e1.y;
    return setTranslation(origin.asVector());
}

void AcGeMatrix2d::getCoordSystem(AcGePoint2d& origin, AcGeVector2d& e0, AcGeVector2d& e1) const
{
    origin.set(entry[0][2], entry[1][2]);
    e0.set(entry[0][0], entry[1][0]);
    e1.set(entry[0][1], entry[1][1]);
}

AcGeMatrix2d& AcGeMatrix2d::setToTranslation(const AcGeVector2d& vec)
{
    return setToIdentity().setTranslation(vec);
}

AcGeMatrix2d& AcGeMatrix2d::setToRotation(double angle, const AcGePoint2d& center)
{
    setToIdentity();
    const double c = std::cos(angle);
    const double s = std::sin(angle);
    entry[0][0] = c;
    entry[0][1] = -s;
    entry[1][0] = s;
    entry[1][1] = c;
    return setTranslation(center.asVector() - *this * center.asVector());
}

AcGeMatrix2d& AcGeMatrix2d::setToScaling(double scaleAll, const AcGePoint2d& center)
{
    setToIdentity();
    entry[0][0] = scaleAll;
    entry[1][1] = scaleAll;
    return setTranslation(center.asVector() * (1.0 - scaleAll));
}

AcGeMatrix2d& AcGeMatrix2d::setToMirroring(const AcGePoint2d& pnt)
{
    return setToScaling(-1.0, pnt);
}

AcGeMatrix2d& AcGeMatrix2d::setToAlignCoordSys(const AcGePoint2d& fromOrigin, const AcGeVector2d& fromE0,
                                               const AcGeVector2d& fromE1, const AcGePoint2d& toOrigin,
                                               const AcGeVector2d& toE0, const AcGeVector2d& toE1)
{
    AcGeMatrix2d from;
    from.setCoordSystem(fromOrigin, fromE0, fromE1);
    AcGeMatrix2d to;
    to.setCoordSystem(toOrigin, toE0, toE1);
    return *this = to * from.inverse();
}

AcGeMatrix2d AcGeMatrix2d::translation(const AcGeVector2d& vec)
{
    return AcGeMatrix2d().setToTranslation(vec);
}

AcGeMatrix2d AcGeMatrix2d::rotation(double angle, const AcGePoint2d& center)
{
    return AcGeMatrix2d().setToRotation(angle, center);
}

AcGeMatrix2d AcGeMatrix2d::scaling(double scaleAll, const AcGePoint2d& center)
{
    return AcGeMatrix2d().setToScaling(scaleAll, center);
}

AcGeMatrix2d AcGeMatrix2d::mirroring(const AcGePoint2d& pnt)
{
    return AcGeMatrix2d().setToMirroring(pnt);
}

AcGeMatrix2d AcGeMatrix2d::alignCoordSys(const AcGePoint2d& fromOrigin, const AcGeVector2d& fromE0,
                                         const AcGeVector2d& fromE1, const AcGePoint2d& toOrigin,
                                         const AcGeVector2d& toE0, const AcGeVector2d& toE1)
{
    return AcGeMatrix2d().setToAlignCoordSys(fromOrigin, fromE0, fromE1, toOrigin, toE0, toE1);
}
