#include "DrawOrderPlace.h"

#include "sorttab.h"

Acad::ErrorStatus takeDrawOrderPlace(AcDbBlockTableRecord* owner, AcDbObjectId replacedId, AcDbObjectId replacementId)
{
    AcDbSortentsTable* sortents = nullptr;
    if (Acad::ErrorStatus status = owner->getSortentsTable(sortents, AcDb::kForWrite, true); status != Acad::eOk)
        return status;
    const Acad::ErrorStatus swapped = sortents->swapOrder(replacedId, replacementId);
    sortents->close();
    return swapped;
}
