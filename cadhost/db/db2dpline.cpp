#include "dbents.h"

#include "acgi.h"
#include "bulgepath.h"
#include "dbfieldio.h"
#include "listformat.h"
#include "ownedvertices.h"

namespace {

bool isDrawn(const AcDb2dVertex& vertex)
{
    return vertex.vertexType() != AcDb::k2dSplineCtlVertex;
}

} // namespace

AcDb2dPolyline::AcDb2dPolyline() : m_vertices(std::make_unique<cadhost::OwnedVertices>(*this))
{
}

AcDb2dPolyline::AcDb2dPolyline(AcDb::Poly2dType type, const AcGePoint3dArray& vertices, double elevation,
                               Adesk::Boolean closed, double defaultStartWidth, double defaultEndWidth,
                               const AcGeDoubleArray* bulges)
    : m_polyType(type), m_defaultStartWidth(defaultStartWidth), m_defaultEndWidth(defaultEndWidth),
      m_elevation(elevation), m_closed(closed != Adesk::kFalse),
      m_vertices(std::make_unique<cadhost::OwnedVertices>(*this))
{
    for (int i = 0; i < vertices.length(); ++i) {
        const double bulge = bulges != nullptr && i < bulges->length() ? (*bulges)[i] : 0.0;
        AcDbObjectId unused;
        m_vertices->append(new AcDb2dVertex(vertices[i], bulge, defaultStartWidth, defaultEndWidth), unused);
    }
}

AcDb2dPolyline::~AcDb2dPolyline() = default;

AcDb::Poly2dType AcDb2dPolyline::polyType() const
{
    assertReadEnabled();
    return m_polyType;
}

Acad::ErrorStatus AcDb2dPolyline::setPolyType(AcDb::Poly2dType type)
{
    assertWriteEnabled();
    m_polyType = type;
    return Acad::eOk;
}

double AcDb2dPolyline::defaultStartWidth() const
{
    assertReadEnabled();
    return m_defaultStartWidth;
}

Acad::ErrorStatus AcDb2dPolyline::setDefaultStartWidth(double width)
{
    if (width < 0.0)
        return Acad::eInvalidInput;
    assertWriteEnabled();
    m_defaultStartWidth = width;
    return Acad::eOk;
}

double AcDb2dPolyline::defaultEndWidth() const
{
    assertReadEnabled();
    return m_defaultEndWidth;
}

Acad::ErrorStatus AcDb2dPolyline::setDefaultEndWidth(double width)
{
    if (width < 0.0)
        return Acad::eInvalidInput;
    assertWriteEnabled();
    m_defaultEndWidth = width;
    return Acad::eOk;
}

double AcDb2dPolyline::thickness() const
{
    assertReadEnabled();
    return m_thickness;
}

Acad::ErrorStatus AcDb2dPolyline::setThickness(double thickness)
{
    assertWriteEnabled();
    m_thickness = thickness;
    return Acad::eOk;
}

AcGeVector3d AcDb2dPolyline::normal() const
{
    assertReadEnabled();
    return m_normal;
}

Acad::ErrorStatus AcDb2dPolyline::setNormal(const AcGeVector3d& normal)
{
    if (normal.isZeroLength())
        return Acad::eInvalidInput;
    assertWriteEnabled();
    m_normal = normal.normal();
    return Acad::eOk;
}

double AcDb2dPolyline::elevation() const
{
    assertReadEnabled();
    return m_elevation;
}

Acad::ErrorStatus AcDb2dPolyline::setElevation(double elevation)
{
    assertWriteEnabled();
    m_elevation = elevation;
    return Acad::eOk;
}

bool AcDb2dPolyline::isLinetypeGenerationOn() const
{
    assertReadEnabled();
    return m_linetypeGeneration;
}

Acad::ErrorStatus AcDb2dPolyline::setLinetypeGenerationOn()
{
    assertWriteEnabled();
    m_linetypeGeneration = true;
    return Acad::eOk;
}

Acad::ErrorStatus AcDb2dPolyline::setLinetypeGenerationOff()
{
    assertWriteEnabled();
    m_linetypeGeneration = false;
    return Acad::eOk;
}

Acad::ErrorStatus AcDb2dPolyline::makeClosed()
{
    assertWriteEnabled();
    m_closed = true;
    return Acad::eOk;
}

Acad::ErrorStatus AcDb2dPolyline::makeOpen()
{
    assertWriteEnabled();
    m_closed = false;
    return Acad::eOk;
}

Acad::ErrorStatus AcDb2dPolyline::appendVertex(AcDb2dVertex* vertex)
{
    AcDbObjectId unused;
    return appendVertex(unused, vertex);
}

Acad::ErrorStatus AcDb2dPolyline::appendVertex(AcDbObjectId& vertexId, AcDb2dVertex* vertex)
{
    assertWriteEnabled();
    return m_vertices->append(vertex, vertexId);
}

Acad::ErrorStatus AcDb2dPolyline::setOwnerId(AcDbObjectId ownerId)
{
    const Acad::ErrorStatus status = AcDbCurve::setOwnerId(ownerId);
    m_vertices->adoptIntoDatabase();
    return status;
}

AcDbObjectIterator* AcDb2dPolyline::vertexIterator() const
{
    assertReadEnabled();
    return m_vertices->newIterator();
}

AcGePoint3d AcDb2dPolyline::vertexPosition(const AcDb2dVertex& vertex) const
{
    assertReadEnabled();
    const AcGePoint3d position = vertex.position();
    return AcGeMatrix3d::planeToWorld(m_normal) * AcGePoint3d(position.x, position.y, m_elevation);
}

cadhost::BulgePath AcDb2dPolyline::drawnPath() const
{
    std::vector<cadhost::BulgeVertex> vertices;
    const cadhost::OpenedVertices opened = m_vertices->open(AcDb::kForRead);
    for (const AcDbVertex* vertex : opened.vertices()) {
        const auto* vertex2d = AcDb2dVertex::cast(vertex);
        if (vertex2d == nullptr || !isDrawn(*vertex2d))
            continue;
        const AcGePoint3d position = vertex2d->position();
        vertices.push_back({AcGePoint2d(position.x, position.y), vertex2d->bulge()});
    }
    return cadhost::BulgePath(std::move(vertices), m_closed, m_normal, m_elevation);
}

Adesk::Boolean AcDb2dPolyline::isClosed() const
{
    assertReadEnabled();
    return m_closed ? Adesk::kTrue : Adesk::kFalse;
}

Acad::ErrorStatus AcDb2dPolyline::getStartParam(double& param) const
{
    assertReadEnabled();
    param = 0.0;
    return Acad::eOk;
}

Acad::ErrorStatus AcDb2dPolyline::getEndParam(double& param) const
{
    assertReadEnabled();
    param = static_cast<double>(drawnPath().numSegments());
    return Acad::eOk;
}

Acad::ErrorStatus AcDb2dPolyline::getStartPoint(AcGePoint3d& point) const
{
    assertReadEnabled();
    const cadhost::BulgePath path = drawnPath();
    if (path.vertices().empty())
        return Acad::eDegenerateGeometry;
    point = path.worldPoint(path.vertices().front().point);
    return Acad::eOk;
}

Acad::ErrorStatus AcDb2dPolyline::getEndPoint(AcGePoint3d& point) const
{
    assertReadEnabled();
    const cadhost::BulgePath path = drawnPath();
    if (path.vertices().empty())
        return Acad::eDegenerateGeometry;
    point = path.worldPoint(m_closed ? path.vertices().front().point : path.vertices().back().point);
    return Acad::eOk;
}

Acad::ErrorStatus AcDb2dPolyline::getArea(double& area) const
{
    assertReadEnabled();
    area = drawnPath().area();
    return Acad::eOk;
}

Adesk::Boolean AcDb2dPolyline::subWorldDraw(AcGiWorldDraw* worldDraw)
{
    assertReadEnabled();
    const cadhost::BulgePath path = drawnPath();
    path.draw(worldDraw->geometry());
    if (m_thickness != 0.0)
        cadhost::BulgePath(path.vertices(), m_closed, m_normal, m_elevation + m_thickness).draw(worldDraw->geometry());
    return Adesk::kTrue;
}

void AcDb2dPolyline::subList() const
{
    assertReadEnabled();
    AcDbCurve::subList();
    cadhost::listHeader(*this);
    const cadhost::BulgePath path = drawnPath();
    acutPrintf(L"\n%24s", m_closed ? L"Closed" : L"Open");
    cadhost::listValue(L"starting width", m_defaultStartWidth);
    cadhost::listValue(L"ending width", m_defaultEndWidth);
    cadhost::listValue(L"area", path.area());
    cadhost::listValue(m_closed ? L"perimeter" : L"length", path.length());
    for (const cadhost::BulgeVertex& vertex : path.vertices()) {
        cadhost::listPoint(L"VERTEX at point", path.worldPoint(vertex.point));
        if (vertex.bulge != 0.0)
            cadhost::listValue(L"bulge", vertex.bulge);
    }
    if (m_thickness != 0.0)
        cadhost::listValue(L"Thickness =", m_thickness);
    cadhost::listNormal(m_normal);
}

Acad::ErrorStatus AcDb2dPolyline::subGetGeomExtents(AcDbExtents& extents) const
{
    assertReadEnabled();
    const cadhost::BulgePath path = drawnPath();
    if (path.vertices().empty())
        return Acad::eInvalidExtents;
    AcDbExtents own;
    path.addExtents(own, m_thickness);
    extents = own;
    return Acad::eOk;
}

Acad::ErrorStatus AcDb2dPolyline::subTransformBy(const AcGeMatrix3d& transform)
{
    const cadhost::OpenedVertices opened = m_vertices->open(AcDb::kForWrite);
    if (opened.status() != Acad::eOk)
        return opened.status();
    // Every vertex moves, spline control vertices too, so the outline takes all of them.
    std::vector<cadhost::BulgeVertex> all;
    for (const AcDbVertex* vertex : opened.vertices()) {
        const auto* vertex2d = static_cast<const AcDb2dVertex*>(vertex);
        all.push_back({AcGePoint2d(vertex2d->m_position.x, vertex2d->m_position.y), vertex2d->m_bulge});
    }
    cadhost::BulgePath path(std::move(all), m_closed, m_normal, m_elevation);
    if (Acad::ErrorStatus status = path.transformBy(transform); status != Acad::eOk)
        return status;
    assertWriteEnabled();
    const double widthScale = transform.scale();
    for (std::size_t i = 0; i < opened.vertices().size(); ++i) {
        auto* vertex2d = static_cast<AcDb2dVertex*>(opened.vertices()[i]);
        const cadhost::BulgeVertex& moved = path.vertices()[i];
        vertex2d->assertWriteEnabled();
        vertex2d->m_position.set(moved.point.x, moved.point.y, path.elevation());
        vertex2d->m_bulge = moved.bulge;
        vertex2d->m_startWidth *= widthScale;
        vertex2d->m_endWidth *= widthScale;
    }
    m_defaultStartWidth *= widthScale;
    m_defaultEndWidth *= widthScale;
    m_thickness *= (transform * m_normal).dotProduct(path.normal());
    m_normal = path.normal();
    m_elevation = path.elevation();
    return Acad::eOk;
}

Acad::ErrorStatus AcDb2dPolyline::subExplode(AcDbVoidPtrArray& entitySet) const
{
    assertReadEnabled();
    AcDbVoidPtrArray pieces;
    drawnPath().explode(m_thickness, pieces);
    for (void* piece : pieces) {
        auto* entity = static_cast<AcDbEntity*>(piece);
        entity->setPropertiesFrom(this);
        entitySet.append(entity);
    }
    return Acad::eOk;
}

Acad::ErrorStatus AcDb2dPolyline::subGetGripPoints(AcGePoint3dArray& gripPoints, AcDbIntArray&, AcDbIntArray&) const
{
    assertReadEnabled();
    const cadhost::BulgePath path = drawnPath();
    for (const cadhost::BulgeVertex& vertex : path.vertices())
        gripPoints.append(path.worldPoint(vertex.point));
    return Acad::eOk;
}

Acad::ErrorStatus AcDb2dPolyline::subGetStretchPoints(AcGePoint3dArray& stretchPoints) const
{
    AcDbIntArray unused;
    AcDbIntArray unusedIds;
    return subGetGripPoints(stretchPoints, unused, unusedIds);
}

template <class Self, class Io> void AcDb2dPolyline::fileFields(Self& self, Io& io)
{
    io.template enumAs<Adesk::UInt8>(self.m_polyType, AcDb::k2dCubicSplinePoly);
    io(self.m_defaultStartWidth)(self.m_defaultEndWidth)(self.m_thickness)(self.m_normal)(self.m_elevation);
    io(self.m_linetypeGeneration)(self.m_closed);
}

Acad::ErrorStatus AcDb2dPolyline::dwgOutFields(AcDbDwgFiler* filer) const
{
    assertReadEnabled();
    const Acad::ErrorStatus status = cadhost::FieldAccess::out(*this, filer, AcDbCurve::dwgOutFields(filer));
    return status != Acad::eOk ? status : m_vertices->fileOut(filer);
}

Acad::ErrorStatus AcDb2dPolyline::dwgInFields(AcDbDwgFiler* filer)
{
    assertWriteEnabled();
    const Acad::ErrorStatus status = cadhost::FieldAccess::in(*this, filer, AcDbCurve::dwgInFields(filer));
    if (status != Acad::eOk)
        return status;
    if (m_normal.isZeroLength())
        return Acad::eDwgObjectImproperlyRead;
    return m_vertices->fileIn(filer, [] { return new AcDb2dVertex(); });
}
