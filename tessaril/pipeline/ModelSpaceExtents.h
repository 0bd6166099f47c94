// The area a drawing's model space covers, as the watermark is to span it.
#pragma once

#include "dbblkref.h"
#include "dbextents.h"
#include "dbsymtb.h"

// The union of the model-space entities' extents: empty texts are left out, block references measured
// through their block. eInvalidExtents (30) when no entity contributed, eNullHandle (11) for no record.
Acad::ErrorStatus measureModelSpace(AcDbExtents& extents, const AcDbBlockTableRecord* modelSpace);

// The extents of the reference's block contents (nested references measured the same way), transformed
// by the reference's block transform; the reference's own attributes do not count.
Acad::ErrorStatus measureBlockReference(AcDbExtents& extents, const AcDbBlockReference* reference);
