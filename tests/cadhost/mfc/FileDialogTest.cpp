#include "ScopedTempFolder.h"
#include "ScriptedUiDriver.h"
#include "acedfilenav.h"
#include "acutads.h"
#include "afxdlgs.h"
#include "rxmfcapi.h"
#include "shlobj.h"

#include <gtest/gtest.h>

#include <fstream>

using cadhost::ScriptedUiDriver;
using cadhost::UiDriverScope;

namespace {

class FileDialogTest : public ::testing::Test {
protected:
    std::wstring makeFile(const std::string& name) const
    {
        std::ofstream(m_folder / name) << "x";
        return m_folder.wide(name);
    }

    ScopedTempFolder m_folder;
    ScriptedUiDriver m_ui;
    UiDriverScope m_scope{m_ui};
};

TEST_F(FileDialogTest, OpenFileDialogReturnsTheChosenPath)
{
    const std::wstring path = makeFile("a.b.dwg");
    m_ui.expectFileDialog({path});
    CFileDialog dialog(TRUE, nullptr, nullptr, OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_LONGNAMES,
                       L"DWG文件 (*.dwg)|*.dwg||", acedGetAcadFrame());
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_STREQ(dialog.GetPathName(), path.c_str());
    EXPECT_STREQ(dialog.GetFileName(), L"a.b.dwg");
    EXPECT_STREQ(dialog.GetFileExt(), L"dwg");
    EXPECT_STREQ(dialog.GetFileTitle(), L"a.b");
    EXPECT_STREQ(dialog.GetFolderPath(), m_folder.wide().c_str());
    ASSERT_EQ(m_ui.fileDialogs().size(), 1U);
    EXPECT_TRUE(m_ui.fileDialogs()[0].open);
    EXPECT_EQ(m_ui.fileDialogs()[0].filter, L"DWG文件 (*.dwg)|*.dwg||");
    EXPECT_EQ(m_ui.fileDialogs()[0].flags & OFN_FILEMUSTEXIST, OFN_FILEMUSTEXIST);
}

TEST_F(FileDialogTest, ChoosingNothingCancels)
{
    m_ui.expectFileDialog({});
    CFileDialog dialog(TRUE);
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_STREQ(dialog.GetPathName(), L"");
}

TEST_F(FileDialogTest, AMissingFileIsRefusedWhenItMustExist)
{
    m_ui.expectFileDialog({m_folder.wide("none.dwg")});
    CFileDialog dialog(TRUE, nullptr, nullptr, OFN_FILEMUSTEXIST);
    EXPECT_THROW(dialog.DoModal(), cadhost::UiScriptError);
}

TEST_F(FileDialogTest, SeveralFilesNeedMultipleSelection)
{
    const std::wstring first = makeFile("1.dwg");
    const std::wstring second = makeFile("2.dwg");
    m_ui.expectFileDialog({first, second});
    m_ui.expectFileDialog({first, second});
    CFileDialog single(TRUE);
    EXPECT_THROW(single.DoModal(), cadhost::UiScriptError);
    CFileDialog multiple(TRUE, nullptr, nullptr, OFN_ALLOWMULTISELECT);
    ASSERT_EQ(multiple.DoModal(), IDOK);
    std::vector<std::wstring> chosen;
    for (POSITION position = multiple.GetStartPosition(); position != nullptr;)
        chosen.push_back(multiple.GetNextPathName(position).str());
    EXPECT_EQ(chosen, (std::vector<std::wstring>{first, second}));
}

TEST_F(FileDialogTest, NavigationDialogReturnsAResultBufferChain)
{
    m_ui.expectNavigationDialog({L"/d/1.dwg", L"/d/图纸 2.dwg"});
    resbuf* result = nullptr;
    ASSERT_EQ(acedGetFileNavDialog(L"待加密文件.dwg", nullptr, L"dwg", L"选择加密文件", 0x1021, &result), RTNORM);
    ASSERT_NE(result, nullptr);
    EXPECT_EQ(result->restype, RTSTR);
    EXPECT_STREQ(result->resval.rstring, L"/d/1.dwg");
    ASSERT_NE(result->rbnext, nullptr);
    EXPECT_STREQ(result->rbnext->resval.rstring, L"/d/图纸 2.dwg");
    EXPECT_EQ(result->rbnext->rbnext, nullptr);
    EXPECT_EQ(acutRelRb(result), RTNORM);
    ASSERT_EQ(m_ui.navigationDialogs().size(), 1U);
    EXPECT_EQ(m_ui.navigationDialogs()[0].title, L"待加密文件.dwg");
    EXPECT_EQ(m_ui.navigationDialogs()[0].dialogName, L"选择加密文件");
    EXPECT_EQ(m_ui.navigationDialogs()[0].flags, 0x1021);
}

TEST_F(FileDialogTest, CancelledNavigationDialogGivesNoChain)
{
    m_ui.expectNavigationDialog({});
    resbuf* result = reinterpret_cast<resbuf*>(&m_ui);
    EXPECT_EQ(acedGetFileNavDialog(L"待加密文件.dwg", nullptr, L"dwg", L"选择加密文件", 0x1021, &result), RTCAN);
    EXPECT_EQ(result, nullptr);
}

TEST_F(FileDialogTest, FolderBrowserGivesTheChosenFolder)
{
    m_ui.expectFolderBrowser(std::wstring(L"/d/a/plans"));
    m_ui.expectFolderBrowser(std::nullopt);
    m_ui.expectFolderBrowser(std::wstring());

    wchar_t name[MAX_PATH];
    BROWSEINFOW info{};
    info.pszDisplayName = name;
    info.lpszTitle = L"选择一个文件夹";
    info.ulFlags = BIF_RETURNONLYFSDIRS | BIF_NEWDIALOGSTYLE;
    PIDLIST_ABSOLUTE item = SHBrowseForFolderW(&info);
    ASSERT_NE(item, nullptr);
    wchar_t path[MAX_PATH];
    EXPECT_TRUE(SHGetPathFromIDListW(item, path));
    EXPECT_STREQ(path, L"/d/a/plans");
    EXPECT_STREQ(name, L"plans");
    CoTaskMemFree(item);

    EXPECT_EQ(SHBrowseForFolderW(&info), nullptr);

    item = SHBrowseForFolderW(&info);
    ASSERT_NE(item, nullptr);
    EXPECT_FALSE(SHGetPathFromIDListW(item, path));
    CoTaskMemFree(item);

    ASSERT_EQ(m_ui.folderBrowsers().size(), 3U);
    EXPECT_EQ(m_ui.folderBrowsers()[0].title, L"选择一个文件夹");
    EXPECT_EQ(m_ui.folderBrowsers()[0].flags, BIF_RETURNONLYFSDIRS | BIF_NEWDIALOGSTYLE);
}

TEST_F(FileDialogTest, ADialogOfAnotherKindThanExpectedFails)
{
    m_ui.expectFolderBrowser(std::wstring(L"/d"));
    CFileDialog dialog(TRUE);
    try {
        dialog.DoModal();
        FAIL() << "no failure";
    } catch (const cadhost::UiScriptError& error) {
        EXPECT_STREQ(error.what(), "expected folder browser answered \"/d\" but file dialog \"\" for \"\" came");
    }
}

TEST(HostFrame, IsOneVisibleWindow)
{
    EXPECT_EQ(acedGetAcadFrame(), acedGetAcadFrame());
    EXPECT_EQ(adsw_acadMainWnd(), acedGetAcadFrame()->m_hWnd);
    EXPECT_TRUE(acedGetAcadFrame()->IsWindowVisible());
}

} // namespace
