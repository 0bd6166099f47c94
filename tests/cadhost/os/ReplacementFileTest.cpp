// Files that only ever replace their target when complete, and the fault plan that lets tests make the
// host's file operations fail.
#include "replacementfile.h"
#include "ScopedTempFolder.h"
#include "faultplan.h"
#include "fileops.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <string>
#include <sys/stat.h>

namespace {

std::string contents(const std::filesystem::path& path)
{
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
}

// Every name in the folder, so that a left-over temporary file shows.
std::vector<std::string> names(const std::filesystem::path& folder)
{
    std::vector<std::string> found;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        found.push_back(entry.path().filename().string());
    std::sort(found.begin(), found.end());
    return found;
}

class ReplacementFileTest : public ::testing::Test {
protected:
    void TearDown() override { cadhost::setFileFaults({}); }

    ScopedTempFolder m_folder;
};

TEST_F(ReplacementFileTest, TargetAppearsOnlyOnCommit)
{
    const std::filesystem::path target = m_folder / "a.dwg";
    cadhost::ReplacementFile file(target);
    ASSERT_TRUE(file.write("drawing", 7));
    EXPECT_FALSE(std::filesystem::exists(target));
    ASSERT_TRUE(file.commit());
    EXPECT_EQ(contents(target), "drawing");
    EXPECT_EQ(names(m_folder.path()), std::vector<std::string>{"a.dwg"});
    EXPECT_EQ(file.error(), 0);
}

TEST_F(ReplacementFileTest, UncommittedFileLeavesThePreviousTargetAndNoTrace)
{
    std::ofstream(m_folder / "a.dwg") << "old";
    {
        cadhost::ReplacementFile file(m_folder / "a.dwg");
        ASSERT_TRUE(file.write("new", 3));
    }
    EXPECT_EQ(contents(m_folder / "a.dwg"), "old");
    EXPECT_EQ(names(m_folder.path()), std::vector<std::string>{"a.dwg"});
}

TEST_F(ReplacementFileTest, DiskFullMidWriteKeepsThePreviousTarget)
{
    std::ofstream(m_folder / "a.dwg") << "old";
    const cadhost::ScopedFileFaults faults({{cadhost::FileAccess::Write, "a.dwg", ENOSPC, 4}});
    {
        cadhost::ReplacementFile file(m_folder / "a.dwg");
        EXPECT_TRUE(file.write("new ", 4));
        EXPECT_FALSE(file.write("drawing", 7));
        EXPECT_EQ(file.error(), ENOSPC);
        EXPECT_FALSE(file.commit());
    }
    EXPECT_EQ(contents(m_folder / "a.dwg"), "old");
    EXPECT_EQ(names(m_folder.path()), std::vector<std::string>{"a.dwg"});
}

TEST_F(ReplacementFileTest, RefusedFolderFailsBeforeAnyByte)
{
    const cadhost::ScopedFileFaults faults({{cadhost::FileAccess::Write, "out", EACCES, std::nullopt}});
    std::filesystem::create_directory(m_folder / "out");
    cadhost::ReplacementFile file(m_folder / "out" / "a.dwg");
    EXPECT_FALSE(file.write("x", 1));
    EXPECT_FALSE(file.commit());
    EXPECT_EQ(file.error(), EACCES);
    EXPECT_TRUE(std::filesystem::is_empty(m_folder / "out"));
}

TEST_F(ReplacementFileTest, FolderUnderARegularFileCannotTakeTheFile)
{
    std::ofstream(m_folder / "file") << "x";
    cadhost::ReplacementFile file(m_folder / "file" / "a.dwg");
    EXPECT_FALSE(file.write("x", 1));
    EXPECT_EQ(file.error(), ENOTDIR);
}

TEST_F(ReplacementFileTest, TargetWithTheLongestNameTheSystemAllows)
{
    const std::string name = std::string(251, 'n') + ".dwg";
    cadhost::ReplacementFile file(m_folder / name);
    ASSERT_TRUE(file.write("x", 1));
    ASSERT_TRUE(file.commit());
    EXPECT_EQ(contents(m_folder / name), "x");
}

TEST_F(ReplacementFileTest, FaultStrikesAfterTheSkippedOperationsForItsCount)
{
    const cadhost::ScopedFileFaults faults({{cadhost::FileAccess::Write, "bravo", EIO, std::nullopt, 1, 2}});
    std::vector<bool> written;
    for (int i = 0; i < 4; ++i) {
        cadhost::ReplacementFile file(m_folder / ("bravo" + std::to_string(i)));
        written.push_back(file.write("x", 1) && file.commit());
        cadhost::ReplacementFile other(m_folder / ("charlie" + std::to_string(i)));
        EXPECT_TRUE(other.write("x", 1) && other.commit());
    }
    EXPECT_EQ(written, (std::vector<bool>{true, false, false, true}));
}

class CopyFileTest : public ReplacementFileTest {};

TEST_F(CopyFileTest, FailedCopyLeavesThePreviousTargetIntact)
{
    std::ofstream(m_folder / "source.dwg") << std::string(100000, 's');
    std::ofstream(m_folder / "target.dwg") << "old";
    const cadhost::ScopedFileFaults faults({{cadhost::FileAccess::Write, "target", ENOSPC, 70000}});
    EXPECT_FALSE(CopyFileW(m_folder.wide("source.dwg").c_str(), m_folder.wide("target.dwg").c_str(), FALSE));
    EXPECT_EQ(contents(m_folder / "target.dwg"), "old");
    EXPECT_EQ(names(m_folder.path()), (std::vector<std::string>{"source.dwg", "target.dwg"}));
}

TEST_F(CopyFileTest, UnreadableSourceCopiesNothing)
{
    std::ofstream(m_folder / "source.dwg") << "drawing";
    const cadhost::ScopedFileFaults faults({{cadhost::FileAccess::Read, "source", EACCES, std::nullopt}});
    EXPECT_FALSE(CopyFileW(m_folder.wide("source.dwg").c_str(), m_folder.wide("copy.dwg").c_str(), FALSE));
    EXPECT_FALSE(std::filesystem::exists(m_folder / "copy.dwg"));
}

TEST_F(CopyFileTest, NamedPipeInTheSourcesPlaceIsRefusedWithoutWaiting)
{
    ASSERT_EQ(::mkfifo((m_folder / "source.dwg").c_str(), 0600), 0);
    EXPECT_FALSE(CopyFileW(m_folder.wide("source.dwg").c_str(), m_folder.wide("copy.dwg").c_str(), FALSE));
    EXPECT_FALSE(std::filesystem::exists(m_folder / "copy.dwg"));
}

TEST_F(CopyFileTest, LargeFileArrivesWhole)
{
    std::string bytes;
    for (int i = 0; i < 200000; ++i)
        bytes += static_cast<char>(i * 7);
    std::ofstream(m_folder / "source.dwg", std::ios::binary) << bytes;
    ASSERT_TRUE(CopyFileW(m_folder.wide("source.dwg").c_str(), m_folder.wide("copy.dwg").c_str(), FALSE));
    EXPECT_TRUE(contents(m_folder / "copy.dwg") == bytes);
}

} // namespace
