// A replacement entity takes the draw-order place of the entity it replaces.
#pragma once

#include "dbsymtb.h"

// Gives the replacement, already appended to the owner, the draw-order place of the replaced entity,
// which must not be erased yet; the replaced entity ends where the replacement was appended (the top).
// The owner is open for write; its draw-order table is made when it has none.
Acad::ErrorStatus takeDrawOrderPlace(AcDbBlockTableRecord* owner, AcDbObjectId replacedId, AcDbObjectId replacementId);
