#include "giregen.h"

#include "dblayout.h"
#include "dbobjptr.h"
#include "dbviewport.h"
#include "sorttab.h"

namespace {
AcDbObjectIdArray drawOrder(AcDbObjectId blockId, Acad::ErrorStatus& status)
{
    AcDbObjectIdArray ids;
    AcDbObjectPointer<AcDbBlockTableRecord> block(blockId, AcDb::kForRead);
    status = block.openStatus();
    if (status != Acad::eOk)
        return ids;
    AcDbSortentsTable* sortents = nullptr;
    if (block->getSortentsTable(sortents, AcDb::kForRead, false) == Acad::eOk) {
        const Acad::ErrorStatus ordered = sortents->getFullDrawOrder(ids);
        sortents->close();
        if (ordered == Acad::eOk)
            return ids;
    }
    return block->entityIds();
}

void setWindow(AcGiRecording& recording, const AcGePoint2d& min, const AcGePoint2d& max)
{
    if (!recording.plotGeneration && !recording.psOut)
        return;
    recording.hasWindow = true;
    recording.windowMin = min;
    recording.windowMax = max;
}
} // namespace

Acad::ErrorStatus acgiDrawBlock(AcGiRecorder& recorder, AcDbObjectId blockId)
{
    Acad::ErrorStatus status = Acad::eOk;
    const AcDbObjectIdArray ids = drawOrder(blockId, status);
    if (status != Acad::eOk)
        return status;
    for (int i = 0; i < ids.length(); ++i) {
        AcDbEntityPointer entity(ids[i], AcDb::kForRead);
        if (entity.openStatus() == Acad::eOk)
            recorder.draw(entity.object());
    }
    return Acad::eOk;
}

Acad::ErrorStatus acgiRegenModelSpace(AcDbDatabase* database, const AcGePoint3d& viewMin, const AcGePoint3d& viewMax,
                                      AcGiRecording& recording)
{
    if (database == nullptr)
        return Acad::eNullObjectPointer;
    setWindow(recording, AcGePoint2d(viewMin.x, viewMin.y), AcGePoint2d(viewMax.x, viewMax.y));
    AcGiRecorder recorder(recording, database);
    AcGiViewportSpec view;
    view.id = static_cast<Adesk::ULongPtr>(database->modelSpaceId().asOldId());
    view.target = viewMin + (viewMax - viewMin) / 2.0;
    view.clipMin = AcGePoint2d(viewMin.x, viewMin.y);
    view.clipMax = AcGePoint2d(viewMax.x, viewMax.y);
    recorder.beginViewport(view);
    return acgiDrawBlock(recorder, database->modelSpaceId());
}

Acad::ErrorStatus acgiRegenLayout(AcDbDatabase* database, AcDbObjectId layoutId, AcGiRecording& recording)
{
    if (database == nullptr)
        return Acad::eNullObjectPointer;
    AcDbObjectId blockId;
    AcDbObjectIdArray viewportIds;
    {
        AcDbObjectPointer<AcDbLayout> layout(layoutId, AcDb::kForRead);
        if (layout.openStatus() != Acad::eOk)
            return layout.openStatus();
        blockId = layout->getBlockTableRecordId();
        viewportIds = layout->getViewportArray();
    }
    AcGiRecorder recorder(recording, database);
    AcGiViewportSpec sheet;
    sheet.id = static_cast<Adesk::ULongPtr>(blockId.asOldId());
    if (!viewportIds.isEmpty()) {
        AcDbObjectPointer<AcDbViewport> overall(viewportIds[0], AcDb::kForRead);
        if (overall.openStatus() == Acad::eOk) {
            const AcGePoint3d center = overall->centerPoint();
            sheet.id = static_cast<Adesk::ULongPtr>(viewportIds[0].asOldId());
            sheet.target = center;
            sheet.clipMin = AcGePoint2d(center.x - overall->width() / 2, center.y - overall->height() / 2);
            sheet.clipMax = AcGePoint2d(center.x + overall->width() / 2, center.y + overall->height() / 2);
            setWindow(recording, sheet.clipMin, sheet.clipMax);
        }
    }
    recorder.beginViewport(sheet);
    const Acad::ErrorStatus status = acgiDrawBlock(recorder, blockId);
    if (status != Acad::eOk)
        return status;

    for (int i = 1; i < viewportIds.length(); ++i) {
        AcGiViewportSpec floating;
        {
            AcDbObjectPointer<AcDbViewport> viewport(viewportIds[i], AcDb::kForRead);
            if (viewport.openStatus() != Acad::eOk || !viewport->isOn() || viewport->viewHeight() <= 0.0 ||
                viewport->height() <= 0.0)
                continue;
            const AcGePoint3d center = viewport->centerPoint();
            const AcGePoint3d viewCenter(viewport->viewCenter().x, viewport->viewCenter().y, 0.0);
            floating.id = static_cast<Adesk::ULongPtr>(viewportIds[i].asOldId());
            floating.modelToOutput = AcGeMatrix3d::translation(center.asVector()) *
                                     AcGeMatrix3d::scaling(viewport->height() / viewport->viewHeight()) *
                                     AcGeMatrix3d::translation(-viewCenter.asVector());
            floating.target = viewCenter;
            floating.clipped = true;
            floating.clipMin = AcGePoint2d(center.x - viewport->width() / 2, center.y - viewport->height() / 2);
            floating.clipMax = AcGePoint2d(center.x + viewport->width() / 2, center.y + viewport->height() / 2);
        }
        recorder.beginViewport(floating);
        acgiDrawBlock(recorder, database->modelSpaceId());
    }
    return Acad::eOk;
}
