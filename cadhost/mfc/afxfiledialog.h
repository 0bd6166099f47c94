// MFC's open-file and save-file dialog. DoModal asks the UI driver for the chosen file names.
#pragma once

#include "afxdialog.h"
#include "afxlistctrl.h"

#include <vector>

constexpr DWORD OFN_READONLY = 0x00000001;
constexpr DWORD OFN_OVERWRITEPROMPT = 0x00000002;
constexpr DWORD OFN_HIDEREADONLY = 0x00000004;
constexpr DWORD OFN_NOCHANGEDIR = 0x00000008;
constexpr DWORD OFN_ALLOWMULTISELECT = 0x00000200;
constexpr DWORD OFN_PATHMUSTEXIST = 0x00000800;
constexpr DWORD OFN_FILEMUSTEXIST = 0x00001000;
constexpr DWORD OFN_EXPLORER = 0x00080000;
constexpr DWORD OFN_LONGNAMES = 0x00200000;

struct OPENFILENAMEW {
    DWORD lStructSize;
    HWND hwndOwner;
    LPCWSTR lpstrFilter;
    LPCWSTR lpstrInitialDir;
    LPCWSTR lpstrTitle;
    DWORD Flags;
    LPCWSTR lpstrDefExt;
};

class CADHOST_EXPORT CFileDialog : public CDialog {
public:
    // The filter lists description and pattern pairs separated by "|" and ends with "||".
    explicit CFileDialog(BOOL openFileDialog, LPCTSTR defaultExtension = nullptr, LPCTSTR fileName = nullptr,
                         DWORD flags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, LPCTSTR filter = nullptr,
                         CWnd* parent = nullptr, DWORD size = 0, BOOL vistaStyle = TRUE);

    // IDOK with the chosen files, IDCANCEL when the driver chose none. A choice that the dialog's flags
    // forbid (a missing file with OFN_FILEMUSTEXIST, several files without OFN_ALLOWMULTISELECT) is a
    // fault of the driver and throws UiScriptError.
    INT_PTR DoModal() override;

    CString GetPathName() const;
    CString GetFileName() const;
    CString GetFileExt() const;
    CString GetFileTitle() const;
    CString GetFolderPath() const;
    POSITION GetStartPosition() const;
    CString GetNextPathName(POSITION& position) const;

    OPENFILENAMEW m_ofn{};

private:
    bool m_open;
    CString m_defaultExtension;
    CString m_fileName;
    CString m_filter;
    std::vector<CString> m_chosen;
};
