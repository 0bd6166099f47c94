// The ids of a block's entities, collected before any is opened, so that a walk that opens, changes or
// erases entities does not depend on the iterator.
#pragma once

#include "dbsymtb.h"

Acad::ErrorStatus collectEntityIds(const AcDbBlockTableRecord* record, AcDbObjectIdArray& ids);
