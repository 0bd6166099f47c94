// A modal dialog that hosts one page of the main dialog as the main dialog does (a child dialog shown in
// the tab area) and lets the page read its parameters when OK is pressed; a refused read keeps it open.
// The fixture gives every test a fresh installation folder and the scripted person in front of it.
#pragma once

#include "ScriptedUiDriver.h"
#include "TempInstallRoot.h"
#include "afxwin.h"
#include "codepage.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>

namespace singlepage {

using cadhost::DialogUser;

constexpr UINT kHostDialog = 9311;

template <class Page> class HostDialog : public CDialog {
public:
    HostDialog() : CDialog(kHostDialog) {}

    Page page;

protected:
    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        page.Create(Page::IDD, this);
        page.MoveWindow(4, 25, 411, 276);
        page.ShowWindow(SW_SHOW);
        return TRUE;
    }
    void OnOK() override
    {
        if (page.readParameters())
            EndDialog(IDOK);
    }
};

inline void registerHostTemplate()
{
    static const cadhost::DialogTemplateRegistration registration{DialogTemplate{
        kHostDialog,
        L"页面",
        rc::box(0, 0, 433, 342),
        DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU,
        L"MS Shell Dlg",
        8,
        {rc::defPushButton(L"开始加锁", IDOK, 300, 321, 50, 14), rc::pushButton(L"取消", IDCANCEL, 362, 321, 50, 14)},
    }};
}

template <class Page> class PageTest : public ::testing::Test {
protected:
    PageTest() { registerHostTemplate(); }

    // Opens a new host (so the page starts from the settings as they are now), runs the actions on it and
    // answers the dialog's result.
    INT_PTR run(const std::function<void(DialogUser&)>& actions)
    {
        host.emplace();
        ui.expectDialog(kHostDialog, actions);
        const cadhost::UiDriverScope scope(ui);
        const INT_PTR result = host->DoModal();
        EXPECT_TRUE(ui.finished()) << cadhost::toUtf8(ui.pending());
        return result;
    }

    Page& page() { return host->page; }

    std::wstring setting(const wchar_t* section, const wchar_t* key)
    {
        return userDataProfile().readString(section, key, 128, L"<missing>").str();
    }

    TempInstallRoot install;
    cadhost::ScriptedUiDriver ui;
    std::optional<HostDialog<Page>> host;
};

} // namespace singlepage
