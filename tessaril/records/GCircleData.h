// The record of a circle; its reader sets each value as soon as it is read.
#pragma once

#include "GCurveData.h"
#include "GFieldRecord.h"
#include "dbents.h"

class GCircleData : public GStreamedRecord<GCircleData, AcDbCircle, GCurveData, records::ReadApply::EachValue> {
public:
    static std::span<const Spec> fields();

    AcGePoint3d center;
    double radius = 0.0;
    double thickness = 0.0;
    AcGeVector3d normal;
};
