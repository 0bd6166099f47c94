// The record of a rotated (linear) dimension.
#pragma once

#include "GDimensionKindData.h"

class GRotatedDimensionData : public GStreamedDimensionData<GRotatedDimensionData, AcDbRotatedDimension> {
public:
    static std::span<const Spec> fields();

    AcGePoint3d xLine1Point;
    AcGePoint3d xLine2Point;
    AcGePoint3d dimLinePoint;
    double rotation = 0.0;
};
