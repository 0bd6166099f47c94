#include "GCopyEntityHelper.h"

#include "G2dPolylineData.h"
#include "G3dPolylineData.h"
#include "GArcData.h"
#include "GAttributeDefinitionData.h"
#include "GBlockReferenceData.h"
#include "GCircleData.h"
#include "GEllipseData.h"
#include "GFourCornerData.h"
#include "GLeaderData.h"
#include "GLineData.h"
#include "GMTextData.h"
#include "GPointData.h"
#include "GPolylineData.h"
#include "GRayData.h"
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
    {&AcDbBlockReference::desc, &recordAs<GBlockReferenceData, AcDbBlockReference>},
    {&AcDbRay::desc, &recordAs<GRayData, AcDbRay>},
    {&AcDbEllipse::desc, &recordAs<GEllipseData, AcDbEllipse>},
    {&AcDbXline::desc, &recordAs<GXlineData, AcDbXline>},
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
    {L"AcDbMText", &applyAs<GMTextData, AcDbMText>},
    {L"AcDbBlockReference", &applyAs<GBlockReferenceData, AcDbBlockReference>},
    {L"AcDbRay", &applyAs<GRayData, AcDbRay>},
    {L"AcDbEllipse", &applyAs<GEllipseData, AcDbEllipse>},
    {L"AcDbXline", &applyAs<GXlineData, AcDbXline>},
    {L"AcDbTrace", &applyAs<GTraceData, AcDbTrace>},
    {L"AcDbSolid", &applyAs<GSolidData, AcDbSolid>},
    {L"AcDb2dPolyline", &applyAs<G2dPolylineData, AcDb2dPolyline>},
    {L"AcDb3dPolyline", &applyAs<G3dPolylineData, AcDb3dPolyline>},
    {L"AcDbLeader", &applyAs<GLeaderData, AcDbLeader>},
};

bool derivesFrom(const AcDbEntity* entity, AcRxClass* hostClass)
{
    return entity->isA()->isDerivedFrom(hostClass);
}

bool sameName(const wchar_t* left, const wchar_t* right)
{
    return wcscasecmp(left, right) == 0;
}

} // namespace

Acad::ErrorStatus GCopyEntityHelper::RecordEntity(GEntityData*& record, AcDbEntity* source)
{
    for (const RecordRule& rule : kRecordRules) {
        if (derivesFrom(source, rule.hostClass())) {
            record = rule.make(source).release();
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
            created.release();
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
