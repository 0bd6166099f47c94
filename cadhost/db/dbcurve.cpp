#include "dbcurve.h"

Adesk::Boolean AcDbCurve::isClosed() const
{
    return Adesk::kFalse;
}

Adesk::Boolean AcDbCurve::isPeriodic() const
{
    return Adesk::kFalse;
}

Acad::ErrorStatus AcDbCurve::getStartParam(double&) const
{
    return Acad::eNotImplementedYet;
}

Acad::ErrorStatus AcDbCurve::getEndParam(double&) const
{
    return Acad::eNotImplementedYet;
}

Acad::ErrorStatus AcDbCurve::getStartPoint(AcGePoint3d&) const
{
    return Acad::eNotImplementedYet;
}

Acad::ErrorStatus AcDbCurve::getEndPoint(AcGePoint3d&) const
{
    return Acad::eNotImplementedYet;
}

Acad::ErrorStatus AcDbCurve::getPointAtParam(double, AcGePoint3d&) const
{
    return Acad::eNotImplementedYet;
}

Acad::ErrorStatus AcDbCurve::getParamAtPoint(const AcGePoint3d&, double&) const
{
    return Acad::eNotImplementedYet;
}

Acad::ErrorStatus AcDbCurve::getDistAtParam(double, double&) const
{
    return Acad::eNotImplementedYet;
}

Acad::ErrorStatus AcDbCurve::getArea(double&) const
{
    return Acad::eNotImplementedYet;
}
