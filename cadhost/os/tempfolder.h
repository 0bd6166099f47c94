// The user's temporary folder: $TMPDIR when it is set and not empty, else /tmp; always ends with "/".
#pragma once

#include "adesk.h"
#include "windef.h"

#include <string>

namespace cadhost {
CADHOST_EXPORT std::wstring tempFolder();
} // namespace cadhost

// Windows semantics: returns the length copied (without the terminator), or the size needed including
// the terminator when the buffer is too small.
CADHOST_EXPORT DWORD GetTempPathW(DWORD size, LPWSTR buffer);
