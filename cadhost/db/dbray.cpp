#include "dbray.h"

#include "acgi.h"

Acad::ErrorStatus AcDbRay::getStartParam(double& param) const
{
    assertReadEnabled();
    param = 0.0;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbRay::getEndParam(double&) const
{
    assertReadEnabled();
    return Acad::eNotApplicable;
}

Acad::ErrorStatus AcDbRay::getStartPoint(AcGePoint3d& point) const
{
    point = basePoint();
    return Acad::eOk;
}

Acad::ErrorStatus AcDbRay::getEndPoint(AcGePoint3d&) const
{
    assertReadEnabled();
    return Acad::eNotApplicable;
}

Adesk::Boolean AcDbRay::subWorldDraw(AcGiWorldDraw* worldDraw)
{
    assertReadEnabled();
    worldDraw->geometry().ray(basePoint(), secondPoint());
    return Adesk::kTrue;
}

void AcDbRay::subList() const
{
    assertReadEnabled();
    AcDbCurve::subList();
    listLine();
}

Acad::ErrorStatus AcDbRay::subGetOsnapPoints(AcDb::OsnapMode osnapMode, Adesk::GsMarker, const AcGePoint3d&,
                                             const AcGePoint3d&, const AcGeMatrix3d&, AcGePoint3dArray& snapPoints,
                                             AcDbIntArray&) const
{
    assertReadEnabled();
    if (osnapMode == AcDb::kOsModeEnd)
        snapPoints.append(basePoint());
    return Acad::eOk;
}
