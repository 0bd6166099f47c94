#include "DwgBufferFiler.h"
#include "FieldIo.h"
#include "dbdict.h"
#include "dbimpdatabase.h"
#include "dbimpobject.h"
#include "dbimpsymtb.h"
#include "dbsymtb.h"
#include "sorttab.h"

#include <set>

namespace {
constexpr const ACHAR* kSortentsKey = ACRX_T("ACAD_SORTENTS");

bool startsWithNoCase(const std::wstring& text, std::wstring_view prefix)
{
    if (text.size() < prefix.size())
        return false;
    for (std::size_t index = 0; index < prefix.size(); ++index) {
        if (std::towupper(static_cast<wint_t>(text[index])) != std::towupper(static_cast<wint_t>(prefix[index])))
            return false;
    }
    return true;
}

AcRxClass* classNamed(const ACHAR* name)
{
    return static_cast<AcRxClass*>(acrxClassDictionary->at(name));
}

// Every block reference of the database with the block record it refers to.
std::vector<std::pair<AcDbObjectId, AcDbObjectId>> blockReferences(AcDbDatabase* database)
{
    std::vector<std::pair<AcDbObjectId, AcDbObjectId>> found;
    AcRxClass* referenceClass = classNamed(ACRX_T("AcDbBlockReference"));
    const AcDbBlockTable* table = database != nullptr ? peekObject<AcDbBlockTable>(database->blockTableId()) : nullptr;
    if (referenceClass == nullptr || table == nullptr)
        return found;
    for (const AcDbObjectId& blockId : table->recordIds()) {
        const AcDbBlockTableRecord* block = peekObject<AcDbBlockTableRecord>(blockId);
        if (block == nullptr)
            continue;
        for (const AcDbObjectId& entityId : block->entityIds()) {
            const AcDbObject* entity = entityId.stub()->object();
            if (entity == nullptr || !entity->isKindOf(referenceClass))
                continue;
            for (const cadhost::ObjectReference& reference : cadhost::collectReferences(entity)) {
                if (reference.kind == cadhost::IdKind::kHardPointer &&
                    peekObject<AcDbBlockTableRecord>(reference.id) != nullptr) {
                    found.emplace_back(entityId, reference.id);
                    break;
                }
            }
        }
    }
    return found;
}
} // namespace

AcDbBlockTableRecord::AcDbBlockTableRecord() : m_block(std::make_unique<AcDbImpBlockTableRecord>())
{
}

AcDbBlockTableRecord::~AcDbBlockTableRecord() = default;

Acad::ErrorStatus AcDbBlockTableRecord::appendAcDbEntity(AcDbEntity* entity)
{
    AcDbObjectId id;
    return appendAcDbEntity(id, entity);
}

Acad::ErrorStatus AcDbBlockTableRecord::appendAcDbEntity(AcDbObjectId& id, AcDbEntity* entity)
{
    if (entity == nullptr)
        return Acad::eNullEntityPointer;
    AcDbDatabase* owner = database();
    if (owner == nullptr)
        return Acad::eNoDatabase;
    if (!isWriteEnabled())
        return Acad::eNotOpenForWrite;
    if (!entity->objectId().isNull())
        return Acad::eAlreadyInDb;
    if (Acad::ErrorStatus status = owner->imp()->addObject(entity, id); status != Acad::eOk)
        return status;
    entity->setOwnerId(objectId());
    m_block->entities.push_back(id);
    // An entity that never had a layer or linetype takes the database's current ones.
    const DatabaseHeader& header = owner->imp()->header;
    if (entity->layerId().isNull() && !header.clayer.isNull())
        entity->setLayer(header.clayer);
    if (entity->linetypeId().isNull() && !header.celtype.isNull())
        entity->setLinetype(header.celtype);
    assertWriteEnabled();
    return Acad::eOk;
}

Acad::ErrorStatus AcDbBlockTableRecord::newIterator(AcDbBlockTableRecordIterator*& iterator, bool atBeginning,
                                                    bool skipDeleted) const
{
    AcDbObjectIdArray ids;
    for (const AcDbObjectId& id : m_block->entities) {
        if (id.isValid() && (!skipDeleted || !id.isErased()))
            ids.append(id);
    }
    iterator = new AcDbBlockTableRecordIterator(ids);
    iterator->start(atBeginning, skipDeleted);
    return Acad::eOk;
}

bool AcDbBlockTableRecord::isLayout() const
{
    return !m_block->layoutId.isNull();
}

AcDbObjectId AcDbBlockTableRecord::getLayoutId() const
{
    return m_block->layoutId;
}

Acad::ErrorStatus AcDbBlockTableRecord::setLayoutId(AcDbObjectId layoutId)
{
    assertWriteEnabled();
    m_block->layoutId = layoutId;
    return Acad::eOk;
}

bool AcDbBlockTableRecord::isAnonymous() const
{
    const ACHAR* name = nullptr;
    getName(name);
    std::wstring text = name;
    return !text.empty() && text[0] == L'*' && !startsWithNoCase(text, L"*Model_Space") &&
           !startsWithNoCase(text, L"*Paper_Space");
}

bool AcDbBlockTableRecord::hasAttributeDefinitions() const
{
    AcRxClass* definitionClass = classNamed(ACRX_T("AcDbAttributeDefinition"));
    if (definitionClass == nullptr)
        return false;
    for (const AcDbObjectId& id : entityIds()) {
        if (id.stub()->object()->isKindOf(definitionClass))
            return true;
    }
    return false;
}

AcGePoint3d AcDbBlockTableRecord::origin() const
{
    assertReadEnabled();
    return m_block->origin;
}

Acad::ErrorStatus AcDbBlockTableRecord::setOrigin(const AcGePoint3d& origin)
{
    assertWriteEnabled();
    m_block->origin = origin;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbBlockTableRecord::comments(ACHAR*& comments) const
{
    assertReadEnabled();
    return acutNewString(m_block->comments.c_str(), comments);
}

Acad::ErrorStatus AcDbBlockTableRecord::setComments(const ACHAR* comments)
{
    assertWriteEnabled();
    m_block->comments = comments != nullptr ? comments : L"";
    return Acad::eOk;
}

Acad::ErrorStatus AcDbBlockTableRecord::getBlockReferenceIds(AcDbObjectIdArray& ids, bool directOnly, bool) const
{
    ids.removeAll();
    std::vector<std::pair<AcDbObjectId, AcDbObjectId>> references = blockReferences(database());
    std::set<AcDbObjectId> targets{objectId()};
    std::vector<AcDbObjectId> pending{objectId()};
    while (!pending.empty()) {
        AcDbObjectId target = pending.back();
        pending.pop_back();
        for (const auto& [referenceId, blockId] : references) {
            if (blockId != target || ids.contains(referenceId))
                continue;
            ids.append(referenceId);
            // A reference inside another block definition makes that block's references nested ones.
            const AcDbObject* reference = referenceId.stub()->object();
            AcDbObjectId ownerBlock = reference->ownerId();
            if (!directOnly && targets.insert(ownerBlock).second)
                pending.push_back(ownerBlock);
        }
    }
    return Acad::eOk;
}

Acad::ErrorStatus AcDbBlockTableRecord::getSortentsTable(AcDbSortentsTable*& table, AcDb::OpenMode mode,
                                                         bool createIfNecessary)
{
    table = nullptr;
    if (database() == nullptr)
        return Acad::eNoDatabase;
    AcDbObjectId dictionaryId = extensionDictionary();
    if (!dictionaryId.isValid() || dictionaryId.isErased()) {
        if (!createIfNecessary)
            return Acad::eKeyNotFound;
        if (Acad::ErrorStatus status = createExtensionDictionary(); status != Acad::eOk)
            return status;
        dictionaryId = extensionDictionary();
    }
    AcDbDictionary* dictionary = nullptr;
    AcDb::OpenMode dictionaryMode = createIfNecessary ? AcDb::kForWrite : AcDb::kForRead;
    if (Acad::ErrorStatus status = acdbOpenObject(dictionary, dictionaryId, dictionaryMode); status != Acad::eOk)
        return status;
    AcDbObjectId tableId;
    Acad::ErrorStatus status = dictionary->getAt(kSortentsKey, tableId);
    if (status == Acad::eOk) {
        dictionary->close();
        return acdbOpenObject(table, tableId, mode);
    }
    if (!createIfNecessary) {
        dictionary->close();
        return status;
    }
    auto* created = new AcDbSortentsTable();
    created->setBlockId(objectId());
    status = dictionary->setAt(kSortentsKey, created, tableId);
    dictionary->close();
    if (status != Acad::eOk) {
        delete created;
        return status;
    }
    if (mode == AcDb::kForRead)
        created->downgradeOpen();
    table = created;
    return Acad::eOk;
}

AcDbObjectIdArray AcDbBlockTableRecord::entityIds() const
{
    AcDbObjectIdArray ids;
    for (const AcDbObjectId& id : m_block->entities) {
        if (id.isValid() && !id.isErased())
            ids.append(id);
    }
    return ids;
}

Acad::ErrorStatus AcDbBlockTableRecord::setName(const ACHAR* name)
{
    return AcDbSymbolTableRecord::setName(name);
}

Acad::ErrorStatus AcDbBlockTableRecord::dwgOutFields(AcDbDwgFiler* filer) const
{
    if (Acad::ErrorStatus status = AcDbSymbolTableRecord::dwgOutFields(filer); status != Acad::eOk)
        return status;
    cadhost::FieldIo io(filer, cadhost::FieldIo::kOut);
    io(m_block->origin)(m_block->comments).softPointer(m_block->layoutId);
    AcDbObjectIdArray ids = entityIds();
    auto count = static_cast<Adesk::UInt32>(ids.length());
    io(count);
    for (AcDbObjectId& id : ids)
        io.hardOwnership(id);
    return io.status();
}

Acad::ErrorStatus AcDbBlockTableRecord::dwgInFields(AcDbDwgFiler* filer)
{
    if (Acad::ErrorStatus status = AcDbSymbolTableRecord::dwgInFields(filer); status != Acad::eOk)
        return status;
    cadhost::FieldIo io(filer, cadhost::FieldIo::kIn);
    io(m_block->origin)(m_block->comments).softPointer(m_block->layoutId);
    Adesk::UInt32 count = 0;
    io.count(count, cadhost::kIdBytes);
    m_block->entities.clear();
    for (Adesk::UInt32 index = 0; index < count && io.ok(); ++index) {
        AcDbObjectId id;
        io.hardOwnership(id);
        if (io.ok() && !id.isNull())
            m_block->entities.push_back(id);
    }
    return io.status();
}

void AcDbBlockTableRecordIterator::start(bool atBeginning, bool skipDeleted)
{
    m_index = atBeginning ? 0 : m_ids.length() - 1;
    while (skipDeleted && !done() && m_ids[m_index].isErased())
        m_index += atBeginning ? 1 : -1;
}

void AcDbBlockTableRecordIterator::step(bool forward, bool skipDeleted)
{
    do {
        m_index += forward ? 1 : -1;
    } while (skipDeleted && !done() && m_ids[m_index].isErased());
}

Acad::ErrorStatus AcDbBlockTableRecordIterator::getEntityId(AcDbObjectId& id) const
{
    if (done())
        return Acad::eIteratorDone;
    id = m_ids[m_index];
    return Acad::eOk;
}

Acad::ErrorStatus AcDbBlockTableRecordIterator::getEntity(AcDbEntity*& entity, AcDb::OpenMode mode,
                                                          bool openErased) const
{
    entity = nullptr;
    AcDbObjectId id;
    if (Acad::ErrorStatus status = getEntityId(id); status != Acad::eOk)
        return status;
    return acdbOpenObject(entity, id, mode, openErased);
}
