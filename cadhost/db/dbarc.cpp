#include "dbents.h"

#include "acgi.h"
#include "curvegeom.h"
#include "dbfieldio.h"
#include "entgeom.h"
#include "listformat.h"

#include <numbers>
#include <utility>

namespace {

cadhost::ConicArc arcOf(const AcGePoint3d& center, const AcGeVector3d& normal, double radius, double startAngle,
                        double sweep)
{
    return {center, cadhost::planeDirection(normal, 0.0) * radius,
            cadhost::planeDirection(normal, 0.5 * std::numbers::pi) * radius, startAngle, sweep};
}

} // namespace

AcDbArc::AcDbArc(const AcGePoint3d& center, double radius, double startAngle, double endAngle)
    : m_center(center), m_radius(radius), m_startAngle(cadhost::normalizeAngle(startAngle)),
      m_endAngle(cadhost::normalizeAngle(endAngle))
{
}

AcDbArc::AcDbArc(const AcGePoint3d& center, const AcGeVector3d& normal, double radius, double startAngle,
                 double endAngle)
    : AcDbArc(center, radius, startAngle, endAngle)
{
    if (!normal.isZeroLength())
        m_normal = normal.normal();
}

AcGePoint3d AcDbArc::center() const
{
    assertReadEnabled();
    return m_center;
}

Acad::ErrorStatus AcDbArc::setCenter(const AcGePoint3d& center)
{
    assertWriteEnabled();
    m_center = center;
    return Acad::eOk;
}

double AcDbArc::radius() const
{
    assertReadEnabled();
    return m_radius;
}

Acad::ErrorStatus AcDbArc::setRadius(double radius)
{
    if (!(radius >= 0.0))
        return Acad::eInvalidInput;
    assertWriteEnabled();
    m_radius = radius;
    return Acad::eOk;
}

double AcDbArc::startAngle() const
{
    assertReadEnabled();
    return m_startAngle;
}

Acad::ErrorStatus AcDbArc::setStartAngle(double angle)
{
    assertWriteEnabled();
    m_startAngle = cadhost::normalizeAngle(angle);
    return Acad::eOk;
}

double AcDbArc::endAngle() const
{
    assertReadEnabled();
    return m_endAngle;
}

Acad::ErrorStatus AcDbArc::setEndAngle(double angle)
{
    assertWriteEnabled();
    m_endAngle = cadhost::normalizeAngle(angle);
    return Acad::eOk;
}

double AcDbArc::totalAngle() const
{
    assertReadEnabled();
    return cadhost::sweepAngle(m_startAngle, m_endAngle);
}

double AcDbArc::thickness() const
{
    assertReadEnabled();
    return m_thickness;
}

Acad::ErrorStatus AcDbArc::setThickness(double thickness)
{
    assertWriteEnabled();
    m_thickness = thickness;
    return Acad::eOk;
}

AcGeVector3d AcDbArc::normal() const
{
    assertReadEnabled();
    return m_normal;
}

Acad::ErrorStatus AcDbArc::setNormal(const AcGeVector3d& normal)
{
    if (normal.isZeroLength())
        return Acad::eInvalidInput;
    assertWriteEnabled();
    m_normal = normal.normal();
    return Acad::eOk;
}

AcGePoint3d AcDbArc::pointAtAngle(double angle) const
{
    return m_center + cadhost::planeDirection(m_normal, angle) * m_radius;
}

Acad::ErrorStatus AcDbArc::getStartParam(double& param) const
{
    assertReadEnabled();
    param = m_startAngle;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbArc::getEndParam(double& param) const
{
    assertReadEnabled();
    param = m_startAngle + cadhost::sweepAngle(m_startAngle, m_endAngle);
    return Acad::eOk;
}

Acad::ErrorStatus AcDbArc::getStartPoint(AcGePoint3d& point) const
{
    assertReadEnabled();
    point = pointAtAngle(m_startAngle);
    return Acad::eOk;
}

Acad::ErrorStatus AcDbArc::getEndPoint(AcGePoint3d& point) const
{
    assertReadEnabled();
    point = pointAtAngle(m_endAngle);
    return Acad::eOk;
}

Acad::ErrorStatus AcDbArc::getPointAtParam(double param, AcGePoint3d& point) const
{
    assertReadEnabled();
    if (param < m_startAngle || param > m_startAngle + cadhost::sweepAngle(m_startAngle, m_endAngle))
        return Acad::eInvalidInput;
    point = pointAtAngle(param);
    return Acad::eOk;
}

Acad::ErrorStatus AcDbArc::getDistAtParam(double param, double& dist) const
{
    assertReadEnabled();
    if (param < m_startAngle || param > m_startAngle + cadhost::sweepAngle(m_startAngle, m_endAngle))
        return Acad::eInvalidInput;
    dist = (param - m_startAngle) * m_radius;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbArc::getArea(double& area) const
{
    assertReadEnabled();
    area =
        arcOf(m_center, m_normal, m_radius, m_startAngle, cadhost::sweepAngle(m_startAngle, m_endAngle)).segmentArea();
    return Acad::eOk;
}

Adesk::Boolean AcDbArc::subWorldDraw(AcGiWorldDraw* worldDraw)
{
    assertReadEnabled();
    const double sweep = cadhost::sweepAngle(m_startAngle, m_endAngle);
    const AcGeVector3d startVector = cadhost::planeDirection(m_normal, m_startAngle);
    worldDraw->geometry().circularArc(m_center, m_radius, m_normal, startVector, sweep);
    if (m_thickness != 0.0)
        worldDraw->geometry().circularArc(m_center + m_normal * m_thickness, m_radius, m_normal, startVector, sweep);
    return Adesk::kTrue;
}

void AcDbArc::subList() const
{
    assertReadEnabled();
    AcDbCurve::subList();
    cadhost::listHeader(*this);
    const double sweep = cadhost::sweepAngle(m_startAngle, m_endAngle);
    cadhost::listPoint(L"center point,", m_center);
    cadhost::listValue(L"radius", m_radius);
    cadhost::listAngle(L"start angle", m_startAngle);
    cadhost::listAngle(L"end angle", m_endAngle);
    cadhost::listValue(L"length", m_radius * sweep);
    cadhost::listValue(L"area", arcOf(m_center, m_normal, m_radius, m_startAngle, sweep).segmentArea());
    if (m_thickness != 0.0)
        cadhost::listValue(L"Thickness =", m_thickness);
    cadhost::listNormal(m_normal);
}

Acad::ErrorStatus AcDbArc::subGetGeomExtents(AcDbExtents& extents) const
{
    assertReadEnabled();
    AcDbExtents own;
    arcOf(m_center, m_normal, m_radius, m_startAngle, cadhost::sweepAngle(m_startAngle, m_endAngle)).addExtents(own);
    cadhost::addExtrusion(own, m_normal * m_thickness);
    extents = own;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbArc::subTransformBy(const AcGeMatrix3d& transform)
{
    if (!transform.isUniScaledOrtho())
        return Acad::eCannotScaleNonUniformly;
    assertWriteEnabled();
    const AcGeVector3d newNormal = cadhost::transformNormal(transform, m_normal);
    const AcGePoint3d newCenter = transform * m_center;
    AcGePoint3d start = transform * pointAtAngle(m_startAngle);
    AcGePoint3d end = transform * pointAtAngle(m_endAngle);
    // A mirror turns the arc clockwise about the new normal: its ends change roles.
    if (cadhost::linearDeterminant(transform) < 0.0)
        std::swap(start, end);
    m_thickness *= (transform * m_normal).dotProduct(newNormal);
    m_radius *= transform.scale();
    m_startAngle = cadhost::planeAngle(newNormal, start - newCenter);
    m_endAngle = cadhost::planeAngle(newNormal, end - newCenter);
    m_center = newCenter;
    m_normal = newNormal;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbArc::subGetGripPoints(AcGePoint3dArray& gripPoints, AcDbIntArray&, AcDbIntArray&) const
{
    assertReadEnabled();
    const double sweep = cadhost::sweepAngle(m_startAngle, m_endAngle);
    gripPoints.append(pointAtAngle(m_startAngle));
    gripPoints.append(pointAtAngle(m_startAngle + 0.5 * sweep));
    gripPoints.append(pointAtAngle(m_endAngle));
    gripPoints.append(m_center);
    return Acad::eOk;
}

Acad::ErrorStatus AcDbArc::subMoveGripPointsAt(const AcDbIntArray& indices, const AcGeVector3d& offset)
{
    assertWriteEnabled();
    // The center grip moves the arc; the others would need the arc through three points, which is
    // not offered.
    if (indices.contains(3))
        m_center += offset;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbArc::subGetStretchPoints(AcGePoint3dArray& stretchPoints) const
{
    assertReadEnabled();
    stretchPoints.append(pointAtAngle(m_startAngle));
    stretchPoints.append(pointAtAngle(m_endAngle));
    return Acad::eOk;
}

Acad::ErrorStatus AcDbArc::subGetOsnapPoints(AcDb::OsnapMode osnapMode, Adesk::GsMarker, const AcGePoint3d&,
                                             const AcGePoint3d&, const AcGeMatrix3d&, AcGePoint3dArray& snapPoints,
                                             AcDbIntArray&) const
{
    assertReadEnabled();
    const double sweep = cadhost::sweepAngle(m_startAngle, m_endAngle);
    switch (osnapMode) {
    case AcDb::kOsModeEnd:
        snapPoints.append(pointAtAngle(m_startAngle));
        snapPoints.append(pointAtAngle(m_endAngle));
        break;
    case AcDb::kOsModeMid:
        snapPoints.append(pointAtAngle(m_startAngle + 0.5 * sweep));
        break;
    case AcDb::kOsModeCen:
        snapPoints.append(m_center);
        break;
    case AcDb::kOsModeQuad:
        for (int quarter = 0; quarter < 4; ++quarter) {
            const double angle = quarter * 0.5 * std::numbers::pi;
            if (cadhost::sweepAngle(m_startAngle, angle) <= sweep)
                snapPoints.append(pointAtAngle(angle));
        }
        break;
    default:
        break;
    }
    return Acad::eOk;
}

template <class Self, class Io> void AcDbArc::fileFields(Self& self, Io& io)
{
    io(self.m_center)(self.m_radius)(self.m_startAngle)(self.m_endAngle)(self.m_thickness)(self.m_normal);
}

Acad::ErrorStatus AcDbArc::dwgOutFields(AcDbDwgFiler* filer) const
{
    assertReadEnabled();
    return cadhost::FieldAccess::out(*this, filer, AcDbCurve::dwgOutFields(filer));
}

Acad::ErrorStatus AcDbArc::dwgInFields(AcDbDwgFiler* filer)
{
    assertWriteEnabled();
    return cadhost::FieldAccess::in(*this, filer, AcDbCurve::dwgInFields(filer));
}
