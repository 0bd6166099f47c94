// The record of a 3D polyline: poly type, closed flag, vertex positions and vertex types (carried,
// never applied).
#pragma once

#include "GCurveData.h"
#include "dbents.h"

#include <vector>

class G3dPolylineData : public GCurveData {
public:
    static constexpr Adesk::UInt32 kVersion = 1;

    // Converts a non-simple source to a simple 3D polyline first; the source is changed.
    virtual Acad::ErrorStatus record(AcDb3dPolyline* polyline);
    virtual Acad::ErrorStatus apply(AcDb3dPolyline* polyline);
    virtual Acad::ErrorStatus write(AcDb3dPolyline* polyline, AcDbDwgFiler* filer);
    virtual Acad::ErrorStatus read(AcDb3dPolyline* polyline, AcDbDwgFiler* filer);

    AcDb::Poly3dType polyType = AcDb::k3dSimplePoly;
    Adesk::Boolean closed = Adesk::kFalse;
    std::vector<AcGePoint3d> positions;
    std::vector<AcDb::Vertex3dType> vertexTypes;
    Adesk::UInt32 version = 1;

private:
    void recordValues(const AcDb3dPolyline& polyline);
};
