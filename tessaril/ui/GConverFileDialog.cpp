#include "GConverFileDialog.h"

#include "settings/GUserDataProfile.h"
#include "shellopen.h"

namespace {

constexpr int kQuestion = 150;
constexpr int kOverwrite = 136;
constexpr int kRename = 137;
constexpr int kApplyToRest = 107;
constexpr int kLocateFile = 130;

constexpr const wchar_t* kSection = L"GConverFileDialog";
constexpr const wchar_t* kOverwriteKey = L"Conver";
constexpr const wchar_t* kApplyToRestKey = L"NextSame";

// No Cancel button and no close box: the question is answered with OK (or dismissed with Esc).
const cadhost::DialogTemplateRegistration dialogTemplate{DialogTemplate{
    GConverFileDialog::IDD,
    L"文件覆盖确认",
    rc::box(0, 0, 324, 76),
    DS_MODALFRAME | WS_POPUP | WS_CAPTION,
    L"MS Shell Dlg",
    8,
    {
        rc::lText(L"", kQuestion, 20, 14, 290, 8),
        rc::autoRadioButton(L"覆盖源文件", kOverwrite, 20, 31, 56, 10, WS_GROUP | WS_TABSTOP),
        rc::autoRadioButton(L"重命名新文件", kRename, 92, 31, 64, 10),
        rc::autoCheckBox(L"后续采用相同动作", kApplyToRest, 20, 49, 80, 10),
        rc::defPushButton(L"确定", IDOK, 117, 46, 50, 14),
        rc::pushButton(L"定位文件", kLocateFile, 215, 27, 73, 30),
    },
}};

} // namespace

BEGIN_MESSAGE_MAP(GConverFileDialog, CDialog)
ON_BN_CLICKED(kLocateFile, &GConverFileDialog::OnLocateFile)
END_MESSAGE_MAP()

GConverFileDialog::GConverFileDialog(CWnd* parent) : CDialog(IDD, parent)
{
}

GConverFileDialog::~GConverFileDialog() = default;

void GConverFileDialog::DoDataExchange(CDataExchange* exchange)
{
    CDialog::DoDataExchange(exchange);
}

BOOL GConverFileDialog::OnInitDialog()
{
    CDialog::OnInitDialog();
    CString question;
    question.Format(L"文件\"%s\"已存在，是否覆盖？", m_path.GetString());
    SetDlgItemText(kQuestion, question);
    GUserDataProfile& settings = userDataProfile();
    CheckRadioButton(kOverwrite, kRename, settings.readFlag(kSection, kOverwriteKey, true) ? kOverwrite : kRename);
    CheckDlgButton(kApplyToRest, settings.readFlag(kSection, kApplyToRestKey, false) ? BST_CHECKED : BST_UNCHECKED);
    return TRUE;
}

void GConverFileDialog::OnOK()
{
    m_overwrite = IsDlgButtonChecked(kOverwrite) == BST_CHECKED;
    m_applyToRest = IsDlgButtonChecked(kApplyToRest) == BST_CHECKED;
    GUserDataProfile& settings = userDataProfile();
    settings.writeFlag(kSection, kOverwriteKey, m_overwrite);
    settings.writeFlag(kSection, kApplyToRestKey, m_applyToRest);
    EndDialog(IDOK);
}

// Dismissing the question must never destroy a file, and it is not an answer worth keeping.
void GConverFileDialog::OnCancel()
{
    m_overwrite = false;
    m_applyToRest = false;
    EndDialog(IDCANCEL);
}

void GConverFileDialog::OnLocateFile()
{
    const CString parameters = CString(L"/select,") + m_path;
    ShellExecuteW(nullptr, L"open", L"explorer.exe", parameters, nullptr, SW_SHOWNORMAL);
}
