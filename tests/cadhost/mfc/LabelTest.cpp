#include "ScriptedUiDriver.h"
#include "afxcursor.h"
#include "afxtooltip.h"
#include "afxwin.h"

#include <gtest/gtest.h>

using cadhost::DialogUser;

namespace {

constexpr UINT kLabelDialog = 9201;
constexpr int kLabel = 148;
constexpr COLORREF kNormal = 0xEE0000;
constexpr COLORREF kHover = 0x00FF00;

const cadhost::DialogTemplateRegistration labelTemplate{DialogTemplate{
    kLabelDialog,
    L"标签",
    rc::box(0, 0, 433, 342),
    DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE,
    L"MS Shell Dlg",
    8,
    {rc::lText(L"下载最新版本1.0.0.0", kLabel, 208, 324, 120, 8, SS_CENTER)},
}};

// A label that underlines itself, fits its text, shows a tooltip and a hand cursor, and changes colour
// while the pointer is over it: what link labels ask of the framework.
class HoverLabel : public CStatic {
public:
    bool hovered = false;
    CToolTipCtrl tip;

protected:
    void PreSubclassWindow() override
    {
        ModifyStyle(0, SS_NOTIFY);
        LOGFONT font{};
        GetFont()->GetLogFont(&font);
        font.lfUnderline = TRUE;
        m_underlined.CreateFontIndirect(&font);
        SetFont(&m_underlined);
        CString text;
        GetWindowText(text);
        CClientDC dc(this);
        dc.SelectObject(GetFont());
        const CSize size = dc.GetTextExtent(text);
        CRect rect;
        GetWindowRect(rect);
        GetParent()->ScreenToClient(rect);
        const int left = rect.left + (rect.Width() - size.cx) / 2;
        MoveWindow(left, rect.top, size.cx, size.cy);
        tip.Create(this);
        tip.AddTool(this, L"https://www.tessaril.com/download");
    }
    BOOL PreTranslateMessage(MSG* message) override
    {
        tip.RelayEvent(message);
        return CStatic::PreTranslateMessage(message);
    }
    HBRUSH CtlColor(CDC* dc, UINT)
    {
        dc->SetTextColor(hovered ? kHover : kNormal);
        dc->SetBkMode(TRANSPARENT);
        return static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
    }
    void OnMouseMove(UINT, CPoint point)
    {
        CRect client;
        GetClientRect(client);
        if (client.PtInRect(point) && !hovered) {
            SetCapture();
            hovered = true;
        } else if (!client.PtInRect(point) && hovered) {
            ReleaseCapture();
            hovered = false;
        }
    }
    BOOL OnSetCursor(CWnd*, UINT, UINT)
    {
        ::SetCursor(LoadCursorW(nullptr, IDC_HAND));
        return TRUE;
    }
    DECLARE_MESSAGE_MAP()

private:
    CFont m_underlined;
};

BEGIN_MESSAGE_MAP(HoverLabel, CStatic)
ON_WM_CTLCOLOR_REFLECT()
ON_WM_MOUSEMOVE()
ON_WM_SETCURSOR()
END_MESSAGE_MAP()

class LabelDialog : public CDialog {
public:
    LabelDialog() { Create(kLabelDialog); }
    HoverLabel label;

protected:
    void DoDataExchange(CDataExchange* exchange) override { DDX_Control(exchange, kLabel, label); }
};

TEST(Label, UnderlinedFontAndSizeOfItsText)
{
    LabelDialog dialog;
    LOGFONT font{};
    ASSERT_NE(dialog.label.GetFont(), nullptr);
    dialog.label.GetFont()->GetLogFont(&font);
    EXPECT_TRUE(font.lfUnderline);
    EXPECT_STREQ(font.lfFaceName, L"MS Shell Dlg");
    LOGFONT dialogFont{};
    dialog.GetFont()->GetLogFont(&dialogFont);
    EXPECT_FALSE(dialogFont.lfUnderline);
    EXPECT_EQ(DialogUser(dialog).position(kLabel), rc::box(208 + (120 - 76) / 2, 324, 76, 8));
    EXPECT_TRUE(dialog.label.GetStyle() & SS_NOTIFY);
}

TEST(Label, HoverChangesColourCursorAndShowsTheTooltip)
{
    LabelDialog dialog;
    DialogUser user(dialog);
    EXPECT_EQ(user.textColor(kLabel), kNormal);
    EXPECT_EQ(user.backgroundMode(kLabel), TRANSPARENT);
    ::SetCursor(LoadCursorW(nullptr, IDC_ARROW));

    user.moveMouseOver(kLabel);
    EXPECT_TRUE(dialog.label.hovered);
    EXPECT_EQ(CWnd::GetCapture(), &dialog.label);
    EXPECT_EQ(user.textColor(kLabel), kHover);
    EXPECT_EQ(::GetCursor(), LoadCursorW(nullptr, IDC_HAND));
    EXPECT_TRUE(dialog.label.tip.IsWindowVisible());
    CString tipText;
    dialog.label.tip.GetWindowText(tipText);
    EXPECT_STREQ(tipText, L"https://www.tessaril.com/download");

    user.moveMouseAway(kLabel);
    EXPECT_FALSE(dialog.label.hovered);
    EXPECT_EQ(CWnd::GetCapture(), nullptr);
    EXPECT_EQ(user.textColor(kLabel), kNormal);
    EXPECT_FALSE(dialog.label.tip.IsWindowVisible());
}

TEST(Label, CaptureEndsWithTheWindow)
{
    {
        LabelDialog dialog;
        DialogUser(dialog).moveMouseOver(kLabel);
        EXPECT_NE(CWnd::GetCapture(), nullptr);
    }
    EXPECT_EQ(CWnd::GetCapture(), nullptr);
}

TEST(Cursor, OnlyStandardCursorsLoad)
{
    EXPECT_NE(LoadCursorW(nullptr, IDC_HAND), nullptr);
    EXPECT_NE(LoadCursorW(nullptr, IDC_HAND), LoadCursorW(nullptr, IDC_ARROW));
    EXPECT_EQ(LoadCursorW(nullptr, MAKEINTRESOURCEW(106)), nullptr);
}

TEST(TextExtent, FullWidthCharactersAreTwiceAsWide)
{
    CDC dc;
    EXPECT_EQ(dc.GetTextExtent(L"ab").cx, 8);
    EXPECT_EQ(dc.GetTextExtent(L"图纸").cx, 16);
    EXPECT_EQ(dc.GetTextExtent(L"").cx, 0);
    EXPECT_EQ(dc.GetTextExtent(L"x").cy, 8);
}

} // namespace
