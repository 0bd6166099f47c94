// Deep clone and wblock clone: an object is copied by filing it out and into a new object of its
// class; the objects it owns are copied with it; afterwards the ids inside every copy are
// translated through the id mapping. A wblock clone also brings the symbol table records it
// points at into the destination database, or finds records of the same name there.
#include "DwgBufferFiler.h"
#include "ProxyRecord.h"
#include "SymbolName.h"
#include "dbdict.h"
#include "dbimpdatabase.h"
#include "dbimpobject.h"
#include "dbproxy.h"
#include "dbsymtb.h"

#include <deque>
#include <string>

namespace cadhost {
namespace {
AcDbObject* newObjectLike(const AcDbObject* source)
{
    if (const AcDbProxyObject* proxy = AcDbProxyObject::cast(source)) {
        auto* copy = new AcDbProxyObject();
        copy->record().copyLayoutFrom(proxy->record());
        return copy;
    }
    if (const AcDbProxyEntity* proxy = AcDbProxyEntity::cast(source)) {
        auto* copy = new AcDbProxyEntity();
        copy->record().copyLayoutFrom(proxy->record());
        return copy;
    }
    AcRxObject* created = source->isA() != nullptr ? source->isA()->create() : nullptr;
    auto* object = AcDbObject::cast(created);
    if (object == nullptr)
        delete created;
    return object;
}

// A new object, in no database, with the source's fields and extended data; ids are kept as they are.
AcDbObject* copyFields(const AcDbObject* source, AcDb::FilerType type)
{
    AcDbObject* target = newObjectLike(source);
    if (target == nullptr)
        return nullptr;
    MemoryIdCodec codec;
    DwgBufferFiler out(type, &codec);
    DwgBufferFiler in(type, &codec);
    if (source->dwgOutFields(&out) == Acad::eOk) {
        in.startReading(out.bytes().data(), out.bytes().size());
        if (target->dwgInFields(&in) == Acad::eOk) {
            target->imp()->xdata.copyFrom(source->imp()->xdata);
            return target;
        }
    }
    delete target;
    return nullptr;
}

void markClosed(AcDbObject* object)
{
    object->imp()->writeOpen = false;
    object->imp()->isNew = false;
}

// Ids of the source become the ids of their clones; the others stay (same database) or become null.
class TranslatingCodec : public IdCodec {
public:
    TranslatingCodec(const AcDbIdMapping& mapping, bool keepUnmapped) : m_mapping(mapping), m_keep(keepUnmapped) {}
    Adesk::UInt64 encode(const AcDbObjectId& id) const override { return static_cast<Adesk::UInt64>(id.asOldId()); }
    AcDbObjectId decode(Adesk::UInt64 value, IdKind) const override
    {
        AcDbObjectId id;
        id.setFromOldId(static_cast<Adesk::IntPtr>(value));
        return translated(id);
    }
    AcDbObjectId translated(const AcDbObjectId& id) const
    {
        AcDbIdPair pair(id, AcDbObjectId::kNull, false);
        if (m_mapping.compute(pair) && !pair.value().isNull())
            return pair.value();
        return m_keep ? id : AcDbObjectId::kNull;
    }

private:
    const AcDbIdMapping& m_mapping;
    bool m_keep;
};

void translateClone(AcDbObject* clone, const AcDbIdMapping& mapping, bool keepUnmapped)
{
    MemoryIdCodec memory;
    TranslatingCodec translating(mapping, keepUnmapped);
    DwgBufferFiler out(AcDb::kIdXlateFiler, &memory);
    if (clone->dwgOutFields(&out) != Acad::eOk)
        return;
    DwgBufferFiler in(AcDb::kIdXlateFiler, &translating);
    in.startReading(out.bytes().data(), out.bytes().size());
    AcDbImpObject* imp = clone->imp();
    bool wasOpen = imp->writeOpen;
    imp->writeOpen = true;
    clone->dwgInFields(&in);
    imp->writeOpen = wasOpen;
    AcDbIdPair owner(imp->ownerId, AcDbObjectId::kNull, false);
    if (mapping.compute(owner) && !owner.value().isNull())
        imp->ownerId = owner.value();
}

void translateAll(const AcDbIdMapping& mapping, bool keepUnmapped)
{
    for (const auto& [key, pair] : mapping.pairs()) {
        if (!pair.isCloned())
            continue;
        if (AcDbObject* clone = peekObject<AcDbObject>(pair.value()))
            translateClone(clone, mapping, keepUnmapped);
    }
}

// A name the container does not have yet: the name itself, else the name with "$1", "$2" ...
template <class Taken> std::wstring freeName(const std::wstring& name, Taken taken)
{
    if (!taken(name))
        return name;
    for (int number = 1;; ++number) {
        std::wstring candidate = name + L"$" + std::to_wstring(number);
        if (!taken(candidate))
            return candidate;
    }
}

// Puts a new copy under its owner the way the owner keeps its members.
Acad::ErrorStatus addToOwner(const AcDbObject* source, AcDbObject* created, AcDbObject* owner, AcDbDatabase* target)
{
    if (auto* block = AcDbBlockTableRecord::cast(owner); block != nullptr && AcDbEntity::cast(created) != nullptr)
        return block->appendAcDbEntity(AcDbEntity::cast(created));
    if (auto* table = AcDbSymbolTable::cast(owner); table != nullptr && AcDbSymbolTableRecord::cast(created)) {
        auto* record = AcDbSymbolTableRecord::cast(created);
        const ACHAR* name = nullptr;
        record->getName(name);
        record->setName(
            freeName(name, [&](const std::wstring& candidate) { return table->has(candidate.c_str()); }).c_str());
        return table->add(record);
    }
    if (auto* dictionary = AcDbDictionary::cast(owner)) {
        AcString key(L"*A");
        if (const AcDbDictionary* sourceOwner = peekObject<AcDbDictionary>(source->ownerId()))
            sourceOwner->nameAt(source->objectId(), key);
        std::wstring name =
            freeName(key.str(), [&](const std::wstring& candidate) { return dictionary->has(candidate.c_str()); });
        AcDbObjectId id;
        return dictionary->setAt(name.c_str(), created, id);
    }
    Acad::ErrorStatus status = target->addAcDbObject(created);
    if (status == Acad::eOk && owner != nullptr)
        created->setOwnerId(owner->objectId());
    return status;
}

// The table of the target database that matches the source table of a record.
AcDbSymbolTable* matchingTable(const AcDbSymbolTableRecord* record, AcDbDatabase* target)
{
    const AcDbSymbolTable* table = peekObject<AcDbSymbolTable>(record->ownerId());
    if (table == nullptr)
        return nullptr;
    const DatabaseHeader& source = record->database()->imp()->header;
    const DatabaseHeader& destination = target->imp()->header;
    const std::pair<AcDbObjectId, AcDbObjectId> tables[] = {
        {source.blockTable, destination.blockTable},       {source.layerTable, destination.layerTable},
        {source.linetypeTable, destination.linetypeTable}, {source.textStyleTable, destination.textStyleTable},
        {source.dimStyleTable, destination.dimStyleTable}, {source.regAppTable, destination.regAppTable}};
    for (const auto& [from, to] : tables) {
        if (from == table->objectId())
            return peekObject<AcDbSymbolTable>(to);
    }
    return nullptr;
}

void registerApplications(const AcDbObject* source, AcDbDatabase* target)
{
    AcDbRegAppTable* table = peekObject<AcDbRegAppTable>(target->regAppTableId());
    if (table == nullptr)
        return;
    for (const std::wstring& name : source->imp()->xdata.appNames()) {
        if (table->has(name.c_str()))
            continue;
        auto* record = new AcDbRegAppTableRecord();
        record->setName(name.c_str());
        bool wasOpen = table->imp()->writeOpen;
        table->imp()->writeOpen = true;
        if (table->add(record) == Acad::eOk)
            markClosed(record);
        else
            delete record;
        table->imp()->writeOpen = wasOpen;
    }
}

struct CloneJob {
    const AcDbObject* source;
    AcDbObject* clone;
};

// Copies what a clone's source owns, and for a wblock clone the records it points at, until every
// object the clones need is mapped.
Acad::ErrorStatus completeClones(std::deque<CloneJob> jobs, AcDbIdMapping& mapping, AcDbDatabase* target, bool wblock,
                                 AcDb::DuplicateRecordCloning drc)
{
    AcDb::FilerType type = wblock ? AcDb::kWblockCloneFiler : AcDb::kDeepCloneFiler;
    auto isMapped = [&](const AcDbObjectId& id) {
        AcDbIdPair pair(id, AcDbObjectId::kNull, false);
        return mapping.compute(pair);
    };
    while (!jobs.empty()) {
        CloneJob job = jobs.front();
        jobs.pop_front();
        if (wblock)
            registerApplications(job.source, target);
        std::vector<ObjectReference> references = collectReferences(job.source);
        AcDbObjectId extension = job.source->imp()->extensionDictionary;
        if (extension.isValid())
            references.push_back(ObjectReference{extension, IdKind::kHardOwnership});
        for (const ObjectReference& reference : references) {
            const AcDbObject* referenced = peekObject<AcDbObject>(reference.id);
            if (referenced == nullptr || referenced->isErased() || isMapped(reference.id))
                continue;
            bool owned = reference.kind == IdKind::kHardOwnership || reference.kind == IdKind::kSoftOwnership;
            if (!owned && !(wblock && reference.kind == IdKind::kHardPointer))
                continue;
            const auto* record = AcDbSymbolTableRecord::cast(referenced);
            AcDbSymbolTable* table = !owned && record != nullptr ? matchingTable(record, target) : nullptr;
            if (table != nullptr && drc != AcDb::kDrcReplace) {
                const ACHAR* name = nullptr;
                record->getName(name);
                AcDbObjectId existing;
                if (table->getAt(name, existing) == Acad::eOk) {
                    mapping.assign(AcDbIdPair(reference.id, existing, false, false, true));
                    continue;
                }
            }
            AcDbObject* copy = copyFields(referenced, type);
            if (copy == nullptr)
                return Acad::eNotApplicable;
            Acad::ErrorStatus status = Acad::eOk;
            if (table != nullptr) {
                bool wasOpen = table->imp()->writeOpen;
                table->imp()->writeOpen = true;
                status = addToOwner(referenced, copy, table, target);
                table->imp()->writeOpen = wasOpen;
            } else {
                status = target->addAcDbObject(copy);
                copy->setOwnerId(owned ? job.clone->objectId() : referenced->ownerId());
            }
            if (status != Acad::eOk) {
                delete copy;
                return status;
            }
            markClosed(copy);
            if (reference.id == extension)
                job.clone->imp()->extensionDictionary = copy->objectId();
            mapping.assign(AcDbIdPair(reference.id, copy->objectId(), true, false, owned));
            jobs.push_back(CloneJob{referenced, copy});
        }
    }
    return Acad::eOk;
}

Acad::ErrorStatus cloneObject(const AcDbObject* source, AcDbObject* owner, AcDbDatabase* target, AcDbObject*& clone,
                              AcDbIdMapping& mapping, bool isPrimary, bool wblock)
{
    clone = nullptr;
    AcDbObjectId sourceId = source->objectId();
    if (sourceId.isNull())
        return Acad::eNotInDatabase;
    if (target == nullptr)
        return Acad::eNoDatabase;
    AcDbIdPair existing(sourceId, AcDbObjectId::kNull, false);
    if (mapping.compute(existing) && existing.isCloned())
        return Acad::eOk;
    AcDbObject* created = copyFields(source, wblock ? AcDb::kWblockCloneFiler : AcDb::kDeepCloneFiler);
    if (created == nullptr)
        return Acad::eNotApplicable;
    if (Acad::ErrorStatus status = addToOwner(source, created, owner, target); status != Acad::eOk) {
        delete created;
        return status;
    }
    mapping.assign(AcDbIdPair(sourceId, created->objectId(), true, isPrimary, owner != nullptr));
    Acad::ErrorStatus status =
        completeClones({CloneJob{source, created}}, mapping, target, wblock, mapping.duplicateRecordCloning());
    clone = created;
    return status;
}

// Opens every object for read in turn and clones it under the owner, which is open for write.
Acad::ErrorStatus cloneObjects(const AcDbObjectIdArray& objectIds, const AcDbObjectId& ownerId, AcDbIdMapping& mapping,
                               bool wblock, bool deferXlation)
{
    if (ownerId.isNull())
        return Acad::eNullObjectId;
    AcDbObject* owner = nullptr;
    if (Acad::ErrorStatus status = acdbOpenObject(owner, ownerId, AcDb::kForWrite); status != Acad::eOk)
        return status;
    mapping.setDestDb(ownerId.database());
    Acad::ErrorStatus status = Acad::eOk;
    for (const AcDbObjectId& id : objectIds) {
        AcDbObject* source = nullptr;
        if ((status = acdbOpenObject(source, id, AcDb::kForRead)) != Acad::eOk)
            break;
        AcDbObject* clone = nullptr;
        status =
            wblock ? source->wblockClone(owner, clone, mapping, true) : source->deepClone(owner, clone, mapping, true);
        source->close();
        if (clone != nullptr)
            clone->close();
        if (status != Acad::eOk)
            break;
    }
    owner->close();
    if (status == Acad::eOk && !deferXlation)
        translateAll(mapping, !wblock);
    return status;
}
} // namespace
} // namespace cadhost

Acad::ErrorStatus AcDbObject::subDeepClone(AcDbObject* owner, AcDbObject*& clone, AcDbIdMapping& mapping,
                                           Adesk::Boolean isPrimary) const
{
    AcDbDatabase* target = owner != nullptr ? owner->database() : database();
    return cadhost::cloneObject(this, owner, target, clone, mapping, isPrimary != 0, false);
}

Acad::ErrorStatus AcDbObject::subWblockClone(AcRxObject* owner, AcDbObject*& clone, AcDbIdMapping& mapping,
                                             Adesk::Boolean isPrimary) const
{
    AcDbObject* ownerObject = AcDbObject::cast(owner);
    AcDbDatabase* target = nullptr;
    mapping.destDb(target);
    if (target == nullptr)
        target = ownerObject != nullptr ? ownerObject->database() : AcDbDatabase::cast(owner);
    return cadhost::cloneObject(this, ownerObject, target, clone, mapping, isPrimary != 0, true);
}

Acad::ErrorStatus AcDbEntity::subGetTransformedCopy(const AcGeMatrix3d& transform, AcDbEntity*& copy) const
{
    copy = AcDbEntity::cast(cadhost::copyFields(this, AcDb::kCopyFiler));
    if (copy == nullptr)
        return Acad::eNotApplicable;
    Acad::ErrorStatus status = copy->transformBy(transform);
    if (status != Acad::eOk) {
        delete copy;
        copy = nullptr;
    }
    return status;
}

Acad::ErrorStatus AcDbDatabase::deepCloneObjects(const AcDbObjectIdArray& objectIds, const AcDbObjectId& owner,
                                                 AcDbIdMapping& mapping, bool deferXlation)
{
    if (!owner.isNull() && owner.database() != this)
        return Acad::eWrongDatabase;
    mapping.setDeepCloneContext(AcDb::kDcCopy);
    return cadhost::cloneObjects(objectIds, owner, mapping, false, deferXlation);
}

Acad::ErrorStatus AcDbDatabase::wblockCloneObjects(const AcDbObjectIdArray& objectIds, const AcDbObjectId& owner,
                                                   AcDbIdMapping& mapping, AcDb::DuplicateRecordCloning drc,
                                                   bool deferXlation)
{
    mapping.setDeepCloneContext(AcDb::kDcWblkObjects);
    mapping.setDuplicateRecordCloning(drc);
    return cadhost::cloneObjects(objectIds, owner, mapping, true, deferXlation);
}
