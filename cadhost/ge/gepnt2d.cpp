#include "gepnt2d.h"

#include "gemat2d.h"

AcGePoint2d operator*(const AcGeMatrix2d& mat, const AcGePoint2d& pnt)
{
    const auto& e = mat.entry;
    const double x = e[0][0] * pnt.x + e[0][1] * pnt.y + e[0][2];
    const double y = e[1][0] * pnt.x + e[1][1] * pnt.y + e[1][2];
    const double w = e[2][0] * pnt.x + e[2][1] * pnt.y + e[2][2];
    return (w == 1.0 || w == 0.0) ? AcGePoint2d(x, y) : AcGePoint2d(x / w, y / w);
}

AcGePoint2d& AcGePoint2d::setToProduct(const AcGeMatrix2d& mat, const AcGePoint2d& pnt)
{
    return *this = mat * pnt;
}

AcGePoint2d& AcGePoint2d::transformBy(const AcGeMatrix2d& leftSide)
{
    return *this = leftSide * *this;
}

AcGePoint2d& AcGePoint2d::rotateBy(double angle, const AcGePoint2d& wrtPoint)
{
    return *this = wrtPoint + (*this - wrtPoint).rotateBy(angle);
}

AcGePoint2d& AcGePoint2d::scaleBy(double scaleFactor, const AcGePoint2d& wrtPoint)
{
    return *this = wrtPoint + (*this - wrtPoint) * scaleFactor;
}
