#include "ConvertEntity.h"

#include "DrawOrderPlace.h"
#include "LockMarker.h"

#include "app/DiagnosticLog.h"
#include "entities/CommonProperties.h"
#include "entities/OneColorGradient.h"
#include "entities/WrapperEntities.h"
#include "records/GCopyEntityHelper.h"

#include "dbobjptr.h"

#include <algorithm>
#include <array>
#include <memory>

std::vector<const AcRxClass*> ConvertedClassLog;

namespace {

// A new wrapper with an empty inner entity; inner receives the inner entity.
using WrapperFactory = AcDbEntity* (*)(AcDbEntity*& inner);

template <class Wrapper> AcDbEntity* makeWrapper(AcDbEntity*& inner)
{
    auto* wrapper = new Wrapper();
    inner = wrapper->inner();
    return wrapper;
}

enum class Defaults { kNone, kDatabase, kDatabaseAndProperties };

struct Conversion {
    AcRxClass* (*desc)();
    WrapperFactory makeWrapper;
    Defaults defaults;
};

// In the order in which derivation decides; the block reference has its own procedure.
const std::array<Conversion, 25> kConversions = {{
    {&AcDbPoint::desc, &makeWrapper<AcDbPointEx>, Defaults::kNone},
    {&AcDbLine::desc, &makeWrapper<AcDbLineEx>, Defaults::kDatabaseAndProperties},
    {&AcDbArc::desc, &makeWrapper<AcDbArcEx>, Defaults::kNone},
    {&AcDbCircle::desc, &makeWrapper<AcDbCircleEx>, Defaults::kDatabase},
    {&AcDbEllipse::desc, &makeWrapper<AcDbEllipseEx>, Defaults::kDatabase},
    {&AcDbLeader::desc, &makeWrapper<AcDbLeaderEx>, Defaults::kDatabase},
    {&AcDbPolyline::desc, &makeWrapper<AcDbPolylineEx>, Defaults::kNone},
    {&AcDbRay::desc, &makeWrapper<AcDbRayEx>, Defaults::kNone},
    {&AcDbSpline::desc, &makeWrapper<AcDbSplineEx>, Defaults::kNone},
    {&AcDbXline::desc, &makeWrapper<AcDbXlineEx>, Defaults::kNone},
    {&AcDbText::desc, &makeWrapper<AcDbTextEx>, Defaults::kNone},
    {&AcDbMText::desc, &makeWrapper<AcDbMTextEx>, Defaults::kNone},
    {&AcDbHatch::desc, &makeWrapper<AcDbHatchEx>, Defaults::kNone},
    {&AcDbBlockReference::desc, nullptr, Defaults::kNone},
    {&AcDbOrdinateDimension::desc, &makeWrapper<AcDbOrdinateDimensionEx>, Defaults::kNone},
    {&AcDbDiametricDimension::desc, &makeWrapper<AcDbDiametricDimensionEx>, Defaults::kNone},
    {&AcDbAlignedDimension::desc, &makeWrapper<AcDbAlignedDimensionEx>, Defaults::kNone},
    {&AcDb2LineAngularDimension::desc, &makeWrapper<AcDb2LineAngularDimensionEx>, Defaults::kNone},
    {&AcDb3PointAngularDimension::desc, &makeWrapper<AcDb3PointAngularDimensionEx>, Defaults::kNone},
    {&AcDbRadialDimension::desc, &makeWrapper<AcDbRadialDimensionEx>, Defaults::kNone},
    {&AcDbRotatedDimension::desc, &makeWrapper<AcDbRotatedDimensionEx>, Defaults::kNone},
    {&AcDbTrace::desc, &makeWrapper<AcDbTraceEx>, Defaults::kNone},
    {&AcDbSolid::desc, &makeWrapper<AcDbSolidEx>, Defaults::kNone},
    {&AcDb2dPolyline::desc, &makeWrapper<AcDb2dPolylineEx>, Defaults::kNone},
    {&AcDb3dPolyline::desc, &makeWrapper<AcDb3dPolylineEx>, Defaults::kNone},
}};

const Conversion* conversionFor(const AcDbEntity* entity)
{
    for (const Conversion& conversion : kConversions)
        if (entity->isKindOf(conversion.desc()))
            return &conversion;
    return nullptr;
}

bool isLogged(const AcRxClass* rxClass)
{
    return std::find(ConvertedClassLog.begin(), ConvertedClassLog.end(), rxClass) != ConvertedClassLog.end();
}

void logFinished(const AcRxClass* rxClass, const wchar_t* format)
{
    if (isLogged(rxClass))
        return;
    logLine(format, rxClass->name());
    ConvertedClassLog.push_back(rxClass);
}

// The wrapper draws where the entity it replaces drew, above and below the same neighbours.
void placeAndErase(AcDbBlockTableRecord* owner, AcDbEntity* entity, AcDbObjectId wrapperId)
{
    if (Acad::ErrorStatus status = takeDrawOrderPlace(owner, entity->objectId(), wrapperId); status != Acad::eOk)
        logLine(L"绘制次序保留失败:%s", acadErrorStatusText(status));
    entity->erase(true);
}

Acad::ErrorStatus replaceByWrapper(AcDbBlockTableRecord* owner, AcDbEntity* entity, const Conversion& conversion)
{
    AcDbEntity* inner = nullptr;
    std::unique_ptr<AcDbEntity> wrapper(conversion.makeWrapper(inner));
    if (conversion.defaults != Defaults::kNone)
        wrapper->setDatabaseDefaults(entity->database());
    if (conversion.defaults == Defaults::kDatabaseAndProperties)
        copyCommonProperties(wrapper.get(), entity);
    copyEntityData(inner, entity);
    // The entity stays as it was rather than disappear with the wrapper.
    if (Acad::ErrorStatus status = owner->appendAcDbEntity(wrapper.get()); status != Acad::eOk)
        return status;
    placeAndErase(owner, entity, wrapper->objectId());
    setLockMarker(wrapper.get());
    copyCommonProperties(wrapper.get(), entity);
    carryOneColorGradient(*wrapper, *entity);
    wrapper.release()->close();
    return Acad::eOk;
}

} // namespace

bool isConvertibleClass(const AcDbEntity* entity)
{
    const AcRxClass* rxClass = entity->isA();
    if (rxClass == AcDbMline::desc())
        return true;
    return std::any_of(kConversions.begin(), kConversions.end(),
                       [rxClass](const Conversion& conversion) { return conversion.desc() == rxClass; });
}

Acad::ErrorStatus convertEntity(AcDbBlockTableRecord* owner, AcDbEntity* entity, const GGuardOption& options)
{
    const AcRxClass* rxClass = entity->isA();
    if (!isLogged(rxClass))
        logLine(L"开始处理实体类型:%s", rxClass->name());
    const Conversion* conversion = conversionFor(entity);
    if (conversion == nullptr) {
        setLockMarker(entity);
        logFinished(rxClass, L"完成处理实体类型:%s,处理方式为暂不处理");
        return Acad::eOk;
    }
    Acad::ErrorStatus status = Acad::eOk;
    if (conversion->makeWrapper == nullptr)
        status = convertBlockReference(owner, AcDbBlockReference::cast(entity), options);
    else
        status = replaceByWrapper(owner, entity, *conversion);
    logFinished(rxClass, L"完成处理实体类型:%s");
    return status;
}

AcDbText* makeTextFromAttribute(AcDbAttribute* attribute)
{
    auto* text = new AcDbText();
    copyCommonProperties(text, attribute);
    text->setHeight(attribute->height());
    text->setHorizontalMode(attribute->horizontalMode());
    text->setVerticalMode(attribute->verticalMode());
    text->setNormal(attribute->normal());
    text->setOblique(attribute->oblique());
    text->setPosition(attribute->position());
    text->setAlignmentPoint(attribute->alignmentPoint());
    text->setRotation(attribute->rotation());
    text->setTextString(attribute->textStringConst());
    text->setTextStyle(attribute->textStyle());
    text->setThickness(attribute->thickness());
    text->setWidthFactor(attribute->widthFactor());
    return text;
}

namespace {

void convertAttributeToText(AcDbBlockTableRecord* owner, AcDbBlockReference* reference, AcDbObjectId attributeId,
                            const GGuardOption& options)
{
    AcDbAttribute* attribute = nullptr;
    if (reference->openAttribute(attribute, attributeId, AcDb::kForWrite) != Acad::eOk)
        return;
    if (attribute->visibility() != AcDb::kVisible || attribute->isInvisible()) {
        attribute->close();
        return;
    }
    std::unique_ptr<AcDbText> text(makeTextFromAttribute(attribute));
    attribute->close();
    text->setLayer(reference->layerId());
    AcDbObjectId textId;
    if (owner->appendAcDbEntity(textId, text.get()) != Acad::eOk)
        return;
    text.release()->close();
    AcDbEntityPointer appended(textId, AcDb::kForWrite);
    if (appended.openStatus() == Acad::eOk)
        convertEntity(owner, appended, options);
}

} // namespace

Acad::ErrorStatus convertBlockReference(AcDbBlockTableRecord* owner, AcDbBlockReference* reference,
                                        const GGuardOption& options)
{
    AcDbObjectIdArray attributeIds;
    {
        const std::unique_ptr<AcDbObjectIterator> attributes(reference->attributeIterator());
        for (; attributes && !attributes->done(); attributes->step())
            attributeIds.append(attributes->objectId());
    }
    for (const AcDbObjectId& attributeId : attributeIds)
        convertAttributeToText(owner, reference, attributeId, options);

    auto wrapper = std::make_unique<AcDbBlockReferenceEx>();
    copyEntityData(wrapper->inner(), reference);
    if (Acad::ErrorStatus status = owner->appendAcDbEntity(wrapper.get()); status != Acad::eOk)
        return status;
    placeAndErase(owner, reference, wrapper->objectId());
    setLockMarker(wrapper.get());
    copyCommonProperties(wrapper.get(), reference);
    wrapper.release()->close();
    return Acad::eOk;
}
