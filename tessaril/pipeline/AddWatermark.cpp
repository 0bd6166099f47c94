#include "AddWatermark.h"

#include "DocumentWriteLock.h"
#include "ModelSpaceExtents.h"

#include "app/DiagnosticLog.h"
#include "entities/AcDbWatermark.h"

#include "acutads.h"
#include "dbobjptr.h"
#include "dbsymtb.h"
#include "sorttab.h"

#include <memory>

namespace {

constexpr double kEnlargement = 2.0;

void sendToBottom(AcDbBlockTableRecord* modelSpace, AcDbObjectId watermarkId)
{
    DocumentWriteLock lock;
    AcDbSortentsTable* sortents = nullptr;
    if (Acad::ErrorStatus status = modelSpace->getSortentsTable(sortents, AcDb::kForWrite, true); status != Acad::eOk) {
        logLine(L"水印置底失败(getSortentsTable):%s", acadErrorStatusText(status));
        return;
    }
    modelSpace->downgradeOpen();
    AcDbObjectIdArray ids;
    ids.append(watermarkId);
    const Acad::ErrorStatus moved = sortents->moveToBottom(ids);
    sortents->close();
    if (moved == Acad::eOk)
        logLine(L"水印置底成功");
    else
        logLine(L"水印置底失败:%s", acadErrorStatusText(moved));
    modelSpace->upgradeOpen();
}

} // namespace

Acad::ErrorStatus addWatermark(AcDbObjectId& watermarkId, AcDbExtentsEx& extents, const AcDbObjectIdArray& blockIds,
                               AcDbObjectId layerId, const GGuardOption& options)
{
    for (const AcDbObjectId& blockId : blockIds) {
        AcDbObjectPointer<AcDbBlockTableRecord> record(blockId, AcDb::kForWrite);
        if (record.openStatus() != Acad::eOk || !record->isLayout())
            continue;
        const ACHAR* name = nullptr;
        record->getName(name);
        logLine(L"开始加密块:%s", name);
        if (CString(name).CompareNoCase(L"*Model_Space") != 0)
            continue;

        AcDbExtents measured;
        if (measureModelSpace(measured, record) != Acad::eOk) {
            acutPrintf(L"\n计算模型空间范围出错\n");
            continue;
        }
        AcDbExtentsEx enlarged;
        enlarged.setExtents(measured.minPoint(), measured.maxPoint());
        enlarged.scaleX(kEnlargement);
        enlarged.scaleY(kEnlargement);
        extents = enlarged;

        auto watermark = std::make_unique<AcDbWatermark>();
        watermark->setLayer(layerId, true, false);
        watermark->option = options.copyright;
        watermark->extents = enlarged;
        AcDbObjectId appendedId;
        if (Acad::ErrorStatus status = record->appendAcDbEntity(appendedId, watermark.get()); status != Acad::eOk)
            return status;
        watermark.release()->close();
        watermarkId = appendedId;

        sendToBottom(record, appendedId);
        return Acad::eOk;
    }
    return Acad::eInvalidExtents;
}
