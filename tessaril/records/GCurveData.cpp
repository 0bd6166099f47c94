#include "GCurveData.h"

#include "RecordFields.h"

namespace {
constexpr Adesk::UInt32 kCurveVersion = 1;
}

void GCurveData::recordCurve(AcDbCurve* curve)
{
    recordEntity(curve);
}

void GCurveData::applyCurve(AcDbCurve* curve)
{
    applyEntity(curve);
}

Acad::ErrorStatus GCurveData::writeCurveVersion(AcDbDwgFiler* filer)
{
    if (const Acad::ErrorStatus es = writeEntityVersion(filer); es != Acad::eOk)
        return es;
    return filer->writeUInt32(curveVersion);
}

Acad::ErrorStatus GCurveData::readCurveVersion(AcDbDwgFiler* filer)
{
    if (const Acad::ErrorStatus es = readEntityVersion(filer); es != Acad::eOk)
        return es;
    return records::readVersion(filer, curveVersion, kCurveVersion);
}
