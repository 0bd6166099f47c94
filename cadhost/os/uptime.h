// Milliseconds since the system started, counting time spent suspended.
#pragma once

#include "adesk.h"
#include "windef.h"

CADHOST_EXPORT ULONGLONG GetTickCount64();
// The same count cut to 32 bits; it wraps after about 49.7 days, as on Windows.
CADHOST_EXPORT DWORD GetTickCount();
