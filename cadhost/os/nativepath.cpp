#include "nativepath.h"

#include "codepage.h"

#include <algorithm>

namespace cadhost {

std::filesystem::path nativePath(std::wstring_view path)
{
    std::wstring text(path);
    std::replace(text.begin(), text.end(), L'\\', L'/');
    return std::filesystem::path(toUtf8(text));
}

std::wstring widePath(const std::filesystem::path& path)
{
    return fromUtf8(path.native());
}

} // namespace cadhost
