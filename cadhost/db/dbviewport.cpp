#include "dbviewport.h"
#include "listformat.h"

#include "acgi.h"
#include "dbfieldio.h"
#include "dbsymtb.h"

#include <cmath>

AcGePoint3d AcDbViewport::centerPoint() const
{
    assertReadEnabled();
    return m_center;
}

Acad::ErrorStatus AcDbViewport::setCenterPoint(const AcGePoint3d& center)
{
    assertWriteEnabled();
    m_center = center;
    return Acad::eOk;
}

double AcDbViewport::width() const
{
    assertReadEnabled();
    return m_width;
}

Acad::ErrorStatus AcDbViewport::setWidth(double width)
{
    if (width < 0.0)
        return Acad::eInvalidInput;
    assertWriteEnabled();
    m_width = width;
    return Acad::eOk;
}

double AcDbViewport::height() const
{
    assertReadEnabled();
    return m_height;
}

Acad::ErrorStatus AcDbViewport::setHeight(double height)
{
    if (height < 0.0)
        return Acad::eInvalidInput;
    assertWriteEnabled();
    m_height = height;
    return Acad::eOk;
}

AcGePoint2d AcDbViewport::viewCenter() const
{
    assertReadEnabled();
    return m_viewCenter;
}

Acad::ErrorStatus AcDbViewport::setViewCenter(const AcGePoint2d& center)
{
    assertWriteEnabled();
    m_viewCenter = center;
    return Acad::eOk;
}

double AcDbViewport::viewHeight() const
{
    assertReadEnabled();
    return m_viewHeight;
}

Acad::ErrorStatus AcDbViewport::setViewHeight(double height)
{
    if (!(height > 0.0))
        return Acad::eInvalidInput;
    assertWriteEnabled();
    m_viewHeight = height;
    return Acad::eOk;
}

bool AcDbViewport::isOn() const
{
    assertReadEnabled();
    return m_on;
}

Acad::ErrorStatus AcDbViewport::setOn()
{
    assertWriteEnabled();
    m_on = true;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbViewport::setOff()
{
    assertWriteEnabled();
    m_on = false;
    return Acad::eOk;
}

Adesk::Int16 AcDbViewport::number() const
{
    assertReadEnabled();
    if (!m_on || objectId().isNull())
        return -1;
    AcDbBlockTableRecord* layout = nullptr;
    if (acdbOpenObject(layout, ownerId(), AcDb::kForRead) != Acad::eOk)
        return -1;
    const AcDbObjectIdArray ids = layout->entityIds();
    layout->close();
    Adesk::Int16 position = 0;
    for (const AcDbObjectId& id : ids) {
        const AcRxClass* kind = id.objectClass();
        if (kind != nullptr && kind->isDerivedFrom(AcDbViewport::desc()))
            ++position;
        if (id == objectId())
            return position;
    }
    return -1;
}

void AcDbViewport::corners(AcGePoint3d (&points)[5]) const
{
    const AcGeVector3d halfX(m_width / 2.0, 0.0, 0.0);
    const AcGeVector3d halfY(0.0, m_height / 2.0, 0.0);
    points[0] = m_center - halfX - halfY;
    points[1] = m_center + halfX - halfY;
    points[2] = m_center + halfX + halfY;
    points[3] = m_center - halfX + halfY;
    points[4] = points[0];
}

Adesk::Boolean AcDbViewport::subWorldDraw(AcGiWorldDraw* worldDraw)
{
    assertReadEnabled();
    AcGePoint3d frame[5];
    corners(frame);
    worldDraw->geometry().polyline(5, frame);
    return Adesk::kTrue;
}

void AcDbViewport::subList() const
{
    assertReadEnabled();
    AcDbEntity::subList();
    cadhost::listHeader(*this);
    acutPrintf(L"\n  center: (%g, %g)  width: %g  height: %g  view center: (%g, %g)  view height: %g%s", m_center.x,
               m_center.y, m_width, m_height, m_viewCenter.x, m_viewCenter.y, m_viewHeight, m_on ? L"" : L"  off");
}

Acad::ErrorStatus AcDbViewport::subGetGeomExtents(AcDbExtents& extents) const
{
    assertReadEnabled();
    AcGePoint3d frame[5];
    corners(frame);
    AcDbExtents result;
    for (const AcGePoint3d& corner : frame)
        result.addPoint(corner);
    extents = result;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbViewport::subTransformBy(const AcGeMatrix3d& transform)
{
    assertWriteEnabled();
    if (!transform.isUniScaledOrtho())
        return Acad::eCannotScaleNonUniformly;
    const double scale = (transform * AcGeVector3d::kXAxis).length();
    m_center.transformBy(transform);
    m_width *= scale;
    m_height *= scale;
    return Acad::eOk;
}

template <class Self, class Io> void AcDbViewport::fileFields(Self& self, Io& io)
{
    io(self.m_center)(self.m_width)(self.m_height)(self.m_viewCenter)(self.m_viewHeight)(self.m_on);
}

Acad::ErrorStatus AcDbViewport::dwgOutFields(AcDbDwgFiler* filer) const
{
    return cadhost::FieldAccess::out(*this, filer, AcDbEntity::dwgOutFields(filer));
}

Acad::ErrorStatus AcDbViewport::dwgInFields(AcDbDwgFiler* filer)
{
    return cadhost::FieldAccess::in(*this, filer, AcDbEntity::dwgInFields(filer));
}
