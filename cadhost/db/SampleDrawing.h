// The sample drawing: one drawing that holds every entity kind cadhost knows, so that tools, tests and
// the bundled samples exercise all of them.
#pragma once

#include "dbmain.h"

namespace cadhost {

// Fills a new drawing (made with AcDbDatabase(true, true)) with: every entity kind in model space;
// blocks with attribute definitions and references carrying attributes; an anonymous block; a
// referenced and an unreferenced block definition; locked, frozen and switched-off layers; a dimension
// style of its own; texts with Chinese contents; and a title block and a viewport in the paper-space
// layout. The same call always builds the same drawing. Answers the first failure.
CADHOST_EXPORT Acad::ErrorStatus buildSampleDrawing(AcDbDatabase& database);

} // namespace cadhost
