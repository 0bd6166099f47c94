#include "GGuardFileDialog.h"

#include "pipeline/GGuardOption.h"
#include "settings/GUserDataProfile.h"

namespace {

constexpr int kTab = 100;
constexpr int kFileListTab = 0;
constexpr int kFolderTab = 1;

constexpr const wchar_t* kSection = L"GGuardFileDialog";
constexpr const wchar_t* kFolderModeKey = L"Floder";

const cadhost::DialogTemplateRegistration dialogTemplate{DialogTemplate{
    GGuardFileDialog::IDD,
    L"",
    rc::box(0, 0, 411, 276),
    DS_CONTROL | WS_CHILD,
    L"MS Shell Dlg",
    8,
    {rc::control(L"", kTab, WC_TABCONTROLW, WS_TABSTOP, 0, 7, 409, 278)},
}};

} // namespace

BEGIN_MESSAGE_MAP(GGuardFileDialog, CDialog)
ON_NOTIFY(TCN_SELCHANGE, kTab, &GGuardFileDialog::OnTabChange)
END_MESSAGE_MAP()

GGuardFileDialog::GGuardFileDialog() : CDialog(IDD)
{
}

GGuardFileDialog::~GGuardFileDialog() = default;

void GGuardFileDialog::DoDataExchange(CDataExchange* exchange)
{
    CDialog::DoDataExchange(exchange);
    DDX_Control(exchange, kTab, m_tab);
}

BOOL GGuardFileDialog::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_tab.InsertItem(kFileListTab, L"文件外发");
    m_tab.InsertItem(kFolderTab, L"文件夹外发");
    m_fileList.Create(GGuardFileListDialog::IDD, &m_tab);
    m_folder.Create(GGuardFloerDialog::IDD, &m_tab);

    CRect area;
    m_tab.GetClientRect(area);
    area.left += 4;
    area.right -= 4;
    area.top += 25;
    area.bottom -= 8;
    m_fileList.MoveWindow(area);
    m_folder.MoveWindow(area);

    if (userDataProfile().readFlag(kSection, kFolderModeKey, false))
        m_tab.SetCurSel(kFolderTab);
    showSelectedPage();
    return TRUE;
}

void GGuardFileDialog::OnTabChange(NMHDR*, LRESULT* result)
{
    showSelectedPage();
    *result = 0;
}

bool GGuardFileDialog::isFolderMode() const
{
    return m_tab.GetCurSel() == kFolderTab;
}

void GGuardFileDialog::showSelectedPage()
{
    const bool folderMode = isFolderMode();
    m_fileList.ShowWindow(folderMode ? SW_HIDE : SW_SHOW);
    m_folder.ShowWindow(folderMode ? SW_SHOW : SW_HIDE);
}

bool GGuardFileDialog::readParameters(GGuardOption& option)
{
    const bool folderMode = isFolderMode();
    userDataProfile().writeFlag(kSection, kFolderModeKey, folderMode);
    return folderMode ? m_folder.readParameters(option) : m_fileList.readParameters(option);
}
