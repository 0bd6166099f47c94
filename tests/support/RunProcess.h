// Runs a program for end-to-end tests and collects its exit code, stdout and stderr.
#pragma once

#include <string>
#include <vector>

namespace testsupport {
struct ProcessResult {
    int exitCode = -1; // 128 plus the signal number when a signal ended the program
    std::string out;
    std::string err;
};

// argv[0] is the program's path. environment holds "NAME=value" entries added to this process's own.
ProcessResult runProcess(const std::vector<std::string>& argv, const std::vector<std::string>& environment = {});
} // namespace testsupport
