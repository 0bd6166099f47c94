#include "dbregion.h"
#include "listformat.h"

#include "dbfieldio.h"

Adesk::Boolean AcDbRegion::subWorldDraw(AcGiWorldDraw* /*worldDraw*/)
{
    assertReadEnabled();
    return Adesk::kTrue;
}

void AcDbRegion::subList() const
{
    assertReadEnabled();
    AcDbEntity::subList();
    cadhost::listHeader(*this);
    acutPrintf(L"\n  body: %d bytes", static_cast<int>(m_body.size()));
}

Acad::ErrorStatus AcDbRegion::subGetGeomExtents(AcDbExtents& /*extents*/) const
{
    assertReadEnabled();
    return Acad::eInvalidExtents;
}

// The body cannot be moved, so the transform is kept beside it and filed with it.
Acad::ErrorStatus AcDbRegion::subTransformBy(const AcGeMatrix3d& transform)
{
    assertWriteEnabled();
    m_transform = transform * m_transform;
    return Acad::eOk;
}

template <class Self, class Io> void AcDbRegion::fileFields(Self& self, Io& io)
{
    io.bytes(self.m_body);
    for (int row = 0; row < 4; ++row) {
        for (int column = 0; column < 4; ++column)
            io(self.m_transform.entry[row][column]);
    }
}

Acad::ErrorStatus AcDbRegion::dwgOutFields(AcDbDwgFiler* filer) const
{
    return cadhost::FieldAccess::out(*this, filer, AcDbEntity::dwgOutFields(filer));
}

Acad::ErrorStatus AcDbRegion::dwgInFields(AcDbDwgFiler* filer)
{
    return cadhost::FieldAccess::in(*this, filer, AcDbEntity::dwgInFields(filer));
}
