#include "bulgepath.h"

#include "curvegeom.h"
#include "dbents.h"

#include <cmath>

namespace cadhost {

namespace {

// Bulges this small draw and measure as straight segments.
constexpr double kStraightBulge = 1.0e-12;

} // namespace

BulgePath::BulgePath(std::vector<BulgeVertex> vertices, bool closed, const AcGeVector3d& normal, double elevation)
    : m_vertices(std::move(vertices)), m_closed(closed),
      m_normal(normal.isZeroLength() ? AcGeVector3d::kZAxis : normal), m_elevation(elevation)
{
}

int BulgePath::numSegments() const
{
    const int count = static_cast<int>(m_vertices.size());
    if (count < 2)
        return 0;
    return m_closed ? count : count - 1;
}

AcGePoint3d BulgePath::worldPoint(const AcGePoint2d& point) const
{
    return AcGeMatrix3d::planeToWorld(m_normal) * AcGePoint3d(point.x, point.y, m_elevation);
}

BulgeSegment BulgePath::segmentAt(int index) const
{
    const auto count = m_vertices.size();
    const BulgeVertex& from = m_vertices[static_cast<std::size_t>(index)];
    const BulgeVertex& to = m_vertices[(static_cast<std::size_t>(index) + 1) % count];
    BulgeSegment segment;
    segment.start = worldPoint(from.point);
    segment.end = worldPoint(to.point);
    const AcGeVector2d chord = to.point - from.point;
    const double length = chord.length();
    const double bulge = from.bulge;
    if (std::fabs(bulge) <= kStraightBulge || length <= 0.0)
        return segment;
    // The center lies on the chord's perpendicular bisector, to the left for a positive bulge.
    const AcGeVector2d left(-chord.y / length, chord.x / length);
    const AcGePoint2d middle = from.point + chord * 0.5;
    const AcGePoint2d center = middle + left * (length * 0.25 * (1.0 - bulge * bulge) / bulge);
    segment.isArc = true;
    segment.center = worldPoint(center);
    segment.radius = length * (1.0 + bulge * bulge) / (4.0 * std::fabs(bulge));
    const double fromAngle = normalizeAngle(std::atan2(from.point.y - center.y, from.point.x - center.x));
    const double toAngle = normalizeAngle(std::atan2(to.point.y - center.y, to.point.x - center.x));
    segment.startAngle = bulge > 0.0 ? fromAngle : toAngle;
    segment.endAngle = bulge > 0.0 ? toAngle : fromAngle;
    return segment;
}

void BulgePath::addExtents(AcDbExtents& extents, double thickness) const
{
    AcDbExtents own;
    for (const BulgeVertex& vertex : m_vertices)
        own.addPoint(worldPoint(vertex.point));
    const AcGeMatrix3d toWorld = AcGeMatrix3d::planeToWorld(m_normal);
    for (int i = 0; i < numSegments(); ++i) {
        const BulgeSegment segment = segmentAt(i);
        if (!segment.isArc)
            continue;
        ConicArc arc{segment.center, toWorld * AcGeVector3d(segment.radius, 0.0, 0.0),
                     toWorld * AcGeVector3d(0.0, segment.radius, 0.0), segment.startAngle,
                     sweepAngle(segment.startAngle, segment.endAngle)};
        arc.addExtents(own);
    }
    addExtrusion(own, m_normal * thickness);
    if (!own.isEmpty())
        extents.addExt(own);
}

double BulgePath::area() const
{
    const std::size_t count = m_vertices.size();
    if (count < 2)
        return 0.0;
    double signedArea = 0.0;
    for (std::size_t i = 0; i < count; ++i) {
        const AcGePoint2d& a = m_vertices[i].point;
        const AcGePoint2d& b = m_vertices[(i + 1) % count].point;
        signedArea += 0.5 * (a.x * b.y - b.x * a.y);
    }
    // A positive bulge adds the segment between arc and chord on the right of the chord.
    for (int i = 0; i < numSegments(); ++i) {
        const double bulge = m_vertices[static_cast<std::size_t>(i)].bulge;
        const BulgeSegment segment = segmentAt(i);
        if (!segment.isArc)
            continue;
        const double sweep = 4.0 * std::atan(std::fabs(bulge));
        const double piece = 0.5 * segment.radius * segment.radius * (sweep - std::sin(sweep));
        signedArea += bulge > 0.0 ? piece : -piece;
    }
    return std::fabs(signedArea);
}

double BulgePath::length() const
{
    double total = 0.0;
    for (int i = 0; i < numSegments(); ++i) {
        const BulgeSegment segment = segmentAt(i);
        total += segment.isArc ? segment.radius * sweepAngle(segment.startAngle, segment.endAngle)
                               : segment.start.distanceTo(segment.end);
    }
    return total;
}

void BulgePath::draw(AcGiGeometry& geometry) const
{
    const AcGeMatrix3d toWorld = AcGeMatrix3d::planeToWorld(m_normal);
    std::vector<AcGePoint3d> run;
    const auto flush = [&] {
        if (run.size() >= 2)
            geometry.polyline(static_cast<Adesk::UInt32>(run.size()), run.data(), &m_normal);
        run.clear();
    };
    if (numSegments() == 0 && !m_vertices.empty()) {
        const AcGePoint3d dot[2] = {worldPoint(m_vertices.front().point), worldPoint(m_vertices.front().point)};
        geometry.polyline(2, dot, &m_normal);
        return;
    }
    for (int i = 0; i < numSegments(); ++i) {
        const BulgeSegment segment = segmentAt(i);
        if (!segment.isArc) {
            if (run.empty())
                run.push_back(segment.start);
            run.push_back(segment.end);
            continue;
        }
        flush();
        const AcGeVector3d startVector =
            toWorld * AcGeVector3d(std::cos(segment.startAngle), std::sin(segment.startAngle), 0.0);
        geometry.circularArc(segment.center, segment.radius, m_normal, startVector,
                             sweepAngle(segment.startAngle, segment.endAngle));
    }
    flush();
}

void BulgePath::explode(double thickness, AcDbVoidPtrArray& pieces) const
{
    for (int i = 0; i < numSegments(); ++i) {
        const BulgeSegment segment = segmentAt(i);
        if (segment.start.isEqualTo(segment.end))
            continue;
        if (segment.isArc) {
            auto* arc = new AcDbArc(segment.center, m_normal, segment.radius, segment.startAngle, segment.endAngle);
            arc->setThickness(thickness);
            pieces.append(arc);
        } else {
            auto* line = new AcDbLine(segment.start, segment.end);
            line->setNormal(m_normal);
            line->setThickness(thickness);
            pieces.append(line);
        }
    }
}

Acad::ErrorStatus BulgePath::transformBy(const AcGeMatrix3d& transform)
{
    bool hasArcs = false;
    for (const BulgeVertex& vertex : m_vertices)
        hasArcs = hasArcs || std::fabs(vertex.bulge) > kStraightBulge;
    if (hasArcs && !transform.isUniScaledOrtho())
        return Acad::eCannotScaleNonUniformly;
    const AcGeVector3d newNormal = transformNormal(transform, m_normal);
    const AcGeMatrix3d toPlane = AcGeMatrix3d::worldToPlane(newNormal);
    const bool mirrors = linearDeterminant(transform) < 0.0;
    const AcGePoint3d planeOrigin = toPlane * (transform * worldPoint(AcGePoint2d::kOrigin));
    for (BulgeVertex& vertex : m_vertices) {
        const AcGePoint3d moved = toPlane * (transform * worldPoint(vertex.point));
        vertex.point.set(moved.x, moved.y);
        if (mirrors)
            vertex.bulge = -vertex.bulge;
    }
    m_normal = newNormal;
    m_elevation = planeOrigin.z;
    return Acad::eOk;
}

} // namespace cadhost
