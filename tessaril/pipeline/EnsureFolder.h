// Making sure an output folder exists before a result is written into it.
#pragma once

#include "afxstr.h"

// True when the folder exists or was created together with every missing parent.
bool ensureFolder(const CString& path);
