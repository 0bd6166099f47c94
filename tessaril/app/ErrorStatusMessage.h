// Chinese descriptions of host status codes for message boxes, command-line prints and log lines.
#pragma once

#include "acadstrc.h"

#include <span>

struct ErrorMessage {
    int code;
    const wchar_t* text;
};

// The description of the status in one static buffer that the next call overwrites: the message table's
// text, or for a code without one the host's English text with "Unknown error" put as "未知错误".
const wchar_t* errorStatusMessage(Acad::ErrorStatus status);

// The message table, ordered by code.
std::span<const ErrorMessage> errorMessageTable();
