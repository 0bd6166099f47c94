// The diagnostic log: one file per load of the module in the folder "Log" of the installation folder,
// one time-stamped line per logLine call, and every message also on the debugger output.
#pragma once

#include "afxstr.h"

#include <ctime>
#include <functional>
#include <optional>

// logLine writes only while this is true; it is true from the module's load.
extern bool LogEnabled;
// The log file of this load; empty until the first line after the load chose it.
extern CString LogFilePath;

// Writes one formatted message as a log line and to the debugger output.
void writeLogLine(const CString& message);

// format takes printf conventions as CString::Format applies them (%s a wide string, %d an int).
template <class... Args> void logLine(const wchar_t* format, const Args&... args)
{
    if (!LogEnabled)
        return;
    CString message;
    message.Format(format, args...);
    writeLogLine(message);
}

// The local time for the log, or nothing when the conversion to local time fails. Tests install their
// own; an empty function goes back to the system's clock.
using LocalTimeSource = std::function<std::optional<std::tm>()>;
void setLocalTimeSource(LocalTimeSource source);
