// The record of an ellipse; its six shape values go through the ellipse's combined get and set.
#pragma once

#include "GCurveData.h"
#include "GFieldRecord.h"
#include "dbelipse.h"

class GEllipseData : public GStreamedRecord<GEllipseData, AcDbEllipse, GCurveData> {
public:
    static std::span<const Spec> fields();
    void getCombined(const AcDbEllipse& ellipse);
    void setCombined(AcDbEllipse& ellipse) const;

    AcGePoint3d center;
    AcGeVector3d unitNormal;
    AcGeVector3d majorAxis;
    double radiusRatio = 0.0;
    double startAngle = 0.0;
    double endAngle = 0.0;
    bool castShadows = false;
    bool receiveShadows = false;
};
