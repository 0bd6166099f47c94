#include "ModelSpaceExtents.h"

#include "BlockEntityIds.h"

#include "acutads.h"
#include "dbmtext.h"
#include "dbobjptr.h"
#include "dbtext.h"

namespace {

bool isEmptyText(const AcDbEntity* entity)
{
    if (const AcDbText* text = AcDbText::cast(entity))
        return text->textStringConst() == nullptr || *text->textStringConst() == L'\0';
    if (const AcDbMText* mtext = AcDbMText::cast(entity)) {
        ACHAR* contents = mtext->contents();
        const bool empty = contents == nullptr || *contents == L'\0';
        acutDelString(contents);
        return empty;
    }
    return false;
}

Acad::ErrorStatus entityExtents(const AcDbEntity* entity, AcDbExtents& extents)
{
    if (const AcDbBlockReference* reference = AcDbBlockReference::cast(entity))
        return measureBlockReference(extents, reference);
    return entity->getGeomExtents(extents);
}

} // namespace

Acad::ErrorStatus measureModelSpace(AcDbExtents& extents, const AcDbBlockTableRecord* modelSpace)
{
    if (modelSpace == nullptr)
        return Acad::eNullHandle;
    AcDbObjectIdArray ids;
    if (Acad::ErrorStatus status = collectEntityIds(modelSpace, ids); status != Acad::eOk)
        return status;
    bool contributed = false;
    AcDbExtents total;
    for (const AcDbObjectId& id : ids) {
        AcDbEntityPointer entity(id, AcDb::kForRead);
        if (entity.openStatus() != Acad::eOk || isEmptyText(entity))
            continue;
        AcDbExtents part;
        if (entityExtents(entity, part) != Acad::eOk)
            continue;
        total.addExt(part);
        contributed = true;
    }
    if (!contributed)
        return Acad::eInvalidExtents;
    extents = total;
    return Acad::eOk;
}

Acad::ErrorStatus measureBlockReference(AcDbExtents& extents, const AcDbBlockReference* reference)
{
    if (reference == nullptr)
        return Acad::eNullHandle;
    AcDbObjectPointer<AcDbBlockTableRecord> block(reference->blockTableRecord(), AcDb::kForRead);
    if (block.openStatus() != Acad::eOk)
        return block.openStatus();
    AcDbObjectIdArray ids;
    if (Acad::ErrorStatus status = collectEntityIds(block, ids); status != Acad::eOk)
        return status;
    block.close();
    AcDbExtents total;
    for (const AcDbObjectId& id : ids) {
        AcDbEntityPointer entity(id, AcDb::kForRead);
        if (entity.openStatus() != Acad::eOk)
            continue;
        AcDbExtents part;
        if (entityExtents(entity, part) == Acad::eOk)
            total.addExt(part);
    }
    if (total.isEmpty())
        return Acad::eInvalidExtents;
    total.transformBy(reference->blockTransform());
    extents = total;
    return Acad::eOk;
}
