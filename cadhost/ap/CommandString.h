// Command strings sent to the host's main window as WM_COPYDATA, as a plug-in does to type on the
// command line. The main window records each string; one that starts with two cancel characters
// (U+0003 twice, "^C^C") also cancels whatever runs.
#pragma once

#include "adesk.h"
#include "windef.h"

#include <string>
#include <vector>

using ULONG_PTR = std::uintptr_t;
using PVOID = void*;

// The data of a WM_COPYDATA message: a code, and cbData bytes at lpData.
struct COPYDATASTRUCT {
    ULONG_PTR dwData;
    DWORD cbData;
    PVOID lpData;
};
using PCOPYDATASTRUCT = COPYDATASTRUCT*;

namespace cadhost {
inline constexpr wchar_t kCancelCharacter = L'\u0003';

struct SentCommandString {
    ULONG_PTR code = 0;
    // The wide text of the data, up to its first NUL.
    std::wstring text;
    bool cancels = false;
};

// The main window's handling of WM_COPYDATA (lParam points to the COPYDATASTRUCT): TRUE when the data
// held a string.
CADHOST_EXPORT LRESULT receiveCommandString(WPARAM sender, LPARAM data);
CADHOST_EXPORT std::vector<SentCommandString> sentCommandStrings();
// How many received strings cancelled the running command.
CADHOST_EXPORT int cancelRequests();
CADHOST_EXPORT void clearSentCommandStrings();
} // namespace cadhost
