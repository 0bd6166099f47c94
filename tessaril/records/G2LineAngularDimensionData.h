// The record of an angular dimension between two lines.
#pragma once

#include "GDimensionKindData.h"

class G2LineAngularDimensionData
    : public GStreamedDimensionData<G2LineAngularDimensionData, AcDb2LineAngularDimension> {
public:
    static std::span<const Spec> fields();

    AcGePoint3d arcPoint;
    AcGePoint3d xLine1Start;
    AcGePoint3d xLine1End;
    AcGePoint3d xLine2Start;
    AcGePoint3d xLine2End;
};
