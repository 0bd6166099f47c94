// The outline of a lightweight or 2D polyline: vertices in the plane of the entity coordinate system
// at an elevation, each with the bulge of the segment that starts there (the tangent of a quarter of
// the segment's sweep; positive turns counter-clockwise about the normal). Drawing, measuring,
// exploding and transforming the two polyline kinds all go through it.
#pragma once

#include "acgi.h"
#include "dbextents.h"
#include "dbid.h"
#include "gemat3d.h"
#include "gepnt2d.h"
#include "gepnt3d.h"

#include <vector>

namespace cadhost {

struct BulgeVertex {
    AcGePoint2d point;
    double bulge = 0.0;
};

// One segment in world coordinates. An arc runs counter-clockwise about the normal from startAngle to
// endAngle (angles in the entity coordinate system), whatever the sign of its bulge.
struct BulgeSegment {
    AcGePoint3d start;
    AcGePoint3d end;
    bool isArc = false;
    AcGePoint3d center;
    double radius = 0.0;
    double startAngle = 0.0;
    double endAngle = 0.0;
};

class BulgePath {
public:
    BulgePath(std::vector<BulgeVertex> vertices, bool closed, const AcGeVector3d& normal, double elevation);

    const std::vector<BulgeVertex>& vertices() const { return m_vertices; }
    const AcGeVector3d& normal() const { return m_normal; }
    double elevation() const { return m_elevation; }

    int numSegments() const;
    AcGePoint3d worldPoint(const AcGePoint2d& point) const;
    BulgeSegment segmentAt(int index) const;

    void addExtents(AcDbExtents& extents, double thickness) const;
    // The enclosed area, an open path being closed by a straight chord.
    double area() const;
    double length() const;
    // Straight runs as polylines, arcs as arcs; widths are not drawn.
    void draw(AcGiGeometry& geometry) const;
    // New lines and arcs (owned by the caller, in no database) with the given thickness; segments
    // without length are left out.
    void explode(double thickness, AcDbVoidPtrArray& pieces) const;

    // Maps the path through the transformation: the new normal follows transformNormal, a mirror
    // negates every bulge. Refuses a transformation that would turn arcs into ellipses.
    Acad::ErrorStatus transformBy(const AcGeMatrix3d& transform);

private:
    std::vector<BulgeVertex> m_vertices;
    bool m_closed;
    AcGeVector3d m_normal;
    double m_elevation;
};

} // namespace cadhost
