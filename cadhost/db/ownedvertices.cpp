#include "ownedvertices.h"

#include "dbfieldio.h"
#include "dbimpdatabase.h"
#include "dbimpobject.h"

#include <algorithm>

namespace cadhost {

namespace {

// A vertex that joins a database takes the polyline's layer and linetype, or the database's current
// ones, when it has none of its own.
void takeOwnerProperties(AcDbVertex& vertex, const AcDbEntity& owner, AcDbDatabase& database)
{
    if (vertex.layerId().isNull()) {
        const AcDbObjectId layer = owner.layerId().isNull() ? database.clayer() : owner.layerId();
        if (!layer.isNull())
            vertex.setLayer(layer);
    }
    if (vertex.linetypeId().isNull()) {
        const AcDbObjectId linetype = owner.linetypeId().isNull() ? database.celtype() : owner.linetypeId();
        if (!linetype.isNull())
            vertex.setLinetype(linetype);
    }
}

} // namespace

OpenedVertices::~OpenedVertices()
{
    for (AcDbVertex* vertex : m_opened)
        vertex->close();
}

Acad::ErrorStatus OwnedVertices::append(AcDbVertex* vertex, AcDbObjectId& id)
{
    id = AcDbObjectId::kNull;
    if (vertex == nullptr)
        return Acad::eNullObjectPointer;
    if (!vertex->objectId().isNull())
        return Acad::eAlreadyInDb;
    AcDbDatabase* database = m_owner.database();
    adoptIntoDatabase();
    if (database == nullptr) {
        m_slots.push_back({AcDbObjectId::kNull, std::unique_ptr<AcDbVertex>(vertex)});
        ++m_inMemory;
        return Acad::eOk;
    }
    if (Acad::ErrorStatus status = database->imp()->addObject(vertex, id); status != Acad::eOk)
        return status;
    vertex->setOwnerId(m_owner.objectId());
    takeOwnerProperties(*vertex, m_owner, *database);
    m_slots.push_back({id, nullptr});
    return Acad::eOk;
}

void OwnedVertices::adoptIntoDatabase() const
{
    AcDbDatabase* database = m_owner.database();
    if (database == nullptr || m_inMemory == 0)
        return;
    // Giving vertices their ids changes nothing the drawing holds.
    const bool wasModified = database->imp()->modified;
    for (Slot& slot : m_slots) {
        if (!slot.memory)
            continue;
        AcDbVertex* vertex = slot.memory.get();
        AcDbObjectId id;
        if (database->imp()->addObject(vertex, id) != Acad::eOk)
            continue;
        // The database owns the vertex from here on.
        static_cast<void>(slot.memory.release());
        slot.id = id;
        vertex->setOwnerId(m_owner.objectId());
        takeOwnerProperties(*vertex, m_owner, *database);
        vertex->close();
    }
    database->imp()->modified = wasModified;
    recountInMemory();
}

void OwnedVertices::recountInMemory() const
{
    m_inMemory = static_cast<std::size_t>(
        std::count_if(m_slots.begin(), m_slots.end(), [](const Slot& slot) { return slot.memory != nullptr; }));
}

void OwnedVertices::removeIf(const std::function<bool(const AcDbVertex&)>& pick)
{
    std::vector<Slot> kept;
    for (Slot& slot : m_slots) {
        if (slot.memory) {
            if (!pick(*slot.memory))
                kept.push_back(std::move(slot));
            continue;
        }
        AcDbVertex* vertex = nullptr;
        if (acdbOpenObject(vertex, slot.id, AcDb::kForWrite) != Acad::eOk) {
            // Erased vertices are gone already; others that cannot be opened stay.
            if (!slot.id.isErased())
                kept.push_back(std::move(slot));
            continue;
        }
        if (pick(*vertex))
            vertex->erase();
        else
            kept.push_back(std::move(slot));
        vertex->close();
    }
    m_slots = std::move(kept);
    recountInMemory();
}

void OwnedVertices::replaceAll(std::vector<std::unique_ptr<AcDbVertex>> vertices)
{
    removeIf([](const AcDbVertex&) { return true; });
    for (std::unique_ptr<AcDbVertex>& vertex : vertices) {
        AcDbVertex* added = vertex.release();
        AcDbObjectId id;
        if (append(added, id) != Acad::eOk) {
            delete added;
            continue;
        }
        if (!id.isNull())
            added->close();
    }
}

OpenedVertices OwnedVertices::open(AcDb::OpenMode mode) const
{
    OpenedVertices result;
    for (const Slot& slot : m_slots) {
        if (slot.memory) {
            result.m_vertices.push_back(slot.memory.get());
            continue;
        }
        AcDbVertex* vertex = peekObject<AcDbVertex>(slot.id);
        if (vertex == nullptr || vertex->isErased())
            continue;
        if (mode == AcDb::kForWrite ? vertex->isWriteEnabled() : vertex->isReadEnabled()) {
            result.m_vertices.push_back(vertex);
            continue;
        }
        AcDbVertex* opened = nullptr;
        const Acad::ErrorStatus status = acdbOpenObject(opened, slot.id, mode);
        if (status != Acad::eOk) {
            for (AcDbVertex* done : result.m_opened)
                done->close();
            result.m_opened.clear();
            result.m_vertices.clear();
            result.m_status = status;
            return result;
        }
        result.m_opened.push_back(opened);
        result.m_vertices.push_back(opened);
    }
    return result;
}

AcDbObjectIterator* OwnedVertices::newIterator() const
{
    adoptIntoDatabase();
    std::vector<AcDbObjectIterator::Item> items;
    items.reserve(m_slots.size());
    for (const Slot& slot : m_slots)
        items.push_back({slot.id, slot.memory.get()});
    auto* iterator = new AcDbObjectIterator(std::move(items));
    iterator->start();
    return iterator;
}

Acad::ErrorStatus OwnedVertices::fileOut(AcDbDwgFiler* filer) const
{
    const OpenedVertices opened = open(AcDb::kForRead);
    if (opened.status() != Acad::eOk)
        return opened.status();
    Acad::ErrorStatus status = filer->writeUInt32(static_cast<Adesk::UInt32>(opened.vertices().size()));
    for (const AcDbVertex* vertex : opened.vertices()) {
        if (status != Acad::eOk)
            break;
        status = vertex->dwgOutFields(filer);
    }
    return status;
}

Acad::ErrorStatus OwnedVertices::fileIn(AcDbDwgFiler* filer, const std::function<AcDbVertex*()>& create)
{
    Adesk::UInt32 count = 0;
    if (Acad::ErrorStatus status = filer->readUInt32(&count); status != Acad::eOk)
        return status;
    if (count > kMaxFiledCount)
        return Acad::eDwgObjectImproperlyRead;
    std::vector<std::unique_ptr<AcDbVertex>> read;
    for (Adesk::UInt32 i = 0; i < count; ++i) {
        std::unique_ptr<AcDbVertex> vertex(create());
        if (Acad::ErrorStatus status = vertex->dwgInFields(filer); status != Acad::eOk)
            return status;
        read.push_back(std::move(vertex));
    }
    replaceAll(std::move(read));
    return Acad::eOk;
}

} // namespace cadhost
