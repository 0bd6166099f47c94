#include "UniqueFileName.h"

#include "fileops.h"

#include <algorithm>

namespace {

bool exists(const CString& path)
{
    return GetFileAttributesW(path) != INVALID_FILE_ATTRIBUTES;
}

bool isDigit(wchar_t ch)
{
    return ch >= L'0' && ch <= L'9';
}

} // namespace

CString incrementSuffix(const CString& suffix)
{
    std::wstring text = suffix.str();
    std::size_t position = text.size();
    while (position > 0 && isDigit(text[position - 1])) {
        --position;
        if (text[position] != L'9') {
            ++text[position];
            return CString(text);
        }
        text[position] = L'0';
    }
    text.insert(position, 1, L'1');
    return CString(text);
}

CString uniqueFileName(const CString& path)
{
    if (!exists(path))
        return path;
    const int separator = std::max(path.ReverseFind(L'\\'), path.ReverseFind(L'/'));
    const CString folder = separator >= 0 ? path.Left(separator + 1) : CString();
    const CString name = path.Mid(separator + 1);
    const int lastDot = name.ReverseFind(L'.');
    const int firstDot = name.Find(L'.');
    const CString extension = lastDot >= 0 ? name.Mid(lastDot) : CString();
    const CString base = firstDot >= 0 ? name.Left(firstDot) : name;

    CString suffix = L"_001";
    CString candidate = folder + base + suffix + extension;
    while (exists(candidate)) {
        suffix = incrementSuffix(suffix);
        candidate = folder + base + suffix + extension;
    }
    return candidate;
}
