#include "dbdict.h"

#include "DwgBufferFiler.h"
#include "FieldIo.h"
#include "SymbolName.h"
#include "dbimpobject.h"

Acad::ErrorStatus AcDbDictionary::getAt(const ACHAR* entryName, AcDbObject*& entryObject, AcDb::OpenMode mode) const
{
    entryObject = nullptr;
    AcDbObjectId id;
    if (Acad::ErrorStatus status = getAt(entryName, id); status != Acad::eOk)
        return status;
    return acdbOpenObject(entryObject, id, mode);
}

Acad::ErrorStatus AcDbDictionary::getAt(const ACHAR* entryName, AcDbObjectId& entryId) const
{
    if (entryName == nullptr)
        return Acad::eInvalidKey;
    auto found = m_entries.find(cadhost::foldName(entryName));
    if (found == m_entries.end() || found->second.id.isErased() || !found->second.id.isValid())
        return Acad::eKeyNotFound;
    entryId = found->second.id;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbDictionary::nameAt(AcDbObjectId objectId, ACHAR*& name) const
{
    AcString text;
    if (Acad::ErrorStatus status = nameAt(objectId, text); status != Acad::eOk)
        return status;
    return acutNewString(text.kwszPtr(), name);
}

Acad::ErrorStatus AcDbDictionary::nameAt(AcDbObjectId objectId, AcString& name) const
{
    for (const auto& [key, entry] : m_entries) {
        if (entry.id == objectId) {
            name = AcString(entry.name);
            return Acad::eOk;
        }
    }
    return Acad::eKeyNotFound;
}

bool AcDbDictionary::has(const ACHAR* entryName) const
{
    AcDbObjectId id;
    return getAt(entryName, id) == Acad::eOk;
}

bool AcDbDictionary::has(AcDbObjectId objectId) const
{
    AcString name;
    return nameAt(objectId, name) == Acad::eOk;
}

Acad::ErrorStatus AcDbDictionary::remove(const ACHAR* key)
{
    AcDbObjectId id;
    return remove(key, id);
}

Acad::ErrorStatus AcDbDictionary::remove(const ACHAR* key, AcDbObjectId& returnId)
{
    if (key == nullptr)
        return Acad::eInvalidKey;
    if (!isWriteEnabled())
        return Acad::eNotOpenForWrite;
    auto found = m_entries.find(cadhost::foldName(key));
    if (found == m_entries.end())
        return Acad::eKeyNotFound;
    returnId = found->second.id;
    if (AcDbObject* object = peekObject<AcDbObject>(returnId))
        object->setOwnerId(AcDbObjectId::kNull);
    m_entries.erase(found);
    assertWriteEnabled();
    return Acad::eOk;
}

Acad::ErrorStatus AcDbDictionary::remove(AcDbObjectId objectId)
{
    AcString name;
    if (Acad::ErrorStatus status = nameAt(objectId, name); status != Acad::eOk)
        return status;
    return remove(name.kwszPtr());
}

bool AcDbDictionary::setName(const ACHAR* oldName, const ACHAR* newName)
{
    if (oldName == nullptr || newName == nullptr || *newName == 0 || !isWriteEnabled())
        return false;
    auto found = m_entries.find(cadhost::foldName(oldName));
    std::wstring newKey = cadhost::foldName(newName);
    if (found == m_entries.end() || (newKey != found->first && m_entries.count(newKey) != 0))
        return false;
    Entry entry{newName, found->second.id};
    m_entries.erase(found);
    m_entries.emplace(newKey, entry);
    assertWriteEnabled();
    return true;
}

Acad::ErrorStatus AcDbDictionary::setAt(const ACHAR* key, AcDbObject* newValue, AcDbObjectId& newId)
{
    if (key == nullptr || *key == 0)
        return Acad::eInvalidKey;
    if (newValue == nullptr)
        return Acad::eNullObjectPointer;
    if (database() == nullptr)
        return Acad::eNoDatabase;
    if (!isWriteEnabled())
        return Acad::eNotOpenForWrite;
    if (newValue->objectId().isNull()) {
        if (Acad::ErrorStatus status = database()->addAcDbObject(newId, newValue); status != Acad::eOk)
            return status;
    } else if (newValue->database() != database()) {
        return Acad::eWrongDatabase;
    }
    newId = newValue->objectId();
    std::wstring folded = cadhost::foldName(key);
    auto found = m_entries.find(folded);
    if (found != m_entries.end() && found->second.id != newId) {
        // The object it replaces leaves the dictionary erased.
        if (AcDbObject* replaced = peekObject<AcDbObject>(found->second.id))
            replaced->imp()->erased = true;
    }
    m_entries[folded] = Entry{key, newId};
    newValue->setOwnerId(objectId());
    assertWriteEnabled();
    return Acad::eOk;
}

AcDbDictionaryIterator* AcDbDictionary::newIterator() const
{
    std::map<std::wstring, Entry> live;
    for (const auto& [key, entry] : m_entries) {
        if (entry.id.isValid() && !entry.id.isErased())
            live.emplace(key, entry);
    }
    return new AcDbDictionaryIterator(std::move(live));
}

Acad::ErrorStatus AcDbDictionary::dwgOutFields(AcDbDwgFiler* filer) const
{
    if (Acad::ErrorStatus status = AcDbObject::dwgOutFields(filer); status != Acad::eOk)
        return status;
    cadhost::FieldIo io(filer, cadhost::FieldIo::kOut);
    std::vector<Entry> live;
    for (const auto& [key, entry] : m_entries) {
        if (entry.id.isValid() && !entry.id.isErased())
            live.push_back(entry);
    }
    auto count = static_cast<Adesk::UInt32>(live.size());
    io(count);
    for (Entry& entry : live)
        io(entry.name).softOwnership(entry.id);
    return io.status();
}

Acad::ErrorStatus AcDbDictionary::dwgInFields(AcDbDwgFiler* filer)
{
    if (Acad::ErrorStatus status = AcDbObject::dwgInFields(filer); status != Acad::eOk)
        return status;
    cadhost::FieldIo io(filer, cadhost::FieldIo::kIn);
    Adesk::UInt32 count = 0;
    // An entry is at least its name's length and an id.
    io.count(count, sizeof(Adesk::UInt32) + cadhost::kIdBytes);
    m_entries.clear();
    for (Adesk::UInt32 index = 0; index < count && io.ok(); ++index) {
        Entry entry;
        io(entry.name).softOwnership(entry.id);
        if (io.ok() && !entry.name.empty() && !entry.id.isNull())
            m_entries[cadhost::foldName(entry.name)] = entry;
    }
    return io.status();
}

const ACHAR* AcDbDictionaryIterator::name() const
{
    return done() ? nullptr : m_position->second.name.c_str();
}

AcDbObjectId AcDbDictionaryIterator::objectId() const
{
    return done() ? AcDbObjectId::kNull : m_position->second.id;
}

Acad::ErrorStatus AcDbDictionaryIterator::getObject(AcDbObject*& object, AcDb::OpenMode mode) const
{
    object = nullptr;
    if (done())
        return Acad::eIteratorDone;
    return acdbOpenObject(object, m_position->second.id, mode);
}

bool AcDbDictionaryIterator::next()
{
    if (done())
        return false;
    ++m_position;
    return !done();
}

bool AcDbDictionaryIterator::setPosition(AcDbObjectId objectId)
{
    for (auto position = m_entries.cbegin(); position != m_entries.cend(); ++position) {
        if (position->second.id == objectId) {
            m_position = position;
            return true;
        }
    }
    return false;
}
