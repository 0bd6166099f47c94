#include "unixfile.h"

#include <unistd.h>
#include <utility>

namespace cadhost {

UnixFile::UnixFile(const std::filesystem::path& path, int flags) : m_descriptor(::open(path.c_str(), flags | O_CLOEXEC))
{
}

UnixFile::~UnixFile()
{
    if (m_descriptor >= 0)
        ::close(m_descriptor);
}

UnixFile::UnixFile(UnixFile&& other) noexcept : m_descriptor(std::exchange(other.m_descriptor, -1))
{
}

UnixFile& UnixFile::operator=(UnixFile&& other) noexcept
{
    if (this != &other) {
        if (m_descriptor >= 0)
            ::close(m_descriptor);
        m_descriptor = std::exchange(other.m_descriptor, -1);
    }
    return *this;
}

} // namespace cadhost
