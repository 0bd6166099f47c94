#include "BlockEntityIds.h"

#include <memory>

Acad::ErrorStatus collectEntityIds(const AcDbBlockTableRecord* record, AcDbObjectIdArray& ids)
{
    AcDbBlockTableRecordIterator* rawIterator = nullptr;
    if (Acad::ErrorStatus status = record->newIterator(rawIterator); status != Acad::eOk)
        return status;
    if (rawIterator == nullptr)
        return Acad::eNullHandle;
    const std::unique_ptr<AcDbBlockTableRecordIterator> iterator(rawIterator);
    for (; !iterator->done(); iterator->step()) {
        AcDbObjectId id;
        if (iterator->getEntityId(id) == Acad::eOk)
            ids.append(id);
    }
    return Acad::eOk;
}
