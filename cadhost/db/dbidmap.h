// Id translation tables of deep clone and wblock clone.
#pragma once

#include "acdb.h"
#include "dbid.h"

#include <map>

class CADHOST_EXPORT AcDbIdPair {
public:
    AcDbIdPair() = default;
    AcDbIdPair(const AcDbObjectId& key, const AcDbObjectId& value, bool isCloned, bool isPrimary = false,
               bool isOwnerXlated = true)
        : m_key(key), m_value(value), m_isCloned(isCloned), m_isPrimary(isPrimary), m_isOwnerXlated(isOwnerXlated)
    {
    }
    AcDbObjectId key() const { return m_key; }
    AcDbObjectId value() const { return m_value; }
    bool isCloned() const { return m_isCloned; }
    bool isPrimary() const { return m_isPrimary; }
    bool isOwnerXlated() const { return m_isOwnerXlated; }
    void setKey(const AcDbObjectId& key) { m_key = key; }
    void setValue(const AcDbObjectId& value) { m_value = value; }
    void setIsCloned(bool isCloned) { m_isCloned = isCloned; }
    void setIsPrimary(bool isPrimary) { m_isPrimary = isPrimary; }
    void setIsOwnerXlated(bool isOwnerXlated) { m_isOwnerXlated = isOwnerXlated; }

private:
    AcDbObjectId m_key;
    AcDbObjectId m_value;
    bool m_isCloned = false;
    bool m_isPrimary = false;
    bool m_isOwnerXlated = true;
};

class CADHOST_EXPORT AcDbIdMapping {
public:
    AcDbIdMapping() = default;
    Acad::ErrorStatus assign(const AcDbIdPair& pair);
    // Looks the pair's key up; on success fills the pair's value and flags and returns true.
    bool compute(AcDbIdPair& pair) const;
    bool change(const AcDbIdPair& pair);
    bool del(const AcDbObjectId& key);
    Acad::ErrorStatus destDb(AcDbDatabase*& database) const;
    Acad::ErrorStatus setDestDb(AcDbDatabase* database);
    Acad::ErrorStatus origDb(AcDbDatabase*& database) const;
    AcDb::DeepCloneType deepCloneContext() const { return m_context; }
    void setDeepCloneContext(AcDb::DeepCloneType context) { m_context = context; }
    AcDb::DuplicateRecordCloning duplicateRecordCloning() const { return m_drc; }
    void setDuplicateRecordCloning(AcDb::DuplicateRecordCloning drc) { m_drc = drc; }
    const std::map<AcDbObjectId, AcDbIdPair>& pairs() const { return m_pairs; }

private:
    std::map<AcDbObjectId, AcDbIdPair> m_pairs;
    AcDbDatabase* m_destDb = nullptr;
    AcDbDatabase* m_origDb = nullptr;
    AcDb::DeepCloneType m_context = AcDb::kDcCopy;
    AcDb::DuplicateRecordCloning m_drc = AcDb::kDrcIgnore;
};
