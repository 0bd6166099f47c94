// The record of a lightweight polyline: four parallel vertex arrays, then thickness, closed flag,
// elevation and normal.
#pragma once

#include "GCurveData.h"
#include "dbpl.h"
#include "gepnt2d.h"

#include <vector>

class GPolylineData : public GCurveData {
public:
    static constexpr Adesk::UInt32 kVersion = 1;

    virtual Acad::ErrorStatus record(AcDbPolyline* polyline);
    virtual Acad::ErrorStatus apply(AcDbPolyline* polyline);
    virtual Acad::ErrorStatus write(AcDbPolyline* polyline, AcDbDwgFiler* filer);
    virtual Acad::ErrorStatus read(AcDbPolyline* polyline, AcDbDwgFiler* filer);

    std::vector<AcGePoint2d> points;
    std::vector<double> bulges;
    std::vector<double> startWidths;
    std::vector<double> endWidths;
    double thickness = 0.0;
    bool closed = false;
    double elevation = 0.0;
    AcGeVector3d normal;
    Adesk::UInt32 version = 1;

private:
    void recordGeometry(const AcDbPolyline& polyline);
    void applyGeometry(AcDbPolyline& polyline) const;
};
