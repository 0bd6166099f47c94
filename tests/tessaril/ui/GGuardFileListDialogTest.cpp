#include "FilePageHost.h"

namespace filepage {
namespace {

std::vector<std::wstring> column(const DialogUser& user, int index)
{
    std::vector<std::wstring> texts;
    for (int row = 0; row < user.rowCount(kList); ++row)
        texts.push_back(user.cell(kList, row, index));
    return texts;
}

using FileListPageTest = FilePageTest;

TEST_F(FileListPageTest, AnAddedFileGetsANumberedRowReadyForProtection)
{
    const std::wstring drawing = makeFile("plan.dwg");
    run([&](DialogUser& user) {
        EXPECT_EQ(user.selection(kTab), 0);
        EXPECT_EQ(user.items(kTab), (std::vector<std::wstring>{L"文件外发", L"文件夹外发"}));
        ui.expectFileDialog({drawing});
        user.click(kAddFile);
        EXPECT_EQ(user.rowCount(kList), 1);
        EXPECT_EQ(user.cell(kList, 0, 0), L"1");
        EXPECT_EQ(user.cell(kList, 0, 1), drawing);
        EXPECT_EQ(user.cell(kList, 0, 2), L"准备保护");
        EXPECT_EQ(user.cell(kList, 0, 3), drawing);
        user.pressEscape();
    });
    ASSERT_EQ(ui.fileDialogs().size(), 1U);
    EXPECT_EQ(ui.fileDialogs()[0].filter, L"DWG文件 (*.dwg)|*.dwg||");
}

TEST_F(FileListPageTest, TheSameFileInOtherLetterCaseIsRefused)
{
    const std::wstring upper = makeFile("PLAN.dwg");
    const std::wstring lower = makeFile("plan.DWG");
    run([&](DialogUser& user) {
        ui.expectFileDialog({upper});
        user.click(kAddFile);
        ui.expectFileDialog({lower});
        ui.expectMessageBox(L"文件已经在列表中了，无需重复添加", IDOK);
        user.click(kAddFile);
        EXPECT_EQ(user.rowCount(kList), 1);
        user.pressEscape();
    });
}

struct SeveralFilesCase {
    std::vector<std::wstring> listed;
    std::vector<std::wstring> chosen;
    std::wstring message;
    int rows;
};

class AddSeveralFilesTest : public FilePageTest, public ::testing::WithParamInterface<SeveralFilesCase> {};

TEST_P(AddSeveralFilesTest, OneMessageCountsAddedAndIgnoredFiles)
{
    const SeveralFilesCase& given = GetParam();
    run([&](DialogUser& user) {
        if (!given.listed.empty()) {
            ui.expectNavigationDialog(given.listed);
            ui.expectMessageBox(L"成功添加:" + std::to_wstring(given.listed.size()) + L"个文件", IDOK);
            user.click(kAddFiles);
        }
        ui.expectNavigationDialog(given.chosen);
        if (!given.message.empty())
            ui.expectMessageBox(given.message, IDOK);
        user.click(kAddFiles);
        EXPECT_EQ(user.rowCount(kList), given.rows);
        user.pressEscape();
    });
    const cadhost::FileNavigationRequest& request = ui.navigationDialogs().back();
    EXPECT_EQ(request.title, L"待加密文件.dwg");
    EXPECT_EQ(request.extension, L"dwg");
    EXPECT_EQ(request.dialogName, L"选择加密文件");
    EXPECT_EQ(request.flags, 0x1021);
}

INSTANTIATE_TEST_SUITE_P(
    Messages, AddSeveralFilesTest,
    ::testing::Values(
        SeveralFilesCase{
            {L"/d/b.dwg"}, {L"/d/a.dwg", L"/d/B.DWG", L"/d/c.dwg"}, L"成功添加:2个文件,忽略1个重复文件", 3},
        SeveralFilesCase{
            {L"/d/a.dwg", L"/d/b.dwg"}, {L"/d/b.dwg", L"/d/A.dwg"}, L"2个文件都已经在列表中了，无需重复添加", 2},
        SeveralFilesCase{{}, {L"/d/a.dwg", L"/d/b.dwg", L"/d/c.dwg"}, L"成功添加:3个文件", 3},
        SeveralFilesCase{{L"/d/a.dwg"}, {}, L"", 1}));

TEST_F(FileListPageTest, DeletingRowsRenumbersTheRestAndKeepsTheirPaths)
{
    const std::vector<std::wstring> chosen{L"/d/1.dwg", L"/d/2.dwg", L"/d/3.dwg", L"/d/4.dwg", L"/d/5.dwg"};
    const INT_PTR result = run([&](DialogUser& user) {
        ui.expectNavigationDialog(chosen);
        ui.expectMessageBox(L"成功添加:5个文件", IDOK);
        user.click(kAddFiles);
        user.selectRows(kList, {1, 3});
        user.click(kDeleteFiles);
        EXPECT_EQ(column(user, 0), (std::vector<std::wstring>{L"1", L"2", L"3"}));
        EXPECT_EQ(column(user, 3), (std::vector<std::wstring>{L"/d/1.dwg", L"/d/3.dwg", L"/d/5.dwg"}));
        user.type(kResultFolder, L"/out");
        user.pressEnter();
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(textsOf(host.option.sourcePaths), (std::vector<std::wstring>{L"/d/1.dwg", L"/d/3.dwg", L"/d/5.dwg"}));
}

TEST_F(FileListPageTest, ReadingRefusesAnEmptyListThenAnEmptyResultFolderAndKeepsTheEntries)
{
    const INT_PTR result = run([&](DialogUser& user) {
        ui.expectMessageBox(L"请先选择需要保护的文件", IDOK);
        user.pressEnter();
        ui.expectNavigationDialog({L"/d/a.dwg"});
        ui.expectMessageBox(L"成功添加:1个文件", IDOK);
        user.click(kAddFiles);
        ui.expectMessageBox(L"结果不可以为空", IDOK);
        user.pressEnter();
        EXPECT_FALSE(user.hasEnded());
        EXPECT_EQ(user.rowCount(kList), 1);
        ui.expectFolderBrowser(std::wstring(L"/out"));
        user.click(kBrowseResult);
        user.select(kSaveType, L"AutoCAD 2010/LT2010 图形");
        user.pressEnter();
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(host.option.outputFolder, L"/out");
    EXPECT_EQ(host.option.outputVersion, 29);
    EXPECT_EQ(host.option.sourceFolder, L"");
    EXPECT_EQ(host.option.outputPaths.GetSize(), 0);
    EXPECT_EQ(setting(L"GGuardFileDialog", L"SaveType"), L"29");
    EXPECT_EQ(setting(L"GGuardFileDialog", L"Floder"), L"False");
    EXPECT_EQ(ui.folderBrowsers().at(0).title, L"选择一个文件夹");
}

TEST_F(FileListPageTest, TheSaveTypeIsChosenFromTheListAndCannotBeTyped)
{
    const INT_PTR result = run([&](DialogUser& user) {
        ui.expectNavigationDialog({L"/d/a.dwg"});
        ui.expectMessageBox(L"成功添加:1个文件", IDOK);
        user.click(kAddFiles);
        EXPECT_THROW(user.type(kSaveType, L"AutoCAD 2018"), cadhost::UiScriptError);
        user.type(kResultFolder, L"/out");
        user.pressEnter();
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_NE(host.option.outputVersion, -1);
    EXPECT_NE(setting(L"GGuardFileDialog", L"SaveType"), L"-1");
}

TEST_F(FileListPageTest, ReadingThePageSetsItsOwnPackingChoices)
{
    host.option.pack = true;
    host.option.archiveType = L"rar";
    host.option.keepFolderTree = false;
    const INT_PTR result = run([&](DialogUser& user) {
        ui.expectNavigationDialog({L"/d/a.dwg"});
        ui.expectMessageBox(L"成功添加:1个文件", IDOK);
        user.click(kAddFiles);
        user.type(kResultFolder, L"/out");
        user.pressEnter();
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_FALSE(host.option.pack);
    EXPECT_EQ(host.option.archiveType, L"zip");
    EXPECT_TRUE(host.option.keepFolderTree);
}

using StoredSaveType = std::pair<const wchar_t*, const wchar_t*>; // stored text (none: no key), selected item

class StoredSaveTypeTest : public FilePageTest, public ::testing::WithParamInterface<StoredSaveType> {};

TEST_P(StoredSaveTypeTest, SelectsTheItemWithTheStoredCode)
{
    if (GetParam().first != nullptr)
        userDataProfile().writeString(L"GGuardFileDialog", L"SaveType", GetParam().first);
    run([&](DialogUser& user) {
        const std::vector<std::wstring> items = user.items(kSaveType);
        ASSERT_EQ(items.size(), 6U);
        EXPECT_EQ(items[static_cast<std::size_t>(user.selection(kSaveType))], GetParam().second);
        EXPECT_EQ(user.text(kSaveType), GetParam().second);
        user.pressEscape();
    });
}

INSTANTIATE_TEST_SUITE_P(Codes, StoredSaveTypeTest,
                         ::testing::Values(StoredSaveType{nullptr, L"保持原有类型"},
                                           StoredSaveType{L"30", L"保持原有类型"},
                                           StoredSaveType{L"abc", L"保持原有类型"},
                                           StoredSaveType{L"22", L"AutoCAD 2000/LT2000 图形"},
                                           StoredSaveType{L"31", L"AutoCAD 2013/LT2013 图形"}));

} // namespace
} // namespace filepage
