// An open file descriptor that is closed when it goes out of scope.
#pragma once

#include "adesk.h"

#include <fcntl.h>
#include <filesystem>

namespace cadhost {

class CADHOST_EXPORT UnixFile {
public:
    UnixFile(const std::filesystem::path& path, int flags);
    ~UnixFile();
    UnixFile(UnixFile&& other) noexcept;
    UnixFile& operator=(UnixFile&& other) noexcept;
    UnixFile(const UnixFile&) = delete;
    UnixFile& operator=(const UnixFile&) = delete;

    bool isOpen() const { return m_descriptor >= 0; }
    int descriptor() const { return m_descriptor; }

private:
    int m_descriptor = -1;
};

} // namespace cadhost
