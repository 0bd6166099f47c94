// Dictionaries: named entries that own database objects. Names compare without regard to case.
#pragma once

#include "dbmain.h"

#include <map>
#include <string>

class AcDbDictionaryIterator;

class CADHOST_EXPORT AcDbDictionary : public AcDbObject {
public:
    ACRX_DECLARE_MEMBERS(AcDbDictionary);
    AcDbDictionary() = default;

    Acad::ErrorStatus getAt(const ACHAR* entryName, AcDbObject*& entryObject, AcDb::OpenMode mode) const;
    Acad::ErrorStatus getAt(const ACHAR* entryName, AcDbObjectId& entryId) const;
    Acad::ErrorStatus nameAt(AcDbObjectId objectId, ACHAR*& name) const;
    Acad::ErrorStatus nameAt(AcDbObjectId objectId, AcString& name) const;
    bool has(const ACHAR* entryName) const;
    bool has(AcDbObjectId objectId) const;
    Adesk::UInt32 numEntries() const { return static_cast<Adesk::UInt32>(m_entries.size()); }

    // Removing an entry leaves its object in the database without an owner.
    Acad::ErrorStatus remove(const ACHAR* key);
    Acad::ErrorStatus remove(const ACHAR* key, AcDbObjectId& returnId);
    Acad::ErrorStatus remove(AcDbObjectId objectId);
    bool setName(const ACHAR* oldName, const ACHAR* newName);
    // Adds the object to the dictionary's database when it is new and makes the dictionary its owner.
    // An entry of the same name is replaced and its object erased.
    Acad::ErrorStatus setAt(const ACHAR* key, AcDbObject* newValue, AcDbObjectId& newId);

    // Entries in name order. The caller deletes the iterator.
    AcDbDictionaryIterator* newIterator() const;

    Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer) override;
    Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const override;

    struct Entry {
        std::wstring name;
        AcDbObjectId id;
    };
    // Entries by case-folded name; the drawing file and cloning walk them.
    const std::map<std::wstring, Entry>& entries() const { return m_entries; }

private:
    std::map<std::wstring, Entry> m_entries;
};

class CADHOST_EXPORT AcDbDictionaryIterator {
public:
    explicit AcDbDictionaryIterator(std::map<std::wstring, AcDbDictionary::Entry> entries)
        : m_entries(std::move(entries)), m_position(m_entries.begin())
    {
    }
    AcDbDictionaryIterator(const AcDbDictionaryIterator&) = delete;
    AcDbDictionaryIterator& operator=(const AcDbDictionaryIterator&) = delete;
    virtual ~AcDbDictionaryIterator() = default;

    const ACHAR* name() const;
    AcDbObjectId objectId() const;
    Acad::ErrorStatus getObject(AcDbObject*& object, AcDb::OpenMode mode) const;
    bool done() const { return m_position == m_entries.end(); }
    bool next();
    bool setPosition(AcDbObjectId objectId);

private:
    std::map<std::wstring, AcDbDictionary::Entry> m_entries;
    std::map<std::wstring, AcDbDictionary::Entry>::const_iterator m_position;
};
