#include "dbents.h"

#include "acgi.h"
#include "curvegeom.h"
#include "dbfieldio.h"
#include "listformat.h"

namespace cadhost {

namespace {
constexpr Adesk::UInt16 kCornerCount = 4;
}

FourCornerEntity::FourCornerEntity(const AcGePoint3d& p0, const AcGePoint3d& p1, const AcGePoint3d& p2,
                                   const AcGePoint3d& p3)
    : m_corners{p0, p1, p2, p3}
{
}

Acad::ErrorStatus FourCornerEntity::getPointAt(Adesk::UInt16 index, AcGePoint3d& point) const
{
    assertReadEnabled();
    if (index >= kCornerCount)
        return Acad::eInvalidIndex;
    point = m_corners[index];
    return Acad::eOk;
}

Acad::ErrorStatus FourCornerEntity::setPointAt(Adesk::UInt16 index, const AcGePoint3d& point)
{
    if (index >= kCornerCount)
        return Acad::eInvalidIndex;
    assertWriteEnabled();
    m_corners[index] = point;
    return Acad::eOk;
}

double FourCornerEntity::thickness() const
{
    assertReadEnabled();
    return m_thickness;
}

Acad::ErrorStatus FourCornerEntity::setThickness(double thickness)
{
    assertWriteEnabled();
    m_thickness = thickness;
    return Acad::eOk;
}

AcGeVector3d FourCornerEntity::normal() const
{
    assertReadEnabled();
    return m_normal;
}

Acad::ErrorStatus FourCornerEntity::setNormal(const AcGeVector3d& normal)
{
    if (normal.isZeroLength())
        return Acad::eInvalidInput;
    assertWriteEnabled();
    m_normal = normal.normal();
    return Acad::eOk;
}

Adesk::Boolean FourCornerEntity::subWorldDraw(AcGiWorldDraw* worldDraw)
{
    assertReadEnabled();
    const AcGePoint3d outline[4] = {m_corners[0], m_corners[1], m_corners[3], m_corners[2]};
    worldDraw->subEntityTraits().setFillType(kAcGiFillAlways);
    worldDraw->geometry().polygon(4, outline);
    if (m_thickness != 0.0) {
        const AcGeVector3d up = m_normal * m_thickness;
        const AcGePoint3d top[4] = {outline[0] + up, outline[1] + up, outline[2] + up, outline[3] + up};
        worldDraw->geometry().polygon(4, top);
    }
    return Adesk::kTrue;
}

void FourCornerEntity::subList() const
{
    assertReadEnabled();
    AcDbEntity::subList();
    cadhost::listHeader(*this);
    static const ACHAR* const labels[kCornerCount] = {L"1st corner,", L"2nd corner,", L"3rd corner,", L"4th corner,"};
    for (Adesk::UInt16 i = 0; i < kCornerCount; ++i)
        listPoint(labels[i], m_corners[i]);
    if (m_thickness != 0.0)
        listValue(L"Thickness =", m_thickness);
    listNormal(m_normal);
}

Acad::ErrorStatus FourCornerEntity::subGetGeomExtents(AcDbExtents& extents) const
{
    assertReadEnabled();
    AcDbExtents own;
    for (const AcGePoint3d& corner : m_corners)
        own.addPoint(corner);
    addExtrusion(own, m_normal * m_thickness);
    extents = own;
    return Acad::eOk;
}

Acad::ErrorStatus FourCornerEntity::subTransformBy(const AcGeMatrix3d& transform)
{
    assertWriteEnabled();
    const AcGeVector3d newNormal = transformNormal(transform, m_normal);
    m_thickness *= (transform * m_normal).dotProduct(newNormal);
    for (AcGePoint3d& corner : m_corners)
        corner.transformBy(transform);
    m_normal = newNormal;
    return Acad::eOk;
}

Acad::ErrorStatus FourCornerEntity::subGetGripPoints(AcGePoint3dArray& gripPoints, AcDbIntArray&, AcDbIntArray&) const
{
    assertReadEnabled();
    for (const AcGePoint3d& corner : m_corners)
        gripPoints.append(corner);
    return Acad::eOk;
}

Acad::ErrorStatus FourCornerEntity::subMoveGripPointsAt(const AcDbIntArray& indices, const AcGeVector3d& offset)
{
    assertWriteEnabled();
    for (const int index : indices)
        if (index >= 0 && index < kCornerCount)
            m_corners[index] += offset;
    return Acad::eOk;
}

Acad::ErrorStatus FourCornerEntity::subGetStretchPoints(AcGePoint3dArray& stretchPoints) const
{
    assertReadEnabled();
    for (const AcGePoint3d& corner : m_corners)
        stretchPoints.append(corner);
    return Acad::eOk;
}

Acad::ErrorStatus FourCornerEntity::subGetOsnapPoints(AcDb::OsnapMode osnapMode, Adesk::GsMarker, const AcGePoint3d&,
                                                      const AcGePoint3d&, const AcGeMatrix3d&,
                                                      AcGePoint3dArray& snapPoints, AcDbIntArray&) const
{
    assertReadEnabled();
    if (osnapMode == AcDb::kOsModeEnd)
        for (const AcGePoint3d& corner : m_corners)
            snapPoints.append(corner);
    return Acad::eOk;
}

template <class Self, class Io> void FourCornerEntity::fileFields(Self& self, Io& io)
{
    io(self.m_normal)(self.m_thickness);
    for (auto& corner : self.m_corners)
        io(corner);
}

Acad::ErrorStatus FourCornerEntity::dwgOutFields(AcDbDwgFiler* filer) const
{
    assertReadEnabled();
    return FieldAccess::out(*this, filer, AcDbEntity::dwgOutFields(filer));
}

Acad::ErrorStatus FourCornerEntity::dwgInFields(AcDbDwgFiler* filer)
{
    assertWriteEnabled();
    return FieldAccess::in(*this, filer, AcDbEntity::dwgInFields(filer));
}

} // namespace cadhost
