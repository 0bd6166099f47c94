#include "EntityDataStream.h"

#include "G2LineAngularDimensionData.h"
#include "G2dPolylineData.h"
#include "G3PointAngularDimensionData.h"
#include "G3dPolylineData.h"
#include "GAlignedDimensionData.h"
#include "GArcData.h"
#include "GBlockReferenceData.h"
#include "GCircleData.h"
#include "GDiametricDimensionData.h"
#include "GEllipseData.h"
#include "GFourCornerData.h"
#include "GHatchData.h"
#include "GLeaderData.h"
#include "GLineData.h"
#include "GMTextData.h"
#include "GOrdinateDimensionData.h"
#include "GPointData.h"
#include "GPolylineData.h"
#include "GRadialDimensionData.h"
#include "GRayData.h"
#include "GRotatedDimensionData.h"
#include "GSplineData.h"
#include "GTextData.h"
#include "RecordPtr.h"

namespace {

using Stream = Acad::ErrorStatus (*)(AcDbEntity* entity, AcDbDwgFiler* filer);

struct StreamRule {
    AcRxClass* (*hostClass)();
    Stream stream;
};

template <class Record, class Entity> Acad::ErrorStatus writeAs(AcDbEntity* entity, AcDbDwgFiler* filer)
{
    Record record;
    const ReleaseOnExit releaser(record);
    return record.write(Entity::cast(entity), filer);
}

template <class Record, class Entity> Acad::ErrorStatus readAs(AcDbEntity* entity, AcDbDwgFiler* filer)
{
    Record record;
    const ReleaseOnExit releaser(record);
    return record.read(Entity::cast(entity), filer);
}

Acad::ErrorStatus ownFieldsOut(AcDbEntity* entity, AcDbDwgFiler* filer)
{
    return entity->dwgOutFields(filer);
}

Acad::ErrorStatus ownFieldsIn(AcDbEntity* entity, AcDbDwgFiler* filer)
{
    return entity->dwgInFields(filer);
}

Acad::ErrorStatus notImplemented(AcDbEntity*, AcDbDwgFiler*)
{
    return Acad::eNotImplementedYet;
}

template <std::size_t N>
Acad::ErrorStatus dispatch(const StreamRule (&rules)[N], Stream fallback, AcDbEntity* entity, AcDbDwgFiler* filer)
{
    for (const StreamRule& rule : rules) {
        if (entity->isA()->isDerivedFrom(rule.hostClass()))
            return rule.stream(entity, filer);
    }
    return fallback(entity, filer);
}

constexpr StreamRule kEntityWriters[] = {
    {&AcDbPoint::desc, &writeAs<GPointData, AcDbPoint>},
    {&AcDbText::desc, &writeAs<GTextData, AcDbText>},
    {&AcDbMText::desc, &writeAs<GMTextData, AcDbMText>},
    {&AcDbHatch::desc, &writeAs<GHatchData, AcDbHatch>},
    {&AcDbBlockReference::desc, &writeAs<GBlockReferenceData, AcDbBlockReference>},
    {&AcDbSolid::desc, &writeAs<GSolidData, AcDbSolid>},
    {&AcDbTrace::desc, &writeAs<GTraceData, AcDbTrace>},
    {&AcDbCurve::desc, &writeCurveData},
    {&AcDbDimension::desc, &writeDimensionData},
};

constexpr StreamRule kEntityReaders[] = {
    {&AcDbPoint::desc, &readAs<GPointData, AcDbPoint>},
    {&AcDbText::desc, &readAs<GTextData, AcDbText>},
    {&AcDbMText::desc, &readAs<GMTextData, AcDbMText>},
    {&AcDbHatch::desc, &readAs<GHatchData, AcDbHatch>},
    {&AcDbBlockReference::desc, &readAs<GBlockReferenceData, AcDbBlockReference>},
    {&AcDbTrace::desc, &readAs<GTraceData, AcDbTrace>},
    {&AcDbSolid::desc, &readAs<GSolidData, AcDbSolid>},
    {&AcDbCurve::desc, &readCurveData},
    {&AcDbDimension::desc, &readDimensionData},
};

constexpr StreamRule kCurveWriters[] = {
    {&AcDbArc::desc, &writeAs<GArcData, AcDbArc>},
    {&AcDbCircle::desc, &writeAs<GCircleData, AcDbCircle>},
    {&AcDbEllipse::desc, &writeAs<GEllipseData, AcDbEllipse>},
    {&AcDbLine::desc, &writeAs<GLineData, AcDbLine>},
    {&AcDbPolyline::desc, &writeAs<GPolylineData, AcDbPolyline>},
    {&AcDbRay::desc, &writeAs<GRayData, AcDbRay>},
    {&AcDbSpline::desc, &writeAs<GSplineData, AcDbSpline>},
    {&AcDb2dPolyline::desc, &writeAs<G2dPolylineData, AcDb2dPolyline>},
    {&AcDb3dPolyline::desc, &writeAs<G3dPolylineData, AcDb3dPolyline>},
    {&AcDbLeader::desc, &writeAs<GLeaderData, AcDbLeader>},
};

constexpr StreamRule kCurveReaders[] = {
    {&AcDbArc::desc, &readAs<GArcData, AcDbArc>},
    {&AcDbCircle::desc, &readAs<GCircleData, AcDbCircle>},
    {&AcDbEllipse::desc, &readAs<GEllipseData, AcDbEllipse>},
    {&AcDbLine::desc, &readAs<GLineData, AcDbLine>},
    {&AcDbPolyline::desc, &readAs<GPolylineData, AcDbPolyline>},
    {&AcDbRay::desc, &readAs<GRayData, AcDbRay>},
    {&AcDbSpline::desc, &readAs<GSplineData, AcDbSpline>},
    {&AcDb2dPolyline::desc, &readAs<G2dPolylineData, AcDb2dPolyline>},
    {&AcDb3dPolyline::desc, &readAs<G3dPolylineData, AcDb3dPolyline>},
    {&AcDbLeader::desc, &readAs<GLeaderData, AcDbLeader>},
};

// Arc length and large radial dimensions have no stream.
constexpr StreamRule kDimensionWriters[] = {
    {&AcDbOrdinateDimension::desc, &writeAs<GOrdinateDimensionData, AcDbOrdinateDimension>},
    {&AcDb2LineAngularDimension::desc, &writeAs<G2LineAngularDimensionData, AcDb2LineAngularDimension>},
    {&AcDb3PointAngularDimension::desc, &writeAs<G3PointAngularDimensionData, AcDb3PointAngularDimension>},
    {&AcDbAlignedDimension::desc, &writeAs<GAlignedDimensionData, AcDbAlignedDimension>},
    {&AcDbDiametricDimension::desc, &writeAs<GDiametricDimensionData, AcDbDiametricDimension>},
    {&AcDbRadialDimension::desc, &writeAs<GRadialDimensionData, AcDbRadialDimension>},
    {&AcDbRotatedDimension::desc, &writeAs<GRotatedDimensionData, AcDbRotatedDimension>},
};

constexpr StreamRule kDimensionReaders[] = {
    {&AcDbOrdinateDimension::desc, &readAs<GOrdinateDimensionData, AcDbOrdinateDimension>},
    {&AcDb2LineAngularDimension::desc, &readAs<G2LineAngularDimensionData, AcDb2LineAngularDimension>},
    {&AcDb3PointAngularDimension::desc, &readAs<G3PointAngularDimensionData, AcDb3PointAngularDimension>},
    {&AcDbAlignedDimension::desc, &readAs<GAlignedDimensionData, AcDbAlignedDimension>},
    {&AcDbDiametricDimension::desc, &readAs<GDiametricDimensionData, AcDbDiametricDimension>},
    {&AcDbRadialDimension::desc, &readAs<GRadialDimensionData, AcDbRadialDimension>},
    {&AcDbRotatedDimension::desc, &readAs<GRotatedDimensionData, AcDbRotatedDimension>},
};

} // namespace

Acad::ErrorStatus writeEntityData(AcDbEntity* entity, AcDbDwgFiler* filer)
{
    return dispatch(kEntityWriters, &ownFieldsOut, entity, filer);
}

Acad::ErrorStatus readEntityData(AcDbEntity* entity, AcDbDwgFiler* filer)
{
    return dispatch(kEntityReaders, &ownFieldsIn, entity, filer);
}

Acad::ErrorStatus writeCurveData(AcDbEntity* entity, AcDbDwgFiler* filer)
{
    return dispatch(kCurveWriters, &ownFieldsOut, entity, filer);
}

Acad::ErrorStatus readCurveData(AcDbEntity* entity, AcDbDwgFiler* filer)
{
    return dispatch(kCurveReaders, &ownFieldsIn, entity, filer);
}

Acad::ErrorStatus writeDimensionData(AcDbEntity* entity, AcDbDwgFiler* filer)
{
    return dispatch(kDimensionWriters, &notImplemented, entity, filer);
}

Acad::ErrorStatus readDimensionData(AcDbEntity* entity, AcDbDwgFiler* filer)
{
    return dispatch(kDimensionReaders, &notImplemented, entity, filer);
}
