// The record of a jogged radial dimension: recorded and applied, never streamed.
#pragma once

#include "GDimensionKindData.h"

class GRadialDimensionLargeData : public GDimensionKindData<GRadialDimensionLargeData, AcDbRadialDimensionLarge> {
public:
    static std::span<const Spec> fields();

    AcGePoint3d center;
    AcGePoint3d chordPoint;
    AcGePoint3d overrideCenter;
    AcGePoint3d jogPoint;
    double jogAngle = 0.0;
};
