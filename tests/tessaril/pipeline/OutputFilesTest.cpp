// Output names, DWG versions, file sizes and folders of the single-file step.
#include "ScopedTempFolder.h"

#include "pipeline/EnsureFolder.h"
#include "pipeline/FileSize32.h"
#include "pipeline/OutputPath.h"
#include "pipeline/SaveAsVersion.h"

#include "dbapserv.h"

#include <gtest/gtest.h>

#include <fstream>

namespace {

struct DeriveCase {
    const wchar_t* source;
    const wchar_t* outputFolder;
    const wchar_t* expected;
};

class DeriveOutputPathTest : public ::testing::TestWithParam<DeriveCase> {};

TEST_P(DeriveOutputPathTest, NamesTheResult)
{
    GGuardOption options;
    options.outputFolder = GetParam().outputFolder;
    EXPECT_EQ(deriveOutputPath(GetParam().source, options), CString(GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(Paths, DeriveOutputPathTest,
                         ::testing::Values(DeriveCase{L"D:\\a\\plan.dwg", L"D:\\a", L"D:\\a/plan_G.dwg"},
                                           DeriveCase{L"D:\\a\\plan.dwg", L"d:\\A", L"d:\\A/plan_G.dwg"},
                                           DeriveCase{L"D:\\a\\plan.dwg", L"D:\\out", L"D:\\out/plan.dwg"},
                                           DeriveCase{L"/work/a/plan.rev.DWG", L"/work/out/",
                                                      L"/work/out/plan.rev.dwg"},
                                           DeriveCase{L"/work/a/plan", L"/work/a", L"/work/a/plan_G.dwg"},
                                           DeriveCase{L"/work/a/plan.dwg", L"", L"/work/a/plan_G.dwg"}));

// Other spellings of the source's own folder must still keep the result off the source.
TEST(DeriveOutputPathSpellingTest, TheSourceFolderSpeltOtherwiseGetsTheSuffix)
{
    ScopedTempFolder folder;
    std::filesystem::create_directory(folder / "src");
    std::ofstream(folder / "src/plan.dwg") << "drawing";
    std::filesystem::create_directory_symlink(folder / "src", folder / "link");
    std::filesystem::create_directory(folder / "other");
    const CString source(folder.wide("src/plan.dwg").c_str());
    const std::wstring spellings[] = {folder.wide("src/./"), folder.wide("src/."), folder.wide("other/../src"),
                                      folder.wide("link"),   folder.wide("link/"), folder.wide("src//")};
    for (const std::wstring& spelling : spellings) {
        GGuardOption options;
        options.outputFolder = spelling.c_str();
        const std::filesystem::path result(deriveOutputPath(source, options).GetString());
        EXPECT_EQ(result.filename(), "plan_G.dwg") << std::filesystem::path(spelling);
        EXPECT_NE(std::filesystem::weakly_canonical(result),
                  std::filesystem::weakly_canonical(folder / "src/plan.dwg"));
    }
}

TEST(DeriveOutputPathSpellingTest, ASourceWithoutFolderIsNeverItsOwnResult)
{
    ScopedTempFolder folder;
    const std::filesystem::path previous = std::filesystem::current_path();
    std::filesystem::current_path(folder.path());
    std::ofstream("plan.dwg") << "drawing";
    GGuardOption options;
    const std::filesystem::path result(deriveOutputPath(L"plan.dwg", options).GetString());
    EXPECT_EQ(std::filesystem::weakly_canonical(result), std::filesystem::weakly_canonical(folder / "plan_G.dwg"));
    options.outputFolder = folder.wide().c_str();
    const std::filesystem::path inFolder(deriveOutputPath(L"plan.dwg", options).GetString());
    EXPECT_EQ(inFolder.filename(), "plan_G.dwg");
    std::filesystem::current_path(previous);
}

class SaveAsVersionTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_previous = acdbHostApplicationServices()->workingDatabase();
        acdbHostApplicationServices()->setWorkingDatabase(&m_database);
    }
    void TearDown() override { acdbHostApplicationServices()->setWorkingDatabase(m_previous); }

    // The version the saved file reports when it is read again.
    int savedVersion(int requested)
    {
        const std::filesystem::path path = m_folder / "out.dwg";
        EXPECT_EQ(saveAsVersion(&m_database, path.wstring().c_str(), requested, nullptr), Acad::eOk);
        AcDbDatabase reread(false, true);
        EXPECT_EQ(reread.readDwgFile(path.wstring().c_str()), Acad::eOk);
        return reread.lastSavedAsVersion();
    }

    ScopedTempFolder m_folder;
    AcDbDatabase m_database;
    AcDbDatabase* m_previous = nullptr;
};

TEST_F(SaveAsVersionTest, RequestedVersionsMapToTheThreeFormats)
{
    const std::pair<int, int> mapping[] = {{0, 31},  {26, 31}, {27, 31}, {29, 31}, {31, 31},
                                           {22, 23}, {23, 23}, {24, 25}, {25, 25}};
    for (const auto& [requested, saved] : mapping)
        EXPECT_EQ(savedVersion(requested), saved) << "requested " << requested;
}

TEST_F(SaveAsVersionTest, KeepOwnVersionUsesTheLastSavedVersion)
{
    savedVersion(25);
    const std::filesystem::path source = m_folder / "out.dwg";
    AcDbDatabase opened(false, true);
    ASSERT_EQ(opened.readDwgFile(source.wstring().c_str()), Acad::eOk);
    const std::filesystem::path copy = m_folder / "copy.dwg";
    ASSERT_EQ(saveAsVersion(&opened, copy.wstring().c_str(), 32766, nullptr), Acad::eOk);
    AcDbDatabase reread(false, true);
    ASSERT_EQ(reread.readDwgFile(copy.wstring().c_str()), Acad::eOk);
    EXPECT_EQ(reread.lastSavedAsVersion(), 25);
}

TEST_F(SaveAsVersionTest, RefusalsWriteNothing)
{
    const std::filesystem::path dxf = m_folder / "out.dxf";
    EXPECT_EQ(saveAsVersion(&m_database, dxf.wstring().c_str(), 31, nullptr), Acad::eInvalidFileExtension);
    const std::filesystem::path dwg = m_folder / "out.dwg";
    EXPECT_EQ(saveAsVersion(&m_database, dwg.wstring().c_str(), 30, nullptr), Acad::eInvalidInput);
    EXPECT_EQ(saveAsVersion(&m_database, dwg.wstring().c_str(), -1, nullptr), Acad::eInvalidInput);
    EXPECT_EQ(saveAsVersion(nullptr, dwg.wstring().c_str(), 31, nullptr), Acad::eNullHandle);
    EXPECT_FALSE(std::filesystem::exists(dxf));
    EXPECT_FALSE(std::filesystem::exists(dwg));
}

TEST(FileSize32Test, MeasuresReadableFilesAndGivesZeroOtherwise)
{
    ScopedTempFolder folder;
    std::ofstream(folder / "five.bin") << "12345";
    EXPECT_EQ(getFileSize32(folder.wide("five.bin").c_str()), 5u);
    EXPECT_EQ(getFileSize32(folder.wide("missing.bin").c_str()), 0u);
}

TEST(EnsureFolderTest, CreatesEveryMissingParent)
{
    ScopedTempFolder folder;
    EXPECT_TRUE(ensureFolder(folder.wide("a/b/c").c_str()));
    EXPECT_TRUE(std::filesystem::is_directory(folder / "a/b/c"));
    EXPECT_TRUE(ensureFolder(folder.wide("a/b").c_str()));
}

TEST(EnsureFolderTest, FailsBelowAFile)
{
    ScopedTempFolder folder;
    std::ofstream(folder / "file") << "x";
    EXPECT_FALSE(ensureFolder(folder.wide("file/sub/deeper").c_str()));
    EXPECT_FALSE(std::filesystem::exists(folder / "file/sub"));
}

} // namespace
