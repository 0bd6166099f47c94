#include "HatchLoopConversion.h"

#include "acutads.h"
#include "gearc2d.h"
#include "geell2d.h"
#include "gelnsg2d.h"
#include "gepoly2d.h"
#include "gesent2d.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr double kWidth = -1.0;
constexpr double kFullTurn = 2.0 * std::numbers::pi;
constexpr double kFullTurnTolerance = 1e-6;
constexpr double kStraightBulge = 1e-8;
constexpr double kCollinearDegrees = 170.0;
constexpr double kCloseNeighbours = 0.25;
constexpr double kSampleSpacing = 0.1;
constexpr int kFewestSamples = 10;
// An elliptic edge is sampled at this many points per full turn of its parameter.
constexpr int kEllipseSamplesPerTurn = 128;

void addVertex(AcDbPolyline& polyline, const AcGePoint2d& point, double bulge = 0.0)
{
    polyline.addVertexAt(polyline.numVerts(), point, bulge, kWidth, kWidth);
}

// Counter-clockwise from the x axis, in [0, 2pi).
double angleAbout(const AcGePoint2d& center, const AcGePoint2d& point)
{
    const double angle = std::atan2(point.y - center.y, point.x - center.x);
    return angle < 0.0 ? angle + kFullTurn : angle;
}

void addSpline(AcDbPolyline& polyline, const AcGeSplineEnt2d& spline)
{
    addVertex(polyline, spline.startPoint());
    const double start = spline.startParam();
    const double end = spline.endParam();
    const double length = std::trunc(spline.length(start, end));
    int steps = static_cast<int>(std::trunc(length / kSampleSpacing));
    if (steps < kFewestSamples)
        steps = kFewestSamples;
    const double step = std::fabs((end - start) / steps);
    for (int k = 1; k < steps; ++k) {
        const double param = start + k * step;
        if (param >= end)
            break;
        addVertex(polyline, spline.evalPoint(param));
    }
}

// The edge's start and evenly spaced points of its parameter up to, not including, its end, which the
// next edge starts at.
void addEllipticArc(AcDbPolyline& polyline, const AcGeEllipArc2d& arc)
{
    const double start = arc.startAng();
    const double sweep = arc.endAng() - start;
    const int steps = std::max(kFewestSamples, static_cast<int>(std::ceil(sweep / kFullTurn * kEllipseSamplesPerTurn)));
    for (int k = 0; k < steps; ++k)
        addVertex(polyline, arc.evalPoint(start + sweep * k / steps));
}

double bulgeOf(const AcGeCircArc2d& arc)
{
    const double startAngle = angleAbout(arc.center(), arc.startPoint());
    const double endAngle = angleAbout(arc.center(), arc.endPoint());
    double sweep = arc.isClockWise() ? startAngle - endAngle : endAngle - startAngle;
    if (sweep < 0.0)
        sweep += kFullTurn;
    const double bulge = std::tan(sweep / 4.0);
    return arc.isClockWise() ? -bulge : bulge;
}

bool isFullCircle(const AcGeCircArc2d& arc)
{
    return std::fabs(std::fabs(arc.endAng() - arc.startAng()) - kFullTurn) <= kFullTurnTolerance;
}

// A full circle replaces the loop's conversion with its two half circles and ends it.
enum class EdgeResult { Continue, LoopDone };

EdgeResult addEdge(AcDbPolyline& polyline, const AcGeCurve2d& edge)
{
    if (edge.isKindOf(AcGe::kLineSeg2d)) {
        addVertex(polyline, static_cast<const AcGeLineSeg2d&>(edge).startPoint());
    } else if (edge.isKindOf(AcGe::kPolyline2d)) {
        const auto& path = static_cast<const AcGePolyline2d&>(edge);
        for (int index = 0; index + 1 < path.numFitPoints(); ++index)
            addVertex(polyline, path.fitPointAt(index));
    } else if (edge.isKindOf(AcGe::kSplineEnt2d)) {
        addSpline(polyline, static_cast<const AcGeSplineEnt2d&>(edge));
    } else if (edge.isKindOf(AcGe::kEllipArc2d)) {
        addEllipticArc(polyline, static_cast<const AcGeEllipArc2d&>(edge));
    } else if (edge.isKindOf(AcGe::kCircArc2d)) {
        const auto& arc = static_cast<const AcGeCircArc2d&>(edge);
        if (isFullCircle(arc)) {
            const AcGePoint2d center = arc.center();
            addVertex(polyline, AcGePoint2d(center.x - arc.radius(), center.y), 1.0);
            addVertex(polyline, AcGePoint2d(center.x + arc.radius(), center.y), 1.0);
            addVertex(polyline, AcGePoint2d(center.x - arc.radius(), center.y), 0.0);
            return EdgeResult::LoopDone;
        }
        addVertex(polyline, arc.startPoint(), bulgeOf(arc));
    } else {
        acutPrintf(L"\n无法识别的填充边界曲线类型");
    }
    return EdgeResult::Continue;
}

// The start of an edge of a kind the conversion knows; false for any other kind.
bool startOf(const AcGeCurve2d& edge, AcGePoint2d& start)
{
    if (edge.isKindOf(AcGe::kLineSeg2d)) {
        start = static_cast<const AcGeLineSeg2d&>(edge).startPoint();
        return true;
    }
    // A 2D polyline edge is a spline of degree 1 and starts at its first point.
    if (edge.isKindOf(AcGe::kSplineEnt2d)) {
        start = static_cast<const AcGeSplineEnt2d&>(edge).startPoint();
        return true;
    }
    if (edge.isKindOf(AcGe::kCircArc2d)) {
        start = static_cast<const AcGeCircArc2d&>(edge).startPoint();
        return true;
    }
    if (edge.isKindOf(AcGe::kEllipArc2d)) {
        start = static_cast<const AcGeEllipArc2d&>(edge).startPoint();
        return true;
    }
    return false;
}

// Removes every interior straight vertex whose neighbours are nearly in line with it and close
// together; answers how many were removed.
int removeCollinearVertices(AcDbPolyline& polyline)
{
    int removed = 0;
    unsigned int index = 1;
    while (index + 1 < polyline.numVerts()) {
        double bulge = 0.0;
        polyline.getBulgeAt(index, bulge);
        AcGePoint2d before;
        AcGePoint2d point;
        AcGePoint2d after;
        polyline.getPointAt(index - 1, before);
        polyline.getPointAt(index, point);
        polyline.getPointAt(index + 1, after);
        const double degrees = (before - point).angleTo(after - point) * 180.0 / std::numbers::pi;
        if (std::fabs(bulge) <= kStraightBulge && degrees >= kCollinearDegrees &&
            before.distanceTo(after) < kCloseNeighbours) {
            polyline.removeVertexAt(index);
            ++removed;
            continue;
        }
        ++index;
    }
    return removed;
}

void convertEdges(const AcGeVoidPointerArray& edges, AcDbPolyline& polyline)
{
    for (int index = 0; index < edges.length(); ++index) {
        if (addEdge(polyline, *static_cast<const AcGeCurve2d*>(edges[index])) == EdgeResult::LoopDone)
            return;
    }
    AcGePoint2d start;
    if (!edges.isEmpty() && startOf(*static_cast<const AcGeCurve2d*>(edges[0]), start))
        addVertex(polyline, start);
    acutPrintf(L"\n删除节点:%d", removeCollinearVertices(polyline));
}

} // namespace

Adesk::Int32 convertHatchLoop(const AcDbHatch& hatch, int loopIndex, AcDbPolyline& polyline)
{
    Adesk::Int32 loopType = 0;
    AcGeVoidPointerArray edges;
    AcGeIntArray edgeTypes;
    const Acad::ErrorStatus es = hatch.getLoopAt(loopIndex, loopType, edges, edgeTypes);
    if (es == Acad::eOk) {
        convertEdges(edges, polyline);
    } else if (es == Acad::eNotApplicable) {
        AcGePoint2dArray vertices;
        AcGeDoubleArray bulges;
        if (hatch.getLoopAt(loopIndex, loopType, vertices, bulges) == Acad::eOk) {
            for (int index = 0; index < vertices.length(); ++index)
                addVertex(polyline, vertices[index], index < bulges.length() ? bulges[index] : 0.0);
        }
    }
    return loopType;
}
