// The record of a 2D polyline vertex. The tangent is carried but never applied.
#pragma once

#include "GEntityData.h"
#include "GFieldRecord.h"
#include "dbents.h"

class G2dVertexData : public GStreamedRecord<G2dVertexData, AcDb2dVertex, GEntityData> {
public:
    static std::span<const Spec> fields();

    AcGePoint3d position;
    double bulge = 0.0;
    double startWidth = 0.0;
    double endWidth = 0.0;
    double tangent = 0.0;
};
