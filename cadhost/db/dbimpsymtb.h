// The database layer's state of symbol tables and block table records.
#pragma once

#include "dbid.h"
#include "gepnt3d.h"

#include <string>
#include <unordered_map>
#include <vector>

class AcDbImpSymbolTable {
public:
    // Records in table order, erased ones included. Whoever changes the list other than by appending a
    // record through the table, or renames a record, calls forgetNames.
    std::vector<AcDbObjectId> records;

    // The records by folded name, in table order, built when first asked for: looking a name up does not
    // read every record.
    std::unordered_map<std::wstring, std::vector<AcDbObjectId>> byName;
    bool namesKnown = false;
    void forgetNames()
    {
        byName.clear();
        namesKnown = false;
    }
};

class AcDbImpBlockTableRecord {
public:
    // Entities in their stored order, erased ones included.
    std::vector<AcDbObjectId> entities;
    AcDbObjectId layoutId;
    AcGePoint3d origin;
    std::wstring comments;
};
