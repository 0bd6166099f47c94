#include "gescl3d.h"

#include "gemat3d.h"

#include <cmath>

bool AcGeScale3d::isProportional(const AcGeTol& tol) const
{
    return std::fabs(sx - sy) <= tol.equalVector() && std::fabs(sx - sz) <= tol.equalVector();
}

bool AcGeScale3d::isEqualTo(const AcGeScale3d& scaleVec, const AcGeTol& tol) const
{
    return std::fabs(sx - scaleVec.sx) <= tol.equalVector() && std::fabs(sy - scaleVec.sy) <= tol.equalVector() &&
           std::fabs(sz - scaleVec.sz) <= tol.equalVector();
}

AcGeScale3d::operator AcGeMatrix3d() const
{
    AcGeMatrix3d mat;
    getMatrix(mat);
    return mat;
}

void AcGeScale3d::getMatrix(AcGeMatrix3d& mat) const
{
    mat.setToIdentity();
    mat.entry[0][0] = sx;
    mat.entry[1][1] = sy;
    mat.entry[2][2] = sz;
}

AcGeScale3d& AcGeScale3d::extractScale(const AcGeMatrix3d& mat)
{
    sx = mat.getCsXAxis().length();
    sy = mat.getCsYAxis().length();
    sz = mat.getCsZAxis().length();
    if (mat.det() < 0.0)
        sx = -sx;
    return *this;
}

AcGeScale3d& AcGeScale3d::removeScale(AcGeMatrix3d& mat)
{
    extractScale(mat);
    for (unsigned int col = 0; col < 3; ++col) {
        const double factor = (*this)[col];
        if (factor == 0.0)
            continue;
        for (unsigned int row = 0; row < 3; ++row)
            mat.entry[row][col] /= factor;
    }
    return *this;
}
