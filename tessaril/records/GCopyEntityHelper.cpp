#include "GCopyEntityHelper.h"

#include "G2LineAngularDimensionData.h"
#include "G2dPolylineData.h"
#include "G3PointAngularDimensionData.h"
#include "G3dPolylineData.h"
#include "GAlignedDimensionData.h"
#include "GArcData.h"
#include "GArcDimensionData.h"
#include "GAttributeDefinitionData.h"
#include "GBlockReferenceData.h"
#include "GCircleData.h"
#include "GDiametricDimensionData.h"
#include "GEllipseData.h"
#include "GFourCornerData.h"
#include "GHatchData.h"
#include "GLeaderData.h"
#include "GLineData.h"
#include "GMTextData.h"
#include "GMlineData.h"
#include "GOrdinateDimensionData.h"
#include "GPointData.h"
#include "GPolylineData.h"
#include "GRadialDimensionData.h"
#include "GRadialDimensionLargeData.h"
#include "GRasterImageData.h"
#include "GRayData.h"
#include "GRotatedDimensionData.h"
#include "GSplineData.h"
#include "GTextData.h"
#include "GXlineData.h"
#include "RecordPtr.h"
#include "app/DiagnosticLog.h"

#include <cwchar>
#include <memory>

namespace {

struct RecordRule {
    AcRxClass* (*hostClass)();
    RecordPtr (*make)(AcDbEntity* source);
};

template <class Record, class Entity> RecordPtr recordAs(AcDbEntity* source)
{
    RecordPtr record(new Record);
    static_cast<Record&>(*record).record(Entity::cast(source));
    return record;
}

bool derivesFrom(const AcDbEntity* entity, AcRxClass* hostClass)
{
    return entity->isA()->isDerivedFrom(hostClass);
}

// Tested in this order after the dimension has been made non-dynamic.
constexpr RecordRule kDimensionRecordRules[] = {
    {&AcDbOrdinateDimension::desc, &recordAs<GOrdinateDimensionData, AcDbOrdinateDimension>},
    {&AcDbAlignedDimension::desc, &recordAs<GAlignedDimensionData, AcDbAlignedDimension>},
    {&AcDbRotatedDimension::desc, &recordAs<GRotatedDimensionData, AcDbRotatedDimension>},
    {&AcDb3PointAngularDimension::desc, &recordAs<G3PointAngularDimensionData, AcDb3PointAngularDimension>},
    {&AcDb2LineAngularDimension::desc, &recordAs<G2LineAngularDimensionData, AcDb2LineAngularDimension>},
    {&AcDbRadialDimension::desc, &recordAs<GRadialDimensionData, AcDbRadialDimension>},
    {&AcDbDiametricDimension::desc, &recordAs<GDiametricDimensionData, AcDbDiametricDimension>},
    {&AcDbArcDimension::desc, &recordAs<GArcDimensionData, AcDbArcDimension>},
    {&AcDbRadialDimensionLarge::desc, &recordAs<GRadialDimensionLargeData, AcDbRadialDimensionLarge>},
};

// A dimension that can be opened for write is made non-dynamic first; one of another kind makes no
// record.
RecordPtr recordDimension(AcDbEntity* source)
{
    AcDbDimension* dimension = AcDbDimension::cast(source);
    if (dimension->upgradeOpen() == Acad::eOk) {
        dimension->setDynamicDimension(false);
        dimension->downgradeOpen();
    }
    for (const RecordRule& rule : kDimensionRecordRules) {
        if (derivesFrom(source, rule.hostClass()))
            return rule.make(source);
    }
    return nullptr;
}

// Tested in this order; a subclass takes the first rule whose class it derives from.
constexpr RecordRule kRecordRules[] = {
    {&AcDbPoint::desc, &recordAs<GPointData, AcDbPoint>},
    {&AcDbLine::desc, &recordAs<GLineData, AcDbLine>},
    {&AcDbPolyline::desc, &recordAs<GPolylineData, AcDbPolyline>},
    {&AcDbAttributeDefinition::desc, &recordAs<GAttributeDefinitionData, AcDbAttributeDefinition>},
    {&AcDbText::desc, &recordAs<GTextData, AcDbText>},
    {&AcDbMText::desc, &recordAs<GMTextData, AcDbMText>},
    {&AcDbArc::desc, &recordAs<GArcData, AcDbArc>},
    {&AcDbCircle::desc, &recordAs<GCircleData, AcDbCircle>},
    {&AcDbSpline::desc, &recordAs<GSplineData, AcDbSpline>},
    {&AcDbHatch::desc, &recordAs<GHatchData, AcDbHatch>},
    {&AcDbBlockReference::desc, &recordAs<GBlockReferenceData, AcDbBlockReference>},
    {&AcDbDimension::desc, &recordDimension},
    {&AcDbRay::desc, &recordAs<GRayData, AcDbRay>},
    {&AcDbEllipse::desc, &recordAs<GEllipseData, AcDbEllipse>},
    {&AcDbXline::desc, &recordAs<GXlineData, AcDbXline>},
    {&AcDbMline::desc, &recordAs<GMlineData, AcDbMline>},
    {&AcDbRasterImage::desc, &recordAs<GRasterImageData, AcDbRasterImage>},
    {&AcDbTrace::desc, &recordAs<GTraceData, AcDbTrace>},
    {&AcDbSolid::desc, &recordAs<GSolidData, AcDbSolid>},
    {&AcDb2dPolyline::desc, &recordAs<G2dPolylineData, AcDb2dPolyline>},
    {&AcDb3dPolyline::desc, &recordAs<G3dPolylineData, AcDb3dPolyline>},
    {&AcDbLeader::desc, &recordAs<GLeaderData, AcDbLeader>},
};

struct ApplyRule {
    const wchar_t* className;
    void (*apply)(GEntityData& record, AcDbEntity* target);
};

template <class Record, class Entity> void applyAs(GEntityData& record, AcDbEntity* target)
{
    Record* typed = dynamic_cast<Record*>(&record);
    Entity* entity = Entity::cast(target);
    if (typed != nullptr && entity != nullptr)
        typed->apply(entity);
}

// Selected by the exact class name, without regard to case.
constexpr ApplyRule kApplyRules[] = {
    {L"AcDbPoint", &applyAs<GPointData, AcDbPoint>},
    {L"AcDbLine", &applyAs<GLineData, AcDbLine>},
    {L"AcDbPolyline", &applyAs<GPolylineData, AcDbPolyline>},
    {L"AcDbAttributeDefinition", &applyAs<GAttributeDefinitionData, AcDbAttributeDefinition>},
    {L"AcDbText", &applyAs<GTextData, AcDbText>},
    {L"AcDbArc", &applyAs<GArcData, AcDbArc>},
    {L"AcDbCircle", &applyAs<GCircleData, AcDbCircle>},
    {L"AcDbSpline", &applyAs<GSplineData, AcDbSpline>},
    {L"AcDbHatch", &applyAs<GHatchData, AcDbHatch>},
    {L"AcDbMText", &applyAs<GMTextData, AcDbMText>},
    {L"AcDbBlockReference", &applyAs<GBlockReferenceData, AcDbBlockReference>},
    {L"AcDbOrdinateDimension", &applyAs<GOrdinateDimensionData, AcDbOrdinateDimension>},
    {L"AcDbAlignedDimension", &applyAs<GAlignedDimensionData, AcDbAlignedDimension>},
    {L"AcDbRotatedDimension", &applyAs<GRotatedDimensionData, AcDbRotatedDimension>},
    {L"AcDb3PointAngularDimension", &applyAs<G3PointAngularDimensionData, AcDb3PointAngularDimension>},
    {L"AcDb2LineAngularDimension", &applyAs<G2LineAngularDimensionData, AcDb2LineAngularDimension>},
    {L"AcDbRadialDimension", &applyAs<GRadialDimensionData, AcDbRadialDimension>},
    {L"AcDbDiametricDimension", &applyAs<GDiametricDimensionData, AcDbDiametricDimension>},
    {L"AcDbArcDimension", &applyAs<GArcDimensionData, AcDbArcDimension>},
    {L"AcDbRadialDimensionLarge", &applyAs<GRadialDimensionLargeData, AcDbRadialDimensionLarge>},
    {L"AcDbRay", &applyAs<GRayData, AcDbRay>},
    {L"AcDbEllipse", &applyAs<GEllipseData, AcDbEllipse>},
    {L"AcDbXline", &applyAs<GXlineData, AcDbXline>},
    {L"AcDbMline", &applyAs<GMlineData, AcDbMline>},
    {L"AcDbRasterImage", &applyAs<GRasterImageData, AcDbRasterImage>},
    {L"AcDbTrace", &applyAs<GTraceData, AcDbTrace>},
    {L"AcDbSolid", &applyAs<GSolidData, AcDbSolid>},
    {L"AcDb2dPolyline", &applyAs<G2dPolylineData, AcDb2dPolyline>},
    {L"AcDb3dPolyline", &applyAs<G3dPolylineData, AcDb3dPolyline>},
    {L"AcDbLeader", &applyAs<GLeaderData, AcDbLeader>},
};

bool sameName(const wchar_t* left, const wchar_t* right)
{
    return wcscasecmp(left, right) == 0;
}

} // namespace

Acad::ErrorStatus GCopyEntityHelper::RecordEntity(GEntityData*& record, AcDbEntity* source)
{
    for (const RecordRule& rule : kRecordRules) {
        if (derivesFrom(source, rule.hostClass())) {
            if (RecordPtr made = rule.make(source); made != nullptr)
                record = made.release();
            return Acad::eOk;
        }
    }
    logLine(L"GCopyEntityHelper::RecordEntity %s", source->isA()->name());
    return Acad::eInvalidInput;
}

Acad::ErrorStatus GCopyEntityHelper::CopyEntity(AcDbEntity*& target, GEntityData* record)
{
    std::unique_ptr<AcDbEntity> created;
    if (target == nullptr) {
        created.reset(AcDbEntity::cast(record->objectClass->create()));
        if (created == nullptr)
            return Acad::eInvalidInput;
        target = created.get();
    } else if (!derivesFrom(target, record->objectClass)) {
        return Acad::eNotThatKindOfClass;
    }
    for (const ApplyRule& rule : kApplyRules) {
        if (sameName(record->className, rule.className)) {
            rule.apply(*record, target);
            // The caller owns the entity made here.
            static_cast<void>(created.release());
            return Acad::eOk;
        }
    }
    if (created != nullptr)
        target = nullptr;
    logLine(L"GCopyEntityHelper::CopyEntity %s", record->className.GetString());
    return Acad::eInvalidInput;
}

Acad::ErrorStatus copyEntityData(AcDbEntity* target, AcDbEntity* source)
{
    GEntityData* made = nullptr;
    if (const Acad::ErrorStatus es = GCopyEntityHelper::RecordEntity(made, source); es != Acad::eOk)
        return es;
    if (made == nullptr)
        return Acad::eOk;
    const RecordPtr record(made);
    return GCopyEntityHelper::CopyEntity(target, record.get());
}
