#include "dbents.h"

#include "acgi.h"
#include "curvegeom.h"
#include "dbfieldio.h"
#include "listformat.h"
#include "nurbscurve.h"
#include "ownedvertices.h"

namespace {

// Fit vertices per control span when none are asked for (the host's SPLINESEGS default).
constexpr Adesk::Int16 kDefaultSplineSegments = 8;

const AcDb3dPolylineVertex& asVertex3d(const AcDbVertex& vertex)
{
    return static_cast<const AcDb3dPolylineVertex&>(vertex);
}

} // namespace

AcDb3dPolyline::AcDb3dPolyline() : m_vertices(std::make_unique<cadhost::OwnedVertices>(*this))
{
}

AcDb3dPolyline::AcDb3dPolyline(AcDb::Poly3dType type, const AcGePoint3dArray& vertices, Adesk::Boolean closed)
    : m_closed(closed != Adesk::kFalse), m_vertices(std::make_unique<cadhost::OwnedVertices>(*this))
{
    for (const AcGePoint3d& position : vertices) {
        AcDbObjectId unused;
        m_vertices->append(new AcDb3dPolylineVertex(position), unused);
    }
    convertToPolyType(type);
}

AcDb3dPolyline::~AcDb3dPolyline() = default;

AcDb::Poly3dType AcDb3dPolyline::polyType() const
{
    assertReadEnabled();
    return m_polyType;
}

Acad::ErrorStatus AcDb3dPolyline::setPolyType(AcDb::Poly3dType type)
{
    return convertToPolyType(type);
}

Acad::ErrorStatus AcDb3dPolyline::convertToPolyType(AcDb::Poly3dType type)
{
    if (type == AcDb::k3dSimplePoly)
        return straighten();
    return splineFit(type, kDefaultSplineSegments);
}

Acad::ErrorStatus AcDb3dPolyline::makeClosed()
{
    assertWriteEnabled();
    m_closed = true;
    return Acad::eOk;
}

Acad::ErrorStatus AcDb3dPolyline::makeOpen()
{
    assertWriteEnabled();
    m_closed = false;
    return Acad::eOk;
}

Acad::ErrorStatus AcDb3dPolyline::splineFit()
{
    return splineFit(AcDb::k3dCubicSplinePoly, kDefaultSplineSegments);
}

Acad::ErrorStatus AcDb3dPolyline::splineFit(AcDb::Poly3dType splineType, Adesk::Int16 splineSegments)
{
    if (splineType == AcDb::k3dSimplePoly || splineSegments < 1)
        return Acad::eInvalidInput;
    assertWriteEnabled();
    // The frame: the control vertices of an earlier fit, or the simple vertices.
    m_vertices->removeIf(
        [](const AcDbVertex& vertex) { return asVertex3d(vertex).vertexType() == AcDb::k3dFitVertex; });
    std::vector<AcGePoint3d> controls;
    {
        const cadhost::OpenedVertices opened = m_vertices->open(AcDb::kForWrite);
        if (opened.status() != Acad::eOk)
            return opened.status();
        for (AcDbVertex* vertex : opened.vertices()) {
            auto* vertex3d = static_cast<AcDb3dPolylineVertex*>(vertex);
            vertex3d->m_vertexType = AcDb::k3dControlVertex;
            controls.push_back(vertex3d->m_position);
        }
    }
    m_polyType = splineType;
    if (controls.size() < 2)
        return Acad::eOk;
    if (m_closed)
        controls.push_back(controls.front());
    const int degree = splineType == AcDb::k3dQuadSplinePoly ? 2 : 3;
    const cadhost::NurbsCurve curve = cadhost::uniformClampedNurbs(controls, degree);
    const std::size_t count = static_cast<std::size_t>(splineSegments) * (controls.size() - 1) + (m_closed ? 0 : 1);
    for (std::size_t i = 0; i < count; ++i) {
        const double param = curve.startParam() + (curve.endParam() - curve.startParam()) * static_cast<double>(i) /
                                                      static_cast<double>(splineSegments * (controls.size() - 1));
        auto* fit = new AcDb3dPolylineVertex(curve.evaluate(param));
        fit->m_vertexType = AcDb::k3dFitVertex;
        fit->setPropertiesFrom(this);
        AcDbObjectId id;
        if (m_vertices->append(fit, id) != Acad::eOk) {
            delete fit;
            continue;
        }
        if (!id.isNull())
            fit->close();
    }
    return Acad::eOk;
}

Acad::ErrorStatus AcDb3dPolyline::straighten()
{
    assertWriteEnabled();
    m_vertices->removeIf(
        [](const AcDbVertex& vertex) { return asVertex3d(vertex).vertexType() == AcDb::k3dFitVertex; });
    const cadhost::OpenedVertices opened = m_vertices->open(AcDb::kForWrite);
    if (opened.status() != Acad::eOk)
        return opened.status();
    for (AcDbVertex* vertex : opened.vertices())
        static_cast<AcDb3dPolylineVertex*>(vertex)->m_vertexType = AcDb::k3dSimpleVertex;
    m_polyType = AcDb::k3dSimplePoly;
    return Acad::eOk;
}

Acad::ErrorStatus AcDb3dPolyline::appendVertex(AcDb3dPolylineVertex* vertex)
{
    AcDbObjectId unused;
    return appendVertex(unused, vertex);
}

Acad::ErrorStatus AcDb3dPolyline::appendVertex(AcDbObjectId& vertexId, AcDb3dPolylineVertex* vertex)
{
    assertWriteEnabled();
    return m_vertices->append(vertex, vertexId);
}

Acad::ErrorStatus AcDb3dPolyline::setOwnerId(AcDbObjectId ownerId)
{
    const Acad::ErrorStatus status = AcDbCurve::setOwnerId(ownerId);
    m_vertices->adoptIntoDatabase();
    return status;
}

AcDbObjectIterator* AcDb3dPolyline::vertexIterator() const
{
    assertReadEnabled();
    return m_vertices->newIterator();
}

std::vector<AcGePoint3d> AcDb3dPolyline::drawnPositions() const
{
    std::vector<AcGePoint3d> positions;
    const cadhost::OpenedVertices opened = m_vertices->open(AcDb::kForRead);
    for (const AcDbVertex* vertex : opened.vertices()) {
        const AcDb3dPolylineVertex& vertex3d = asVertex3d(*vertex);
        if (vertex3d.vertexType() != AcDb::k3dControlVertex)
            positions.push_back(vertex3d.position());
    }
    return positions;
}

Adesk::Boolean AcDb3dPolyline::isClosed() const
{
    assertReadEnabled();
    return m_closed ? Adesk::kTrue : Adesk::kFalse;
}

Acad::ErrorStatus AcDb3dPolyline::getStartParam(double& param) const
{
    assertReadEnabled();
    param = 0.0;
    return Acad::eOk;
}

Acad::ErrorStatus AcDb3dPolyline::getEndParam(double& param) const
{
    assertReadEnabled();
    const std::size_t count = drawnPositions().size();
    param = count < 2 ? 0.0 : static_cast<double>(m_closed ? count : count - 1);
    return Acad::eOk;
}

Acad::ErrorStatus AcDb3dPolyline::getStartPoint(AcGePoint3d& point) const
{
    assertReadEnabled();
    const std::vector<AcGePoint3d> positions = drawnPositions();
    if (positions.empty())
        return Acad::eDegenerateGeometry;
    point = positions.front();
    return Acad::eOk;
}

Acad::ErrorStatus AcDb3dPolyline::getEndPoint(AcGePoint3d& point) const
{
    assertReadEnabled();
    const std::vector<AcGePoint3d> positions = drawnPositions();
    if (positions.empty())
        return Acad::eDegenerateGeometry;
    point = m_closed ? positions.front() : positions.back();
    return Acad::eOk;
}

Acad::ErrorStatus AcDb3dPolyline::getArea(double& area) const
{
    assertReadEnabled();
    area = cadhost::polygonArea(drawnPositions());
    return Acad::eOk;
}

Adesk::Boolean AcDb3dPolyline::subWorldDraw(AcGiWorldDraw* worldDraw)
{
    assertReadEnabled();
    std::vector<AcGePoint3d> positions = drawnPositions();
    if (m_closed && positions.size() > 2)
        positions.push_back(positions.front());
    if (positions.size() == 1)
        positions.push_back(positions.front());
    if (!positions.empty())
        worldDraw->geometry().polyline(static_cast<Adesk::UInt32>(positions.size()), positions.data());
    return Adesk::kTrue;
}

void AcDb3dPolyline::subList() const
{
    assertReadEnabled();
    AcDbCurve::subList();
    cadhost::listHeader(*this);
    const std::vector<AcGePoint3d> positions = drawnPositions();
    acutPrintf(L"\n%24s", m_closed ? L"Closed" : L"Open");
    cadhost::listValue(L"area", cadhost::polygonArea(positions));
    for (const AcGePoint3d& position : positions)
        cadhost::listPoint(L"VERTEX at point", position);
}

Acad::ErrorStatus AcDb3dPolyline::subGetGeomExtents(AcDbExtents& extents) const
{
    assertReadEnabled();
    const std::vector<AcGePoint3d> positions = drawnPositions();
    if (positions.empty())
        return Acad::eInvalidExtents;
    AcDbExtents own;
    for (const AcGePoint3d& position : positions)
        own.addPoint(position);
    extents = own;
    return Acad::eOk;
}

Acad::ErrorStatus AcDb3dPolyline::subTransformBy(const AcGeMatrix3d& transform)
{
    const cadhost::OpenedVertices opened = m_vertices->open(AcDb::kForWrite);
    if (opened.status() != Acad::eOk)
        return opened.status();
    assertWriteEnabled();
    for (AcDbVertex* vertex : opened.vertices()) {
        vertex->assertWriteEnabled();
        static_cast<AcDb3dPolylineVertex*>(vertex)->m_position.transformBy(transform);
    }
    return Acad::eOk;
}

Acad::ErrorStatus AcDb3dPolyline::subExplode(AcDbVoidPtrArray& entitySet) const
{
    assertReadEnabled();
    const std::vector<AcGePoint3d> positions = drawnPositions();
    const std::size_t segments = positions.size() < 2 ? 0 : (m_closed ? positions.size() : positions.size() - 1);
    for (std::size_t i = 0; i < segments; ++i) {
        const AcGePoint3d& start = positions[i];
        const AcGePoint3d& end = positions[(i + 1) % positions.size()];
        if (start.isEqualTo(end))
            continue;
        auto* line = new AcDbLine(start, end);
        line->setPropertiesFrom(this);
        entitySet.append(line);
    }
    return Acad::eOk;
}

Acad::ErrorStatus AcDb3dPolyline::subGetGripPoints(AcGePoint3dArray& gripPoints, AcDbIntArray&, AcDbIntArray&) const
{
    assertReadEnabled();
    for (const AcGePoint3d& position : drawnPositions())
        gripPoints.append(position);
    return Acad::eOk;
}

Acad::ErrorStatus AcDb3dPolyline::subGetStretchPoints(AcGePoint3dArray& stretchPoints) const
{
    AcDbIntArray unused;
    AcDbIntArray unusedIds;
    return subGetGripPoints(stretchPoints, unused, unusedIds);
}

template <class Self, class Io> void AcDb3dPolyline::fileFields(Self& self, Io& io)
{
    io.template enumAs<Adesk::UInt8>(self.m_polyType, AcDb::k3dCubicSplinePoly);
    io(self.m_closed);
}

Acad::ErrorStatus AcDb3dPolyline::dwgOutFields(AcDbDwgFiler* filer) const
{
    assertReadEnabled();
    const Acad::ErrorStatus status = cadhost::FieldAccess::out(*this, filer, AcDbCurve::dwgOutFields(filer));
    return status != Acad::eOk ? status : m_vertices->fileOut(filer);
}

Acad::ErrorStatus AcDb3dPolyline::dwgInFields(AcDbDwgFiler* filer)
{
    assertWriteEnabled();
    const Acad::ErrorStatus status = cadhost::FieldAccess::in(*this, filer, AcDbCurve::dwgInFields(filer));
    if (status != Acad::eOk)
        return status;
    return m_vertices->fileIn(filer, [] { return new AcDb3dPolylineVertex(); });
}
