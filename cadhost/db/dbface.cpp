#include "dbface.h"
#include "listformat.h"

#include "acgi.h"
#include "dbextents.h"
#include "dbfieldio.h"

AcDbFace::AcDbFace(const AcGePoint3d& pt0, const AcGePoint3d& pt1, const AcGePoint3d& pt2, const AcGePoint3d& pt3,
                   Adesk::Boolean e0vis, Adesk::Boolean e1vis, Adesk::Boolean e2vis, Adesk::Boolean e3vis)
    : m_corners{pt0, pt1, pt2, pt3}
{
    const Adesk::Boolean visible[kCorners] = {e0vis, e1vis, e2vis, e3vis};
    for (Adesk::UInt16 index = 0; index < kCorners; ++index)
        if (visible[index] == Adesk::kFalse)
            m_invisibleEdges |= 1 << index;
}

Acad::ErrorStatus AcDbFace::getVertexAt(Adesk::UInt16 index, AcGePoint3d& point) const
{
    assertReadEnabled();
    if (index >= kCorners)
        return Acad::eInvalidIndex;
    point = m_corners[index];
    return Acad::eOk;
}

Acad::ErrorStatus AcDbFace::setVertexAt(Adesk::UInt16 index, const AcGePoint3d& point)
{
    if (index >= kCorners)
        return Acad::eInvalidIndex;
    assertWriteEnabled();
    m_corners[index] = point;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbFace::isEdgeVisibleAt(Adesk::UInt16 index, Adesk::Boolean& visible) const
{
    assertReadEnabled();
    if (index >= kCorners)
        return Acad::eInvalidIndex;
    visible = (m_invisibleEdges & (1 << index)) == 0 ? Adesk::kTrue : Adesk::kFalse;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbFace::makeEdgeVisibleAt(Adesk::UInt16 index)
{
    if (index >= kCorners)
        return Acad::eInvalidIndex;
    assertWriteEnabled();
    m_invisibleEdges &= ~(1 << index);
    return Acad::eOk;
}

Acad::ErrorStatus AcDbFace::makeEdgeInvisibleAt(Adesk::UInt16 index)
{
    if (index >= kCorners)
        return Acad::eInvalidIndex;
    assertWriteEnabled();
    m_invisibleEdges |= 1 << index;
    return Acad::eOk;
}

Adesk::Boolean AcDbFace::subWorldDraw(AcGiWorldDraw* worldDraw)
{
    assertReadEnabled();
    for (Adesk::UInt16 index = 0; index < kCorners; ++index) {
        const AcGePoint3d edge[2] = {m_corners[index], m_corners[(index + 1) % kCorners]};
        if ((m_invisibleEdges & (1 << index)) == 0 && edge[0] != edge[1])
            worldDraw->geometry().polyline(2, edge);
    }
    return Adesk::kTrue;
}

void AcDbFace::subList() const
{
    assertReadEnabled();
    AcDbEntity::subList();
    cadhost::listHeader(*this);
    static const ACHAR* const labels[kCorners] = {L"1st corner,", L"2nd corner,", L"3rd corner,", L"4th corner,"};
    for (Adesk::UInt16 index = 0; index < kCorners; ++index)
        cadhost::listPoint(labels[index], m_corners[index]);
}

Acad::ErrorStatus AcDbFace::subGetGeomExtents(AcDbExtents& extents) const
{
    assertReadEnabled();
    AcDbExtents result;
    for (const AcGePoint3d& corner : m_corners)
        result.addPoint(corner);
    extents = result;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbFace::subTransformBy(const AcGeMatrix3d& transform)
{
    assertWriteEnabled();
    for (AcGePoint3d& corner : m_corners)
        corner.transformBy(transform);
    return Acad::eOk;
}

template <class Self, class Io> void AcDbFace::fileFields(Self& self, Io& io)
{
    for (auto& corner : self.m_corners)
        io(corner);
    io(self.m_invisibleEdges);
}

Acad::ErrorStatus AcDbFace::dwgOutFields(AcDbDwgFiler* filer) const
{
    assertReadEnabled();
    return cadhost::FieldAccess::out(*this, filer, AcDbEntity::dwgOutFields(filer));
}

Acad::ErrorStatus AcDbFace::dwgInFields(AcDbDwgFiler* filer)
{
    assertWriteEnabled();
    return cadhost::FieldAccess::in(*this, filer, AcDbEntity::dwgInFields(filer));
}
