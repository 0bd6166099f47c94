#include "ProtectLayer.h"

#include "dbobjptr.h"
#include "dbsymtb.h"

#include <memory>

AcDbObjectId ProtectLayerId;

namespace {

bool inWorkingState(const AcDbLayerTableRecord* layer, AcDbObjectId continuous)
{
    return !layer->isLocked() && !layer->isFrozen() && !layer->isOff() && layer->isPlottable() && !layer->VPDFLT() &&
           layer->linetypeObjectId() == continuous;
}

void setWorkingState(AcDbLayerTableRecord* layer, AcDbObjectId continuous)
{
    layer->setIsLocked(false);
    layer->setIsFrozen(false);
    layer->setIsOff(false);
    layer->setIsPlottable(true);
    layer->setVPDFLT(false);
    layer->setLinetypeObjectId(continuous);
}

Acad::ErrorStatus repairLayer(AcDbObjectId layerId, AcDbObjectId continuous)
{
    AcDbObjectPointer<AcDbLayerTableRecord> layer(layerId, AcDb::kForRead);
    if (layer.openStatus() != Acad::eOk)
        return layer.openStatus();
    if (inWorkingState(layer, continuous))
        return Acad::eOk;
    if (Acad::ErrorStatus status = layer->upgradeOpen(); status != Acad::eOk)
        return status;
    setWorkingState(layer, continuous);
    return Acad::eOk;
}

} // namespace

Acad::ErrorStatus ensureProtectLayer(AcDbDatabase* database, AcDbObjectId& layerId)
{
    const AcDbObjectId continuous = database->continuousLinetype();
    AcDbLayerTablePointer table(database, AcDb::kForRead);
    if (table.openStatus() != Acad::eOk)
        return table.openStatus();
    if (table->has(kProtectLayerName)) {
        table->getAt(kProtectLayerName, layerId);
        table.close();
        ProtectLayerId = layerId;
        return repairLayer(layerId, continuous);
    }
    if (Acad::ErrorStatus status = table->upgradeOpen(); status != Acad::eOk)
        return status;
    auto layer = std::make_unique<AcDbLayerTableRecord>();
    layer->setName(kProtectLayerName);
    AcCmColor white;
    white.setColorIndex(7);
    layer->setColor(white);
    setWorkingState(layer.get(), continuous);
    if (Acad::ErrorStatus status = table->add(layerId, layer.get()); status != Acad::eOk)
        return status;
    layer.release()->close();
    ProtectLayerId = layerId;
    return Acad::eOk;
}
