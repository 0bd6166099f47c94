#include "ui/GGuardDialog.h"
#include "ScopedTempFolder.h"
#include "ScriptedUiDriver.h"
#include "TempInstallRoot.h"
#include "codepage.h"
#include "filewritelock.h"
#include "shellopen.h"

#include <gtest/gtest.h>

#include <fstream>
#include <optional>
#include <string>
#include <vector>

namespace {

using cadhost::DialogUser;

constexpr UINT kMainDialog = 102;
constexpr UINT kFilePage = 103;
constexpr UINT kKindsPage = 104;
constexpr UINT kCopyrightPage = 105;

constexpr UINT kTab = 100;
constexpr UINT kHelp = 130;
constexpr UINT kProductLink = 131;
constexpr UINT kDownloadLink = 148;

// Controls of the pages.
constexpr UINT kAddFile = 102;
constexpr UINT kBrowseResult = 106;
constexpr UINT kCurves = 107;

const wchar_t* const kNothingProtected = L"您确定要设置为不保护任何对象吗？这样您的图纸将不被保护";
const wchar_t* const kCreateQuestion = L"结果文件目录不存在，是否创建？";

class MainDialogTest : public ::testing::Test {
protected:
    INT_PTR run(const std::function<void(DialogUser&)>& actions, GuardDialogVersions versions = {})
    {
        dialog.emplace(nullptr, std::move(versions));
        ui.expectDialog(kMainDialog, actions);
        const cadhost::UiDriverScope scope(ui);
        const INT_PTR result = dialog->DoModal();
        EXPECT_TRUE(ui.finished()) << cadhost::toUtf8(ui.pending());
        return result;
    }

    std::wstring makeDrawing(const std::string& name, std::size_t size)
    {
        const std::filesystem::path path = folder / name;
        std::ofstream(path, std::ios::binary) << std::string(size, 'd');
        return path.wstring();
    }

    // Puts the drawing on the file list, chooses the result folder and switches one kind on.
    void fillPages(DialogUser& user, const std::wstring& drawing, const std::wstring& resultFolder)
    {
        DialogUser files = user.page(kFilePage);
        ui.expectFileDialog({drawing});
        files.click(kAddFile);
        ui.expectFolderBrowser(resultFolder);
        files.click(kBrowseResult);
        selectPage(user, 2);
        user.page(kKindsPage).setChecked(kCurves, true);
        selectPage(user, 0);
    }

    static void selectPage(DialogUser& user, int index) { user.ownControls().select(kTab, index); }

    static std::vector<bool> shownPages(DialogUser& user)
    {
        return {isShown(user, kFilePage), isShown(user, kCopyrightPage), isShown(user, kKindsPage)};
    }

    static bool isShown(DialogUser& user, UINT page)
    {
        // A page is shown when one of its own controls can be seen.
        return user.page(page).isVisible(page == kFilePage ? kTab : page == kKindsPage ? kCurves : 105);
    }

    TempInstallRoot install;
    ScopedTempFolder folder;
    cadhost::ScriptedUiDriver ui;
    std::optional<GGuardDialog> dialog;
};

TEST_F(MainDialogTest, OpensOnTheFilePageWithThreeTabsAndTheLocalVersionInTheCaption)
{
    GuardDialogVersions versions;
    versions.localVersion = L"1.2.6";
    run(
        [&](DialogUser& user) {
            EXPECT_EQ(user.caption(), L"图纸外发保护(Tessaril)_版本:V1.2.6");
            EXPECT_EQ(user.ownControls().items(kTab),
                      (std::vector<std::wstring>{L"文件列表", L"版权信息", L"权限设置"}));
            EXPECT_EQ(user.ownControls().selection(kTab), 0);
            EXPECT_EQ(shownPages(user), (std::vector<bool>{true, false, false}));
            EXPECT_TRUE(user.isVisible(kProductLink));
            EXPECT_FALSE(user.isVisible(kDownloadLink));
            EXPECT_EQ(user.text(IDOK), L"开始加锁");
            user.pressEscape();
        },
        versions);
}

TEST_F(MainDialogTest, TheCaptionEndsInVWithoutALocalDescriptor)
{
    run([&](DialogUser& user) {
        EXPECT_EQ(user.caption(), L"图纸外发保护(Tessaril)_版本:V");
        user.pressEscape();
    });
}

TEST_F(MainDialogTest, ANewerVersionShowsTheDownloadLinkWithItsAddress)
{
    GuardDialogVersions versions;
    versions.localVersion = L"1.2.6";
    versions.newerVersion = true;
    versions.serverVersion = L"1.3.0";
    versions.downloadAddress = L"https://downloads.example/tessaril-1.3.0.exe";
    std::vector<std::wstring> opened;
    const cadhost::ScopedShellOpenHandler shell([&](const cadhost::ShellOpenRequest& request) {
        opened.push_back(request.operation + L" " + request.file);
        return 42;
    });
    run(
        [&](DialogUser& user) {
            EXPECT_TRUE(user.isVisible(kDownloadLink));
            EXPECT_EQ(user.text(kDownloadLink), L"下载最新版本:1.3.0");
            user.click(kDownloadLink);
            user.pressEscape();
        },
        versions);
    EXPECT_EQ(opened, std::vector<std::wstring>{L"open https://downloads.example/tessaril-1.3.0.exe"});
}

TEST_F(MainDialogTest, ALinkIsUnderlinedAndColouredByHoverAndVisit)
{
    std::vector<std::wstring> opened;
    int answer = 2;
    const cadhost::ScopedShellOpenHandler shell([&](const cadhost::ShellOpenRequest& request) {
        opened.push_back(request.file);
        return answer;
    });
    run([&](DialogUser& user) {
        EXPECT_EQ(user.textColor(kProductLink), 0xEE0000u);
        EXPECT_EQ(user.backgroundMode(kProductLink), TRANSPARENT);
        user.moveMouseOver(kProductLink);
        EXPECT_EQ(user.textColor(kProductLink), GetSysColor(COLOR_HIGHLIGHT));
        user.moveMouseAway(kProductLink);
        EXPECT_EQ(user.textColor(kProductLink), 0xEE0000u);

        // An address that cannot be opened leaves the link unvisited.
        user.click(kProductLink);
        EXPECT_EQ(user.textColor(kProductLink), 0xEE0000u);
        answer = 42;
        user.click(kProductLink);
        EXPECT_EQ(user.textColor(kProductLink), 9116245u);
        user.pressEscape();
    });
    EXPECT_EQ(opened, (std::vector<std::wstring>{L"https://www.tessaril.com", L"https://www.tessaril.com"}));
}

TEST_F(MainDialogTest, TheLinkFitsItsUnderlinedText)
{
    run([&](DialogUser& user) {
        // "访问产品主页": six full-width characters of 8 units, one line of 8.
        EXPECT_EQ(user.position(kProductLink), CRect(69, 324, 69 + 48, 324 + 8));
        user.pressEscape();
    });
}

TEST_F(MainDialogTest, HelpOpensTheHelpFileOfTheInstallation)
{
    std::vector<std::wstring> opened;
    const cadhost::ScopedShellOpenHandler shell([&](const cadhost::ShellOpenRequest& request) {
        opened.push_back(request.file);
        return 42;
    });
    run([&](DialogUser& user) {
        user.click(kHelp);
        user.pressEscape();
    });
    EXPECT_EQ(opened, std::vector<std::wstring>{(install.path() / "help.chm").wstring()});
}

TEST_F(MainDialogTest, TheDialogKeepsTheFocusWhenTheHostAsks)
{
    run([&](DialogUser& user) {
        EXPECT_EQ(dialog->SendMessage(WM_ACAD_KEEPFOCUS), TRUE);
        user.pressEscape();
    });
}

TEST_F(MainDialogTest, ChangingTabsShowsOnePageAtATime)
{
    run([&](DialogUser& user) {
        selectPage(user, 1);
        EXPECT_EQ(shownPages(user), (std::vector<bool>{false, true, false}));
        selectPage(user, 2);
        EXPECT_EQ(shownPages(user), (std::vector<bool>{false, false, true}));
        user.pressEscape();
    });
}

TEST_F(MainDialogTest, AFileOfTenKilobytesIsAcceptedAndItsSizeListed)
{
    const std::wstring drawing = makeDrawing("plan.dwg", 10240);
    const INT_PTR result = run([&](DialogUser& user) {
        fillPages(user, drawing, folder.path().wstring());
        user.pressEnter();
    });
    ASSERT_EQ(result, IDOK);
    const GGuardOption& option = dialog->guardOption();
    ASSERT_EQ(option.sourcePaths.GetSize(), 1);
    EXPECT_EQ(option.sourcePaths[0], drawing.c_str());
    EXPECT_EQ(option.listedSizes, std::vector<std::uint32_t>{10240});
    EXPECT_EQ(option.outputFolder, folder.path().wstring().c_str());
    EXPECT_TRUE(option.kindFlags.curves);
}

TEST_F(MainDialogTest, AFileOneByteSmallerIsRefusedWithItsSizeInKilobytes)
{
    const std::wstring drawing = makeDrawing("small.dwg", 10239);
    const INT_PTR result = run([&](DialogUser& user) {
        fillPages(user, drawing, folder.path().wstring());
        ui.expectMessageBox(L"待加密文件\"" + drawing + L"\"文件大小为10.00KB,正常的dwg文件大小应该至少大于10KB", IDOK);
        user.pressEnter();
        EXPECT_FALSE(user.hasEnded());
        user.pressEscape();
    });
    EXPECT_EQ(result, IDCANCEL);
}

TEST_F(MainDialogTest, ADrawingHeldOpenForWritingCannotBeSized)
{
    const std::wstring drawing = makeDrawing("open.dwg", 20000);
    const cadhost::FileWriteLock writer(drawing);
    ASSERT_TRUE(writer.held());
    run([&](DialogUser& user) {
        fillPages(user, drawing, folder.path().wstring());
        ui.expectMessageBox(L"计算待加密文件\"" + drawing + L"\"文件大小失败，请关闭所有打开该文件的应用程序，包括CAD",
                            IDOK);
        user.pressEnter();
        EXPECT_FALSE(user.hasEnded());
        user.pressEscape();
    });
}

TEST_F(MainDialogTest, NoToCreatingTheResultFolderKeepsEverythingAndAsksAgain)
{
    const std::wstring drawing = makeDrawing("plan.dwg", 12000);
    const std::filesystem::path results = folder / "results";
    const INT_PTR result = run([&](DialogUser& user) {
        fillPages(user, drawing, results.wstring());
        selectPage(user, 1);
        ui.expectMessageBox(kCreateQuestion, IDNO);
        user.pressEnter();
        EXPECT_FALSE(user.hasEnded());
        EXPECT_EQ(user.ownControls().selection(kTab), 1);
        EXPECT_FALSE(std::filesystem::exists(results));
        ui.expectMessageBox(kCreateQuestion, IDYES);
        user.pressEnter();
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_TRUE(std::filesystem::is_directory(results));
}

TEST_F(MainDialogTest, AResultFolderWhoseParentIsMissingCannotBeCreated)
{
    const std::wstring drawing = makeDrawing("plan.dwg", 12000);
    const std::filesystem::path results = folder / "missing" / "results";
    run([&](DialogUser& user) {
        fillPages(user, drawing, results.wstring());
        selectPage(user, 2);
        ui.expectMessageBox(kCreateQuestion, IDYES);
        ui.expectMessageBox(L"创建结果文件目录失败，请检查其命名", IDOK);
        user.pressEnter();
        EXPECT_FALSE(user.hasEnded());
        EXPECT_EQ(user.ownControls().selection(kTab), 0);
        EXPECT_EQ(shownPages(user), (std::vector<bool>{true, false, false}));
        user.pressEscape();
    });
    EXPECT_FALSE(std::filesystem::exists(folder / "missing"));
}

TEST_F(MainDialogTest, ARefusingFilePageBringsItsPageBack)
{
    run([&](DialogUser& user) {
        selectPage(user, 1);
        ui.expectMessageBox(L"请先选择需要保护的文件", IDOK);
        user.pressEnter();
        EXPECT_EQ(user.ownControls().selection(kTab), 0);
        EXPECT_EQ(shownPages(user), (std::vector<bool>{true, false, false}));
        user.pressEscape();
    });
}

TEST_F(MainDialogTest, ARefusingKindsPageBringsItsPageBack)
{
    const std::wstring drawing = makeDrawing("plan.dwg", 12000);
    run([&](DialogUser& user) {
        DialogUser files = user.page(kFilePage);
        ui.expectFileDialog({drawing});
        files.click(kAddFile);
        ui.expectFolderBrowser(folder.path().wstring());
        files.click(kBrowseResult);
        ui.expectMessageBox(kNothingProtected, IDNO);
        user.pressEnter();
        EXPECT_EQ(user.ownControls().selection(kTab), 2);
        EXPECT_EQ(shownPages(user), (std::vector<bool>{false, false, true}));
        user.pressEscape();
    });
}

} // namespace
