// The host's command line. Whatever acutPrintf and acedPrompt print is kept in one buffer that the cadhost
// executable prints and tests read.
#pragma once

#include "acutads.h"
#include "adesk.h"

#include <functional>
#include <string>

namespace cadhost {
// Everything printed since the buffer was last taken or cleared.
CADHOST_EXPORT std::wstring commandLineText();
// The text printed so far; the buffer is empty afterwards.
CADHOST_EXPORT std::wstring takeCommandLineText();
CADHOST_EXPORT void clearCommandLine();

// Calls the listener after every print for its lifetime (on the printing thread), so that a caller can
// show the command line while a long command runs; scopes nest.
class CADHOST_EXPORT ScopedCommandLineListener {
public:
    explicit ScopedCommandLineListener(std::function<void()> listener);
    ~ScopedCommandLineListener();
    ScopedCommandLineListener(const ScopedCommandLineListener&) = delete;
    ScopedCommandLineListener& operator=(const ScopedCommandLineListener&) = delete;

private:
    std::function<void()> m_previous;
};
} // namespace cadhost
