// What the file page's tests share: a modal dialog that hosts the file page the way the main dialog does
// and lets the page read its parameters on OK, a fresh installation folder for the settings, a folder
// for drawings, and the scripted person in front of it all.
#pragma once

#include "ScopedTempFolder.h"
#include "ScriptedUiDriver.h"
#include "TempInstallRoot.h"
#include "codepage.h"
#include "pipeline/GGuardOption.h"
#include "ui/GGuardFileDialog.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

namespace filepage {

using cadhost::DialogUser;

constexpr UINT kHostDialog = 9310;

// Controls of the file page and its two sub-pages.
constexpr UINT kTab = 100;
constexpr UINT kList = 101;
constexpr UINT kAddFile = 102;
constexpr UINT kAddFiles = 103;
constexpr UINT kDeleteFiles = 104;
constexpr UINT kResultFolder = 105;
constexpr UINT kBrowseResult = 106;
constexpr UINT kSourceFolder = 107;
constexpr UINT kBrowseSource = 108;
constexpr UINT kKeepTree = 109;
constexpr UINT kPack = 110;
constexpr UINT kArchiveType = 133;
constexpr UINT kSaveType = 147;

class HostDialog : public CDialog {
public:
    HostDialog() : CDialog(kHostDialog) {}

    GGuardOption option;
    GGuardFileDialog page;

protected:
    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        page.Create(GGuardFileDialog::IDD, this);
        page.MoveWindow(4, 25, 411, 276);
        page.ShowWindow(SW_SHOW);
        return TRUE;
    }
    void OnOK() override
    {
        if (page.readParameters(option))
            EndDialog(IDOK);
    }
};

inline const cadhost::DialogTemplateRegistration& hostTemplate()
{
    static const cadhost::DialogTemplateRegistration registration{DialogTemplate{
        kHostDialog,
        L"文件页",
        rc::box(0, 0, 433, 342),
        DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU,
        L"MS Shell Dlg",
        8,
        {rc::defPushButton(L"开始加锁", IDOK, 300, 321, 50, 14), rc::pushButton(L"取消", IDCANCEL, 362, 321, 50, 14)},
    }};
    return registration;
}

inline std::vector<std::wstring> textsOf(const CStringArray& paths)
{
    std::vector<std::wstring> texts;
    for (const CString& path : paths)
        texts.push_back(path.str());
    return texts;
}

class FilePageTest : public ::testing::Test {
protected:
    FilePageTest() { hostTemplate(); }

    // Opens the host dialog, runs the actions on it, and answers its result.
    INT_PTR run(const std::function<void(DialogUser&)>& actions)
    {
        ui.expectDialog(kHostDialog, actions);
        const cadhost::UiDriverScope scope(ui);
        const INT_PTR result = host.DoModal();
        EXPECT_TRUE(ui.finished()) << cadhost::toUtf8(ui.pending());
        return result;
    }

    // An empty file with the name in the drawings folder; its full path.
    std::wstring makeFile(const std::string& name)
    {
        const std::filesystem::path path = drawings / name;
        std::filesystem::create_directories(path.parent_path());
        std::ofstream(path).put('x');
        return path.wstring();
    }

    std::wstring setting(const wchar_t* section, const wchar_t* key)
    {
        return userDataProfile().readString(section, key, 128, L"<missing>").str();
    }

    TempInstallRoot install;
    ScopedTempFolder drawings;
    cadhost::ScriptedUiDriver ui;
    HostDialog host;
};

} // namespace filepage
