// The draw-order table of a block. Every entity draws in the order of its sort handle, which is its
// own handle unless the table gives it another; moving entities exchanges sort handles among them.
#pragma once

#include "dbmain.h"

#include <map>

class CADHOST_EXPORT AcDbSortentsTable : public AcDbObject {
public:
    ACRX_DECLARE_MEMBERS(AcDbSortentsTable);
    AcDbSortentsTable() = default;

    Acad::ErrorStatus getSortHandle(AcDbObjectId entityId, AcDbHandle& sortHandle) const;
    // The block's entities from the first drawn (bottom) to the last drawn (top).
    Acad::ErrorStatus getFullDrawOrder(AcDbObjectIdArray& entityIds, Adesk::UInt8 honorSortentsMask = 0) const;
    Acad::ErrorStatus moveToBottom(const AcDbObjectIdArray& entityIds);
    Acad::ErrorStatus moveToTop(const AcDbObjectIdArray& entityIds);
    Acad::ErrorStatus moveBelow(const AcDbObjectIdArray& entityIds, AcDbObjectId targetId);
    Acad::ErrorStatus moveAbove(const AcDbObjectIdArray& entityIds, AcDbObjectId targetId);
    Acad::ErrorStatus swapOrder(AcDbObjectId firstId, AcDbObjectId secondId);
    AcDbObjectId blockId() const;
    Acad::ErrorStatus setBlockId(AcDbObjectId blockId);

    Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer) override;
    Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const override;

private:
    // Reorders the block's entities to the given draw order by handing out their sort handles again.
    Acad::ErrorStatus applyDrawOrder(const AcDbObjectIdArray& drawOrder);
    Acad::ErrorStatus checkMembers(const AcDbObjectIdArray& entityIds) const;

    AcDbObjectId m_blockId;
    std::map<AcDbObjectId, AcDbHandle> m_sortHandles;
};
