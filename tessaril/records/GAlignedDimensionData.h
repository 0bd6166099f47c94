// The record of an aligned dimension.
#pragma once

#include "GDimensionKindData.h"

class GAlignedDimensionData : public GStreamedDimensionData<GAlignedDimensionData, AcDbAlignedDimension> {
public:
    static std::span<const Spec> fields();

    AcGePoint3d xLine1Point;
    AcGePoint3d xLine2Point;
    AcGePoint3d dimLinePoint;
    double oblique = 0.0;
};
