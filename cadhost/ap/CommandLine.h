// The host's command line. Whatever acutPrintf and acedPrompt print is kept in one buffer that the cadhost
// executable prints and tests read.
#pragma once

#include "acutads.h"
#include "adesk.h"

#include <string>

namespace cadhost {
// Everything printed since the buffer was last taken or cleared.
CADHOST_EXPORT std::wstring commandLineText();
// The text printed so far; the buffer is empty afterwards.
CADHOST_EXPORT std::wstring takeCommandLineText();
CADHOST_EXPORT void clearCommandLine();
} // namespace cadhost
