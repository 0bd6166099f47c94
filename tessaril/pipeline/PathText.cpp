#include "PathText.h"

#include "nativepath.h"

#include <algorithm>
#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>

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

std::filesystem::path toPath(const CString& text)
{
    std::wstring path(view(text));
    for (wchar_t& c : path)
        if (c == L'\\')
            c = L'/';
    // The host's conversion, not the C library's locale, which cannot convert Chinese names.
    return cadhost::nativePath(path);
}

std::filesystem::path resolved(const CString& text, std::error_code& error)
{
    const std::filesystem::path absolutePath = std::filesystem::absolute(toPath(text), error);
    if (error)
        return {};
    std::filesystem::path path = std::filesystem::weakly_canonical(absolutePath, error);
    if (!path.has_filename() && path.has_relative_path())
        path = path.parent_path();
    return path;
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

CString absolute(const CString& path)
{
    std::error_code error;
    const std::filesystem::path result = std::filesystem::absolute(toPath(path), error);
    return error ? path : CString(cadhost::widePath(result).c_str());
}

bool samePlace(const CString& left, const CString& right)
{
    if (left.IsEmpty() || right.IsEmpty())
        return false;
    std::error_code leftError;
    std::error_code rightError;
    const std::filesystem::path leftPath = resolved(left, leftError);
    const std::filesystem::path rightPath = resolved(right, rightError);
    return !leftError && !rightError && leftPath == rightPath;
}

bool liesWithin(const CString& path, const CString& folder)
{
    if (path.IsEmpty() || folder.IsEmpty())
        return false;
    std::error_code pathError;
    std::error_code folderError;
    const std::filesystem::path resolvedPath = resolved(path, pathError);
    const std::filesystem::path resolvedFolder = resolved(folder, folderError);
    if (pathError || folderError)
        return false;
    return std::mismatch(resolvedFolder.begin(), resolvedFolder.end(), resolvedPath.begin(), resolvedPath.end())
               .first == resolvedFolder.end();
}

} // namespace pathtext
