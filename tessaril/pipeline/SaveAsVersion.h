// Saving a protected drawing in the DWG version the batch asked for.
#pragma once

#include "dbmain.h"

// Saves database to path (its own file name when path is empty) in the format that stands for the
// requested version code: 0, 26, 27, 29 and 31 as 2013 (with backup-and-rename and the security
// parameters), 22 and 23 as 2000, 24 and 25 as 2004; 32766 means the database's last saved version.
// A null database gives eNullHandle (11), a path not ending in ".dwg" eInvalidFileExtension
// (360), any other version eInvalidInput (3) without saving.
Acad::ErrorStatus saveAsVersion(AcDbDatabase* database, const ACHAR* path, int version, const SecurityParams* security);
