// The shell's folder browser. The chosen folder comes from the UI driver; the item list that
// SHBrowseForFolderW returns is released with CoTaskMemFree.
#pragma once

#include "adesk.h"
#include "winuser.h"

struct ITEMIDLIST;
using LPITEMIDLIST = ITEMIDLIST*;
using LPCITEMIDLIST = const ITEMIDLIST*;
using PIDLIST_ABSOLUTE = ITEMIDLIST*;
using PCIDLIST_ABSOLUTE = const ITEMIDLIST*;

using BFFCALLBACK = int (*)(HWND, UINT, LPARAM, LPARAM);

struct BROWSEINFOW {
    HWND hwndOwner;
    PCIDLIST_ABSOLUTE pidlRoot;
    LPWSTR pszDisplayName; // receives the chosen folder's name, at most MAX_PATH characters
    LPCWSTR lpszTitle;
    UINT ulFlags;
    BFFCALLBACK lpfn;
    LPARAM lParam;
    int iImage;
};

constexpr UINT BIF_RETURNONLYFSDIRS = 0x00000001;
constexpr UINT BIF_EDITBOX = 0x00000010;
constexpr UINT BIF_NEWDIALOGSTYLE = 0x00000040;
constexpr UINT BIF_USENEWUI = BIF_EDITBOX | BIF_NEWDIALOGSTYLE;

// Null when cancelled.
CADHOST_EXPORT PIDLIST_ABSOLUTE SHBrowseForFolderW(BROWSEINFOW* info);
// Copies the folder's path (at most MAX_PATH characters with the terminator); FALSE for an item outside
// the file system.
CADHOST_EXPORT BOOL SHGetPathFromIDListW(PCIDLIST_ABSOLUTE item, LPWSTR path);
CADHOST_EXPORT void* CoTaskMemAlloc(std::size_t size);
CADHOST_EXPORT void CoTaskMemFree(void* memory);
