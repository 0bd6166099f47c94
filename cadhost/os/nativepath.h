// Wide path text to a file-system path. Paths use "/" on this platform; a "\" written by code that
// follows the Windows conventions is taken as a separator too.
#pragma once

#include "adesk.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace cadhost {
CADHOST_EXPORT std::filesystem::path nativePath(std::wstring_view path);
CADHOST_EXPORT std::wstring widePath(const std::filesystem::path& path);
} // namespace cadhost
