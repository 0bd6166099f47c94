#include "fileops.h"

#include "faultplan.h"
#include "nativepath.h"
#include "replacementfile.h"
#include "unixfile.h"

#include <array>
#include <cerrno>
#include <filesystem>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

BOOL CopyFileW(LPCWSTR existingFile, LPCWSTR newFile, BOOL failIfExists)
{
    if (existingFile == nullptr || newFile == nullptr)
        return FALSE;
    const fs::path source = cadhost::nativePath(existingFile);
    const fs::path target = cadhost::nativePath(newFile);
    std::error_code error;
    if (failIfExists && fs::exists(fs::symlink_status(target, error)))
        return FALSE;
    if (cadhost::takeFileFault(cadhost::FileAccess::Read, source))
        return FALSE;
    // Without O_NONBLOCK a named pipe in the source's place would block the copy until some writer came.
    const cadhost::UnixFile input(source, O_RDONLY | O_NONBLOCK);
    struct stat info {};
    if (!input.isOpen() || ::fstat(input.descriptor(), &info) != 0 || !S_ISREG(info.st_mode))
        return FALSE;
    cadhost::ReplacementFile copy(target);
    std::array<char, 64 * 1024> buffer;
    for (;;) {
        const ssize_t read = ::read(input.descriptor(), buffer.data(), buffer.size());
        if (read < 0 && errno == EINTR)
            continue;
        if (read < 0)
            return FALSE;
        if (read == 0)
            break;
        if (!copy.write(buffer.data(), static_cast<std::size_t>(read)))
            return FALSE;
    }
    return copy.commit() ? TRUE : FALSE;
}

BOOL DeleteFileW(LPCWSTR fileName)
{
    if (fileName == nullptr)
        return FALSE;
    const fs::path path = cadhost::nativePath(fileName);
    std::error_code error;
    if (fs::is_directory(fs::symlink_status(path, error)))
        return FALSE;
    return fs::remove(path, error) && !error ? TRUE : FALSE;
}

BOOL CreateDirectoryW(LPCWSTR path, void*)
{
    if (path == nullptr)
        return FALSE;
    return ::mkdir(cadhost::nativePath(path).c_str(), 0777) == 0 ? TRUE : FALSE;
}

DWORD GetFileAttributesW(LPCWSTR path)
{
    struct stat info {};
    if (path == nullptr || ::stat(cadhost::nativePath(path).c_str(), &info) != 0)
        return INVALID_FILE_ATTRIBUTES;
    if (S_ISDIR(info.st_mode))
        return FILE_ATTRIBUTE_DIRECTORY;
    if (!S_ISREG(info.st_mode))
        return FILE_ATTRIBUTE_SYSTEM;
    const bool writable = ::access(cadhost::nativePath(path).c_str(), W_OK) == 0;
    return writable ? FILE_ATTRIBUTE_NORMAL : FILE_ATTRIBUTE_NORMAL | FILE_ATTRIBUTE_READONLY;
}

DWORD GetShortPathNameW(LPCWSTR, LPWSTR, DWORD)
{
    return 0;
}

namespace cadhost {

bool pathExists(std::wstring_view path)
{
    std::error_code error;
    return !path.empty() && fs::exists(nativePath(path), error);
}

std::optional<std::uint64_t> sharedReadFileSize(std::wstring_view path)
{
    const UnixFile file(nativePath(path), O_RDONLY);
    if (!file.isOpen() || ::flock(file.descriptor(), LOCK_SH | LOCK_NB) != 0)
        return std::nullopt;
    struct stat info {};
    if (::fstat(file.descriptor(), &info) != 0 || !S_ISREG(info.st_mode))
        return std::nullopt;
    return static_cast<std::uint64_t>(info.st_size);
}

} // namespace cadhost
