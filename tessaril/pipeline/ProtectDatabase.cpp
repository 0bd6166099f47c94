#include "ProtectDatabase.h"

#include "AddWatermark.h"
#include "BlockEntityIds.h"
#include "ConvertEntity.h"
#include "LayerStateList.h"
#include "ProtectLayer.h"

#include "app/DiagnosticLog.h"
#include "app/ErrorStatusMessage.h"

#include "acutads.h"
#include "dbobjptr.h"
#include "dbviewport.h"

#include <memory>

namespace {

// A drawing file holds at least this much per entity and in all, give or take the factor.
constexpr Adesk::UInt32 kBytesPerEntity = 60;
constexpr Adesk::UInt32 kBaseBytes = 10240;
constexpr double kSizeTolerance = 0.4;

Acad::ErrorStatus collectBlockIds(AcDbDatabase* database, AcDbObjectIdArray& ids)
{
    AcDbBlockTablePointer table(database, AcDb::kForRead);
    if (table.openStatus() != Acad::eOk)
        return table.openStatus();
    AcDbBlockTableIterator* rawIterator = nullptr;
    if (table->newIterator(rawIterator) != Acad::eOk || rawIterator == nullptr)
        return Acad::eNullHandle;
    const std::unique_ptr<AcDbBlockTableIterator> iterator(rawIterator);
    for (; !iterator->done(); iterator->step()) {
        AcDbObjectId id;
        if (iterator->getRecordId(id) == Acad::eOk)
            ids.append(id);
    }
    return Acad::eOk;
}

Acad::ErrorStatus countEntities(AcDbDatabase* database, Adesk::UInt32& count)
{
    AcDbObjectIdArray blockIds;
    if (Acad::ErrorStatus status = collectBlockIds(database, blockIds); status != Acad::eOk)
        return status;
    count = 0;
    for (const AcDbObjectId& blockId : blockIds) {
        AcDbObjectPointer<AcDbBlockTableRecord> record(blockId, AcDb::kForRead);
        if (record.openStatus() != Acad::eOk)
            continue;
        AcDbObjectIdArray entityIds;
        if (Acad::ErrorStatus status = collectEntityIds(record, entityIds); status != Acad::eOk)
            return status;
        count += static_cast<Adesk::UInt32>(entityIds.length());
    }
    return Acad::eOk;
}

bool isSizePlausible(Adesk::UInt32 count, Adesk::UInt32 fileSize)
{
    const Adesk::UInt32 basis = count * kBytesPerEntity + kBaseBytes;
    if (static_cast<double>(fileSize) >= kSizeTolerance * static_cast<double>(basis))
        return true;
    acutPrintf(L"\n文件大小校验异常\n");
    logLine(L"文件大小校验异常,实体数量:%d,文件大小:%.2fKB", static_cast<int>(count), fileSize / 1024.0);
    return false;
}

bool isReferenced(const AcDbBlockTableRecord* record)
{
    AcDbObjectIdArray references;
    return record->getBlockReferenceIds(references, true, false) == Acad::eOk && references.length() > 0;
}

void convertLayouts(const AcDbObjectIdArray& blockIds, const GGuardOption& options)
{
    for (const AcDbObjectId& blockId : blockIds) {
        AcDbObjectPointer<AcDbBlockTableRecord> record(blockId, AcDb::kForWrite);
        if (record.openStatus() != Acad::eOk || !record->isLayout())
            continue;
        const ACHAR* name = nullptr;
        record->getName(name);
        logLine(L"开始加密块:%s", name);
        convertBlockEntities(record, options);
        logLine(L"完成加密块:%s", name);
    }
}

} // namespace

Acad::ErrorStatus convertBlockEntities(AcDbBlockTableRecord* record, const GGuardOption& options)
{
    if (record == nullptr)
        return Acad::eNullHandle;
    AcDbObjectIdArray ids;
    if (Acad::ErrorStatus status = collectEntityIds(record, ids); status != Acad::eOk)
        return status;
    for (const AcDbObjectId& id : ids) {
        AcDbEntityPointer entity(id, AcDb::kForWrite);
        if (entity.openStatus() != Acad::eOk)
            continue;
        if (entity->visibility() != AcDb::kVisible || entity->isKindOf(AcDbViewport::desc()) ||
            !isConvertibleClass(entity) || !isKindSelected(entity, options.kindFlags))
            continue;
        convertEntity(record, entity, options);
    }
    return Acad::eOk;
}

void convertBlockDefinitions(const AcDbObjectIdArray& blockIds, const GGuardOption& options)
{
    for (const AcDbObjectId& blockId : blockIds) {
        AcDbObjectPointer<AcDbBlockTableRecord> record(blockId, AcDb::kForWrite);
        if (record.openStatus() != Acad::eOk || record->isLayout())
            continue;
        const ACHAR* name = nullptr;
        record->getName(name);
        if (record->isAnonymous()) {
            logLine(L"匿名块:%s，考虑其他软件或CAD自身特殊应用不加密", name);
            continue;
        }
        if (!options.kindFlags.unusedBlockDefinitions && !isReferenced(record))
            continue;
        logLine(L"开始加密块:%s", name);
        convertBlockEntities(record, options);
        logLine(L"完成加密块:%s", name);
    }
}

Acad::ErrorStatus protectDatabase(AcDbDatabase* database, Adesk::UInt32 fileSize, const GGuardOption& options)
{
    Adesk::UInt32 count = 0;
    if (Acad::ErrorStatus status = countEntities(database, count); status != Acad::eOk)
        return status;
    if (!isSizePlausible(count, fileSize))
        return Acad::eInvalidInput;

    LayerStateList layers;
    if (Acad::ErrorStatus status = layers.unlockAndThaw(database); status != Acad::eOk)
        return status;
    AcDbObjectId layerId;
    if (Acad::ErrorStatus status = ensureProtectLayer(database, layerId); status != Acad::eOk)
        return status;
    // The watermark's layer keeps its repaired state: locking or freezing it again would hide the watermark.
    layers.forget(layerId);

    AcDbObjectIdArray blockIds;
    if (Acad::ErrorStatus status = collectBlockIds(database, blockIds); status != Acad::eOk) {
        layers.restore();
        return status;
    }
    AcDbObjectId watermarkId;
    AcDbExtentsEx watermarkExtents;
    if (Acad::ErrorStatus status = addWatermark(watermarkId, watermarkExtents, blockIds, layerId, options);
        status != Acad::eOk) {
        logLine(L"计算模型空间范围，增加水印失败:%s", errorStatusMessage(status));
        layers.restore();
        return status;
    }
    if (options.kindFlags.blockDefinitions)
        convertBlockDefinitions(blockIds, options);
    convertLayouts(blockIds, options);
    layers.restore();
    return Acad::eOk;
}
