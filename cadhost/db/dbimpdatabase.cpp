#include "dbimpdatabase.h"

#include "FieldIo.h"
#include "dbdict.h"
#include "dbimpobject.h"
#include "dbsymtb.h"

#include <algorithm>
#include <mutex>

namespace {
std::mutex& liveMutex()
{
    static std::mutex mutex;
    return mutex;
}

std::vector<AcDbDatabase*>& liveList()
{
    static std::vector<AcDbDatabase*> databases;
    return databases;
}
} // namespace

std::vector<AcDbDatabase*> liveDatabases()
{
    std::lock_guard lock(liveMutex());
    return liveList();
}

void DatabaseHeader::file(cadhost::FieldIo& io)
{
    io.hardOwnership(blockTable).hardOwnership(layerTable).hardOwnership(linetypeTable);
    io.hardOwnership(textStyleTable).hardOwnership(dimStyleTable).hardOwnership(regAppTable);
    io.hardOwnership(namedObjects);
    io.hardPointer(clayer).hardPointer(celtype).hardPointer(textstyle).hardPointer(dimstyle);
    io(cecolor)(celtscale).enumeration(celweight)(textsize)(tilemode)(saveproxygraphics);
}

AcDbImpDatabase::AcDbImpDatabase(AcDbDatabase* database) : m_database(database)
{
    std::lock_guard lock(liveMutex());
    liveList().push_back(database);
}

AcDbImpDatabase::~AcDbImpDatabase()
{
    {
        std::lock_guard lock(liveMutex());
        auto& list = liveList();
        auto found = std::find(list.begin(), list.end(), m_database);
        if (found != list.end())
            list.erase(found);
    }
    for (AcDbStub& stub : m_stubs) {
        delete stub.object();
        stub.setObject(nullptr);
    }
}

AcDbStub* AcDbImpDatabase::findStub(AcDbHandle handle) const
{
    auto found = m_byHandle.find(handle.value());
    return found != m_byHandle.end() ? found->second : nullptr;
}

AcDbStub* AcDbImpDatabase::stubFor(AcDbHandle handle)
{
    if (handle.isNull())
        return nullptr;
    if (AcDbStub* existing = findStub(handle))
        return existing;
    AcDbStub& created = m_stubs.emplace_back(m_database, handle);
    m_byHandle.emplace(handle.value(), &created);
    if (!(handle < m_handseed))
        m_handseed = AcDbHandle(handle.value() + 1);
    return &created;
}

void AcDbImpDatabase::setHandseed(AcDbHandle seed)
{
    if (m_handseed < seed)
        m_handseed = seed;
}

Acad::ErrorStatus AcDbImpDatabase::addObject(AcDbObject* object, AcDbObjectId& id, AcDbHandle handle)
{
    if (object == nullptr)
        return Acad::eNullObjectPointer;
    if (!object->objectId().isNull())
        return Acad::eAlreadyInDb;
    if (handle.isNull())
        handle = m_handseed;
    AcDbStub* stub = stubFor(handle);
    if (stub->object() != nullptr)
        return Acad::eHandleInUse;
    stub->setObject(object);
    object->imp()->stub = stub;
    object->imp()->modified = true;
    id = AcDbObjectId(stub);
    modified = true;
    return Acad::eOk;
}

void AcDbImpDatabase::replaceObject(AcDbStub* stub, AcDbObject* object)
{
    AcDbObject* previous = stub->object();
    stub->setObject(object);
    object->imp()->stub = stub;
    if (previous != nullptr) {
        object->imp()->ownerId = previous->imp()->ownerId;
        object->imp()->extensionDictionary = previous->imp()->extensionDictionary;
        object->imp()->erased = previous->imp()->erased;
        object->imp()->xdata.copyFrom(previous->imp()->xdata);
        previous->imp()->stub = nullptr;
        delete previous;
    }
}

namespace {
AcDbObjectId recordNamed(const AcDbObjectId& tableId, const ACHAR* name)
{
    AcDbObjectId id;
    if (const AcDbSymbolTable* table = peekObject<AcDbSymbolTable>(tableId))
        table->getAt(name, id);
    return id;
}
} // namespace

void AcDbImpDatabase::refreshWellKnownIds()
{
    modelSpace = recordNamed(header.blockTable, ACRX_T("*Model_Space"));
    paperSpace = recordNamed(header.blockTable, ACRX_T("*Paper_Space"));
    layerZero = recordNamed(header.layerTable, ACRX_T("0"));
    continuous = recordNamed(header.linetypeTable, ACRX_T("Continuous"));
    byLayer = recordNamed(header.linetypeTable, ACRX_T("ByLayer"));
    byBlock = recordNamed(header.linetypeTable, ACRX_T("ByBlock"));
    layoutDictionary = AcDbObjectId::kNull;
    if (const AcDbDictionary* named = peekObject<AcDbDictionary>(header.namedObjects))
        named->getAt(ACRX_T("ACAD_LAYOUT"), layoutDictionary);
}

bool AcDbImpDatabase::isPermanent(AcDbObjectId id) const
{
    const AcDbObjectId permanent[] = {header.blockTable,
                                      header.layerTable,
                                      header.linetypeTable,
                                      header.textStyleTable,
                                      header.dimStyleTable,
                                      header.regAppTable,
                                      header.namedObjects,
                                      modelSpace,
                                      paperSpace,
                                      layerZero,
                                      continuous,
                                      byLayer,
                                      byBlock,
                                      layoutDictionary};
    return !id.isNull() && std::find(std::begin(permanent), std::end(permanent), id) != std::end(permanent);
}
