#include "replacementfile.h"

#include "faultplan.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <fcntl.h>
#include <string>
#include <unistd.h>

namespace cadhost {
namespace {

std::filesystem::path temporaryBeside(const std::filesystem::path& target)
{
    static std::atomic<unsigned> counter{0};
    const std::string name = ".cadhost-" + std::to_string(::getpid()) + "-" + std::to_string(++counter) + ".tmp";
    return target.parent_path() / name;
}

} // namespace

ReplacementFile::ReplacementFile(std::filesystem::path target)
    : m_target(std::move(target)), m_temporary(temporaryBeside(m_target))
{
    if (const std::optional<PlannedFault> fault = takeFileFault(FileAccess::Write, m_target)) {
        if (!fault->bytesAccepted) {
            fail(fault->errorNumber);
            return;
        }
        m_bytesBeforeFault = fault->bytesAccepted;
        m_plannedError = fault->errorNumber;
    }
    m_descriptor = ::open(m_temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (m_descriptor < 0)
        fail(errno);
    m_created = m_descriptor >= 0;
}

ReplacementFile::~ReplacementFile()
{
    if (m_descriptor >= 0)
        ::close(m_descriptor);
    if (m_created && !m_committed)
        ::unlink(m_temporary.c_str());
}

bool ReplacementFile::fail(int errorNumber)
{
    if (m_error == 0)
        m_error = errorNumber;
    return false;
}

bool ReplacementFile::write(const void* data, std::size_t size)
{
    if (m_error != 0 || m_descriptor < 0)
        return false;
    const char* bytes = static_cast<const char*>(data);
    std::size_t allowed = size;
    if (m_bytesBeforeFault)
        allowed = std::min(size, *m_bytesBeforeFault);
    while (allowed > 0) {
        const ssize_t written = ::write(m_descriptor, bytes, allowed);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return fail(written < 0 ? errno : EIO);
        bytes += written;
        allowed -= static_cast<std::size_t>(written);
        if (m_bytesBeforeFault)
            *m_bytesBeforeFault -= static_cast<std::size_t>(written);
        size -= static_cast<std::size_t>(written);
    }
    if (size > 0)
        return fail(m_plannedError);
    return true;
}

bool ReplacementFile::commit()
{
    if (m_error != 0 || m_descriptor < 0)
        return false;
    const int descriptor = m_descriptor;
    m_descriptor = -1;
    if (::close(descriptor) != 0 || ::rename(m_temporary.c_str(), m_target.c_str()) != 0)
        return fail(errno);
    m_committed = true;
    return true;
}

} // namespace cadhost
