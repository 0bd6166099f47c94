// The size of a file as a 32-bit number, as the batch lists and compares it.
#pragma once

#include "adesk.h"
#include "afxstr.h"

// 0 when the file cannot be read or is 4 GiB or larger.
Adesk::UInt32 getFileSize32(const CString& path);
