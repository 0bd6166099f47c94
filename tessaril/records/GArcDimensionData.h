// The record of an arc length dimension: recorded and applied, never streamed.
#pragma once

#include "GDimensionKindData.h"

class GArcDimensionData : public GDimensionKindData<GArcDimensionData, AcDbArcDimension> {
public:
    static std::span<const Spec> fields();

    AcGePoint3d arcPoint;
    AcGePoint3d xLine1Point;
    AcGePoint3d xLine2Point;
    AcGePoint3d centerPoint;
    bool isPartial = false;
    double arcStartParam = 0.0;
    double arcEndParam = 0.0;
    bool hasLeader = false;
    AcGePoint3d leader1Point;
    AcGePoint3d leader2Point;
    Adesk::Int32 arcSymbolType = 0;
};
