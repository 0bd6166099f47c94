// The file operations of the Windows API that the plug-in uses, over this platform's file system.
#pragma once

#include "adesk.h"
#include "windef.h"

#include <cstdint>
#include <optional>
#include <string_view>

constexpr DWORD INVALID_FILE_ATTRIBUTES = 0xFFFFFFFF;
constexpr DWORD FILE_ATTRIBUTE_READONLY = 0x00000001;
constexpr DWORD FILE_ATTRIBUTE_SYSTEM = 0x00000004;
constexpr DWORD FILE_ATTRIBUTE_DIRECTORY = 0x00000010;
constexpr DWORD FILE_ATTRIBUTE_NORMAL = 0x00000080;

// Copies the contents of a regular file; with failIfExists an existing target is left alone and the copy
// fails. The target is replaced only by a complete copy: a failed copy leaves no file or the previous one.
CADHOST_EXPORT BOOL CopyFileW(LPCWSTR existingFile, LPCWSTR newFile, BOOL failIfExists);
// Deletes a file, never a folder.
CADHOST_EXPORT BOOL DeleteFileW(LPCWSTR fileName);
// Creates one folder; fails when it exists or its parent does not.
CADHOST_EXPORT BOOL CreateDirectoryW(LPCWSTR path, void* securityAttributes);
// Folders answer FILE_ATTRIBUTE_DIRECTORY, regular files FILE_ATTRIBUTE_NORMAL (with READONLY when not
// writable), and devices, sockets and pipes FILE_ATTRIBUTE_SYSTEM; a missing path INVALID_FILE_ATTRIBUTES.
CADHOST_EXPORT DWORD GetFileAttributesW(LPCWSTR path);
// This platform has no short (8.3) names: always 0, so callers use the long path.
CADHOST_EXPORT DWORD GetShortPathNameW(LPCWSTR longPath, LPWSTR shortPath, DWORD size);

namespace cadhost {
CADHOST_EXPORT bool pathExists(std::wstring_view path);
// The size of a file opened for reading while others may read it too. Nothing when the file cannot be
// opened that way, which includes a file that some writer holds with a FileWriteLock.
CADHOST_EXPORT std::optional<std::uint64_t> sharedReadFileSize(std::wstring_view path);
} // namespace cadhost
