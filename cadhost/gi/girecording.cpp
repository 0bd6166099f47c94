#include "girecording.h"

#include "textmetrics.h"

#include <cmath>
#include <numbers>

namespace {
// Points on a circle or arc, dense enough for extents.
constexpr int kArcSamples = 72;
} // namespace

AcGePoint3d AcGiPrimitive::arcPoint(double angle) const
{
    const AcGeVector3d across = normal.crossProduct(startVector);
    return center + (startVector * std::cos(angle) + across * std::sin(angle)) * radius;
}

double AcGiPrimitive::rotation() const
{
    return std::atan2(direction.y, direction.x);
}

double AcGiPrimitive::textWidth() const
{
    return cadhost::textWidth(text, height, widthFactor);
}

Adesk::UInt32 AcGiPrimitive::rgb() const
{
    if (color.isByColor())
        return (Adesk::UInt32{color.red()} << 16) | (Adesk::UInt32{color.green()} << 8) | color.blue();
    return AcCmEntityColor::lookUpRGB(color.colorIndex());
}

bool AcGiRecording::isVisible(const AcGiPrimitive& primitive) const
{
    if (primitive.insideFrozenReference)
        return false;
    auto found = layers.find(primitive.layerId);
    if (found == layers.end())
        return true;
    const AcGiRecordedLayer& layer = found->second;
    return !layer.off && !layer.frozen && (!plotGeneration || layer.plottable);
}

AcDbExtents AcGiRecording::visibleExtents() const
{
    AcDbExtents extents;
    for (const AcGiPrimitive& primitive : primitives) {
        if (!isVisible(primitive))
            continue;
        switch (primitive.kind) {
        case AcGiPrimitiveKind::kPolyline:
        case AcGiPrimitiveKind::kPolygon:
        case AcGiPrimitiveKind::kXline:
        case AcGiPrimitiveKind::kRay:
            for (const AcGePoint3d& point : primitive.points)
                extents.addPoint(point);
            break;
        case AcGiPrimitiveKind::kCircle:
        case AcGiPrimitiveKind::kArc: {
            const double sweep =
                primitive.kind == AcGiPrimitiveKind::kCircle ? 2.0 * std::numbers::pi : primitive.sweepAngle;
            for (int i = 0; i <= kArcSamples; ++i)
                extents.addPoint(primitive.arcPoint(sweep * i / kArcSamples));
            break;
        }
        case AcGiPrimitiveKind::kText: {
            const AcGeVector3d along = primitive.direction * primitive.textWidth();
            const AcGeVector3d up = primitive.normal.crossProduct(primitive.direction) * primitive.height;
            extents.addPoint(primitive.position);
            extents.addPoint(primitive.position + along);
            extents.addPoint(primitive.position + up);
            extents.addPoint(primitive.position + along + up);
            break;
        }
        }
    }
    return extents;
}
