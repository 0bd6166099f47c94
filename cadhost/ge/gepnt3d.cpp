#include "gepnt3d.h"

#include "gemat3d.h"

AcGePoint3d operator*(const AcGeMatrix3d& mat, const AcGePoint3d& pnt)
{
    const auto& e = mat.entry;
    const double x = e[0][0] * pnt.x + e[0][1] * pnt.y + e[0][2] * pnt.z + e[0][3];
    const double y = e[1][0] * pnt.x + e[1][1] * pnt.y + e[1][2] * pnt.z + e[1][3];
    const double z = e[2][0] * pnt.x + e[2][1] * pnt.y + e[2][2] * pnt.z + e[2][3];
    const double w = e[3][0] * pnt.x + e[3][1] * pnt.y + e[3][2] * pnt.z + e[3][3];
    return (w == 1.0 || w == 0.0) ? AcGePoint3d(x, y, z) : AcGePoint3d(x / w, y / w, z / w);
}

AcGePoint3d& AcGePoint3d::setToProduct(const AcGeMatrix3d& mat, const AcGePoint3d& pnt)
{
    return *this = mat * pnt;
}

AcGePoint3d& AcGePoint3d::transformBy(const AcGeMatrix3d& leftSide)
{
    return *this = leftSide * *this;
}

AcGePoint3d& AcGePoint3d::rotateBy(double angle, const AcGeVector3d& vec, const AcGePoint3d& wrtPoint)
{
    return *this = AcGeMatrix3d::rotation(angle, vec, wrtPoint) * *this;
}

AcGePoint3d& AcGePoint3d::scaleBy(double scaleFactor, const AcGePoint3d& wrtPoint)
{
    return *this = wrtPoint + (*this - wrtPoint) * scaleFactor;
}
