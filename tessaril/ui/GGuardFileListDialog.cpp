#include "GGuardFileListDialog.h"

#include "FolderBrowser.h"
#include "SaveTypeList.h"
#include "acedfilenav.h"
#include "acutads.h"
#include "afxdlgs.h"
#include "fileops.h"
#include "pipeline/GGuardOption.h"
#include "rxmfcapi.h"

#include <memory>
#include <vector>

namespace {

constexpr int kFileList = 101;
constexpr int kAddFile = 102;
constexpr int kAddFiles = 103;
constexpr int kDeleteFiles = 104;
constexpr int kResultFolder = 105;
constexpr int kBrowseResultFolder = 106;
constexpr int kSaveType = 147;

// The hidden column that keeps the full path the file list is rebuilt from.
constexpr int kFullPathColumn = 3;

const cadhost::DialogTemplateRegistration dialogTemplate{DialogTemplate{
    GGuardFileListDialog::IDD,
    L"",
    rc::box(0, 0, 401, 245),
    DS_CONTROL | WS_CHILD,
    L"MS Shell Dlg",
    8,
    {
        rc::control(L"", kFileList, WC_LISTVIEWW, LVS_REPORT | LVS_SHOWSELALWAYS | WS_BORDER | WS_TABSTOP, 7, 7, 397,
                    176),
        rc::pushButton(L"添加单个文件", kAddFile, 17, 189, 57, 14),
        rc::pushButton(L"添加多个文件", kAddFiles, 100, 189, 56, 14),
        rc::pushButton(L"删除选中文件", kDeleteFiles, 183, 189, 62, 14),
        rc::lText(L"保存类型", IDC_STATIC, 17, 213, 59, 8),
        rc::comboBox(kSaveType, 88, 210, 126, 30, CBS_DROPDOWNLIST | CBS_SORT | WS_VSCROLL),
        rc::lText(L"设定结果文件夹", IDC_STATIC, 17, 230, 59, 8),
        rc::editText(kResultFolder, 88, 227, 246, 14),
        rc::pushButton(L"...", kBrowseResultFolder, 341, 227, 50, 14),
    },
}};

struct ResbufRelease {
    void operator()(resbuf* chain) const { acutRelRb(chain); }
};

// The 8.3 form of the path where the file system has one, else the path itself.
CString shortPathOf(const CString& path)
{
    wchar_t shortPath[MAX_PATH] = {};
    const DWORD length = GetShortPathNameW(path, shortPath, MAX_PATH);
    return length > 0 && length < MAX_PATH ? CString(shortPath) : path;
}

void showMessage(const CString& text)
{
    AfxMessageBox(text, MB_OK);
}

} // namespace

BEGIN_MESSAGE_MAP(GGuardFileListDialog, CDialog)
ON_BN_CLICKED(kAddFile, &GGuardFileListDialog::OnAddFile)
ON_BN_CLICKED(kAddFiles, &GGuardFileListDialog::OnAddFiles)
ON_BN_CLICKED(kDeleteFiles, &GGuardFileListDialog::OnDeleteFiles)
ON_BN_CLICKED(kBrowseResultFolder, &GGuardFileListDialog::OnBrowseResultFolder)
END_MESSAGE_MAP()

GGuardFileListDialog::GGuardFileListDialog() : CDialog(IDD)
{
}

GGuardFileListDialog::~GGuardFileListDialog() = default;

void GGuardFileListDialog::DoDataExchange(CDataExchange* exchange)
{
    CDialog::DoDataExchange(exchange);
    DDX_Control(exchange, kFileList, m_list);
    DDX_Control(exchange, kSaveType, m_saveType);
}

BOOL GGuardFileListDialog::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_list.SetExtendedStyle(m_list.GetExtendedStyle() | LVS_EX_FULLROWSELECT);
    m_list.InsertColumn(0, L"ID", LVCFMT_LEFT, 70);
    m_list.InsertColumn(1, L"文件", LVCFMT_LEFT, 420);
    m_list.InsertColumn(2, L"状态", LVCFMT_LEFT, 70);
    m_list.InsertColumn(kFullPathColumn, L"文件", LVCFMT_LEFT, 0);
    fillSaveTypeList(m_saveType);
    return TRUE;
}

bool GGuardFileListDialog::isListed(const CString& path) const
{
    for (INT_PTR index = 0; index < m_files.GetSize(); ++index) {
        if (m_files[index].CompareNoCase(path) == 0)
            return true;
    }
    return false;
}

void GGuardFileListDialog::appendRow(const CString& path)
{
    const int row = m_list.GetItemCount();
    CString number;
    number.Format(L"%d", row + 1);
    m_list.InsertItem(row, number);
    m_list.SetItemText(row, 1, shortPathOf(path));
    m_list.SetItemText(row, 2, L"准备保护");
    m_list.SetItemText(row, kFullPathColumn, path);
    m_files.Add(path);
}

void GGuardFileListDialog::OnAddFile()
{
    CFileDialog dialog(TRUE, nullptr, nullptr, OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST | OFN_LONGNAMES,
                       L"DWG文件 (*.dwg)|*.dwg||", acedGetAcadFrame());
    if (dialog.DoModal() != IDOK)
        return;
    const CString path = dialog.GetPathName();
    if (isListed(path))
        showMessage(L"文件已经在列表中了，无需重复添加");
    else
        appendRow(path);
}

void GGuardFileListDialog::OnAddFiles()
{
    resbuf* chosen = nullptr;
    const int status = acedGetFileNavDialog(L"待加密文件.dwg", nullptr, L"dwg", L"选择加密文件", 0x1021, &chosen);
    const std::unique_ptr<resbuf, ResbufRelease> release(chosen);
    if (status != RTNORM)
        return;
    int added = 0;
    int duplicates = 0;
    for (const resbuf* entry = chosen; entry != nullptr; entry = entry->rbnext) {
        if (entry->restype != RTSTR || entry->resval.rstring == nullptr)
            continue;
        const CString path(entry->resval.rstring);
        if (isListed(path)) {
            ++duplicates;
        } else {
            appendRow(path);
            ++added;
        }
    }
    CString message;
    if (duplicates > 0 && added > 0)
        message.Format(L"成功添加:%d个文件,忽略%d个重复文件", added, duplicates);
    else if (duplicates > 0)
        message.Format(L"%d个文件都已经在列表中了，无需重复添加", duplicates);
    else
        message.Format(L"成功添加:%d个文件", added);
    showMessage(message);
}

void GGuardFileListDialog::OnDeleteFiles()
{
    std::vector<int> selected;
    POSITION position = m_list.GetFirstSelectedItemPosition();
    while (position != nullptr)
        selected.push_back(m_list.GetNextSelectedItem(position));
    for (auto row = selected.rbegin(); row != selected.rend(); ++row)
        m_list.DeleteItem(*row);

    m_files.RemoveAll();
    for (int row = 0; row < m_list.GetItemCount(); ++row) {
        CString number;
        number.Format(L"%d", row + 1);
        m_list.SetItemText(row, 0, number);
        m_files.Add(m_list.GetItemText(row, kFullPathColumn));
    }
}

void GGuardFileListDialog::OnBrowseResultFolder()
{
    const CString folder = browseForFolder(this);
    if (!folder.IsEmpty())
        SetDlgItemText(kResultFolder, folder);
}

bool GGuardFileListDialog::readParameters(GGuardOption& option)
{
    option.sourceFolder.Empty();
    option.outputPaths.RemoveAll();
    if (m_files.IsEmpty()) {
        showMessage(L"请先选择需要保护的文件");
        return false;
    }
    option.sourcePaths.Copy(m_files);
    GetDlgItemText(kResultFolder, option.outputFolder);
    if (option.outputFolder.IsEmpty()) {
        showMessage(L"结果不可以为空");
        return false;
    }
    option.outputVersion = takeSaveType(m_saveType);
    // This page offers no packing or folder tree: what the folder page may have left there does not hold.
    const GGuardOption fresh;
    option.keepFolderTree = fresh.keepFolderTree;
    option.pack = fresh.pack;
    option.archiveType = fresh.archiveType;
    return true;
}
