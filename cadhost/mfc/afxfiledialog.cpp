#include "afxfiledialog.h"

#include "UiDriver.h"
#include "fileops.h"

CFileDialog::CFileDialog(BOOL openFileDialog, LPCTSTR defaultExtension, LPCTSTR fileName, DWORD flags, LPCTSTR filter,
                         CWnd* parent, DWORD, BOOL)
    : CDialog(0, parent), m_open(openFileDialog != FALSE), m_defaultExtension(defaultExtension), m_fileName(fileName),
      m_filter(filter)
{
    m_ofn.lStructSize = sizeof(m_ofn);
    m_ofn.Flags = flags | OFN_EXPLORER;
}

INT_PTR CFileDialog::DoModal()
{
    const cadhost::FileDialogRequest request{m_open,           m_ofn.lpstrTitle != nullptr ? m_ofn.lpstrTitle : L"",
                                             m_filter.str(),   m_defaultExtension.str(),
                                             m_fileName.str(), m_ofn.Flags};
    const std::vector<std::wstring> chosen = cadhost::currentUiDriver().chooseFiles(request);
    m_chosen.clear();
    if (chosen.empty())
        return IDCANCEL;
    if (chosen.size() > 1 && (m_ofn.Flags & OFN_ALLOWMULTISELECT) == 0)
        throw cadhost::UiScriptError(L"the file dialog takes one file, not " + std::to_wstring(chosen.size()));
    for (const std::wstring& path : chosen) {
        if ((m_ofn.Flags & OFN_FILEMUSTEXIST) != 0 && !cadhost::pathExists(path))
            throw cadhost::UiScriptError(L"the file dialog accepts existing files only, not \"" + path + L"\"");
        m_chosen.emplace_back(path);
    }
    return IDOK;
}

CString CFileDialog::GetPathName() const
{
    return m_chosen.empty() ? CString() : m_chosen.front();
}

CString CFileDialog::GetFileName() const
{
    const CString path = GetPathName();
    return path.Mid(std::max(path.ReverseFind(L'/'), path.ReverseFind(L'\\')) + 1);
}

CString CFileDialog::GetFileExt() const
{
    const CString name = GetFileName();
    const int dot = name.ReverseFind(L'.');
    return dot < 0 ? CString() : name.Mid(dot + 1);
}

CString CFileDialog::GetFileTitle() const
{
    const CString name = GetFileName();
    const int dot = name.ReverseFind(L'.');
    return dot < 0 ? name : name.Left(dot);
}

CString CFileDialog::GetFolderPath() const
{
    const CString path = GetPathName();
    return path.Left(std::max(path.ReverseFind(L'/'), path.ReverseFind(L'\\')));
}

POSITION CFileDialog::GetStartPosition() const
{
    return m_chosen.empty() ? nullptr : reinterpret_cast<POSITION>(std::intptr_t{1});
}

CString CFileDialog::GetNextPathName(POSITION& position) const
{
    const auto index = static_cast<std::size_t>(reinterpret_cast<std::intptr_t>(position) - 1);
    position =
        index + 1 < m_chosen.size() ? reinterpret_cast<POSITION>(static_cast<std::intptr_t>(index) + 2) : nullptr;
    return index < m_chosen.size() ? m_chosen[index] : CString();
}
