// A test hook that makes chosen file operations of the host fail as a full disk, a refused folder or an
// unreadable file would. The plan is empty unless a test sets one, and nothing in the host sets it.
#pragma once

#include "adesk.h"

#include <cerrno>
#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace cadhost {

enum class FileAccess { Read, Write };

struct FileFault {
    FileAccess access = FileAccess::Write;
    // The operation's path contains this text (UTF-8).
    std::string pathContains;
    int errorNumber = ENOSPC;
    // The number of bytes a written file takes before the failure; none: it cannot even be created.
    std::optional<std::size_t> bytesAccepted;
    // Matching operations that pass before the fault strikes, and how many it strikes then.
    unsigned skip = 0;
    unsigned times = 1;
};

// Replaces the process-wide plan; an empty list switches fault injection off.
CADHOST_EXPORT void setFileFaults(std::vector<FileFault> faults);

// What the plan holds for one operation on the path; counts the operation against every matching fault.
struct PlannedFault {
    int errorNumber = 0;
    std::optional<std::size_t> bytesAccepted;
};
CADHOST_EXPORT std::optional<PlannedFault> takeFileFault(FileAccess access, const std::filesystem::path& path);

// Sets the plan for its own lifetime.
class ScopedFileFaults {
public:
    explicit ScopedFileFaults(std::vector<FileFault> faults) { setFileFaults(std::move(faults)); }
    ~ScopedFileFaults() { setFileFaults({}); }
    ScopedFileFaults(const ScopedFileFaults&) = delete;
    ScopedFileFaults& operator=(const ScopedFileFaults&) = delete;
};

} // namespace cadhost
