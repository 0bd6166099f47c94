// Smart pointers that open a database object for the duration of a scope, as the host's do.
#pragma once

#include "dbdict.h"
#include "dbsymtb.h"

template <class T_OBJECT> class AcDbObjectPointerBase {
public:
    AcDbObjectPointerBase() = default;
    AcDbObjectPointerBase(const AcDbObjectPointerBase&) = delete;
    AcDbObjectPointerBase& operator=(const AcDbObjectPointerBase&) = delete;
    // A database-resident object is closed, a new object that never reached a database is deleted.
    virtual ~AcDbObjectPointerBase() { closeInternal(); }

    const T_OBJECT* object() const { return m_object; }
    T_OBJECT* object() { return m_object; }
    const T_OBJECT* operator->() const { return m_object; }
    T_OBJECT* operator->() { return m_object; }
    operator T_OBJECT*() { return m_object; }             // NOLINT(google-explicit-constructor)
    operator const T_OBJECT*() const { return m_object; } // NOLINT(google-explicit-constructor)

    Acad::ErrorStatus openStatus() const { return m_status; }

    Acad::ErrorStatus open(AcDbObjectId id, AcDb::OpenMode mode, bool openErased = false)
    {
        closeInternal();
        m_status = acdbOpenObject(m_object, id, mode, openErased);
        return m_status;
    }
    // Takes over an object the caller opened or created; the one held before is let go first.
    Acad::ErrorStatus acquire(T_OBJECT*& object)
    {
        if (object == nullptr)
            return Acad::eNullObjectPointer;
        closeInternal();
        m_object = object;
        m_status = Acad::eOk;
        object = nullptr;
        return Acad::eOk;
    }
    // Hands the object over to the caller, who closes or deletes it.
    Acad::ErrorStatus release(T_OBJECT*& object)
    {
        if (m_object == nullptr)
            return Acad::eNullObjectPointer;
        object = m_object;
        m_object = nullptr;
        m_status = Acad::eNullObjectPointer;
        return Acad::eOk;
    }
    Acad::ErrorStatus close()
    {
        if (m_object == nullptr)
            return Acad::eNullObjectPointer;
        closeInternal();
        return Acad::eOk;
    }
    Acad::ErrorStatus create()
    {
        closeInternal();
        m_object = new T_OBJECT();
        m_status = Acad::eOk;
        return Acad::eOk;
    }

protected:
    void closeInternal()
    {
        if (m_object != nullptr) {
            if (m_object->objectId().isNull())
                delete m_object;
            else
                m_object->close();
        }
        m_object = nullptr;
        m_status = Acad::eNullObjectPointer;
    }

    T_OBJECT* m_object = nullptr;
    Acad::ErrorStatus m_status = Acad::eNullObjectPointer;
};

template <class T_OBJECT> class AcDbObjectPointer : public AcDbObjectPointerBase<T_OBJECT> {
public:
    AcDbObjectPointer() = default;
    AcDbObjectPointer(AcDbObjectId id, AcDb::OpenMode mode, bool openErased = false)
    {
        this->open(id, mode, openErased);
    }
};

using AcDbEntityPointer = AcDbObjectPointer<AcDbEntity>;
using AcDbDictionaryPointer = AcDbObjectPointer<AcDbDictionary>;

// Opens a symbol table of a database by its type.
template <class T_TABLE> class AcDbSymbolTablePointer : public AcDbObjectPointerBase<T_TABLE> {
public:
    AcDbSymbolTablePointer() = default;
    AcDbSymbolTablePointer(AcDbObjectId id, AcDb::OpenMode mode) { this->open(id, mode); }
    AcDbSymbolTablePointer(AcDbDatabase* database, AcDb::OpenMode mode)
    {
        if (database == nullptr) {
            this->m_status = Acad::eNullObjectPointer;
            return;
        }
        this->m_status = database->getSymbolTable(this->m_object, mode);
    }
};

using AcDbBlockTablePointer = AcDbSymbolTablePointer<AcDbBlockTable>;
using AcDbLayerTablePointer = AcDbSymbolTablePointer<AcDbLayerTable>;
using AcDbLinetypeTablePointer = AcDbSymbolTablePointer<AcDbLinetypeTable>;
using AcDbTextStyleTablePointer = AcDbSymbolTablePointer<AcDbTextStyleTable>;
using AcDbRegAppTablePointer = AcDbSymbolTablePointer<AcDbRegAppTable>;

// Opens a symbol table record by id, or by name in its table of a database.
template <class T_RECORD> class AcDbSymbolTableRecordPointer : public AcDbObjectPointerBase<T_RECORD> {
public:
    AcDbSymbolTableRecordPointer() = default;
    AcDbSymbolTableRecordPointer(AcDbObjectId id, AcDb::OpenMode mode, bool openErased = false)
    {
        this->open(id, mode, openErased);
    }
    AcDbSymbolTableRecordPointer(const ACHAR* name, AcDbDatabase* database, AcDb::OpenMode mode,
                                 bool openErased = false);
};

// The table a record class lives in.
template <class T_RECORD> struct AcDbSymbolTableOf;
template <> struct AcDbSymbolTableOf<AcDbBlockTableRecord> {
    using type = AcDbBlockTable;
};
template <> struct AcDbSymbolTableOf<AcDbLayerTableRecord> {
    using type = AcDbLayerTable;
};
template <> struct AcDbSymbolTableOf<AcDbLinetypeTableRecord> {
    using type = AcDbLinetypeTable;
};
template <> struct AcDbSymbolTableOf<AcDbTextStyleTableRecord> {
    using type = AcDbTextStyleTable;
};
template <> struct AcDbSymbolTableOf<AcDbRegAppTableRecord> {
    using type = AcDbRegAppTable;
};

template <class T_RECORD>
AcDbSymbolTableRecordPointer<T_RECORD>::AcDbSymbolTableRecordPointer(const ACHAR* name, AcDbDatabase* database,
                                                                     AcDb::OpenMode mode, bool openErased)
{
    AcDbSymbolTablePointer<typename AcDbSymbolTableOf<T_RECORD>::type> table(database, AcDb::kForRead);
    if (table.openStatus() != Acad::eOk) {
        this->m_status = table.openStatus();
        return;
    }
    AcDbObjectId id;
    this->m_status = table->getAt(name, id, openErased);
    if (this->m_status == Acad::eOk)
        this->open(id, mode, openErased);
}

using AcDbBlockTableRecordPointer = AcDbSymbolTableRecordPointer<AcDbBlockTableRecord>;
using AcDbLayerTableRecordPointer = AcDbSymbolTableRecordPointer<AcDbLayerTableRecord>;
using AcDbLinetypeTableRecordPointer = AcDbSymbolTableRecordPointer<AcDbLinetypeTableRecord>;
using AcDbTextStyleTableRecordPointer = AcDbSymbolTableRecordPointer<AcDbTextStyleTableRecord>;
using AcDbRegAppTableRecordPointer = AcDbSymbolTableRecordPointer<AcDbRegAppTableRecord>;
