#include "fileops.h"

#include "nativepath.h"
#include "unixfile.h"

#include <filesystem>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

BOOL CopyFileW(LPCWSTR existingFile, LPCWSTR newFile, BOOL failIfExists)
{
    if (existingFile == nullptr || newFile == nullptr)
        return FALSE;
    const auto options = failIfExists ? fs::copy_options::none : fs::copy_options::overwrite_existing;
    std::error_code error;
    const bool copied = fs::copy_file(cadhost::nativePath(existingFile), cadhost::nativePath(newFile), options, error);
    return copied && !error ? TRUE : FALSE;
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
