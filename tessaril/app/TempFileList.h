// The temporary copies made while processing drawings; whatever is still listed is deleted at unload.
#pragma once

#include "afxcoll.h"

extern CStringArray TempFileList;

// Deletes every listed file, ignoring failures, and empties the list.
void deleteTempFiles();
