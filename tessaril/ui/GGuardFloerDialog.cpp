#include "GGuardFloerDialog.h"

#include "FolderBrowser.h"
#include "FolderWalk.h"
#include "SaveTypeList.h"
#include "fileops.h"
#include "pipeline/GGuardOption.h"
#include "pipeline/PathText.h"
#include "settings/GUserDataProfile.h"

namespace {

constexpr int kResultFolder = 105;
constexpr int kBrowseResultFolder = 106;
constexpr int kSourceFolder = 107;
constexpr int kBrowseSourceFolder = 108;
constexpr int kKeepTree = 109;
constexpr int kPack = 110;
constexpr int kArchiveType = 133;
constexpr int kSaveType = 147;

constexpr const wchar_t* kSection = L"GGuardFloerDialog";
constexpr const wchar_t* kKeepTreeKey = L"KeepFloderTree";
constexpr const wchar_t* kPackKey = L"Rar";
constexpr const wchar_t* kArchiveTypeKey = L"RarType";
constexpr int kValueLength = 128;

const cadhost::DialogTemplateRegistration dialogTemplate{DialogTemplate{
    GGuardFloerDialog::IDD,
    L"",
    rc::box(0, 0, 401, 245),
    DS_CONTROL | WS_CHILD,
    L"MS Shell Dlg",
    8,
    {
        rc::lText(L"设定源文件夹", IDC_STATIC, 17, 18, 59, 8),
        rc::editText(kSourceFolder, 88, 15, 246, 14),
        rc::pushButton(L"...", kBrowseSourceFolder, 341, 15, 50, 14),
        rc::lText(L"保存类型", IDC_STATIC, 17, 37, 59, 8),
        rc::comboBox(kSaveType, 88, 34, 126, 30, CBS_DROPDOWNLIST | CBS_SORT | WS_VSCROLL),
        rc::lText(L"设定结果文件夹", IDC_STATIC, 17, 54, 59, 8),
        rc::editText(kResultFolder, 88, 51, 246, 14),
        rc::pushButton(L"...", kBrowseResultFolder, 341, 51, 50, 14),
        rc::autoCheckBox(L"保持原有目录树结构", kKeepTree, 19, 72, 88, 10),
        rc::autoCheckBox(L"打包为压缩文件", kPack, 19, 88, 72, 10),
        rc::comboBox(kArchiveType, 96, 85, 80, 30, CBS_DROPDOWN | WS_VSCROLL).disabled(),
    },
}};

void showMessage(const wchar_t* text)
{
    AfxMessageBox(text, MB_OK);
}

// The default result folder beside the source folder: its name followed by "_G".
CString resultFolderBeside(CString source)
{
    source.TrimRight(L"\\/");
    CString folder;
    folder.Format(L"%s_G", source.GetString());
    return folder;
}

} // namespace

BEGIN_MESSAGE_MAP(GGuardFloerDialog, CDialog)
ON_BN_CLICKED(kBrowseSourceFolder, &GGuardFloerDialog::OnBrowseSourceFolder)
ON_BN_CLICKED(kBrowseResultFolder, &GGuardFloerDialog::OnBrowseResultFolder)
ON_BN_CLICKED(kPack, &GGuardFloerDialog::OnPackClicked)
END_MESSAGE_MAP()

GGuardFloerDialog::GGuardFloerDialog() : CDialog(IDD)
{
}

GGuardFloerDialog::~GGuardFloerDialog() = default;

void GGuardFloerDialog::DoDataExchange(CDataExchange* exchange)
{
    CDialog::DoDataExchange(exchange);
    DDX_Control(exchange, kSaveType, m_saveType);
    DDX_Control(exchange, kArchiveType, m_archiveType);
}

BOOL GGuardFloerDialog::OnInitDialog()
{
    CDialog::OnInitDialog();
    fillSaveTypeList(m_saveType);
    GUserDataProfile& settings = userDataProfile();
    if (settings.readFlag(kSection, kKeepTreeKey, true, kValueLength))
        CheckDlgButton(kKeepTree, BST_CHECKED);
    if (settings.readFlag(kSection, kPackKey, false, kValueLength)) {
        CheckDlgButton(kPack, BST_CHECKED);
        m_archiveType.EnableWindow(TRUE);
    }
    m_archiveType.AddString(L"zip");
    m_archiveType.AddString(L"rar");
    const CString archiveType = settings.readString(kSection, kArchiveTypeKey, kValueLength, L"zip");
    const int index = m_archiveType.FindStringExact(-1, archiveType);
    m_archiveType.SetCurSel(index == CB_ERR ? 0 : index);
    return TRUE;
}

void GGuardFloerDialog::OnBrowseSourceFolder()
{
    const CString folder = browseForFolder(this);
    if (folder.IsEmpty())
        return;
    SetDlgItemText(kSourceFolder, folder);
    CString result;
    if (GetDlgItemText(kResultFolder, result) == 0)
        SetDlgItemText(kResultFolder, resultFolderBeside(folder));
}

void GGuardFloerDialog::OnBrowseResultFolder()
{
    const CString folder = browseForFolder(this);
    if (!folder.IsEmpty())
        SetDlgItemText(kResultFolder, folder);
}

void GGuardFloerDialog::OnPackClicked()
{
    m_archiveType.EnableWindow(IsDlgButtonChecked(kPack) == BST_CHECKED);
}

bool GGuardFloerDialog::readParameters(GGuardOption& option)
{
    CString source;
    CString output;
    GetDlgItemText(kSourceFolder, source);
    GetDlgItemText(kResultFolder, output);
    if (source.IsEmpty()) {
        showMessage(L"源文件夹不可以为空");
        return false;
    }
    if (GetFileAttributesW(source) == INVALID_FILE_ATTRIBUTES) {
        showMessage(L"源文件夹不存在");
        return false;
    }
    if (output.IsEmpty()) {
        showMessage(L"结果不可以为空");
        return false;
    }
    if (source.CompareNoCase(output) == 0 || pathtext::samePlace(source, output)) {
        showMessage(L"源文件夹和结果文件夹不可以相同");
        return false;
    }
    // The walk would collect earlier results and could name one drawing as another's result.
    if (pathtext::liesWithin(output, source)) {
        showMessage(L"结果文件夹不可以在源文件夹中");
        return false;
    }
    GUserDataProfile& settings = userDataProfile();
    option.sourceFolder = source;
    option.outputFolder = output;
    option.keepFolderTree = IsDlgButtonChecked(kKeepTree) == BST_CHECKED;
    settings.writeFlag(kSection, kKeepTreeKey, option.keepFolderTree);
    option.outputVersion = takeSaveType(m_saveType);

    option.sourcePaths.RemoveAll();
    option.outputPaths.RemoveAll();
    walkFolder(source, output, option.keepFolderTree, option.sourcePaths, option.outputPaths);
    if (option.sourcePaths.IsEmpty()) {
        showMessage(L"源文件夹中未找到需要保护的.dwg文件");
        return false;
    }
    option.pack = IsDlgButtonChecked(kPack) == BST_CHECKED;
    m_archiveType.GetWindowText(option.archiveType);
    settings.writeFlag(kSection, kPackKey, option.pack);
    settings.writeString(kSection, kArchiveTypeKey, option.archiveType);
    return true;
}
