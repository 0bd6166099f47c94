#include "fileops.h"
#include "ScopedTempFolder.h"
#include "filewritelock.h"

#include <gtest/gtest.h>

#include <fstream>

namespace {

class FileOpsTest : public ::testing::Test {
protected:
    std::wstring make(const std::string& name, const std::string& content) const
    {
        std::ofstream(m_folder / name, std::ios::binary) << content;
        return m_folder.wide(name);
    }

    ScopedTempFolder m_folder;
};

TEST_F(FileOpsTest, CreateDirectoryMakesOneFolder)
{
    EXPECT_TRUE(CreateDirectoryW(m_folder.wide("out").c_str(), nullptr));
    EXPECT_FALSE(CreateDirectoryW(m_folder.wide("out").c_str(), nullptr));
    EXPECT_FALSE(CreateDirectoryW(m_folder.wide("missing/out").c_str(), nullptr));
    EXPECT_FALSE(std::filesystem::exists(m_folder / "missing"));
}

TEST_F(FileOpsTest, AttributesTellFoldersFromFiles)
{
    const std::wstring file = make("a.dwg", "x");
    EXPECT_EQ(GetFileAttributesW(file.c_str()), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(GetFileAttributesW(m_folder.wide().c_str()), FILE_ATTRIBUTE_DIRECTORY);
    EXPECT_EQ(GetFileAttributesW(m_folder.wide("none").c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_TRUE(cadhost::pathExists(file));
    EXPECT_FALSE(cadhost::pathExists(L""));
}

TEST_F(FileOpsTest, CopyFileRespectsFailIfExists)
{
    const std::wstring source = make("a.dwg", "source");
    const std::wstring target = make("b.dwg", "target");
    EXPECT_FALSE(CopyFileW(source.c_str(), target.c_str(), TRUE));
    EXPECT_EQ(cadhost::sharedReadFileSize(target), 6U);
    EXPECT_TRUE(CopyFileW(source.c_str(), target.c_str(), FALSE));
    std::ifstream copied(m_folder / "b.dwg");
    std::string text;
    copied >> text;
    EXPECT_EQ(text, "source");
    EXPECT_FALSE(CopyFileW(m_folder.wide("none").c_str(), target.c_str(), FALSE));
}

TEST_F(FileOpsTest, DeleteFileRemovesFilesOnly)
{
    const std::wstring file = make("a.dwg", "x");
    EXPECT_TRUE(DeleteFileW(file.c_str()));
    EXPECT_FALSE(DeleteFileW(file.c_str()));
    EXPECT_FALSE(DeleteFileW(m_folder.wide().c_str()));
    EXPECT_TRUE(std::filesystem::exists(m_folder.path()));
}

TEST_F(FileOpsTest, ThereAreNoShortNames)
{
    const std::wstring file = make("a long name.dwg", "x");
    wchar_t buffer[MAX_PATH] = L"untouched";
    EXPECT_EQ(GetShortPathNameW(file.c_str(), buffer, MAX_PATH), 0U);
    EXPECT_STREQ(buffer, L"untouched");
}

TEST_F(FileOpsTest, SharedReadSizeFailsWhileAWriterHoldsTheFile)
{
    const std::wstring file = make("held.dwg", std::string(10240, 'x'));
    EXPECT_EQ(cadhost::sharedReadFileSize(file), 10240U);
    {
        const cadhost::FileWriteLock lock(file);
        ASSERT_TRUE(lock.held());
        EXPECT_FALSE(cadhost::sharedReadFileSize(file).has_value());
        EXPECT_FALSE(cadhost::FileWriteLock(file).held());
    }
    EXPECT_EQ(cadhost::sharedReadFileSize(file), 10240U);
}

TEST_F(FileOpsTest, SharedReadSizeOfMissingFileOrFolderIsNothing)
{
    EXPECT_FALSE(cadhost::sharedReadFileSize(m_folder.wide("none")).has_value());
    EXPECT_FALSE(cadhost::sharedReadFileSize(m_folder.wide()).has_value());
    EXPECT_EQ(cadhost::sharedReadFileSize(make("empty.dwg", "")), 0U);
}

TEST_F(FileOpsTest, BackslashesSeparateFolders)
{
    make("a.dwg", "x");
    const std::wstring windowsStyle = m_folder.wide() + L"\\a.dwg";
    EXPECT_EQ(GetFileAttributesW(windowsStyle.c_str()), FILE_ATTRIBUTE_NORMAL);
}

} // namespace
