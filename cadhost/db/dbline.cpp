#include "dbents.h"

#include "acgi.h"
#include "curvegeom.h"
#include "dbfieldio.h"
#include "listformat.h"

#include <cmath>

AcDbLine::AcDbLine(const AcGePoint3d& start, const AcGePoint3d& end) : m_start(start), m_end(end)
{
}

AcGePoint3d AcDbLine::startPoint() const
{
    assertReadEnabled();
    return m_start;
}

Acad::ErrorStatus AcDbLine::setStartPoint(const AcGePoint3d& point)
{
    assertWriteEnabled();
    m_start = point;
    return Acad::eOk;
}

AcGePoint3d AcDbLine::endPoint() const
{
    assertReadEnabled();
    return m_end;
}

Acad::ErrorStatus AcDbLine::setEndPoint(const AcGePoint3d& point)
{
    assertWriteEnabled();
    m_end = point;
    return Acad::eOk;
}

double AcDbLine::thickness() const
{
    assertReadEnabled();
    return m_thickness;
}

Acad::ErrorStatus AcDbLine::setThickness(double thickness)
{
    assertWriteEnabled();
    m_thickness = thickness;
    return Acad::eOk;
}

AcGeVector3d AcDbLine::normal() const
{
    assertReadEnabled();
    return m_normal;
}

Acad::ErrorStatus AcDbLine::setNormal(const AcGeVector3d& normal)
{
    if (normal.isZeroLength())
        return Acad::eInvalidInput;
    assertWriteEnabled();
    m_normal = normal.normal();
    return Acad::eOk;
}

Acad::ErrorStatus AcDbLine::getStartParam(double& param) const
{
    assertReadEnabled();
    param = 0.0;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbLine::getEndParam(double& param) const
{
    assertReadEnabled();
    param = m_start.distanceTo(m_end);
    return Acad::eOk;
}

Acad::ErrorStatus AcDbLine::getStartPoint(AcGePoint3d& point) const
{
    assertReadEnabled();
    point = m_start;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbLine::getEndPoint(AcGePoint3d& point) const
{
    assertReadEnabled();
    point = m_end;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbLine::getPointAtParam(double param, AcGePoint3d& point) const
{
    assertReadEnabled();
    const double length = m_start.distanceTo(m_end);
    if (param < 0.0 || param > length)
        return Acad::eInvalidInput;
    point = length > 0.0 ? m_start + (m_end - m_start) * (param / length) : m_start;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbLine::getDistAtParam(double param, double& dist) const
{
    assertReadEnabled();
    if (param < 0.0 || param > m_start.distanceTo(m_end))
        return Acad::eInvalidInput;
    dist = param;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbLine::getArea(double& area) const
{
    assertReadEnabled();
    area = 0.0;
    return Acad::eOk;
}

Adesk::Boolean AcDbLine::subWorldDraw(AcGiWorldDraw* worldDraw)
{
    assertReadEnabled();
    const AcGePoint3d points[2] = {m_start, m_end};
    worldDraw->geometry().polyline(2, points, &m_normal);
    if (m_thickness != 0.0) {
        // The extruded line is a quadrilateral face outline.
        const AcGeVector3d up = m_normal * m_thickness;
        const AcGePoint3d face[5] = {m_start, m_end, m_end + up, m_start + up, m_start};
        worldDraw->geometry().polyline(5, face, &m_normal);
    }
    return Adesk::kTrue;
}

void AcDbLine::subList() const
{
    assertReadEnabled();
    AcDbCurve::subList();
    cadhost::listHeader(*this);
    cadhost::listPoint(L"from point,", m_start);
    cadhost::listPoint(L"to point,", m_end);
    const AcGeVector3d delta = m_end - m_start;
    cadhost::listValue(L"Length =", delta.length());
    cadhost::listAngle(L"Angle in XY Plane =", cadhost::normalizeAngle(std::atan2(delta.y, delta.x)));
    cadhost::listVector(L"Delta", delta);
    if (m_thickness != 0.0)
        cadhost::listValue(L"Thickness =", m_thickness);
    cadhost::listNormal(m_normal);
}

Acad::ErrorStatus AcDbLine::subGetGeomExtents(AcDbExtents& extents) const
{
    assertReadEnabled();
    AcDbExtents own;
    own.addPoint(m_start);
    own.addPoint(m_end);
    cadhost::addExtrusion(own, m_normal * m_thickness);
    extents = own;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbLine::subTransformBy(const AcGeMatrix3d& transform)
{
    assertWriteEnabled();
    const AcGeVector3d newNormal = cadhost::transformNormal(transform, m_normal);
    m_thickness *= (transform * m_normal).dotProduct(newNormal);
    m_start.transformBy(transform);
    m_end.transformBy(transform);
    m_normal = newNormal;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbLine::subGetGripPoints(AcGePoint3dArray& gripPoints, AcDbIntArray&, AcDbIntArray&) const
{
    assertReadEnabled();
    gripPoints.append(m_start);
    gripPoints.append(m_start + (m_end - m_start) * 0.5);
    gripPoints.append(m_end);
    return Acad::eOk;
}

Acad::ErrorStatus AcDbLine::subMoveGripPointsAt(const AcDbIntArray& indices, const AcGeVector3d& offset)
{
    assertWriteEnabled();
    // The middle grip moves the whole line; the end grips move their end.
    const bool whole = indices.contains(1);
    if (whole || indices.contains(0))
        m_start += offset;
    if (whole || indices.contains(2))
        m_end += offset;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbLine::subGetStretchPoints(AcGePoint3dArray& stretchPoints) const
{
    assertReadEnabled();
    stretchPoints.append(m_start);
    stretchPoints.append(m_end);
    return Acad::eOk;
}

Acad::ErrorStatus AcDbLine::subGetOsnapPoints(AcDb::OsnapMode osnapMode, Adesk::GsMarker, const AcGePoint3d&,
                                              const AcGePoint3d&, const AcGeMatrix3d&, AcGePoint3dArray& snapPoints,
                                              AcDbIntArray&) const
{
    assertReadEnabled();
    if (osnapMode == AcDb::kOsModeEnd) {
        snapPoints.append(m_start);
        snapPoints.append(m_end);
    } else if (osnapMode == AcDb::kOsModeMid) {
        snapPoints.append(m_start + (m_end - m_start) * 0.5);
    }
    return Acad::eOk;
}

template <class Self, class Io> void AcDbLine::fileFields(Self& self, Io& io)
{
    io(self.m_start)(self.m_end)(self.m_thickness)(self.m_normal);
}

Acad::ErrorStatus AcDbLine::dwgOutFields(AcDbDwgFiler* filer) const
{
    assertReadEnabled();
    return cadhost::FieldAccess::out(*this, filer, AcDbCurve::dwgOutFields(filer));
}

Acad::ErrorStatus AcDbLine::dwgInFields(AcDbDwgFiler* filer)
{
    assertWriteEnabled();
    return cadhost::FieldAccess::in(*this, filer, AcDbCurve::dwgInFields(filer));
}
