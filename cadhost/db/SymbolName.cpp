#include "SymbolName.h"

#include <cwctype>

namespace cadhost {
std::wstring foldName(std::wstring_view name)
{
    std::wstring folded(name);
    for (wchar_t& character : folded)
        character = static_cast<wchar_t>(std::towupper(static_cast<wint_t>(character)));
    return folded;
}

bool sameName(std::wstring_view first, std::wstring_view second)
{
    if (first.size() != second.size())
        return false;
    // Names are looked up for every entity that carries extended data; most characters are ASCII, which
    // needs no trip through the locale's tables.
    auto upper = [](wchar_t ch) -> wint_t {
        if (ch < 0x80)
            return ch >= L'a' && ch <= L'z' ? static_cast<wint_t>(ch - (L'a' - L'A')) : static_cast<wint_t>(ch);
        return std::towupper(static_cast<wint_t>(ch));
    };
    for (std::size_t index = 0; index < first.size(); ++index) {
        if (first[index] != second[index] && upper(first[index]) != upper(second[index]))
            return false;
    }
    return true;
}

bool isValidSymbolName(std::wstring_view name, bool allowLeadingStar)
{
    constexpr std::wstring_view kForbidden = L"<>/\\\":;?*|,=`";
    if (name.empty() || name.size() > 255)
        return false;
    for (std::size_t index = 0; index < name.size(); ++index) {
        if (index == 0 && allowLeadingStar && name[index] == L'*')
            continue;
        if (kForbidden.find(name[index]) != std::wstring_view::npos || name[index] < L' ')
            return false;
    }
    return true;
}
} // namespace cadhost
