#include "unboundedline.h"

#include "dbfieldio.h"
#include "listformat.h"

#include <cmath>

namespace cadhost {
namespace {

// A direction whose length overflows or is not a number has no unit vector: normalising it would give
// a zero or undefined direction that no drawing can hold.
bool normalisable(const AcGeVector3d& direction)
{
    return !direction.isZeroLength() && direction.normal().isUnitLength();
}

} // namespace

AcGePoint3d UnboundedLine::basePoint() const
{
    assertReadEnabled();
    return m_basePoint;
}

void UnboundedLine::setBasePoint(const AcGePoint3d& point)
{
    assertWriteEnabled();
    m_basePoint = point;
}

AcGeVector3d UnboundedLine::unitDir() const
{
    assertReadEnabled();
    return m_unitDir;
}

void UnboundedLine::setUnitDir(const AcGeVector3d& direction)
{
    if (!normalisable(direction))
        return;
    assertWriteEnabled();
    m_unitDir = direction.normal();
}

AcGePoint3d UnboundedLine::secondPoint() const
{
    assertReadEnabled();
    return m_basePoint + m_unitDir;
}

void UnboundedLine::setSecondPoint(const AcGePoint3d& point)
{
    setUnitDir(point - m_basePoint);
}

Acad::ErrorStatus UnboundedLine::getPointAtParam(double param, AcGePoint3d& point) const
{
    assertReadEnabled();
    point = m_basePoint + m_unitDir * param;
    return Acad::eOk;
}

Acad::ErrorStatus UnboundedLine::getArea(double& area) const
{
    assertReadEnabled();
    area = 0.0;
    return Acad::eOk;
}

void UnboundedLine::listLine() const
{
    listHeader(*this);
    listPoint(L"base point,", m_basePoint);
    listVector(L"unit direction,", m_unitDir);
}

Acad::ErrorStatus UnboundedLine::subGetGeomExtents(AcDbExtents&) const
{
    assertReadEnabled();
    return Acad::eInvalidExtents;
}

Acad::ErrorStatus UnboundedLine::subTransformBy(const AcGeMatrix3d& transform)
{
    const AcGeVector3d direction = transform * m_unitDir;
    if (!normalisable(direction))
        return Acad::eCannotScaleNonUniformly;
    assertWriteEnabled();
    m_basePoint.transformBy(transform);
    m_unitDir = direction.normal();
    return Acad::eOk;
}

Acad::ErrorStatus UnboundedLine::subGetGripPoints(AcGePoint3dArray& gripPoints, AcDbIntArray&, AcDbIntArray&) const
{
    assertReadEnabled();
    gripPoints.append(m_basePoint);
    gripPoints.append(m_basePoint + m_unitDir);
    return Acad::eOk;
}

Acad::ErrorStatus UnboundedLine::subMoveGripPointsAt(const AcDbIntArray& indices, const AcGeVector3d& offset)
{
    assertWriteEnabled();
    // The base grip moves the line; the direction grip turns it about the base point.
    if (indices.contains(0)) {
        m_basePoint += offset;
        return Acad::eOk;
    }
    if (indices.contains(1)) {
        const AcGeVector3d direction = m_unitDir + offset;
        if (normalisable(direction))
            m_unitDir = direction.normal();
    }
    return Acad::eOk;
}

Acad::ErrorStatus UnboundedLine::subGetStretchPoints(AcGePoint3dArray& stretchPoints) const
{
    assertReadEnabled();
    stretchPoints.append(m_basePoint);
    return Acad::eOk;
}

template <class Self, class Io> void UnboundedLine::fileFields(Self& self, Io& io)
{
    io(self.m_basePoint)(self.m_unitDir);
}

Acad::ErrorStatus UnboundedLine::dwgOutFields(AcDbDwgFiler* filer) const
{
    assertReadEnabled();
    return FieldAccess::out(*this, filer, AcDbCurve::dwgOutFields(filer));
}

Acad::ErrorStatus UnboundedLine::dwgInFields(AcDbDwgFiler* filer)
{
    assertWriteEnabled();
    const Acad::ErrorStatus status = FieldAccess::in(*this, filer, AcDbCurve::dwgInFields(filer));
    const bool finiteBase =
        std::isfinite(m_basePoint.x) && std::isfinite(m_basePoint.y) && std::isfinite(m_basePoint.z);
    if (status == Acad::eOk && (!normalisable(m_unitDir) || !finiteBase))
        return Acad::eDwgObjectImproperlyRead;
    if (status == Acad::eOk)
        m_unitDir = m_unitDir.normal();
    return status;
}

} // namespace cadhost
