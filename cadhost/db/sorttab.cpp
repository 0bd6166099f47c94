#include "sorttab.h"

#include "DwgBufferFiler.h"
#include "FieldIo.h"
#include "dbimpobject.h"
#include "dbsymtb.h"

#include <algorithm>
#include <vector>

Acad::ErrorStatus AcDbSortentsTable::getSortHandle(AcDbObjectId entityId, AcDbHandle& sortHandle) const
{
    assertReadEnabled();
    if (entityId.isNull())
        return Acad::eNullObjectId;
    auto found = m_sortHandles.find(entityId);
    sortHandle = found != m_sortHandles.end() ? found->second : entityId.handle();
    return Acad::eOk;
}

Acad::ErrorStatus AcDbSortentsTable::getFullDrawOrder(AcDbObjectIdArray& entityIds, Adesk::UInt8) const
{
    assertReadEnabled();
    entityIds.removeAll();
    const AcDbBlockTableRecord* block = peekObject<AcDbBlockTableRecord>(m_blockId);
    if (block == nullptr)
        return Acad::eInvalidOwnerObject;
    std::vector<std::pair<AcDbHandle, AcDbObjectId>> order;
    for (const AcDbObjectId& id : block->entityIds()) {
        AcDbHandle sortHandle;
        getSortHandle(id, sortHandle);
        order.emplace_back(sortHandle, id);
    }
    std::stable_sort(order.begin(), order.end(),
                     [](const auto& first, const auto& second) { return first.first < second.first; });
    for (const auto& [sortHandle, id] : order)
        entityIds.append(id);
    return Acad::eOk;
}

Acad::ErrorStatus AcDbSortentsTable::checkMembers(const AcDbObjectIdArray& entityIds) const
{
    if (!isWriteEnabled())
        return Acad::eNotOpenForWrite;
    for (const AcDbObjectId& id : entityIds) {
        const AcDbEntity* entity = peekObject<AcDbEntity>(id);
        if (entity == nullptr || entity->isErased() || entity->ownerId() != m_blockId)
            return Acad::eInvalidInput;
    }
    return Acad::eOk;
}

Acad::ErrorStatus AcDbSortentsTable::applyDrawOrder(const AcDbObjectIdArray& drawOrder)
{
    std::vector<AcDbHandle> handles;
    for (const AcDbObjectId& id : drawOrder) {
        AcDbHandle sortHandle;
        getSortHandle(id, sortHandle);
        handles.push_back(sortHandle);
    }
    std::sort(handles.begin(), handles.end());
    for (int index = 0; index < drawOrder.length(); ++index) {
        const AcDbObjectId& id = drawOrder[index];
        if (handles[static_cast<std::size_t>(index)] == id.handle())
            m_sortHandles.erase(id);
        else
            m_sortHandles[id] = handles[static_cast<std::size_t>(index)];
    }
    assertWriteEnabled();
    return Acad::eOk;
}

namespace {
// The draw order with the moved entities taken out, and the moved ones in their draw order.
void splitOrder(const AcDbObjectIdArray& full, const AcDbObjectIdArray& moved, AcDbObjectIdArray& rest,
                AcDbObjectIdArray& movedInOrder)
{
    for (const AcDbObjectId& id : full) {
        if (moved.contains(id))
            movedInOrder.append(id);
        else
            rest.append(id);
    }
}
} // namespace

Acad::ErrorStatus AcDbSortentsTable::moveToBottom(const AcDbObjectIdArray& entityIds)
{
    if (Acad::ErrorStatus status = checkMembers(entityIds); status != Acad::eOk)
        return status;
    AcDbObjectIdArray full;
    getFullDrawOrder(full);
    AcDbObjectIdArray rest;
    AcDbObjectIdArray moved;
    splitOrder(full, entityIds, rest, moved);
    return applyDrawOrder(moved.append(rest));
}

Acad::ErrorStatus AcDbSortentsTable::moveToTop(const AcDbObjectIdArray& entityIds)
{
    if (Acad::ErrorStatus status = checkMembers(entityIds); status != Acad::eOk)
        return status;
    AcDbObjectIdArray full;
    getFullDrawOrder(full);
    AcDbObjectIdArray rest;
    AcDbObjectIdArray moved;
    splitOrder(full, entityIds, rest, moved);
    return applyDrawOrder(rest.append(moved));
}

Acad::ErrorStatus AcDbSortentsTable::moveBelow(const AcDbObjectIdArray& entityIds, AcDbObjectId targetId)
{
    AcDbObjectIdArray withTarget = entityIds;
    withTarget.append(targetId);
    if (Acad::ErrorStatus status = checkMembers(withTarget); status != Acad::eOk)
        return status;
    if (entityIds.contains(targetId))
        return Acad::eInvalidInput;
    AcDbObjectIdArray full;
    getFullDrawOrder(full);
    AcDbObjectIdArray rest;
    AcDbObjectIdArray moved;
    splitOrder(full, entityIds, rest, moved);
    AcDbObjectIdArray order;
    for (const AcDbObjectId& id : rest) {
        if (id == targetId)
            order.append(moved);
        order.append(id);
    }
    return applyDrawOrder(order);
}

Acad::ErrorStatus AcDbSortentsTable::moveAbove(const AcDbObjectIdArray& entityIds, AcDbObjectId targetId)
{
    AcDbObjectIdArray withTarget = entityIds;
    withTarget.append(targetId);
    if (Acad::ErrorStatus status = checkMembers(withTarget); status != Acad::eOk)
        return status;
    if (entityIds.contains(targetId))
        return Acad::eInvalidInput;
    AcDbObjectIdArray full;
    getFullDrawOrder(full);
    AcDbObjectIdArray rest;
    AcDbObjectIdArray moved;
    splitOrder(full, entityIds, rest, moved);
    AcDbObjectIdArray order;
    for (const AcDbObjectId& id : rest) {
        order.append(id);
        if (id == targetId)
            order.append(moved);
    }
    return applyDrawOrder(order);
}

Acad::ErrorStatus AcDbSortentsTable::swapOrder(AcDbObjectId firstId, AcDbObjectId secondId)
{
    AcDbObjectIdArray pair;
    pair.append(firstId);
    pair.append(secondId);
    if (Acad::ErrorStatus status = checkMembers(pair); status != Acad::eOk)
        return status;
    AcDbHandle first;
    AcDbHandle second;
    getSortHandle(firstId, first);
    getSortHandle(secondId, second);
    // Exchanging the two sort handles exchanges the two places and leaves every other one as it was.
    const auto give = [this](AcDbObjectId id, AcDbHandle sortHandle) {
        if (sortHandle == id.handle())
            m_sortHandles.erase(id);
        else
            m_sortHandles[id] = sortHandle;
    };
    assertWriteEnabled();
    give(firstId, second);
    give(secondId, first);
    return Acad::eOk;
}

AcDbObjectId AcDbSortentsTable::blockId() const
{
    assertReadEnabled();
    return m_blockId;
}

Acad::ErrorStatus AcDbSortentsTable::setBlockId(AcDbObjectId blockId)
{
    assertWriteEnabled();
    m_blockId = blockId;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbSortentsTable::dwgOutFields(AcDbDwgFiler* filer) const
{
    if (Acad::ErrorStatus status = AcDbObject::dwgOutFields(filer); status != Acad::eOk)
        return status;
    cadhost::FieldIo io(filer, cadhost::FieldIo::kOut);
    AcDbObjectId block = m_blockId;
    io.softPointer(block);
    std::vector<std::pair<AcDbObjectId, AcDbHandle>> live;
    for (const auto& [id, handle] : m_sortHandles) {
        if (id.isValid() && !id.isErased())
            live.emplace_back(id, handle);
    }
    // Stored in handle order so that a drawing saves the same bytes whatever the ids' addresses.
    std::sort(live.begin(), live.end(),
              [](const auto& first, const auto& second) { return first.first.handle() < second.first.handle(); });
    auto count = static_cast<Adesk::UInt32>(live.size());
    io(count);
    for (auto& [id, handle] : live) {
        Adesk::UInt64 value = handle.value();
        io.softPointer(id)(value);
    }
    return io.status();
}

Acad::ErrorStatus AcDbSortentsTable::dwgInFields(AcDbDwgFiler* filer)
{
    if (Acad::ErrorStatus status = AcDbObject::dwgInFields(filer); status != Acad::eOk)
        return status;
    cadhost::FieldIo io(filer, cadhost::FieldIo::kIn);
    io.softPointer(m_blockId);
    Adesk::UInt32 count = 0;
    io.count(count, cadhost::kIdBytes + sizeof(Adesk::UInt64));
    m_sortHandles.clear();
    for (Adesk::UInt32 index = 0; index < count && io.ok(); ++index) {
        AcDbObjectId id;
        Adesk::UInt64 value = 0;
        io.softPointer(id)(value);
        if (io.ok() && !id.isNull())
            m_sortHandles[id] = AcDbHandle(value);
    }
    return io.status();
}
