#include "dbxline.h"

#include "acgi.h"

Acad::ErrorStatus AcDbXline::getStartParam(double&) const
{
    assertReadEnabled();
    return Acad::eNotApplicable;
}

Acad::ErrorStatus AcDbXline::getEndParam(double&) const
{
    assertReadEnabled();
    return Acad::eNotApplicable;
}

Acad::ErrorStatus AcDbXline::getStartPoint(AcGePoint3d&) const
{
    assertReadEnabled();
    return Acad::eNotApplicable;
}

Acad::ErrorStatus AcDbXline::getEndPoint(AcGePoint3d&) const
{
    assertReadEnabled();
    return Acad::eNotApplicable;
}

Adesk::Boolean AcDbXline::subWorldDraw(AcGiWorldDraw* worldDraw)
{
    assertReadEnabled();
    worldDraw->geometry().xline(basePoint(), secondPoint());
    return Adesk::kTrue;
}

void AcDbXline::subList() const
{
    assertReadEnabled();
    AcDbCurve::subList();
    listLine();
}

Acad::ErrorStatus AcDbXline::subGetOsnapPoints(AcDb::OsnapMode osnapMode, Adesk::GsMarker, const AcGePoint3d&,
                                               const AcGePoint3d&, const AcGeMatrix3d&, AcGePoint3dArray& snapPoints,
                                               AcDbIntArray&) const
{
    assertReadEnabled();
    if (osnapMode == AcDb::kOsModeNode || osnapMode == AcDb::kOsModeMid)
        snapPoints.append(basePoint());
    return Acad::eOk;
}
