// The record of a point.
#pragma once

#include "GEntityData.h"
#include "GFieldRecord.h"
#include "dbents.h"

class GPointData : public GStreamedRecord<GPointData, AcDbPoint, GEntityData> {
public:
    static std::span<const Spec> fields();

    AcGePoint3d position;
    double thickness = 0.0;
    AcGeVector3d normal;
    double ecsRotation = 0.0;
};
