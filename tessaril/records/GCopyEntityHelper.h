// Chooses the record type for an entity: records an entity into a new record, and applies a record
// to a target entity by the class name the record carries.
#pragma once

#include "GEntityData.h"

class GCopyEntityHelper {
public:
    // On success with a supported class, record holds a new record owned by the caller (release,
    // then delete). A dimension of an unsupported kind answers eOk and leaves record as it was.
    static Acad::ErrorStatus RecordEntity(GEntityData*& record, AcDbEntity* source);
    // A null target receives a new entity of the record's class, owned by the caller; an entity made
    // here is deleted again when the record's class name is not supported.
    static Acad::ErrorStatus CopyEntity(AcDbEntity*& target, GEntityData* record);
};

// Records source and applies the record to target, an entity whose class derives from source's.
Acad::ErrorStatus copyEntityData(AcDbEntity* target, AcDbEntity* source);
