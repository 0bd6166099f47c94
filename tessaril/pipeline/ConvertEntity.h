// Replacing one entity by the wrapper entity that holds a copy of it.
#pragma once

#include "GGuardOption.h"

#include "dbblkref.h"
#include "dbsymtb.h"

#include <vector>

// True when the entity's exact class has a conversion (the 25 wrapped classes and multilines); a
// subclass of one of them, such as an attribute definition or a table, is never converted.
bool isConvertibleClass(const AcDbEntity* entity);

// Appends a wrapper holding a copy of the entity to owner and erases the entity; a multiline only
// gets the lock marker. The result is that of appending the wrapper.
Acad::ErrorStatus convertEntity(AcDbBlockTableRecord* owner, AcDbEntity* entity, const GGuardOption& options);

// Every visible attribute of the reference becomes a converted text beside it, whatever the kind
// switches say; then the reference itself is replaced by its wrapper.
Acad::ErrorStatus convertBlockReference(AcDbBlockTableRecord* owner, AcDbBlockReference* reference,
                                        const GGuardOption& options);

// A new single-line text, in no database, that looks like the attribute.
AcDbText* makeTextFromAttribute(AcDbAttribute* attribute);

// The entity classes whose conversion was announced in the log since the module was loaded.
extern std::vector<const AcRxClass*> ConvertedClassLog;
