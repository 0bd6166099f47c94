#include "FolderBrowser.h"

#include "shlobj.h"

#include <memory>

namespace {

struct ItemListRelease {
    void operator()(ITEMIDLIST* item) const { CoTaskMemFree(item); }
};

} // namespace

CString browseForFolder(CWnd* owner)
{
    wchar_t displayName[MAX_PATH] = {};
    BROWSEINFOW info{};
    info.hwndOwner = owner != nullptr ? owner->GetSafeHwnd() : nullptr;
    info.pszDisplayName = displayName;
    info.lpszTitle = L"选择一个文件夹";
    info.ulFlags = BIF_RETURNONLYFSDIRS | BIF_NEWDIALOGSTYLE;
    const std::unique_ptr<ITEMIDLIST, ItemListRelease> item(SHBrowseForFolderW(&info));
    wchar_t path[MAX_PATH] = {};
    if (!item || !SHGetPathFromIDListW(item.get(), path))
        return CString();
    return CString(path);
}
