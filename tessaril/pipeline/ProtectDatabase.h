// Turning one open drawing into its protected form in place: the size check, the protect layer, the
// watermark, and the replacement of every selected entity in block definitions and layouts.
#pragma once

#include "GGuardOption.h"

#include "dbsymtb.h"

// 0 when the drawing is converted; anything else means it must not be saved. eInvalidInput (3) when
// the file is too small for its entity count.
Acad::ErrorStatus protectDatabase(AcDbDatabase* database, Adesk::UInt32 fileSize, const GGuardOption& options);

// Converts every visible, convertible and selected entity that the record holds when the call starts.
Acad::ErrorStatus convertBlockEntities(AcDbBlockTableRecord* record, const GGuardOption& options);

// Converts the contents of the named block definitions: the referenced ones, or all of them when the
// unused-definitions switch is on; anonymous blocks are never entered.
void convertBlockDefinitions(const AcDbObjectIdArray& blockIds, const GGuardOption& options);
