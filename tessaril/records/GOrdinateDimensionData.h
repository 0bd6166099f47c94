// The record of an ordinate dimension; the axis it measures along is set after its points.
#pragma once

#include "GDimensionKindData.h"

class GOrdinateDimensionData : public GStreamedDimensionData<GOrdinateDimensionData, AcDbOrdinateDimension> {
public:
    static std::span<const Spec> fields();
    void applyAfterFields(AcDbOrdinateDimension& dimension) const;

    Adesk::Boolean usesXAxis = Adesk::kFalse;
    Adesk::Boolean usesYAxis = Adesk::kFalse;
    AcGePoint3d origin;
    AcGePoint3d definingPoint;
    AcGePoint3d leaderEndPoint;
};
