// The debug trace: formatted like logLine, but only to the debugger output, with no time and no file.
#pragma once

#include "DebugSink.h"
#include "afxstr.h"

template <class... Args> void traceLine(const wchar_t* format, const Args&... args)
{
    // Wrappers trace every save and load of every entity; formatting for nobody would cost more than
    // the filing itself.
    if (!IsDebuggerPresent())
        return;
    CString message;
    message.Format(format, args...);
    OutputDebugStringW(message);
}
