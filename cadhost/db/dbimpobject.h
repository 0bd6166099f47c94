// The database layer's state of one object: its slot, owner, open state, erase flag, extended
// data and extension dictionary.
#pragma once

#include "XDataStore.h"
#include "dbid.h"
#include "dbstub.h"

class AcDbImpObject {
public:
    AcDbStub* stub = nullptr;
    AcDbObjectId ownerId;
    AcDbObjectId extensionDictionary;
    XDataStore xdata;
    int readers = 0;
    // A new object is open for write until it has been added to a database and closed.
    bool writeOpen = true;
    bool isNew = true;
    bool erased = false;
    bool modified = false;
};

// The object behind an id, without opening it: for the database layer's own bookkeeping only.
template <class T> T* peekObject(const AcDbObjectId& id)
{
    AcDbStub* stub = id.stub();
    return stub != nullptr ? T::cast(stub->object()) : nullptr;
}
