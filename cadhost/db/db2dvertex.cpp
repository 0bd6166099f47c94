#include "dbents.h"

#include "dbfieldio.h"
#include "listformat.h"

AcDb2dVertex::AcDb2dVertex(const AcGePoint3d& position, double bulge, double startWidth, double endWidth,
                           double tangent, Adesk::Int32 vertexIdentifier)
    : m_position(position), m_startWidth(startWidth), m_endWidth(endWidth), m_bulge(bulge), m_tangent(tangent),
      m_vertexIdentifier(vertexIdentifier)
{
}

AcDb::Vertex2dType AcDb2dVertex::vertexType() const
{
    assertReadEnabled();
    return m_vertexType;
}

AcGePoint3d AcDb2dVertex::position() const
{
    assertReadEnabled();
    return m_position;
}

Acad::ErrorStatus AcDb2dVertex::setPosition(const AcGePoint3d& position)
{
    assertWriteEnabled();
    m_position = position;
    return Acad::eOk;
}

double AcDb2dVertex::startWidth() const
{
    assertReadEnabled();
    return m_startWidth;
}

Acad::ErrorStatus AcDb2dVertex::setStartWidth(double width)
{
    if (width < 0.0)
        return Acad::eInvalidInput;
    assertWriteEnabled();
    m_startWidth = width;
    return Acad::eOk;
}

double AcDb2dVertex::endWidth() const
{
    assertReadEnabled();
    return m_endWidth;
}

Acad::ErrorStatus AcDb2dVertex::setEndWidth(double width)
{
    if (width < 0.0)
        return Acad::eInvalidInput;
    assertWriteEnabled();
    m_endWidth = width;
    return Acad::eOk;
}

double AcDb2dVertex::bulge() const
{
    assertReadEnabled();
    return m_bulge;
}

Acad::ErrorStatus AcDb2dVertex::setBulge(double bulge)
{
    assertWriteEnabled();
    m_bulge = bulge;
    return Acad::eOk;
}

bool AcDb2dVertex::isTangentUsed() const
{
    assertReadEnabled();
    return m_tangentUsed;
}

Acad::ErrorStatus AcDb2dVertex::useTangent()
{
    assertWriteEnabled();
    m_tangentUsed = true;
    return Acad::eOk;
}

Acad::ErrorStatus AcDb2dVertex::ignoreTangent()
{
    assertWriteEnabled();
    m_tangentUsed = false;
    return Acad::eOk;
}

double AcDb2dVertex::tangent() const
{
    assertReadEnabled();
    return m_tangent;
}

Acad::ErrorStatus AcDb2dVertex::setTangent(double tangent)
{
    assertWriteEnabled();
    m_tangent = tangent;
    m_tangentUsed = true;
    return Acad::eOk;
}

Adesk::Int32 AcDb2dVertex::vertexIdentifier() const
{
    assertReadEnabled();
    return m_vertexIdentifier;
}

Acad::ErrorStatus AcDb2dVertex::setVertexIdentifier(Adesk::Int32 identifier)
{
    assertWriteEnabled();
    m_vertexIdentifier = identifier;
    return Acad::eOk;
}

void AcDb2dVertex::subList() const
{
    assertReadEnabled();
    AcDbVertex::subList();
    cadhost::listHeader(*this);
    cadhost::listPoint(L"at point", m_position);
    cadhost::listValue(L"starting width", m_startWidth);
    cadhost::listValue(L"ending width", m_endWidth);
    if (m_bulge != 0.0)
        cadhost::listValue(L"bulge", m_bulge);
}

Acad::ErrorStatus AcDb2dVertex::subTransformBy(const AcGeMatrix3d&)
{
    // A vertex lies in its polyline's coordinate system; it moves when the polyline is transformed.
    return Acad::eNotApplicable;
}

template <class Self, class Io> void AcDb2dVertex::fileFields(Self& self, Io& io)
{
    io.template enumAs<Adesk::UInt8>(self.m_vertexType, AcDb::k2dCurveFitVertex);
    io(self.m_position)(self.m_startWidth)(self.m_endWidth)(self.m_bulge)(self.m_tangent)(self.m_tangentUsed);
    io(self.m_vertexIdentifier);
}

Acad::ErrorStatus AcDb2dVertex::dwgOutFields(AcDbDwgFiler* filer) const
{
    assertReadEnabled();
    return cadhost::FieldAccess::out(*this, filer, AcDbVertex::dwgOutFields(filer));
}

Acad::ErrorStatus AcDb2dVertex::dwgInFields(AcDbDwgFiler* filer)
{
    assertWriteEnabled();
    return cadhost::FieldAccess::in(*this, filer, AcDbVertex::dwgInFields(filer));
}
