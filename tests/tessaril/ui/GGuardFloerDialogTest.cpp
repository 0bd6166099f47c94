#include "FilePageHost.h"

#include <algorithm>

namespace filepage {
namespace {

class FolderPageTest : public FilePageTest {
protected:
    // Switches to the folder sub-tab, chooses the source folder and, when given, types the result folder.
    void chooseFolders(DialogUser& user, const std::wstring& source, const std::wstring& result)
    {
        user.select(kTab, 1);
        ui.expectFolderBrowser(source);
        user.click(kBrowseSource);
        if (!result.empty())
            user.type(kResultFolder, result);
    }

    std::wstring path(const std::string& relative) const { return (drawings / relative).wstring(); }

    static std::vector<std::wstring> sorted(const CStringArray& paths)
    {
        std::vector<std::wstring> texts = textsOf(paths);
        std::sort(texts.begin(), texts.end());
        return texts;
    }
};

TEST_F(FolderPageTest, AChosenSourceFolderFillsAnEmptyResultFolderBesideIt)
{
    run([&](DialogUser& user) {
        user.select(kTab, 1);
        EXPECT_FALSE(user.isVisible(kList));
        ui.expectFolderBrowser(std::wstring(L"/data/a/plans"));
        user.click(kBrowseSource);
        EXPECT_EQ(user.text(kSourceFolder), L"/data/a/plans");
        EXPECT_EQ(user.text(kResultFolder), L"/data/a/plans_G");
        ui.expectFolderBrowser(std::wstring(L"/data/b"));
        user.click(kBrowseSource);
        EXPECT_EQ(user.text(kResultFolder), L"/data/a/plans_G");
        ui.expectFolderBrowser(std::nullopt);
        user.click(kBrowseSource);
        EXPECT_EQ(user.text(kSourceFolder), L"/data/b");
        user.pressEscape();
    });
}

TEST_F(FolderPageTest, AKeptTreeMirrorsSubFoldersAndAFlattenedTreePutsEveryResultInTheOutputFolder)
{
    makeFile("src/top.dwg");
    makeFile("src/notes.txt");
    makeFile("src/one/a.DWG");
    makeFile("src/one/deep/b.dwg");
    const INT_PTR kept = run([&](DialogUser& user) {
        chooseFolders(user, path("src"), path("out"));
        EXPECT_TRUE(user.isChecked(kKeepTree));
        user.pressEnter();
    });
    EXPECT_EQ(kept, IDOK);
    EXPECT_EQ(textsOf(host.option.sourcePaths),
              (std::vector<std::wstring>{path("src/one/deep/b.dwg"), path("src/one/a.DWG"), path("src/top.dwg")}));
    EXPECT_EQ(textsOf(host.option.outputPaths),
              (std::vector<std::wstring>{path("out/one/deep/b.dwg"), path("out/one/a.DWG"), path("out/top.dwg")}));
    EXPECT_EQ(host.option.sourceFolder, path("src"));
    EXPECT_EQ(host.option.outputFolder, path("out"));
    EXPECT_TRUE(host.option.keepFolderTree);
    EXPECT_EQ(setting(L"GGuardFileDialog", L"Floder"), L"True");
    EXPECT_EQ(setting(L"GGuardFloerDialog", L"KeepFloderTree"), L"True");

    HostDialog again;
    ui.expectDialog(kHostDialog, [&](DialogUser& user) {
        EXPECT_EQ(user.selection(kTab), 1);
        EXPECT_TRUE(user.isVisible(kSourceFolder));
        user.type(kSourceFolder, path("src"));
        user.type(kResultFolder, path("flat"));
        user.setChecked(kKeepTree, false);
        user.pressEnter();
    });
    const cadhost::UiDriverScope scope(ui);
    EXPECT_EQ(again.DoModal(), IDOK);
    EXPECT_FALSE(again.option.keepFolderTree);
    EXPECT_EQ(textsOf(again.option.outputPaths),
              (std::vector<std::wstring>{path("flat/b.dwg"), path("flat/a.DWG"), path("flat/top.dwg")}));
    EXPECT_EQ(setting(L"GGuardFloerDialog", L"KeepFloderTree"), L"False");
}

TEST_F(FolderPageTest, EachFolderIsWalkedInNameOrderWhateverTheLetterCase)
{
    for (const char* name : {"src/b.dwg", "src/C.dwg", "src/a.dwg", "src/Z/z.dwg", "src/y/y.dwg", "src/B.dwg"})
        makeFile(name);
    run([&](DialogUser& user) {
        chooseFolders(user, path("src"), path("out"));
        user.pressEnter();
    });
    EXPECT_EQ(textsOf(host.option.sourcePaths),
              (std::vector<std::wstring>{path("src/y/y.dwg"), path("src/Z/z.dwg"), path("src/a.dwg"), path("src/B.dwg"),
                                         path("src/b.dwg"), path("src/C.dwg")}));
}

TEST_F(FolderPageTest, ALinkedFolderIsNotWalked)
{
    makeFile("src/a.dwg");
    makeFile("src/sub/b.dwg");
    std::filesystem::create_directory_symlink(drawings / "src", drawings / "src/sub/up");
    run([&](DialogUser& user) {
        chooseFolders(user, path("src"), path("out"));
        user.setChecked(kKeepTree, true);
        user.pressEnter();
    });
    EXPECT_EQ(sorted(host.option.sourcePaths), (std::vector<std::wstring>{path("src/a.dwg"), path("src/sub/b.dwg")}));
}

TEST_F(FolderPageTest, ATypedArchiveTypeIsPassedOnAndStoredButMatchesNoItemNextTime)
{
    makeFile("src/a.dwg");
    run([&](DialogUser& user) {
        chooseFolders(user, path("src"), path("out"));
        EXPECT_EQ(user.items(kArchiveType), (std::vector<std::wstring>{L"zip", L"rar"}));
        EXPECT_FALSE(user.isEnabled(kArchiveType));
        user.setChecked(kPack, true);
        EXPECT_TRUE(user.isEnabled(kArchiveType));
        user.type(kArchiveType, L"7z");
        user.pressEnter();
    });
    EXPECT_TRUE(host.option.pack);
    EXPECT_EQ(host.option.archiveType, L"7z");
    EXPECT_EQ(setting(L"GGuardFloerDialog", L"Rar"), L"True");
    EXPECT_EQ(setting(L"GGuardFloerDialog", L"RarType"), L"7z");

    HostDialog again;
    ui.expectDialog(kHostDialog, [&](DialogUser& user) {
        EXPECT_TRUE(user.isChecked(kPack));
        EXPECT_TRUE(user.isEnabled(kArchiveType));
        EXPECT_EQ(user.selection(kArchiveType), 0);
        EXPECT_EQ(user.text(kArchiveType), L"zip");
        user.setChecked(kPack, false);
        EXPECT_FALSE(user.isEnabled(kArchiveType));
        user.pressEscape();
    });
    const cadhost::UiDriverScope scope(ui);
    EXPECT_EQ(again.DoModal(), IDCANCEL);
}

struct RefusalCase {
    const char* name;
    std::string source; // relative to the drawings folder; empty leaves the edit empty
    std::string result;
    std::wstring message;
};

class FolderRefusalTest : public FolderPageTest, public ::testing::WithParamInterface<RefusalCase> {};

TEST_P(FolderRefusalTest, ShowsWhyAndKeepsTheEntries)
{
    makeFile("src/readme.txt");
    makeFile("Other/x.dwg");
    std::filesystem::create_directory_symlink(drawings / "Other", drawings / "OtherLink");
    const RefusalCase& given = GetParam();
    const std::wstring source = given.source.empty() ? L"" : path(given.source);
    const std::wstring result = given.result.empty() ? L"" : path(given.result);
    const INT_PTR outcome = run([&](DialogUser& user) {
        user.select(kTab, 1);
        user.type(kSourceFolder, source);
        user.type(kResultFolder, result);
        ui.expectMessageBox(given.message, IDOK);
        user.pressEnter();
        EXPECT_EQ(user.text(kSourceFolder), source);
        EXPECT_EQ(user.text(kResultFolder), result);
        user.pressEscape();
    });
    EXPECT_EQ(outcome, IDCANCEL);
}

INSTANTIATE_TEST_SUITE_P(
    Checks, FolderRefusalTest,
    ::testing::Values(
        RefusalCase{"EmptySource", "", "", L"源文件夹不可以为空"},
        RefusalCase{"MissingSource", "missing", "", L"源文件夹不存在"},
        RefusalCase{"EmptyResult", "src", "", L"结果不可以为空"},
        RefusalCase{"SameFolderInOtherCase", "Other", "OTHER", L"源文件夹和结果文件夹不可以相同"},
        RefusalCase{"SameFolderWithSeparator", "Other", "Other/", L"源文件夹和结果文件夹不可以相同"},
        RefusalCase{"SameFolderWithDot", "Other", "Other/./", L"源文件夹和结果文件夹不可以相同"},
        RefusalCase{"SameFolderThroughParent", "Other", "src/../Other", L"源文件夹和结果文件夹不可以相同"},
        RefusalCase{"SameFolderThroughLink", "Other", "OtherLink", L"源文件夹和结果文件夹不可以相同"},
        RefusalCase{"ResultInsideSource", "Other", "Other/out", L"结果文件夹不可以在源文件夹中"},
        RefusalCase{"ResultInsideSourceThroughLink", "OtherLink", "Other/out", L"结果文件夹不可以在源文件夹中"},
        RefusalCase{"NoDrawing", "src", "out", L"源文件夹中未找到需要保护的.dwg文件"}),
    [](const ::testing::TestParamInfo<RefusalCase>& info) { return std::string(info.param.name); });

} // namespace
} // namespace filepage
