#include "GGuardDialog.h"

#include "AcExtensionModule.h"
#include "OpenLinkAddress.h"
#include "app/DiagnosticLog.h"
#include "app/InstallRoot.h"
#include "nativepath.h"
#include "pipeline/FileSize32.h"

#include <filesystem>
#include <system_error>

namespace {

constexpr int kTab = 100;
constexpr int kHelpButton = 130;
constexpr int kProductLink = 131;
constexpr int kDownloadLink = 148;

constexpr int kFilePage = 0;
constexpr int kCopyrightPage = 1;
constexpr int kKindsPage = 2;

// A drawing that the host saved is never smaller than this.
constexpr Adesk::UInt32 kSmallestDrawing = 10240;

const cadhost::DialogTemplateRegistration dialogTemplate{DialogTemplate{
    GGuardDialog::IDD,
    L"",
    rc::box(0, 0, 433, 342),
    DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU,
    L"MS Shell Dlg",
    8,
    {
        rc::defPushButton(L"开始加锁", IDOK, 300, 321, 50, 14),
        rc::pushButton(L"取消", IDCANCEL, 362, 321, 50, 14),
        rc::control(L"", kTab, WC_TABCONTROLW, WS_TABSTOP, 7, 7, 419, 305),
        rc::lText(L"访问产品主页", kProductLink, 69, 324, 120, 8),
        rc::lText(L"下载最新版本1.0.0.0", kDownloadLink, 208, 324, 73, 8).hidden(),
        rc::pushButton(L"帮助", kHelpButton, 12, 320, 50, 14),
    },
}};

} // namespace

BEGIN_MESSAGE_MAP(GGuardDialog, CAcUiDialog)
ON_NOTIFY(TCN_SELCHANGE, kTab, &GGuardDialog::OnTabChange)
ON_BN_CLICKED(kHelpButton, &GGuardDialog::OnHelp)
ON_MESSAGE(WM_ACAD_KEEPFOCUS, &GGuardDialog::OnKeepFocus)
END_MESSAGE_MAP()

GGuardDialog::GGuardDialog(CWnd* parent, GuardDialogVersions versions)
    : CAcUiDialog(IDD, parent), m_versions(std::move(versions))
{
}

GGuardDialog::~GGuardDialog() = default;

void GGuardDialog::DoDataExchange(CDataExchange* exchange)
{
    CAcUiDialog::DoDataExchange(exchange);
    DDX_Control(exchange, kTab, m_tab);
    DDX_Control(exchange, kProductLink, m_productLink);
    DDX_Control(exchange, kDownloadLink, m_downloadLink);
}

BOOL GGuardDialog::OnInitDialog()
{
    const CAcModuleResourceOverride resources(cadhost::moduleOf(&dialogTemplate));
    CAcUiDialog::OnInitDialog();

    m_tab.InsertItem(kFilePage, L"文件列表");
    m_tab.InsertItem(kCopyrightPage, L"版权信息");
    m_tab.InsertItem(kKindsPage, L"权限设置");
    m_filePage.Create(GGuardFileDialog::IDD, &m_tab);
    m_copyrightPage.Create(GCopyRightDialog::IDD, &m_tab);
    m_kindsPage.Create(GGuardPowerDialog::IDD, &m_tab);

    CRect client;
    m_tab.GetClientRect(client);
    for (CDialog* page : {static_cast<CDialog*>(&m_filePage), static_cast<CDialog*>(&m_copyrightPage),
                          static_cast<CDialog*>(&m_kindsPage)})
        page->MoveWindow(client.left + 4, client.top + 25, client.Width() - 8, client.Height() - 29);
    showPage(kFilePage);

    m_productLink.setAddress(kProductAddress);
    if (m_versions.newerVersion) {
        CString text;
        text.Format(L"下载最新版本:%s", m_versions.serverVersion);
        m_downloadLink.SetWindowText(text);
        m_downloadLink.setAddress(m_versions.downloadAddress);
        m_downloadLink.ShowWindow(SW_SHOW);
    }
    SetWindowText(CString(kProductName) + L"(Tessaril)_版本:V" + m_versions.localVersion);
    return TRUE;
}

void GGuardDialog::showPage(int index)
{
    m_tab.SetCurSel(index);
    m_filePage.ShowWindow(index == kFilePage ? SW_SHOW : SW_HIDE);
    m_copyrightPage.ShowWindow(index == kCopyrightPage ? SW_SHOW : SW_HIDE);
    m_kindsPage.ShowWindow(index == kKindsPage ? SW_SHOW : SW_HIDE);
}

void GGuardDialog::OnTabChange(NMHDR*, LRESULT* result)
{
    showPage(m_tab.GetCurSel());
    *result = 0;
}

void GGuardDialog::OnHelp()
{
    openLinkAddress(CString(cadhost::widePath(InstallRoot() / "help.chm").c_str()), SW_SHOWNORMAL);
}

LRESULT GGuardDialog::OnKeepFocus(WPARAM, LPARAM)
{
    return TRUE;
}

void GGuardDialog::OnOK()
{
    if (!m_filePage.readParameters(m_option)) {
        showPage(kFilePage);
        return;
    }
    if (!ensureOutputFolder())
        return;
    logLine(L"读取权限参数");
    if (!m_kindsPage.readParameters()) {
        showPage(kKindsPage);
        return;
    }
    logLine(L"读取版权参数");
    if (!m_copyrightPage.readParameters()) {
        showPage(kCopyrightPage);
        return;
    }
    logLine(L"设置用户输入的参数");
    m_option.kindFlags = m_kindsPage.typeFlags();
    m_option.copyright = m_copyrightPage.copyrightOption();
    if (listSourceSizes())
        EndDialog(IDOK);
}

bool GGuardDialog::ensureOutputFolder()
{
    if (m_option.outputFolder.IsEmpty()) {
        AfxMessageBox(L"请输入结果文件目录", MB_OK);
        showPage(kFilePage);
        return false;
    }
    const std::filesystem::path folder = cadhost::nativePath(m_option.outputFolder.str());
    std::error_code error;
    if (std::filesystem::exists(folder, error))
        return true;
    // No stays where the user was, so that the folder can be corrected or the question answered again.
    if (AfxMessageBox(L"结果文件目录不存在，是否创建？", MB_YESNO | MB_ICONQUESTION) != IDYES)
        return false;
    if (!std::filesystem::create_directory(folder, error)) {
        AfxMessageBox(L"创建结果文件目录失败，请检查其命名", MB_OK);
        showPage(kFilePage);
        return false;
    }
    return true;
}

bool GGuardDialog::listSourceSizes()
{
    m_option.listedSizes.clear();
    for (INT_PTR index = 0; index < m_option.sourcePaths.GetSize(); ++index) {
        const CString& path = m_option.sourcePaths[index];
        const Adesk::UInt32 size = getFileSize32(path);
        CString message;
        if (size == 0)
            message.Format(L"计算待加密文件\"%s\"文件大小失败，请关闭所有打开该文件的应用程序，包括CAD", path);
        else if (size < kSmallestDrawing)
            message.Format(L"待加密文件\"%s\"文件大小为%.2fKB,正常的dwg文件大小应该至少大于10KB", path, size / 1024.0);
        if (!message.IsEmpty()) {
            AfxMessageBox(message, MB_OK);
            return false;
        }
        m_option.listedSizes.push_back(size);
    }
    return true;
}
