#include "dbpl.h"

#include "acgi.h"
#include "bulgepath.h"
#include "curvegeom.h"
#include "dbfieldio.h"
#include "entgeom.h"
#include "listformat.h"

#include <algorithm>
#include <cmath>

namespace {

// The point a fraction of the way along a segment, in its direction of travel.
AcGePoint3d pointOnSegment(const cadhost::BulgeSegment& segment, double bulge, const AcGeVector3d& normal,
                           double fraction)
{
    if (!segment.isArc)
        return segment.start + (segment.end - segment.start) * fraction;
    const double sweep = cadhost::sweepAngle(segment.startAngle, segment.endAngle);
    const double angle = bulge > 0.0 ? segment.startAngle + fraction * sweep : segment.endAngle - fraction * sweep;
    return segment.center + cadhost::planeDirection(normal, angle) * segment.radius;
}

} // namespace

AcDbPolyline::AcDbPolyline(unsigned int numVerts)
{
    m_vertices.reserve(std::min(numVerts, 1024u));
}

cadhost::BulgePath AcDbPolyline::path() const
{
    std::vector<cadhost::BulgeVertex> vertices;
    vertices.reserve(m_vertices.size());
    for (const Vertex& vertex : m_vertices)
        vertices.push_back({vertex.point, vertex.bulge});
    return cadhost::BulgePath(std::move(vertices), m_closed, m_normal, m_elevation);
}

unsigned int AcDbPolyline::numVerts() const
{
    assertReadEnabled();
    return static_cast<unsigned int>(m_vertices.size());
}

Acad::ErrorStatus AcDbPolyline::getPointAt(unsigned int index, AcGePoint2d& point) const
{
    assertReadEnabled();
    if (index >= m_vertices.size())
        return Acad::eInvalidIndex;
    point = m_vertices[index].point;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbPolyline::getPointAt(unsigned int index, AcGePoint3d& point) const
{
    assertReadEnabled();
    if (index >= m_vertices.size())
        return Acad::eInvalidIndex;
    point = path().worldPoint(m_vertices[index].point);
    return Acad::eOk;
}

Acad::ErrorStatus AcDbPolyline::setPointAt(unsigned int index, const AcGePoint2d& point)
{
    if (index >= m_vertices.size())
        return Acad::eInvalidIndex;
    assertWriteEnabled();
    m_vertices[index].point = point;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbPolyline::getBulgeAt(unsigned int index, double& bulge) const
{
    assertReadEnabled();
    if (index >= m_vertices.size())
        return Acad::eInvalidIndex;
    bulge = m_vertices[index].bulge;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbPolyline::setBulgeAt(unsigned int index, double bulge)
{
    if (index >= m_vertices.size())
        return Acad::eInvalidIndex;
    assertWriteEnabled();
    m_vertices[index].bulge = bulge;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbPolyline::getWidthsAt(unsigned int index, double& startWidth, double& endWidth) const
{
    assertReadEnabled();
    if (index >= m_vertices.size())
        return Acad::eInvalidIndex;
    startWidth = m_vertices[index].startWidth;
    endWidth = m_vertices[index].endWidth;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbPolyline::setWidthsAt(unsigned int index, double startWidth, double endWidth)
{
    if (index >= m_vertices.size())
        return Acad::eInvalidIndex;
    if (startWidth < 0.0 || endWidth < 0.0)
        return Acad::eInvalidInput;
    assertWriteEnabled();
    m_vertices[index].startWidth = startWidth;
    m_vertices[index].endWidth = endWidth;
    forgetConstantWidth();
    return Acad::eOk;
}

Adesk::Int32 AcDbPolyline::getVertexIdentifierAt(unsigned int index) const
{
    assertReadEnabled();
    return index < m_vertices.size() ? m_vertices[index].identifier : 0;
}

Acad::ErrorStatus AcDbPolyline::addVertexAt(unsigned int index, const AcGePoint2d& point, double bulge,
                                            double startWidth, double endWidth, Adesk::Int32 vertexIdentifier)
{
    if (index > m_vertices.size())
        return Acad::eInvalidIndex;
    assertWriteEnabled();
    double constantWidth = 0.0;
    const bool constant = getConstantWidth(constantWidth) == Acad::eOk;
    if (!constant)
        constantWidth = 0.0;
    Vertex vertex;
    vertex.point = point;
    vertex.bulge = bulge;
    vertex.startWidth = startWidth < 0.0 ? constantWidth : startWidth;
    vertex.endWidth = endWidth < 0.0 ? constantWidth : endWidth;
    vertex.identifier = vertexIdentifier;
    m_vertices.insert(m_vertices.begin() + index, vertex);
    // The widths stay constant only when the new vertex has the width all the others share.
    m_constantWidthKnown = true;
    m_hasConstantWidth = (constant || m_vertices.size() == 1) && vertex.startWidth == vertex.endWidth &&
                         (m_vertices.size() == 1 || vertex.startWidth == constantWidth);
    m_constantWidth = vertex.startWidth;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbPolyline::removeVertexAt(unsigned int index)
{
    if (index >= m_vertices.size())
        return Acad::eInvalidIndex;
    assertWriteEnabled();
    m_vertices.erase(m_vertices.begin() + index);
    forgetConstantWidth();
    return Acad::eOk;
}

void AcDbPolyline::reset(Adesk::Boolean reuse, unsigned int numVerts)
{
    assertWriteEnabled();
    if (reuse == Adesk::kFalse)
        m_vertices.clear();
    else if (numVerts < m_vertices.size())
        m_vertices.resize(numVerts);
    forgetConstantWidth();
}

Acad::ErrorStatus AcDbPolyline::getConstantWidth(double& width) const
{
    assertReadEnabled();
    if (m_vertices.empty())
        return Acad::eNotApplicable;
    if (!m_constantWidthKnown) {
        const double first = m_vertices.front().startWidth;
        m_hasConstantWidth = std::all_of(m_vertices.begin(), m_vertices.end(), [first](const Vertex& vertex) {
            return vertex.startWidth == first && vertex.endWidth == first;
        });
        m_constantWidth = first;
        m_constantWidthKnown = true;
    }
    if (!m_hasConstantWidth)
        return Acad::eNotApplicable;
    width = m_constantWidth;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbPolyline::setConstantWidth(double width)
{
    if (width < 0.0)
        return Acad::eInvalidInput;
    assertWriteEnabled();
    for (Vertex& vertex : m_vertices) {
        vertex.startWidth = width;
        vertex.endWidth = width;
    }
    forgetConstantWidth();
    return Acad::eOk;
}

Adesk::Boolean AcDbPolyline::hasBulges() const
{
    assertReadEnabled();
    return std::any_of(m_vertices.begin(), m_vertices.end(), [](const Vertex& v) { return v.bulge != 0.0; })
               ? Adesk::kTrue
               : Adesk::kFalse;
}

Adesk::Boolean AcDbPolyline::hasWidth() const
{
    assertReadEnabled();
    return std::any_of(m_vertices.begin(), m_vertices.end(),
                       [](const Vertex& v) { return v.startWidth != 0.0 || v.endWidth != 0.0; })
               ? Adesk::kTrue
               : Adesk::kFalse;
}

Adesk::Boolean AcDbPolyline::isOnlyLines() const
{
    return hasBulges() ? Adesk::kFalse : Adesk::kTrue;
}

Adesk::Boolean AcDbPolyline::hasPlinegen() const
{
    assertReadEnabled();
    return m_plinegen ? Adesk::kTrue : Adesk::kFalse;
}

void AcDbPolyline::setPlinegen(Adesk::Boolean plinegen)
{
    assertWriteEnabled();
    m_plinegen = plinegen != Adesk::kFalse;
}

void AcDbPolyline::setClosed(Adesk::Boolean closed)
{
    assertWriteEnabled();
    m_closed = closed != Adesk::kFalse;
}

double AcDbPolyline::elevation() const
{
    assertReadEnabled();
    return m_elevation;
}

void AcDbPolyline::setElevation(double elevation)
{
    assertWriteEnabled();
    m_elevation = elevation;
}

double AcDbPolyline::thickness() const
{
    assertReadEnabled();
    return m_thickness;
}

Acad::ErrorStatus AcDbPolyline::setThickness(double thickness)
{
    assertWriteEnabled();
    m_thickness = thickness;
    return Acad::eOk;
}

AcGeVector3d AcDbPolyline::normal() const
{
    assertReadEnabled();
    return m_normal;
}

Acad::ErrorStatus AcDbPolyline::setNormal(const AcGeVector3d& normal)
{
    if (normal.isZeroLength())
        return Acad::eInvalidInput;
    assertWriteEnabled();
    m_normal = normal.normal();
    return Acad::eOk;
}

double AcDbPolyline::length() const
{
    assertReadEnabled();
    return path().length();
}

Adesk::Boolean AcDbPolyline::isClosed() const
{
    assertReadEnabled();
    return m_closed ? Adesk::kTrue : Adesk::kFalse;
}

Acad::ErrorStatus AcDbPolyline::getStartParam(double& param) const
{
    assertReadEnabled();
    param = 0.0;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbPolyline::getEndParam(double& param) const
{
    assertReadEnabled();
    param = static_cast<double>(path().numSegments());
    return Acad::eOk;
}

Acad::ErrorStatus AcDbPolyline::getStartPoint(AcGePoint3d& point) const
{
    return getPointAtParam(0.0, point);
}

Acad::ErrorStatus AcDbPolyline::getEndPoint(AcGePoint3d& point) const
{
    double param = 0.0;
    getEndParam(param);
    return getPointAtParam(param, point);
}

Acad::ErrorStatus AcDbPolyline::getPointAtParam(double param, AcGePoint3d& point) const
{
    assertReadEnabled();
    const cadhost::BulgePath outline = path();
    if (m_vertices.empty() || !(param >= 0.0 && param <= outline.numSegments()))
        return Acad::eInvalidInput;
    if (outline.numSegments() == 0) {
        point = outline.worldPoint(m_vertices.front().point);
        return Acad::eOk;
    }
    const int index = std::min(static_cast<int>(param), outline.numSegments() - 1);
    point = pointOnSegment(outline.segmentAt(index), m_vertices[static_cast<std::size_t>(index)].bulge, m_normal,
                           param - index);
    return Acad::eOk;
}

Acad::ErrorStatus AcDbPolyline::getArea(double& area) const
{
    assertReadEnabled();
    area = path().area();
    return Acad::eOk;
}

Adesk::Boolean AcDbPolyline::subWorldDraw(AcGiWorldDraw* worldDraw)
{
    assertReadEnabled();
    const cadhost::BulgePath outline = path();
    outline.draw(worldDraw->geometry());
    if (m_thickness != 0.0) {
        cadhost::BulgePath top(outline.vertices(), m_closed, m_normal, m_elevation + m_thickness);
        top.draw(worldDraw->geometry());
    }
    return Adesk::kTrue;
}

void AcDbPolyline::subList() const
{
    assertReadEnabled();
    AcDbCurve::subList();
    cadhost::listHeader(*this);
    const cadhost::BulgePath outline = path();
    acutPrintf(L"\n%24s", m_closed ? L"Closed" : L"Open");
    double width = 0.0;
    if (getConstantWidth(width) == Acad::eOk)
        cadhost::listValue(L"Constant width", width);
    cadhost::listValue(L"area", outline.area());
    cadhost::listValue(m_closed ? L"perimeter" : L"length", outline.length());
    for (const Vertex& vertex : m_vertices) {
        cadhost::listPoint(L"at point", outline.worldPoint(vertex.point));
        if (vertex.bulge != 0.0)
            cadhost::listValue(L"bulge", vertex.bulge);
        if (vertex.startWidth != 0.0 || vertex.endWidth != 0.0) {
            cadhost::listValue(L"starting width", vertex.startWidth);
            cadhost::listValue(L"ending width", vertex.endWidth);
        }
    }
    if (m_elevation != 0.0)
        cadhost::listValue(L"Elevation", m_elevation);
    if (m_thickness != 0.0)
        cadhost::listValue(L"Thickness =", m_thickness);
    cadhost::listNormal(m_normal);
}

Acad::ErrorStatus AcDbPolyline::subGetGeomExtents(AcDbExtents& extents) const
{
    assertReadEnabled();
    if (m_vertices.empty())
        return Acad::eInvalidExtents;
    AcDbExtents own;
    path().addExtents(own, m_thickness);
    extents = own;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbPolyline::subTransformBy(const AcGeMatrix3d& transform)
{
    cadhost::BulgePath outline = path();
    const Acad::ErrorStatus status = outline.transformBy(transform);
    if (status != Acad::eOk)
        return status;
    assertWriteEnabled();
    const double widthScale = transform.scale();
    for (std::size_t i = 0; i < m_vertices.size(); ++i) {
        m_vertices[i].point = outline.vertices()[i].point;
        m_vertices[i].bulge = outline.vertices()[i].bulge;
        m_vertices[i].startWidth *= widthScale;
        m_vertices[i].endWidth *= widthScale;
    }
    forgetConstantWidth();
    m_thickness *= (transform * m_normal).dotProduct(outline.normal());
    m_normal = outline.normal();
    m_elevation = outline.elevation();
    return Acad::eOk;
}

Acad::ErrorStatus AcDbPolyline::subExplode(AcDbVoidPtrArray& entitySet) const
{
    assertReadEnabled();
    AcDbVoidPtrArray pieces;
    path().explode(m_thickness, pieces);
    for (void* piece : pieces) {
        auto* entity = static_cast<AcDbEntity*>(piece);
        entity->setPropertiesFrom(this);
        entitySet.append(entity);
    }
    return Acad::eOk;
}

Acad::ErrorStatus AcDbPolyline::subGetGripPoints(AcGePoint3dArray& gripPoints, AcDbIntArray&, AcDbIntArray&) const
{
    assertReadEnabled();
    const cadhost::BulgePath outline = path();
    for (const Vertex& vertex : m_vertices)
        gripPoints.append(outline.worldPoint(vertex.point));
    return Acad::eOk;
}

Acad::ErrorStatus AcDbPolyline::subMoveGripPointsAt(const AcDbIntArray& indices, const AcGeVector3d& offset)
{
    assertWriteEnabled();
    // The offset is given in world coordinates; the vertices move in their plane.
    const AcGeVector3d local = AcGeMatrix3d::worldToPlane(m_normal) * offset;
    for (const int index : indices)
        if (index >= 0 && static_cast<std::size_t>(index) < m_vertices.size())
            m_vertices[static_cast<std::size_t>(index)].point += AcGeVector2d(local.x, local.y);
    return Acad::eOk;
}

Acad::ErrorStatus AcDbPolyline::subGetStretchPoints(AcGePoint3dArray& stretchPoints) const
{
    AcDbIntArray unused;
    AcDbIntArray unusedIds;
    return subGetGripPoints(stretchPoints, unused, unusedIds);
}

Acad::ErrorStatus AcDbPolyline::subGetOsnapPoints(AcDb::OsnapMode osnapMode, Adesk::GsMarker, const AcGePoint3d&,
                                                  const AcGePoint3d&, const AcGeMatrix3d&, AcGePoint3dArray& snapPoints,
                                                  AcDbIntArray&) const
{
    assertReadEnabled();
    const cadhost::BulgePath outline = path();
    for (int i = 0; i < outline.numSegments(); ++i) {
        const cadhost::BulgeSegment segment = outline.segmentAt(i);
        if (osnapMode == AcDb::kOsModeEnd) {
            snapPoints.append(segment.start);
            if (i == outline.numSegments() - 1 && !m_closed)
                snapPoints.append(segment.end);
        } else if (osnapMode == AcDb::kOsModeMid) {
            snapPoints.append(pointOnSegment(segment, m_vertices[static_cast<std::size_t>(i)].bulge, m_normal, 0.5));
        } else if (osnapMode == AcDb::kOsModeCen && segment.isArc) {
            snapPoints.append(segment.center);
        }
    }
    return Acad::eOk;
}

template <class Self, class Io> void AcDbPolyline::fileFields(Self& self, Io& io)
{
    io.array(self.m_vertices, [](auto& fields, auto& vertex) {
        fields(vertex.point)(vertex.bulge)(vertex.startWidth)(vertex.endWidth)(vertex.identifier);
    });
    io(self.m_closed)(self.m_plinegen)(self.m_elevation)(self.m_thickness)(self.m_normal);
}

Acad::ErrorStatus AcDbPolyline::dwgOutFields(AcDbDwgFiler* filer) const
{
    assertReadEnabled();
    return cadhost::FieldAccess::out(*this, filer, AcDbCurve::dwgOutFields(filer));
}

Acad::ErrorStatus AcDbPolyline::dwgInFields(AcDbDwgFiler* filer)
{
    assertWriteEnabled();
    const Acad::ErrorStatus status = cadhost::FieldAccess::in(*this, filer, AcDbCurve::dwgInFields(filer));
    forgetConstantWidth();
    if (status == Acad::eOk && m_normal.isZeroLength())
        return Acad::eDwgObjectImproperlyRead;
    return status;
}
