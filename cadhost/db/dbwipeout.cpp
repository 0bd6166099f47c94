#include "dbwipeout.h"

#include "acgi.h"
#include "dbcolor.h"
#include "dbfieldio.h"

#include <cmath>

std::vector<AcGePoint2d> AcDbWipeout::boundary() const
{
    assertReadEnabled();
    return m_boundary;
}

Acad::ErrorStatus AcDbWipeout::setBoundary(const std::vector<AcGePoint2d>& points)
{
    for (const AcGePoint2d& point : points)
        if (!std::isfinite(point.x) || !std::isfinite(point.y))
            return Acad::eInvalidInput;
    assertWriteEnabled();
    m_boundary = points;
    return Acad::eOk;
}

void AcDbWipeout::getVertices(AcGePoint3dArray& vertices) const
{
    assertReadEnabled();
    AcGePoint3d origin;
    AcGeVector3d u;
    AcGeVector3d v;
    getOrientation(origin, u, v);
    const std::vector<AcGePoint2d> whole = {{0, 0}, {1, 0}, {1, 1}, {0, 1}};
    vertices.removeAll();
    for (const AcGePoint2d& point : m_boundary.size() >= 3 ? m_boundary : whole)
        vertices.append(origin + u * point.x + v * point.y);
}

Adesk::Boolean AcDbWipeout::subWorldDraw(AcGiWorldDraw* worldDraw)
{
    assertReadEnabled();
    if (!isSetDisplayOpt(kShow))
        return Adesk::kTrue;
    AcGePoint3dArray vertices;
    getVertices(vertices);
    AcCmColor sheet;
    sheet.setRGB(255, 255, 255);
    worldDraw->subEntityTraits().setTrueColor(sheet);
    worldDraw->subEntityTraits().setFillType(kAcGiFillAlways);
    worldDraw->geometry().polygon(static_cast<Adesk::UInt32>(vertices.length()), vertices.asArrayPtr());
    return Adesk::kTrue;
}

template <class Self, class Io> void AcDbWipeout::fileFields(Self& self, Io& io)
{
    io.array(self.m_boundary);
}

Acad::ErrorStatus AcDbWipeout::dwgOutFields(AcDbDwgFiler* filer) const
{
    assertReadEnabled();
    return cadhost::FieldAccess::out(*this, filer, AcDbRasterImage::dwgOutFields(filer));
}

Acad::ErrorStatus AcDbWipeout::dwgInFields(AcDbDwgFiler* filer)
{
    assertWriteEnabled();
    return cadhost::FieldAccess::in(*this, filer, AcDbRasterImage::dwgInFields(filer));
}
