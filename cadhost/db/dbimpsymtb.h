// The database layer's state of symbol tables and block table records.
#pragma once

#include "dbid.h"
#include "gepnt3d.h"

#include <string>
#include <vector>

class AcDbImpSymbolTable {
public:
    // Records in table order, erased ones included.
    std::vector<AcDbObjectId> records;
};

class AcDbImpBlockTableRecord {
public:
    // Entities in their stored order, erased ones included.
    std::vector<AcDbObjectId> entities;
    AcDbObjectId layoutId;
    AcGePoint3d origin;
    std::wstring comments;
};
