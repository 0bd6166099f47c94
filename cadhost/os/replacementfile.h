// A file that replaces its target only once it is complete: it is written under a temporary name in the
// target's folder and renamed over the target on commit, so no reader ever sees half a file and a failed
// write leaves the previous target as it was. The temporary file is removed unless it was committed.
#pragma once

#include "adesk.h"

#include <cstddef>
#include <filesystem>
#include <optional>

namespace cadhost {

class CADHOST_EXPORT ReplacementFile {
public:
    explicit ReplacementFile(std::filesystem::path target);
    ~ReplacementFile();
    ReplacementFile(const ReplacementFile&) = delete;
    ReplacementFile& operator=(const ReplacementFile&) = delete;

    bool write(const void* data, std::size_t size);
    // Closes the file and renames it over the target; false when anything on the way failed.
    bool commit();
    // The error number of the first failure, 0 while there was none.
    int error() const { return m_error; }

private:
    bool fail(int errorNumber);

    std::filesystem::path m_target;
    // Short, whatever the target's name, so that it fits wherever the target's name fits.
    std::filesystem::path m_temporary;
    int m_descriptor = -1;
    int m_error = 0;
    bool m_created = false;
    bool m_committed = false;
    // Bytes the file takes before a planned fault strikes.
    std::optional<std::size_t> m_bytesBeforeFault;
    int m_plannedError = 0;
};

} // namespace cadhost
