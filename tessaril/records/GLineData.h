// The record of a line.
#pragma once

#include "GCurveData.h"
#include "GFieldRecord.h"
#include "dbents.h"

class GLineData : public GStreamedRecord<GLineData, AcDbLine, GCurveData> {
public:
    static std::span<const Spec> fields();

    AcGePoint3d startPoint;
    AcGePoint3d endPoint;
    double thickness = 0.0;
    AcGeVector3d normal;
};
