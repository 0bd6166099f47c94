// Globally unique identifiers: 128 random bits, printed in registry form
// {XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}.
#pragma once

#include "adesk.h"
#include "windef.h"

#include <string>

struct GUID {
    DWORD Data1;
    WORD Data2;
    WORD Data3;
    BYTE Data4[8];
};

using LPOLESTR = wchar_t*;

CADHOST_EXPORT HRESULT CoCreateGuid(GUID* guid);
// Writes the registry form (38 characters and a terminator); returns the characters written including
// the terminator, or 0 when the buffer is too small.
CADHOST_EXPORT int StringFromGUID2(const GUID& guid, LPOLESTR buffer, int size);

namespace cadhost {
// A new GUID in registry form.
CADHOST_EXPORT std::wstring newGuidText();
} // namespace cadhost
