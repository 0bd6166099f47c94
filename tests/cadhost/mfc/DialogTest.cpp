#include "HeadlessUiDriver.h"
#include "ScriptedUiDriver.h"
#include "afxcmn.h"
#include "afxwin.h"
#include "codepage.h"

#include <gtest/gtest.h>

using cadhost::DialogUser;
using cadhost::ScriptedUiDriver;
using cadhost::UiDriverScope;
using cadhost::UiScriptError;

namespace {

constexpr UINT kSampleDialog = 9001;
constexpr UINT kSamplePage = 9002;
constexpr int kName = 101;
constexpr int kAgree = 102;
constexpr int kHelp = 130;
constexpr int kTab = 100;
constexpr int kLink = 131;
constexpr int kPageEdit = 105;

const cadhost::DialogTemplateRegistration sampleDialog{DialogTemplate{
    kSampleDialog,
    L"示例",
    rc::box(0, 0, 300, 200),
    DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU,
    L"MS Shell Dlg",
    8,
    {
        rc::defPushButton(L"开始加锁", IDOK, 180, 170, 50, 14),
        rc::pushButton(L"取消", IDCANCEL, 240, 170, 50, 14),
        rc::pushButton(L"帮助", kHelp, 12, 170, 50, 14),
        rc::editText(kName, 10, 10, 100, 14),
        rc::autoCheckBox(L"同意", kAgree, 10, 30, 60, 10).disabled(),
        rc::control(L"", kTab, WC_TABCONTROLW, 0, 7, 50, 280, 110),
        rc::control(L"链接", kLink, WC_STATICW, SS_NOTIFY, 69, 174, 60, 8),
        rc::editText(kPageEdit, 200, 10, 80, 14),
    },
}};

const cadhost::DialogTemplateRegistration samplePage{DialogTemplate{
    kSamplePage,
    L"",
    rc::box(0, 0, 200, 80),
    DS_CONTROL | WS_CHILD,
    L"MS Shell Dlg",
    8,
    {rc::editText(kPageEdit, 10, 10, 100, 14)},
}};

// A static text that handles its own click, the way link labels do.
class ClickableLabel : public CStatic {
public:
    int clicks = 0;

protected:
    void PreSubclassWindow() override { ModifyStyle(0, SS_NOTIFY); }
    void OnClicked() { ++clicks; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(ClickableLabel, CStatic)
ON_CONTROL_REFLECT(STN_CLICKED, &ClickableLabel::OnClicked)
END_MESSAGE_MAP()

class SamplePage : public CDialog {
public:
    SamplePage() : CDialog(kSamplePage) {}
};

class SampleDialog : public CDialog {
public:
    SampleDialog() : CDialog(kSampleDialog) {}

    CString name = L"初始";
    int agree = 1;
    std::vector<std::wstring> events;
    ClickableLabel link;
    SamplePage page;

protected:
    void DoDataExchange(CDataExchange* exchange) override
    {
        CDialog::DoDataExchange(exchange);
        DDX_Control(exchange, kTab, m_tab);
        DDX_Control(exchange, kLink, link);
        DDX_Text(exchange, kName, name);
        DDX_Check(exchange, kAgree, agree);
    }
    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        m_tab.InsertItem(0, L"文件列表");
        m_tab.InsertItem(1, L"版权信息");
        page.Create(kSamplePage, &m_tab);
        CRect client;
        m_tab.GetClientRect(client);
        page.MoveWindow(client.left + 4, client.top + 25, client.Width() - 8, client.Height() - 29);
        page.ShowWindow(SW_HIDE);
        SetWindowText(L"示例(Tessaril)_版本:V");
        return TRUE;
    }
    void OnOK() override
    {
        UpdateData(TRUE);
        if (name.IsEmpty()) {
            AfxMessageBox(L"请输入名称");
            return;
        }
        EndDialog(IDOK);
    }
    void OnHelp()
    {
        events.push_back(MessageBox(L"是否继续？", L"问题", MB_YESNO) == IDYES ? L"help yes" : L"help no");
    }
    void OnTabChange(NMHDR*, LRESULT* result)
    {
        page.ShowWindow(m_tab.GetCurSel() == 1 ? SW_SHOW : SW_HIDE);
        events.push_back(L"tab " + std::to_wstring(m_tab.GetCurSel()));
        *result = 0;
    }
    void OnNameChanged() { events.push_back(L"name changed"); }
    DECLARE_MESSAGE_MAP()

private:
    CTabCtrl m_tab;
};

BEGIN_MESSAGE_MAP(SampleDialog, CDialog)
ON_BN_CLICKED(kHelp, &SampleDialog::OnHelp)
ON_NOTIFY(TCN_SELCHANGE, kTab, &SampleDialog::OnTabChange)
ON_EN_CHANGE(kName, &SampleDialog::OnNameChanged)
END_MESSAGE_MAP()

std::string failureOf(const std::function<void()>& action)
{
    try {
        action();
    } catch (const UiScriptError& error) {
        return error.what();
    }
    return "no failure";
}

TEST(Dialog, InitialisationAndDataExchangeFillTheControls)
{
    ScriptedUiDriver ui;
    SampleDialog dialog;
    ui.expectDialog(kSampleDialog, [&](DialogUser& user) {
        EXPECT_EQ(user.caption(), L"示例(Tessaril)_版本:V");
        EXPECT_EQ(user.text(kName), L"初始");
        EXPECT_TRUE(user.isChecked(kAgree));
        EXPECT_FALSE(user.isEnabled(kAgree));
        EXPECT_EQ(user.items(kTab), (std::vector<std::wstring>{L"文件列表", L"版权信息"}));
        EXPECT_EQ(user.selection(kTab), 0);
        EXPECT_EQ(user.position(IDOK), rc::box(180, 170, 50, 14));
        EXPECT_EQ(user.page(kSamplePage).position(kPageEdit), rc::box(10, 10, 100, 14));
        user.pressEnter();
    });
    UiDriverScope scope(ui);
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_TRUE(ui.finished()) << cadhost::toUtf8(ui.pending());
    EXPECT_EQ(dialog.events, (std::vector<std::wstring>{L"name changed"}));
}

TEST(Dialog, ClicksRunHandlersAndMessageBoxesGetTheScriptedAnswer)
{
    ScriptedUiDriver ui;
    SampleDialog dialog;
    ui.expectDialog(kSampleDialog, [&](DialogUser& user) {
        ui.expectMessageBox(L"是否继续？", IDYES);
        ui.expectMessageBox(L"是否继续？", IDNO);
        user.click(kHelp);
        user.click(kHelp);
        ui.expectMessageBox(L"请输入名称", IDOK);
        user.type(kName, L"");
        user.click(IDOK);
        EXPECT_FALSE(user.hasEnded());
        user.type(kName, L"某人");
        user.click(IDOK);
    });
    UiDriverScope scope(ui);
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_TRUE(ui.finished()) << cadhost::toUtf8(ui.pending());
    EXPECT_STREQ(dialog.name, L"某人");
    EXPECT_EQ(dialog.events,
              (std::vector<std::wstring>{L"name changed", L"help yes", L"help no", L"name changed", L"name changed"}));
    EXPECT_EQ(dialog.m_hWnd, nullptr);
    EXPECT_EQ(dialog.page.m_hWnd, nullptr);
}

TEST(Dialog, AnUnexpectedMessageBoxFailsWithItsText)
{
    ScriptedUiDriver ui;
    SampleDialog dialog;
    dialog.name = L"";
    ui.expectDialog(kSampleDialog, [&](DialogUser& user) { user.click(IDOK); });
    UiDriverScope scope(ui);
    EXPECT_EQ(failureOf([&] { dialog.DoModal(); }), "unexpected message box \"请输入名称\"");
    EXPECT_EQ(dialog.m_hWnd, nullptr);
}

TEST(Dialog, AMessageBoxOtherThanTheExpectedOneFails)
{
    ScriptedUiDriver ui;
    SampleDialog dialog;
    dialog.name = L"";
    ui.expectDialog(kSampleDialog, [&](DialogUser& user) {
        ui.expectMessageBox(L"结果不可以为空", IDOK);
        user.click(IDOK);
    });
    UiDriverScope scope(ui);
    EXPECT_EQ(failureOf([&] { dialog.DoModal(); }),
              "expected message box \"结果不可以为空\" but message box \"请输入名称\" came");
}

TEST(Dialog, AnAnswerThatIsNotAButtonFails)
{
    ScriptedUiDriver ui;
    SampleDialog dialog;
    ui.expectDialog(kSampleDialog, [&](DialogUser& user) {
        ui.expectMessageBox(L"是否继续？", IDOK);
        user.click(kHelp);
    });
    UiDriverScope scope(ui);
    EXPECT_EQ(failureOf([&] { dialog.DoModal(); }), "message box \"是否继续？\" has no button for the answer 1");
}

TEST(Dialog, AnUnexpectedDialogFailsWithItsCaption)
{
    ScriptedUiDriver ui;
    SampleDialog dialog;
    UiDriverScope scope(ui);
    EXPECT_EQ(failureOf([&] { dialog.DoModal(); }), "unexpected dialog 9001 \"示例(Tessaril)_版本:V\"");
}

TEST(Dialog, ADialogLeftOpenByItsActionsFails)
{
    ScriptedUiDriver ui;
    SampleDialog dialog;
    ui.expectDialog(kSampleDialog, [](DialogUser&) {});
    UiDriverScope scope(ui);
    EXPECT_EQ(failureOf([&] { dialog.DoModal(); }),
              "dialog 9001 \"示例(Tessaril)_版本:V\" is still open after its actions");
}

TEST(Dialog, HiddenOrDisabledControlsCannotBeOperated)
{
    ScriptedUiDriver ui;
    SampleDialog dialog;
    ui.expectDialog(kSampleDialog, [&](DialogUser& user) {
        EXPECT_EQ(failureOf([&] { user.click(kAgree); }),
                  "dialog 9001 \"示例(Tessaril)_版本:V\": control 102 is disabled");
        EXPECT_EQ(failureOf([&] { user.page(kSamplePage).type(kPageEdit, L"x"); }),
                  "dialog 9002 \"\": control 105 is hidden");
        EXPECT_EQ(failureOf([&] { user.click(999); }),
                  "dialog 9001 \"示例(Tessaril)_版本:V\": there is no control 999");
        user.pressEscape();
    });
    UiDriverScope scope(ui);
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
}

TEST(Dialog, SelectingATabNotifiesTheDialogAndPagesShareIds)
{
    ScriptedUiDriver ui;
    SampleDialog dialog;
    ui.expectDialog(kSampleDialog, [&](DialogUser& user) {
        EXPECT_FALSE(user.page(kSamplePage).isVisible(kPageEdit));
        user.type(kPageEdit, L"主对话框");
        user.select(kTab, 1);
        EXPECT_TRUE(user.page(kSamplePage).isVisible(kPageEdit));
        EXPECT_EQ(user.position(kTab), rc::box(7, 50, 280, 110));
        EXPECT_EQ(failureOf([&] { user.text(kPageEdit); }),
                  "dialog 9001 \"示例(Tessaril)_版本:V\": several controls have the id 105; choose a page");
        user.page(kSamplePage).type(kPageEdit, L"页面");
        EXPECT_EQ(user.page(kSamplePage).text(kPageEdit), L"页面");
        user.select(kTab, L"文件列表");
        user.pressEscape();
    });
    UiDriverScope scope(ui);
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(dialog.events, (std::vector<std::wstring>{L"name changed", L"tab 1", L"tab 0"}));
}

TEST(Dialog, PagesArePlacedInTheTabClientArea)
{
    ScriptedUiDriver ui;
    SampleDialog dialog;
    ui.expectDialog(kSampleDialog, [&](DialogUser& user) {
        CRect placed;
        dialog.page.GetWindowRect(placed);
        EXPECT_EQ(CRect(placed), CRect(7 + 4, 50 + 25, 7 + 4 + 272, 50 + 25 + 81));
        user.pressEscape();
    });
    UiDriverScope scope(ui);
    dialog.DoModal();
}

TEST(Dialog, ReflectedClicksReachTheControl)
{
    ScriptedUiDriver ui;
    SampleDialog dialog;
    ui.expectDialog(kSampleDialog, [&](DialogUser& user) {
        user.click(kLink);
        user.click(kLink);
        user.pressEscape();
    });
    UiDriverScope scope(ui);
    dialog.DoModal();
    EXPECT_EQ(dialog.link.clicks, 2);
}

TEST(Dialog, WithoutADriverDialogsAreCancelledAndMessageBoxesGetTheSafeAnswer)
{
    SampleDialog dialog;
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(AfxMessageBox(L"结果文件目录不存在，是否创建？", MB_YESNO), IDNO);
    EXPECT_EQ(AfxMessageBox(L"请输入结果文件目录"), IDOK);
}

TEST(Dialog, AMissingTemplateFailsDoModal)
{
    CDialog dialog(12345);
    EXPECT_EQ(dialog.DoModal(), -1);
}

TEST(Dialog, TheSameDialogCanBeShownAgain)
{
    ScriptedUiDriver ui;
    SampleDialog dialog;
    ui.expectDialog(kSampleDialog, [](DialogUser& user) { user.pressEscape(); });
    ui.expectDialog(kSampleDialog, [](DialogUser& user) {
        EXPECT_EQ(user.items(kTab).size(), 2U);
        user.pressEnter();
    });
    UiDriverScope scope(ui);
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(dialog.DoModal(), IDOK);
}

TEST(Dialog, MessageBoxesOutsideDialogsAreAnsweredInOrder)
{
    ScriptedUiDriver ui;
    ui.expectMessageBox(L"一", IDOK);
    ui.expectMessageBox(L"二", IDYES);
    UiDriverScope scope(ui);
    EXPECT_EQ(AfxMessageBox(L"一"), IDOK);
    EXPECT_FALSE(ui.finished());
    EXPECT_EQ(cadhost::toUtf8(ui.pending()), "message box \"二\"\n");
    EXPECT_EQ(::MessageBoxW(nullptr, L"二", L"标题", MB_YESNO), IDYES);
    EXPECT_TRUE(ui.finished());
    EXPECT_EQ(ui.messageBoxes(), (std::vector<std::wstring>{L"一", L"二"}));
}

} // namespace
