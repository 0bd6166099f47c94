#include "PathText.h"

#include <string_view>

namespace pathtext {

namespace {

bool isSeparator(wchar_t c)
{
    return c == L'\\' || c == L'/';
}

std::wstring_view view(const CString& text)
{
    return {text.GetString(), static_cast<std::size_t>(text.GetLength())};
}

std::size_t lastSeparator(std::wstring_view path)
{
    return path.find_last_of(L"\\/");
}

} // namespace

CString folderOf(const CString& path)
{
    const std::wstring_view text = view(path);
    const std::size_t separator = lastSeparator(text);
    if (separator == std::wstring_view::npos)
        return {};
    return CString(std::wstring(text.substr(0, separator)));
}

CString nameOf(const CString& path)
{
    const std::wstring_view text = view(path);
    const std::size_t separator = lastSeparator(text);
    return CString(std::wstring(separator == std::wstring_view::npos ? text : text.substr(separator + 1)));
}

CString extensionOf(const CString& path)
{
    const CString name = nameOf(path);
    const std::wstring_view text = view(name);
    const std::size_t dot = text.rfind(L'.');
    return dot == std::wstring_view::npos ? CString() : CString(std::wstring(text.substr(dot)));
}

CString join(const CString& folder, const CString& name)
{
    if (folder.IsEmpty() || isSeparator(folder.GetString()[folder.GetLength() - 1]))
        return CString(std::wstring(view(folder)) + std::wstring(view(name)));
    return CString(std::wstring(view(folder)) + L"/" + std::wstring(view(name)));
}

CString trimSeparators(const CString& path)
{
    std::wstring_view text = view(path);
    while (!text.empty() && isSeparator(text.back()))
        text.remove_suffix(1);
    return CString(std::wstring(text));
}

bool equalNoCase(const CString& left, const CString& right)
{
    return left.CompareNoCase(right.GetString()) == 0;
}

} // namespace pathtext
