#include "LayerStateList.h"

#include "dbobjptr.h"
#include "dbsymtb.h"

#include <memory>

Acad::ErrorStatus LayerStateList::unlockAndThaw(AcDbDatabase* database)
{
    AcDbLayerTablePointer table(database, AcDb::kForRead);
    if (table.openStatus() != Acad::eOk)
        return table.openStatus();
    AcDbLayerTableIterator* rawIterator = nullptr;
    if (Acad::ErrorStatus status = table->newIterator(rawIterator); status != Acad::eOk)
        return status;
    const std::unique_ptr<AcDbLayerTableIterator> iterator(rawIterator);
    for (; !iterator->done(); iterator->step()) {
        AcDbObjectId layerId;
        if (iterator->getRecordId(layerId) != Acad::eOk)
            continue;
        AcDbObjectPointer<AcDbLayerTableRecord> layer(layerId, AcDb::kForRead);
        if (layer.openStatus() != Acad::eOk)
            continue;
        const bool locked = layer->isLocked();
        const bool frozen = layer->isFrozen();
        if (!locked && !frozen)
            continue;
        if (layer->upgradeOpen() != Acad::eOk)
            continue;
        layer->setIsLocked(false);
        layer->setIsFrozen(false);
        m_entries.push_back({layerId, locked, frozen});
    }
    return Acad::eOk;
}

void LayerStateList::forget(AcDbObjectId layerId)
{
    std::erase_if(m_entries, [layerId](const Entry& entry) { return entry.layerId == layerId; });
}

void LayerStateList::restore()
{
    for (const Entry& entry : m_entries) {
        AcDbObjectPointer<AcDbLayerTableRecord> layer(entry.layerId, AcDb::kForWrite);
        if (layer.openStatus() != Acad::eOk)
            continue;
        layer->setIsLocked(entry.wasLocked);
        layer->setIsFrozen(entry.wasFrozen);
    }
}
