// The database layer's state of one drawing: the object table (stubs by handle), the handle
// seed, the header variables and the file the drawing came from.
#pragma once

#include "dbmain.h"
#include "dbstub.h"

#include <deque>
#include <string>
#include <unordered_map>
#include <vector>

namespace cadhost {
class FieldIo;
}

// Header variables kept in the drawing file.
struct DatabaseHeader {
    AcDbObjectId blockTable;
    AcDbObjectId layerTable;
    AcDbObjectId linetypeTable;
    AcDbObjectId textStyleTable;
    AcDbObjectId dimStyleTable;
    AcDbObjectId regAppTable;
    AcDbObjectId namedObjects;
    AcDbObjectId clayer;
    AcDbObjectId celtype;
    AcDbObjectId textstyle;
    AcDbObjectId dimstyle;
    AcCmColor cecolor;
    double celtscale = 1.0;
    AcDb::LineWeight celweight = AcDb::kLnWtByLayer;
    double textsize = 2.5;
    bool tilemode = true;
    Adesk::Int16 saveproxygraphics = 1;

    void file(cadhost::FieldIo& io);
};

class AcDbImpDatabase {
public:
    explicit AcDbImpDatabase(AcDbDatabase* database);
    ~AcDbImpDatabase();
    AcDbImpDatabase(const AcDbImpDatabase&) = delete;
    AcDbImpDatabase& operator=(const AcDbImpDatabase&) = delete;

    AcDbDatabase* database() const { return m_database; }

    // The stub of a handle, made when missing; the handle seed moves beyond every handle in use.
    AcDbStub* stubFor(AcDbHandle handle);
    AcDbStub* findStub(AcDbHandle handle) const;
    // Puts a new object into the database under the next handle (or the given one).
    Acad::ErrorStatus addObject(AcDbObject* object, AcDbObjectId& id, AcDbHandle handle = AcDbHandle());
    // Replaces the object in a stub (proxy conversion); the old object is deleted.
    void replaceObject(AcDbStub* stub, AcDbObject* object);
    AcDbHandle handseed() const { return m_handseed; }
    void setHandseed(AcDbHandle seed);
    const std::deque<AcDbStub>& stubs() const { return m_stubs; }

    // Finds the well-known records again after the default drawing is built or a file is read.
    void refreshWellKnownIds();
    // Objects that cannot be erased by callers: the tables, the named-object dictionary, model and
    // paper space, layer 0 and the three standard linetypes.
    bool isPermanent(AcDbObjectId id) const;

    DatabaseHeader header;
    AcDbObjectId modelSpace;
    AcDbObjectId paperSpace;
    AcDbObjectId layerZero;
    AcDbObjectId continuous;
    AcDbObjectId byLayer;
    AcDbObjectId byBlock;
    AcDbObjectId layoutDictionary;

    std::wstring fileName;
    AcDb::AcDbDwgVersion lastSavedAsVersion = AcDb::kDHL_CURRENT;
    AcDb::AcDbDwgVersion originalFileVersion = AcDb::kDHL_CURRENT;
    bool readFromFile = false;
    bool modified = false;

private:
    AcDbDatabase* m_database;
    std::deque<AcDbStub> m_stubs;
    std::unordered_map<Adesk::UInt64, AcDbStub*> m_byHandle;
    AcDbHandle m_handseed = AcDbHandle(1);
};

// Every database alive in the process, for the class-deletion hook.
std::vector<AcDbDatabase*> liveDatabases();
