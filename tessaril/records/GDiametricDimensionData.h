// The record of a diametric dimension. Its own points are set after the common values.
#pragma once

#include "GDimensionKindData.h"

class GDiametricDimensionData : public GStreamedDimensionData<GDiametricDimensionData, AcDbDiametricDimension,
                                                              CommonDimensionValues::AppliedBefore> {
public:
    static std::span<const Spec> fields();

    double leaderLength = 0.0;
    AcGePoint3d chordPoint;
    AcGePoint3d farChordPoint;
};
