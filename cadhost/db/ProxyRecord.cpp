#include "ProxyRecord.h"

#include "dbproxy.h"

namespace cadhost {
ClassEntry classEntryOf(const AcDbObject* object)
{
    if (const AcDbProxyObject* proxy = AcDbProxyObject::cast(object))
        return proxy->record().classEntry;
    if (const AcDbProxyEntity* proxy = AcDbProxyEntity::cast(object))
        return proxy->record().classEntry;
    const AcRxClass* rxClass = object->isA();
    ClassEntry entry;
    entry.name = rxClass->name();
    entry.dxfName = rxClass->dxfName();
    entry.appName = rxClass->appName();
    entry.parentName = rxClass->myParent() != nullptr ? rxClass->myParent()->name() : rxClass->parentName();
    entry.proxyFlags = rxClass->proxyFlags();
    entry.isEntity = rxClass->isDerivedFrom(AcDbEntity::desc());
    return entry;
}

bool ProxyRecord::slotsAreSound() const
{
    std::size_t next = 0;
    for (const IdSlot& slot : slots) {
        if (slot.offset < next || static_cast<std::size_t>(slot.offset) + kIdBytes > fields.size() ||
            static_cast<Adesk::UInt8>(slot.kind) >= kIdKindCount)
            return false;
        next = slot.offset + kIdBytes;
    }
    return true;
}

void ProxyRecord::copyLayoutFrom(const ProxyRecord& other)
{
    classEntry = other.classEntry;
    fields = other.fields;
    slots = other.slots;
    ids.assign(other.slots.size(), AcDbObjectId::kNull);
    liveLength = other.liveLength;
    graphics = other.graphics;
}

namespace {
Acad::ErrorStatus fileId(AcDbDwgFiler* filer, IdKind kind, AcDbObjectId& id, bool writing)
{
    switch (kind) {
    case IdKind::kHardOwnership: {
        if (writing)
            return filer->writeHardOwnershipId(id);
        AcDbHardOwnershipId read;
        Acad::ErrorStatus status = filer->readHardOwnershipId(&read);
        id = read;
        return status;
    }
    case IdKind::kSoftOwnership: {
        if (writing)
            return filer->writeSoftOwnershipId(id);
        AcDbSoftOwnershipId read;
        Acad::ErrorStatus status = filer->readSoftOwnershipId(&read);
        id = read;
        return status;
    }
    case IdKind::kHardPointer: {
        if (writing)
            return filer->writeHardPointerId(id);
        AcDbHardPointerId read;
        Acad::ErrorStatus status = filer->readHardPointerId(&read);
        id = read;
        return status;
    }
    default: {
        if (writing)
            return filer->writeSoftPointerId(id);
        AcDbSoftPointerId read;
        Acad::ErrorStatus status = filer->readSoftPointerId(&read);
        id = read;
        return status;
    }
    }
}

// Walks the stored part: the bytes between id slots move as blocks, the ids through the filer.
Acad::ErrorStatus walkStored(AcDbDwgFiler* filer, ProxyRecord& record, bool writing)
{
    if (record.fields.empty())
        return Acad::eOk;
    std::size_t position = record.liveLength;
    record.ids.resize(record.slots.size());
    for (std::size_t index = 0; index < record.slots.size(); ++index) {
        const IdSlot& slot = record.slots[index];
        if (slot.offset < record.liveLength)
            continue;
        std::size_t gap = slot.offset - position;
        Acad::ErrorStatus status = writing ? filer->writeBytes(record.fields.data() + position, gap)
                                           : filer->readBytes(record.fields.data() + position, gap);
        if (status == Acad::eOk)
            status = fileId(filer, slot.kind, record.ids[index], writing);
        if (status != Acad::eOk)
            return status;
        position = slot.offset + kIdBytes;
    }
    std::size_t tail = record.fields.size() - position;
    return writing ? filer->writeBytes(record.fields.data() + position, tail)
                   : filer->readBytes(record.fields.data() + position, tail);
}
} // namespace

Acad::ErrorStatus readProxyFields(AcDbDwgFiler* filer, ProxyRecord& record, std::size_t liveLength)
{
    if (liveLength > record.fields.size() || !record.slotsAreSound())
        return Acad::eDwgObjectImproperlyRead;
    for (const IdSlot& slot : record.slots) {
        if (slot.offset < liveLength && slot.offset + kIdBytes > liveLength)
            return Acad::eDwgObjectImproperlyRead;
    }
    record.liveLength = liveLength;
    return walkStored(filer, record, false);
}

Acad::ErrorStatus writeProxyFields(AcDbDwgFiler* filer, const ProxyRecord& record)
{
    return walkStored(filer, const_cast<ProxyRecord&>(record), true);
}

namespace {
ProxyGraphicsHooks& hooks()
{
    static ProxyGraphicsHooks installed;
    return installed;
}
} // namespace

void setProxyGraphicsHooks(const ProxyGraphicsHooks& replacement)
{
    hooks() = replacement;
}

const ProxyGraphicsHooks& proxyGraphicsHooks()
{
    return hooks();
}
} // namespace cadhost
