#include "ui/GConverFileDialog.h"
#include "ScriptedUiDriver.h"
#include "TempInstallRoot.h"
#include "codepage.h"
#include "shellopen.h"

#include <gtest/gtest.h>

namespace {

using cadhost::DialogUser;

constexpr UINT kQuestion = 150;
constexpr UINT kOverwrite = 136;
constexpr UINT kRename = 137;
constexpr UINT kApplyToRest = 107;
constexpr UINT kLocateFile = 130;

class ConverFileDialogTest : public ::testing::Test {
protected:
    // Asks about the path; the actions answer the dialog.
    INT_PTR ask(GConverFileDialog& dialog, const std::function<void(DialogUser&)>& actions)
    {
        dialog.setPath(L"/out/plan.dwg");
        ui.expectDialog(GConverFileDialog::IDD, actions);
        const cadhost::UiDriverScope scope(ui);
        const INT_PTR result = dialog.DoModal();
        EXPECT_TRUE(ui.finished()) << cadhost::toUtf8(ui.pending());
        return result;
    }

    std::wstring setting(const wchar_t* key)
    {
        return userDataProfile().readString(L"GConverFileDialog", key, 128, L"<missing>").str();
    }

    TempInstallRoot install;
    cadhost::ScriptedUiDriver ui;
};

TEST_F(ConverFileDialogTest, WithNoSettingsItOffersToOverwriteOnce)
{
    GConverFileDialog dialog;
    const INT_PTR result = ask(dialog, [](DialogUser& user) {
        EXPECT_EQ(user.caption(), L"文件覆盖确认");
        EXPECT_EQ(user.text(kQuestion), L"文件\"/out/plan.dwg\"已存在，是否覆盖？");
        EXPECT_TRUE(user.isChecked(kOverwrite));
        EXPECT_FALSE(user.isChecked(kRename));
        EXPECT_FALSE(user.isChecked(kApplyToRest));
        EXPECT_FALSE(user.exists(IDCANCEL));
        user.pressEnter();
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_TRUE(dialog.overwrite());
    EXPECT_FALSE(dialog.applyToRest());
    EXPECT_EQ(setting(L"Conver"), L"True");
    EXPECT_EQ(setting(L"NextSame"), L"False");
}

TEST_F(ConverFileDialogTest, TheAnswerIsStoredAndOffersItselfNextTime)
{
    GConverFileDialog first;
    ask(first, [](DialogUser& user) {
        user.click(kRename);
        user.setChecked(kApplyToRest, true);
        user.pressEnter();
    });
    EXPECT_FALSE(first.overwrite());
    EXPECT_TRUE(first.applyToRest());
    EXPECT_EQ(setting(L"Conver"), L"False");
    EXPECT_EQ(setting(L"NextSame"), L"True");

    GConverFileDialog second;
    ask(second, [](DialogUser& user) {
        EXPECT_TRUE(user.isChecked(kRename));
        EXPECT_FALSE(user.isChecked(kOverwrite));
        EXPECT_TRUE(user.isChecked(kApplyToRest));
        user.pressEnter();
    });
    EXPECT_FALSE(second.overwrite());
    EXPECT_TRUE(second.applyToRest());
}

TEST_F(ConverFileDialogTest, EscapeKeepsTheExistingFileForThisFileOnlyAndLeavesTheSettings)
{
    userDataProfile().writeString(L"GConverFileDialog", L"Conver", L"True");
    GConverFileDialog dialog;
    const INT_PTR result = ask(dialog, [](DialogUser& user) {
        user.setChecked(kApplyToRest, true);
        user.pressEscape();
    });
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_FALSE(dialog.overwrite());
    EXPECT_FALSE(dialog.applyToRest());
    EXPECT_EQ(setting(L"Conver"), L"True");
    EXPECT_EQ(setting(L"NextSame"), L"<missing>");
}

TEST_F(ConverFileDialogTest, LocateFileSelectsTheFileInTheExplorer)
{
    std::vector<cadhost::ShellOpenRequest> requests;
    const cadhost::ScopedShellOpenHandler handler([&](const cadhost::ShellOpenRequest& request) {
        requests.push_back(request);
        return 42;
    });
    GConverFileDialog dialog;
    ask(dialog, [](DialogUser& user) {
        user.click(kLocateFile);
        EXPECT_FALSE(user.hasEnded());
        user.pressEnter();
    });
    ASSERT_EQ(requests.size(), 1U);
    EXPECT_EQ(requests[0].operation, L"open");
    EXPECT_EQ(requests[0].file, L"explorer.exe");
    EXPECT_EQ(requests[0].parameters, L"/select,/out/plan.dwg");
    EXPECT_EQ(requests[0].show, SW_SHOWNORMAL);
}

} // namespace
