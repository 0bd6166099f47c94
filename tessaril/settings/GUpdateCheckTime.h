// The time of the last update check, as the local update descriptor keeps it, and the rule that allows
// one check per start of the computer.
#pragma once

#include "afxstr.h"

#include <cstdint>
#include <ctime>
#include <optional>

// "%Y-%m-%d %H:%M:%S" in local time.
CString formatCheckTime(std::time_t time);
// The time a text in that form names; nothing for any other text, an impossible date included.
// Blanks around the text are ignored.
std::optional<std::time_t> parseCheckTime(const CString& text);

// Due when the last check time cannot be read, or when it lies before the computer started: a check time
// in the future, or at or after the start, means this start of the computer was already checked.
bool isCheckDue(const CString& lastCheckTime, std::time_t now, std::uint64_t secondsSinceStart);

// Whole seconds since the computer started, from the system's uptime.
std::uint64_t secondsSinceComputerStart();
