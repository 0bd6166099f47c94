// What a regeneration drew: primitives in output coordinates with their resolved traits, the
// viewports they were drawn in and the layers they count on.
#pragma once

#include "acgi.h"
#include "dbextents.h"

#include <map>
#include <string>
#include <vector>

enum class AcGiPrimitiveKind { kPolyline, kPolygon, kCircle, kArc, kText, kXline, kRay };

// A layer as it was when the primitives on it were drawn.
struct AcGiRecordedLayer {
    std::wstring name;
    AcCmColor color;
    AcDb::LineWeight lineWeight = AcDb::kLnWtByLwDefault;
    bool off = false;
    bool frozen = false;
    bool plottable = true;
};

struct AcGiPrimitive {
    AcGiPrimitiveKind kind = AcGiPrimitiveKind::kPolyline;
    // Polyline and polygon vertices; for an xline its two points, for a ray its origin and a point on it.
    std::vector<AcGePoint3d> points;
    // Circle and arc: the arc runs from centre + radius * startVector, sweepAngle counter-clockwise
    // about normal.
    AcGePoint3d center;
    double radius = 0.0;
    AcGeVector3d normal = AcGeVector3d::kZAxis;
    AcGeVector3d startVector = AcGeVector3d::kXAxis;
    double sweepAngle = 0.0;
    // Text: drawn from position along direction (a unit vector), height tall, with its width factor
    // and oblique angle.
    std::wstring text;
    AcGePoint3d position;
    AcGeVector3d direction = AcGeVector3d::kXAxis;
    double height = 0.0;
    double widthFactor = 1.0;
    double oblique = 0.0;

    // Traits: the colour resolved to a colour index (1..255) or a true colour, the layer the primitive
    // counts on (an entity on layer "0" inside a block reference counts on the reference's layer).
    AcCmColor color;
    AcDbObjectId layerId;
    AcDbObjectId linetypeId;
    AcDb::LineWeight lineWeight = AcDb::kLnWtByLwDefault;
    AcGiFillType fillType = kAcGiFillNever;
    // Drawn inside a block reference that lies on a frozen layer.
    bool insideFrozenReference = false;
    // Index into AcGiRecording::viewports.
    int viewport = 0;

    // The point of a circle or arc at the given angle from its start, counter-clockwise about normal.
    AcGePoint3d arcPoint(double angle) const;
    // Angle of the text direction in the XY plane, counter-clockwise from the X axis.
    double rotation() const;
    // The advance of the text: height times width factor, times 1.0 for a full-width character and
    // 0.6 for any other.
    double textWidth() const;
    // The colour as 0x00RRGGBB (palette colour for an index).
    Adesk::UInt32 rgb() const;
};

struct AcGiRecordedViewport {
    Adesk::ULongPtr id = 0;
    // A floating viewport shows its content only inside its rectangle (output coordinates).
    bool clipped = false;
    AcGePoint2d clipMin;
    AcGePoint2d clipMax;
};

struct AcGiRecording {
    bool plotGeneration = false;
    bool psOut = false;
    // The plot window (model-space view or the sheet of a layout); only set when plotting.
    bool hasWindow = false;
    AcGePoint2d windowMin;
    AcGePoint2d windowMax;

    std::vector<AcGiRecordedViewport> viewports;
    std::vector<AcGiPrimitive> primitives;
    std::map<AcDbObjectId, AcGiRecordedLayer> layers;

    // Whether the primitive shows: its layer is on and thawed (and plottable when plotting), and no
    // block reference around it lies on a frozen layer.
    bool isVisible(const AcGiPrimitive& primitive) const;
    // The extents of the visible primitives in the XY plane; xlines and rays count with their points.
    AcDbExtents visibleExtents() const;
};
