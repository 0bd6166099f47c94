// Starting programs with an argument vector. No shell is involved, so arguments reach the program exactly
// as given, whatever blanks, quotes or leading dashes they hold.
#pragma once

#include "adesk.h"

#include <string>
#include <vector>

namespace cadhost {
// Starts argv[0] (looked up on PATH when it holds no "/") with argv as its arguments and does not wait
// for it. Returns false when the program cannot be started.
CADHOST_EXPORT bool startProcess(const std::vector<std::wstring>& argv);
// Waits for every process started so far and not yet waited for, and returns their exit codes in start
// order; a process ended by a signal gives 128 plus the signal number.
CADHOST_EXPORT std::vector<int> waitForStartedProcesses();
} // namespace cadhost
