// The record of a ray.
#pragma once

#include "GCurveData.h"
#include "GFieldRecord.h"
#include "dbray.h"

class GRayData : public GStreamedRecord<GRayData, AcDbRay, GCurveData> {
public:
    static std::span<const Spec> fields();

    AcGePoint3d basePoint;
    AcGeVector3d unitDir;
};
