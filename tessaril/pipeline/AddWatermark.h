// Placing the watermark: one per converted drawing, in model space, spanning twice the width and height
// of the model-space content, on the protect layer and at the bottom of the draw order.
#pragma once

#include "GGuardOption.h"

#include "entities/AcDbExtentsEx.h"

#include "dbmain.h"

// eInvalidExtents (30) when no model space with measurable content was found; a failing draw-order
// step is only logged.
Acad::ErrorStatus addWatermark(AcDbObjectId& watermarkId, AcDbExtentsEx& extents, const AcDbObjectIdArray& blockIds,
                               AcDbObjectId layerId, const GGuardOption& options);
