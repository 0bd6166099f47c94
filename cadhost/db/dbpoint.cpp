#include "dbents.h"

#include "acgi.h"
#include "curvegeom.h"
#include "dbfieldio.h"
#include "entgeom.h"
#include "listformat.h"

AcDbPoint::AcDbPoint(const AcGePoint3d& position) : m_position(position)
{
}

AcGePoint3d AcDbPoint::position() const
{
    assertReadEnabled();
    return m_position;
}

Acad::ErrorStatus AcDbPoint::setPosition(const AcGePoint3d& position)
{
    assertWriteEnabled();
    m_position = position;
    return Acad::eOk;
}

double AcDbPoint::thickness() const
{
    assertReadEnabled();
    return m_thickness;
}

Acad::ErrorStatus AcDbPoint::setThickness(double thickness)
{
    assertWriteEnabled();
    m_thickness = thickness;
    return Acad::eOk;
}

AcGeVector3d AcDbPoint::normal() const
{
    assertReadEnabled();
    return m_normal;
}

Acad::ErrorStatus AcDbPoint::setNormal(const AcGeVector3d& normal)
{
    if (normal.isZeroLength())
        return Acad::eInvalidInput;
    assertWriteEnabled();
    m_normal = normal.normal();
    return Acad::eOk;
}

double AcDbPoint::ecsRotation() const
{
    assertReadEnabled();
    return m_ecsRotation;
}

Acad::ErrorStatus AcDbPoint::setEcsRotation(double rotation)
{
    assertWriteEnabled();
    m_ecsRotation = rotation;
    return Acad::eOk;
}

Adesk::Boolean AcDbPoint::subWorldDraw(AcGiWorldDraw* worldDraw)
{
    assertReadEnabled();
    // A point shows as a dot: a polyline of two equal points.
    const AcGePoint3d dot[2] = {m_position, m_position};
    worldDraw->geometry().polyline(2, dot, &m_normal);
    if (m_thickness != 0.0) {
        const AcGePoint3d extruded[2] = {m_position, m_position + m_normal * m_thickness};
        worldDraw->geometry().polyline(2, extruded, &m_normal);
    }
    return Adesk::kTrue;
}

void AcDbPoint::subList() const
{
    assertReadEnabled();
    AcDbEntity::subList();
    cadhost::listHeader(*this);
    cadhost::listPoint(L"at point,", m_position);
    if (m_thickness != 0.0)
        cadhost::listValue(L"Thickness =", m_thickness);
    cadhost::listNormal(m_normal);
}

Acad::ErrorStatus AcDbPoint::subGetGeomExtents(AcDbExtents& extents) const
{
    assertReadEnabled();
    AcDbExtents own;
    own.addPoint(m_position);
    cadhost::addExtrusion(own, m_normal * m_thickness);
    extents = own;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbPoint::subTransformBy(const AcGeMatrix3d& transform)
{
    assertWriteEnabled();
    const AcGeVector3d symbolAxis = cadhost::planeDirection(m_normal, m_ecsRotation);
    const AcGeVector3d newNormal = cadhost::transformNormal(transform, m_normal);
    const AcGeVector3d movedAxis = transform * symbolAxis;
    m_thickness *= (transform * m_normal).dotProduct(newNormal);
    m_position.transformBy(transform);
    m_normal = newNormal;
    if (!movedAxis.isZeroLength())
        m_ecsRotation = cadhost::planeAngle(newNormal, movedAxis);
    return Acad::eOk;
}

Acad::ErrorStatus AcDbPoint::subGetGripPoints(AcGePoint3dArray& gripPoints, AcDbIntArray&, AcDbIntArray&) const
{
    assertReadEnabled();
    gripPoints.append(m_position);
    return Acad::eOk;
}

Acad::ErrorStatus AcDbPoint::subMoveGripPointsAt(const AcDbIntArray& indices, const AcGeVector3d& offset)
{
    assertWriteEnabled();
    if (indices.contains(0))
        m_position += offset;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbPoint::subGetStretchPoints(AcGePoint3dArray& stretchPoints) const
{
    assertReadEnabled();
    stretchPoints.append(m_position);
    return Acad::eOk;
}

Acad::ErrorStatus AcDbPoint::subGetOsnapPoints(AcDb::OsnapMode osnapMode, Adesk::GsMarker, const AcGePoint3d&,
                                               const AcGePoint3d&, const AcGeMatrix3d&, AcGePoint3dArray& snapPoints,
                                               AcDbIntArray&) const
{
    assertReadEnabled();
    if (osnapMode == AcDb::kOsModeNode)
        snapPoints.append(m_position);
    return Acad::eOk;
}

template <class Self, class Io> void AcDbPoint::fileFields(Self& self, Io& io)
{
    io(self.m_position)(self.m_thickness)(self.m_normal)(self.m_ecsRotation);
}

Acad::ErrorStatus AcDbPoint::dwgOutFields(AcDbDwgFiler* filer) const
{
    assertReadEnabled();
    return cadhost::FieldAccess::out(*this, filer, AcDbEntity::dwgOutFields(filer));
}

Acad::ErrorStatus AcDbPoint::dwgInFields(AcDbDwgFiler* filer)
{
    assertWriteEnabled();
    return cadhost::FieldAccess::in(*this, filer, AcDbEntity::dwgInFields(filer));
}
