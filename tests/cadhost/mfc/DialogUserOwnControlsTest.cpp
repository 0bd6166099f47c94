#include "DialogUser.h"
#include "ScriptedUiDriver.h"
#include "afxcmn.h"
#include "afxwin.h"

#include <gtest/gtest.h>

namespace {

using cadhost::DialogUser;

constexpr UINT kFrame = 9181;
constexpr UINT kChild = 9182;
constexpr UINT kTab = 100;

const cadhost::DialogTemplateRegistration frameTemplate{DialogTemplate{
    kFrame,
    L"外框",
    rc::box(0, 0, 300, 200),
    DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU,
    L"MS Shell Dlg",
    8,
    {rc::control(L"", kTab, WC_TABCONTROLW, 0, 7, 7, 280, 150), rc::pushButton(L"取消", IDCANCEL, 240, 170, 50, 14)},
}};

const cadhost::DialogTemplateRegistration childTemplate{DialogTemplate{
    kChild,
    L"",
    rc::box(0, 0, 200, 100),
    DS_CONTROL | WS_CHILD,
    L"MS Shell Dlg",
    8,
    {rc::control(L"", kTab, WC_TABCONTROLW, 0, 0, 0, 200, 100)},
}};

class Child : public CDialog {
public:
    Child() : CDialog(kChild) {}

protected:
    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        m_tab.SubclassDlgItem(kTab, this);
        m_tab.InsertItem(0, L"内页");
        return TRUE;
    }

private:
    CTabCtrl m_tab;
};

class Frame : public CDialog {
public:
    Frame() : CDialog(kFrame) {}

protected:
    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        m_tab.SubclassDlgItem(kTab, this);
        m_tab.InsertItem(0, L"甲");
        m_tab.InsertItem(1, L"乙");
        m_child.Create(kChild, &m_tab);
        m_child.ShowWindow(SW_SHOW);
        return TRUE;
    }

private:
    CTabCtrl m_tab;
    Child m_child;
};

TEST(DialogUserOwnControls, ReachesTheDialogsOwnControlWhereAChildPageSharesItsId)
{
    cadhost::ScriptedUiDriver ui;
    Frame frame;
    ui.expectDialog(kFrame, [&](DialogUser& user) {
        EXPECT_THROW(user.items(kTab), cadhost::UiScriptError);
        EXPECT_EQ(user.ownControls().items(kTab), (std::vector<std::wstring>{L"甲", L"乙"}));
        EXPECT_EQ(user.page(kChild).items(kTab), std::vector<std::wstring>{L"内页"});
        user.ownControls().select(kTab, 1);
        EXPECT_EQ(user.ownControls().selection(kTab), 1);
        user.pressEscape();
    });
    const cadhost::UiDriverScope scope(ui);
    EXPECT_EQ(frame.DoModal(), IDCANCEL);
    EXPECT_TRUE(ui.finished());
}

} // namespace
