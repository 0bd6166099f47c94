// The view of model space that a drawing shows until someone zooms: the extents of its model-space
// entities, or the default limits while there are none.
#pragma once

#include "dbmain.h"

namespace cadhost {
// The default drawing limits, shown while model space is empty.
inline constexpr AcGePoint3d kDefaultLimitsMin{0.0, 0.0, 0.0};
inline constexpr AcGePoint3d kDefaultLimitsMax{12.0, 9.0, 0.0};

// The union of the geometric extents of the model-space entities; empty when none has extents.
CADHOST_EXPORT AcDbExtents modelSpaceExtents(AcDbDatabase* database);
CADHOST_EXPORT void defaultModelView(AcDbDatabase* database, AcGePoint3d& viewMin, AcGePoint3d& viewMax);
} // namespace cadhost
