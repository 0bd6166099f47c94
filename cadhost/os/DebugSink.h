// The debugger output. Messages go to stderr when the environment variable CADHOST_DEBUG is set as the
// process starts (or setDebugEcho says so), and to the innermost live DebugCapture, so tests can read
// what a component traced.
#pragma once

#include "adesk.h"
#include "windef.h"

#include <string>
#include <vector>

CADHOST_EXPORT void OutputDebugStringW(LPCWSTR text);
// True while someone listens to the debugger output (a live DebugCapture or CADHOST_DEBUG), so that
// callers can skip formatting messages nobody receives.
CADHOST_EXPORT BOOL IsDebuggerPresent();

namespace cadhost {
// Turns the copy of the debugger output on stderr on or off.
CADHOST_EXPORT void setDebugEcho(bool on);

// Collects the debugger output for as long as it lives. Captures nest: only the newest live one receives.
class CADHOST_EXPORT DebugCapture {
public:
    DebugCapture();
    ~DebugCapture();
    DebugCapture(const DebugCapture&) = delete;
    DebugCapture& operator=(const DebugCapture&) = delete;

    // One entry per OutputDebugStringW call, in order.
    std::vector<std::wstring> messages() const;

private:
    friend void ::OutputDebugStringW(LPCWSTR text);
    std::vector<std::wstring> m_messages;
};
} // namespace cadhost
