// Saves an entity's geometry to a DWG filer through its record, and reads it back onto an entity of
// the same class.
#pragma once

#include "dbdim.h"
#include "dbmain.h"

Acad::ErrorStatus writeEntityData(AcDbEntity* entity, AcDbDwgFiler* filer);
Acad::ErrorStatus readEntityData(AcDbEntity* entity, AcDbDwgFiler* filer);
Acad::ErrorStatus writeCurveData(AcDbEntity* entity, AcDbDwgFiler* filer);
Acad::ErrorStatus readCurveData(AcDbEntity* entity, AcDbDwgFiler* filer);
Acad::ErrorStatus writeDimensionData(AcDbEntity* entity, AcDbDwgFiler* filer);
Acad::ErrorStatus readDimensionData(AcDbEntity* entity, AcDbDwgFiler* filer);
