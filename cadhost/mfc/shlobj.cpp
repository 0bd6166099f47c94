#include "shlobj.h"

#include "UiDriver.h"

#include <algorithm>
#include <cstdlib>
#include <cwchar>

// An item list here is the folder's path as a terminated wide string.
PIDLIST_ABSOLUTE SHBrowseForFolderW(BROWSEINFOW* info)
{
    const cadhost::FolderBrowseRequest request{info != nullptr && info->lpszTitle != nullptr ? info->lpszTitle : L"",
                                               info != nullptr ? info->ulFlags : 0};
    const std::optional<std::wstring> folder = cadhost::currentUiDriver().chooseFolder(request);
    if (!folder)
        return nullptr;
    auto* item = static_cast<wchar_t*>(CoTaskMemAlloc((folder->size() + 1) * sizeof(wchar_t)));
    if (item == nullptr)
        return nullptr;
    std::copy(folder->begin(), folder->end(), item);
    item[folder->size()] = L'\0';
    if (info != nullptr && info->pszDisplayName != nullptr) {
        const std::wstring::size_type slash = folder->find_last_of(L"/\\");
        const std::wstring name = folder->substr(slash == std::wstring::npos ? 0 : slash + 1);
        const std::size_t count = std::min<std::size_t>(name.size(), MAX_PATH - 1);
        std::copy_n(name.begin(), count, info->pszDisplayName);
        info->pszDisplayName[count] = L'\0';
    }
    return reinterpret_cast<PIDLIST_ABSOLUTE>(item);
}

BOOL SHGetPathFromIDListW(PCIDLIST_ABSOLUTE item, LPWSTR path)
{
    if (item == nullptr || path == nullptr)
        return FALSE;
    const auto* folder = reinterpret_cast<const wchar_t*>(item);
    const std::size_t length = std::wcslen(folder);
    if (length == 0 || length >= MAX_PATH) {
        path[0] = L'\0';
        return FALSE;
    }
    std::copy_n(folder, length + 1, path);
    return TRUE;
}

void* CoTaskMemAlloc(std::size_t size)
{
    return std::malloc(size);
}

void CoTaskMemFree(void* memory)
{
    std::free(memory);
}
