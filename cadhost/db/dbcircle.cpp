#include "dbents.h"

#include "acgi.h"
#include "curvegeom.h"
#include "dbfieldio.h"
#include "entgeom.h"
#include "listformat.h"

#include <numbers>

namespace {

cadhost::ConicArc circleOf(const AcGePoint3d& center, const AcGeVector3d& normal, double radius)
{
    return {center, cadhost::planeDirection(normal, 0.0) * radius,
            cadhost::planeDirection(normal, 0.5 * std::numbers::pi) * radius, 0.0, cadhost::kTwoPi};
}

} // namespace

AcDbCircle::AcDbCircle(const AcGePoint3d& center, const AcGeVector3d& normal, double radius)
    : m_center(center), m_radius(radius), m_normal(normal.isZeroLength() ? AcGeVector3d::kZAxis : normal.normal())
{
}

AcGePoint3d AcDbCircle::center() const
{
    assertReadEnabled();
    return m_center;
}

Acad::ErrorStatus AcDbCircle::setCenter(const AcGePoint3d& center)
{
    assertWriteEnabled();
    m_center = center;
    return Acad::eOk;
}

double AcDbCircle::radius() const
{
    assertReadEnabled();
    return m_radius;
}

Acad::ErrorStatus AcDbCircle::setRadius(double radius)
{
    if (!(radius >= 0.0))
        return Acad::eInvalidInput;
    assertWriteEnabled();
    m_radius = radius;
    return Acad::eOk;
}

double AcDbCircle::diameter() const
{
    assertReadEnabled();
    return 2.0 * m_radius;
}

double AcDbCircle::circumference() const
{
    assertReadEnabled();
    return cadhost::kTwoPi * m_radius;
}

double AcDbCircle::thickness() const
{
    assertReadEnabled();
    return m_thickness;
}

Acad::ErrorStatus AcDbCircle::setThickness(double thickness)
{
    assertWriteEnabled();
    m_thickness = thickness;
    return Acad::eOk;
}

AcGeVector3d AcDbCircle::normal() const
{
    assertReadEnabled();
    return m_normal;
}

Acad::ErrorStatus AcDbCircle::setNormal(const AcGeVector3d& normal)
{
    if (normal.isZeroLength())
        return Acad::eInvalidInput;
    assertWriteEnabled();
    m_normal = normal.normal();
    return Acad::eOk;
}

AcGePoint3d AcDbCircle::pointAtAngle(double angle) const
{
    return m_center + cadhost::planeDirection(m_normal, angle) * m_radius;
}

Acad::ErrorStatus AcDbCircle::getStartParam(double& param) const
{
    assertReadEnabled();
    param = 0.0;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbCircle::getEndParam(double& param) const
{
    assertReadEnabled();
    param = cadhost::kTwoPi;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbCircle::getStartPoint(AcGePoint3d& point) const
{
    assertReadEnabled();
    point = pointAtAngle(0.0);
    return Acad::eOk;
}

Acad::ErrorStatus AcDbCircle::getEndPoint(AcGePoint3d& point) const
{
    assertReadEnabled();
    point = pointAtAngle(0.0);
    return Acad::eOk;
}

Acad::ErrorStatus AcDbCircle::getPointAtParam(double param, AcGePoint3d& point) const
{
    assertReadEnabled();
    if (param < 0.0 || param > cadhost::kTwoPi)
        return Acad::eInvalidInput;
    point = pointAtAngle(param);
    return Acad::eOk;
}

Acad::ErrorStatus AcDbCircle::getDistAtParam(double param, double& dist) const
{
    assertReadEnabled();
    if (param < 0.0 || param > cadhost::kTwoPi)
        return Acad::eInvalidInput;
    dist = param * m_radius;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbCircle::getArea(double& area) const
{
    assertReadEnabled();
    area = std::numbers::pi * m_radius * m_radius;
    return Acad::eOk;
}

Adesk::Boolean AcDbCircle::subWorldDraw(AcGiWorldDraw* worldDraw)
{
    assertReadEnabled();
    worldDraw->geometry().circle(m_center, m_radius, m_normal);
    if (m_thickness != 0.0)
        worldDraw->geometry().circle(m_center + m_normal * m_thickness, m_radius, m_normal);
    return Adesk::kTrue;
}

void AcDbCircle::subList() const
{
    assertReadEnabled();
    AcDbCurve::subList();
    cadhost::listHeader(*this);
    cadhost::listPoint(L"Center point,", m_center);
    cadhost::listValue(L"Radius", m_radius);
    cadhost::listValue(L"Circumference", cadhost::kTwoPi * m_radius);
    cadhost::listValue(L"Area", std::numbers::pi * m_radius * m_radius);
    if (m_thickness != 0.0)
        cadhost::listValue(L"Thickness =", m_thickness);
    cadhost::listNormal(m_normal);
}

Acad::ErrorStatus AcDbCircle::subGetGeomExtents(AcDbExtents& extents) const
{
    assertReadEnabled();
    AcDbExtents own;
    circleOf(m_center, m_normal, m_radius).addExtents(own);
    cadhost::addExtrusion(own, m_normal * m_thickness);
    extents = own;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbCircle::subTransformBy(const AcGeMatrix3d& transform)
{
    if (!transform.isUniScaledOrtho())
        return Acad::eCannotScaleNonUniformly;
    assertWriteEnabled();
    const AcGeVector3d newNormal = cadhost::transformNormal(transform, m_normal);
    m_thickness *= (transform * m_normal).dotProduct(newNormal);
    m_radius *= transform.scale();
    m_center.transformBy(transform);
    m_normal = newNormal;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbCircle::subGetGripPoints(AcGePoint3dArray& gripPoints, AcDbIntArray&, AcDbIntArray&) const
{
    assertReadEnabled();
    gripPoints.append(m_center);
    for (int quarter = 0; quarter < 4; ++quarter)
        gripPoints.append(pointAtAngle(quarter * 0.5 * std::numbers::pi));
    return Acad::eOk;
}

Acad::ErrorStatus AcDbCircle::subMoveGripPointsAt(const AcDbIntArray& indices, const AcGeVector3d& offset)
{
    assertWriteEnabled();
    if (indices.contains(0)) {
        m_center += offset;
        return Acad::eOk;
    }
    // A quadrant grip changes the radius to the distance of the moved grip.
    for (const int index : indices)
        if (index >= 1 && index <= 4)
            m_radius = (pointAtAngle((index - 1) * 0.5 * std::numbers::pi) + offset).distanceTo(m_center);
    return Acad::eOk;
}

Acad::ErrorStatus AcDbCircle::subGetStretchPoints(AcGePoint3dArray& stretchPoints) const
{
    assertReadEnabled();
    stretchPoints.append(m_center);
    return Acad::eOk;
}

Acad::ErrorStatus AcDbCircle::subGetOsnapPoints(AcDb::OsnapMode osnapMode, Adesk::GsMarker, const AcGePoint3d&,
                                                const AcGePoint3d&, const AcGeMatrix3d&, AcGePoint3dArray& snapPoints,
                                                AcDbIntArray&) const
{
    assertReadEnabled();
    if (osnapMode == AcDb::kOsModeCen) {
        snapPoints.append(m_center);
    } else if (osnapMode == AcDb::kOsModeQuad) {
        for (int quarter = 0; quarter < 4; ++quarter)
            snapPoints.append(pointAtAngle(quarter * 0.5 * std::numbers::pi));
    }
    return Acad::eOk;
}

template <class Self, class Io> void AcDbCircle::fileFields(Self& self, Io& io)
{
    io(self.m_center)(self.m_radius)(self.m_thickness)(self.m_normal);
}

Acad::ErrorStatus AcDbCircle::dwgOutFields(AcDbDwgFiler* filer) const
{
    assertReadEnabled();
    return cadhost::FieldAccess::out(*this, filer, AcDbCurve::dwgOutFields(filer));
}

Acad::ErrorStatus AcDbCircle::dwgInFields(AcDbDwgFiler* filer)
{
    assertWriteEnabled();
    return cadhost::FieldAccess::in(*this, filer, AcDbCurve::dwgInFields(filer));
}
