#include "GEntityData.h"

#include "RecordFields.h"

namespace {
constexpr Adesk::UInt32 kEntityVersion = 1;
constexpr Adesk::UInt32 kPropertiesVersion = 2;
constexpr Adesk::UInt32 kLinetypeScaleVersion = 2;
constexpr Adesk::Boolean kSubentities = Adesk::kTrue;
} // namespace

void GEntityData::recordEntity(AcDbEntity* entity)
{
    recordObject(entity);
    className = entity->isA()->name();
    recordProperties(entity);
}

void GEntityData::recordProperties(const AcDbEntity* entity)
{
    colorIndex = entity->colorIndex();
    layerId = entity->layerId();
    lineWeight = entity->lineWeight();
    visibility = entity->visibility();
    materialId = entity->materialId();
    linetypeId = entity->linetypeId();
    linetypeScale = entity->linetypeScale();
}

void GEntityData::applyEntity(AcDbEntity* entity)
{
    applyObject(entity);
    entity->setColorIndex(colorIndex, kSubentities);
    AcDbObjectId layer;
    mapId(layer, layerId);
    if (layer.isValid())
        entity->setLayer(layer, kSubentities, false);
    entity->setLineWeight(lineWeight, kSubentities);
    entity->setVisibility(visibility, kSubentities);
    AcDbObjectId linetype;
    mapId(linetype, linetypeId);
    if (linetype.isValid())
        entity->setLinetype(linetype, kSubentities);
    entity->setLinetypeScale(linetypeScale, kSubentities);
}

Acad::ErrorStatus GEntityData::writeEntityVersion(AcDbDwgFiler* filer)
{
    if (const Acad::ErrorStatus es = writeObjectVersion(filer); es != Acad::eOk)
        return es;
    return filer->writeUInt32(entityVersion);
}

Acad::ErrorStatus GEntityData::readEntityVersion(AcDbDwgFiler* filer)
{
    if (const Acad::ErrorStatus es = readObjectVersion(filer); es != Acad::eOk)
        return es;
    return records::readVersion(filer, entityVersion, kEntityVersion);
}

Acad::ErrorStatus GEntityData::writeEntityProperties(AcDbEntity* entity, AcDbDwgFiler* filer)
{
    recordProperties(entity);
    Acad::ErrorStatus es = filer->writeUInt32(propertiesVersion);
    if (es == Acad::eOk)
        es = filer->writeUInt16(colorIndex);
    if (es == Acad::eOk)
        es = records::Hard::write(filer, layerId);
    if (es == Acad::eOk)
        es = filer->writeUInt8(static_cast<Adesk::UInt8>(lineWeight));
    if (es == Acad::eOk)
        es = filer->writeUInt8(static_cast<Adesk::UInt8>(visibility));
    if (es == Acad::eOk)
        es = records::Hard::write(filer, materialId);
    if (es == Acad::eOk)
        es = records::Hard::write(filer, linetypeId);
    if (es == Acad::eOk && propertiesVersion >= kLinetypeScaleVersion)
        es = filer->writeDouble(linetypeScale);
    return es;
}

Acad::ErrorStatus GEntityData::readEntityProperties(AcDbEntity* entity, AcDbDwgFiler* filer)
{
    if (const Acad::ErrorStatus es = records::readVersion(filer, propertiesVersion, kPropertiesVersion);
        es != Acad::eOk)
        return es;
    Acad::ErrorStatus es = filer->readUInt16(&colorIndex);
    if (es == Acad::eOk)
        es = records::Hard::read(filer, layerId);
    // The byte is signed so that the negative ByLayer, ByBlock and Default lineweights survive.
    Adesk::UInt8 weight = 0;
    if (es == Acad::eOk && (es = filer->readUInt8(&weight)) == Acad::eOk)
        lineWeight = static_cast<AcDb::LineWeight>(static_cast<Adesk::Int8>(weight));
    Adesk::UInt8 shown = 0;
    if (es == Acad::eOk && (es = filer->readUInt8(&shown)) == Acad::eOk)
        visibility = static_cast<AcDb::Visibility>(shown);
    if (es == Acad::eOk)
        es = records::Hard::read(filer, materialId);
    if (es == Acad::eOk)
        es = records::Hard::read(filer, linetypeId);
    if (es != Acad::eOk)
        return es;
    entity->setColorIndex(colorIndex, kSubentities);
    if (layerId.isValid())
        entity->setLayer(layerId, kSubentities, false);
    entity->setLineWeight(lineWeight, kSubentities);
    entity->setVisibility(visibility, kSubentities);
    if (linetypeId.isValid())
        entity->setLinetype(linetypeId, kSubentities);
    if (propertiesVersion < kLinetypeScaleVersion)
        return Acad::eOk;
    if (es = filer->readDouble(&linetypeScale); es != Acad::eOk)
        return es;
    entity->setLinetypeScale(linetypeScale, kSubentities);
    return Acad::eOk;
}
