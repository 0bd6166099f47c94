// The entity properties a wrapper shares with the entity it holds.
#pragma once

#include "dbmain.h"

// Sets on target, from source, colour, layer, linetype, lineweight, material and linetype scale, each
// with its sub-entities. Nothing changes when target and source lie in two different databases.
void copyCommonProperties(AcDbEntity* target, AcDbEntity* source);
