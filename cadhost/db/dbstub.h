// The slot behind an object id: the database, the handle and the object that lives there now.
// The database owns its stubs and their objects; a stub outlives erasing and proxy conversion.
#pragma once

#include "dbhandle.h"

class AcDbDatabase;
class AcDbObject;

class AcDbStub {
public:
    AcDbStub(AcDbDatabase* database, AcDbHandle handle) : m_database(database), m_handle(handle) {}

    AcDbDatabase* database() const { return m_database; }
    AcDbHandle handle() const { return m_handle; }
    AcDbObject* object() const { return m_object; }
    void setObject(AcDbObject* object) { m_object = object; }

private:
    AcDbDatabase* m_database;
    AcDbHandle m_handle;
    AcDbObject* m_object = nullptr;
};
