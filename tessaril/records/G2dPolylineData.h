// The record of a 2D polyline: seven values, then one vertex record (with its own property block in
// the stream) per vertex, then the closed flag.
#pragma once

#include "G2dVertexData.h"
#include "GCurveData.h"
#include "RecordPtr.h"

#include <vector>

class G2dPolylineData : public GCurveData {
public:
    static constexpr Adesk::UInt32 kVersion = 1;

    virtual Acad::ErrorStatus record(AcDb2dPolyline* polyline);
    virtual Acad::ErrorStatus apply(AcDb2dPolyline* polyline);
    virtual Acad::ErrorStatus write(AcDb2dPolyline* polyline, AcDbDwgFiler* filer);
    virtual Acad::ErrorStatus read(AcDb2dPolyline* polyline, AcDbDwgFiler* filer);
    void release() override;

    AcDb::Poly2dType polyType = AcDb::k2dSimplePoly;
    double defaultStartWidth = 0.0;
    double defaultEndWidth = 0.0;
    double thickness = 0.0;
    AcGeVector3d normal;
    double elevation = 0.0;
    Adesk::Boolean linetypeGeneration = Adesk::kFalse;
    Adesk::Boolean closed = Adesk::kFalse;
    std::vector<std::unique_ptr<G2dVertexData, ReleaseAndDelete>> vertices;
    Adesk::UInt32 version = 1;

private:
    void recordValues(const AcDb2dPolyline& polyline);
    void applyValues(AcDb2dPolyline& polyline) const;
};
