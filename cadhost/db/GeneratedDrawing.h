// Generated drawings of any size: model space filled with a realistic mix of every entity kind, for
// measuring how costs grow with the number of entities.
#pragma once

#include "dbmain.h"

#include <string>
#include <vector>

namespace cadhost {

// How many entities of one class a generated drawing holds.
struct GeneratedKindCount {
    std::wstring className;
    int count = 0;
};

// The number of entities of each class in a generated drawing of count entities, in the generator's
// order; every class the generator makes is listed, also with 0. Empty for a negative count.
CADHOST_EXPORT std::vector<GeneratedKindCount> generatedKindCounts(int count);

// Fills a new drawing (made with AcDbDatabase(true, true)) with count entities in model space, spread
// over a grid: mostly curves and texts, then block references with attributes, hatches with polyline,
// bulged and edge loops, dimensions of every kind, leaders, multilines and raster images. Layers per
// purpose, and a locked one that holds every 23rd entity; every 97th entity is invisible. The
// block definitions, layers and image definition exist even for 0 entities. The same count always
// builds the same drawing, in time linear in count. eInvalidInput for a negative count; otherwise
// answers the first failure.
CADHOST_EXPORT Acad::ErrorStatus buildGeneratedDrawing(AcDbDatabase& database, int count);

} // namespace cadhost
