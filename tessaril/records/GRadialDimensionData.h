// The record of a radial dimension.
#pragma once

#include "GDimensionKindData.h"

class GRadialDimensionData : public GStreamedDimensionData<GRadialDimensionData, AcDbRadialDimension> {
public:
    static std::span<const Spec> fields();

    double leaderLength = 0.0;
    AcGePoint3d center;
    AcGePoint3d chordPoint;
};
