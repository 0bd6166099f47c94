#include "dbents.h"

#include "dbfieldio.h"
#include "listformat.h"

AcDb3dPolylineVertex::AcDb3dPolylineVertex(const AcGePoint3d& position) : m_position(position)
{
}

AcDb::Vertex3dType AcDb3dPolylineVertex::vertexType() const
{
    assertReadEnabled();
    return m_vertexType;
}

AcGePoint3d AcDb3dPolylineVertex::position() const
{
    assertReadEnabled();
    return m_position;
}

Acad::ErrorStatus AcDb3dPolylineVertex::setPosition(const AcGePoint3d& position)
{
    assertWriteEnabled();
    m_position = position;
    return Acad::eOk;
}

void AcDb3dPolylineVertex::subList() const
{
    assertReadEnabled();
    AcDbVertex::subList();
    cadhost::listHeader(*this);
    cadhost::listPoint(L"at point", m_position);
}

Acad::ErrorStatus AcDb3dPolylineVertex::subTransformBy(const AcGeMatrix3d& transform)
{
    assertWriteEnabled();
    m_position.transformBy(transform);
    return Acad::eOk;
}

template <class Self, class Io> void AcDb3dPolylineVertex::fileFields(Self& self, Io& io)
{
    io.template enumAs<Adesk::UInt8>(self.m_vertexType, AcDb::k3dFitVertex);
    io(self.m_position);
}

Acad::ErrorStatus AcDb3dPolylineVertex::dwgOutFields(AcDbDwgFiler* filer) const
{
    assertReadEnabled();
    return cadhost::FieldAccess::out(*this, filer, AcDbVertex::dwgOutFields(filer));
}

Acad::ErrorStatus AcDb3dPolylineVertex::dwgInFields(AcDbDwgFiler* filer)
{
    assertWriteEnabled();
    return cadhost::FieldAccess::in(*this, filer, AcDbVertex::dwgInFields(filer));
}
