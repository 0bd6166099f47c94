// The batch: every listed drawing processed in turn, one summary message, and the delivery for the
// recipient (installer, readme and, when asked, an archive of it all beside the output folder).
#pragma once

#include "afxstr.h"

// The recipient's files in the installation folder.
inline constexpr const wchar_t* kInstallerName = L"setup.exe";
inline constexpr const wchar_t* kReadmeName = L"使用说明.txt";

// Processes the sources of GuardOption and appends their rows to FileResults.
void runBatch();
