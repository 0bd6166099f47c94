// The curve level of the records: one more version in the header of every curve stream.
#pragma once

#include "GEntityData.h"
#include "dbcurve.h"

class GCurveData : public GEntityData {
public:
    virtual void recordCurve(AcDbCurve* curve);
    virtual void applyCurve(AcDbCurve* curve);
    virtual Acad::ErrorStatus writeCurveVersion(AcDbDwgFiler* filer);
    virtual Acad::ErrorStatus readCurveVersion(AcDbDwgFiler* filer);

    Adesk::UInt32 curveVersion = 1;

protected:
    void recordLevel(AcDbCurve* curve) { recordCurve(curve); }
    void applyLevel(AcDbCurve* curve) { applyCurve(curve); }
    Acad::ErrorStatus writeLevelHeader(AcDbDwgFiler* filer) { return writeCurveVersion(filer); }
    Acad::ErrorStatus readLevelHeader(AcDbDwgFiler* filer) { return readCurveVersion(filer); }
};
