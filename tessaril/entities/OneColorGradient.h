// The colour of a one-colour gradient hatch, which the hatch record does not store: a protected
// copy carries it as the wrapper's own colour, which a gradient fill does not draw with.
#pragma once

#include "dbmain.h"

// When source is a one-colour gradient hatch, gives wrapper the gradient's first colour.
void carryOneColorGradient(AcDbEntity& wrapper, const AcDbEntity& source);

// When inner is a one-colour gradient hatch that was read without its colours, gives it the
// gradient colour that its own colour carries.
void restoreOneColorGradient(AcDbEntity& inner);
