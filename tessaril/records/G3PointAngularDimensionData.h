// The record of an angular dimension by three points.
#pragma once

#include "GDimensionKindData.h"

class G3PointAngularDimensionData
    : public GStreamedDimensionData<G3PointAngularDimensionData, AcDb3PointAngularDimension> {
public:
    static std::span<const Spec> fields();

    AcGePoint3d arcPoint;
    AcGePoint3d xLine1Point;
    AcGePoint3d xLine2Point;
    AcGePoint3d centerPoint;
};
