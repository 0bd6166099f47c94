// The record of a construction line: recorded and applied, never streamed (an xline travels through
// its own DWG fields).
#pragma once

#include "GCurveData.h"
#include "GFieldRecord.h"
#include "dbxline.h"

class GXlineData : public GFieldRecord<GXlineData, AcDbXline, GCurveData> {
public:
    static std::span<const Spec> fields();

    AcGePoint3d basePoint;
    AcGeVector3d unitDir;
};
