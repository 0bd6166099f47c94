// A batch whose files fail under it: a folder that refuses writes, a disk that fills up during a save,
// sources that vanish or cannot be read, a temporary folder that cannot take the copies, and an archiver
// that is missing or fails. The batch goes on with the next drawing, the summary names every failure,
// the sources stay as they were and nothing half-written or temporary is left behind.
#include "BatchFixture.h"

#include <gmock/gmock.h>

#include <climits>

namespace {

using ::testing::ElementsAre;

class BatchFaultsTest : public BatchFixture {};

TEST_F(BatchFaultsTest, OutputFolderThatRefusesWritesFailsEveryDrawingAndTheBatchGoesOn)
{
    addDrawing("a.dwg");
    addDrawing("b.dwg");
    const cadhost::ScopedFileFaults faults(
        {{cadhost::FileAccess::Write, m_output.string(), EACCES, std::nullopt, 0, UINT_MAX}});
    runExpecting(L"加密2个文件,其中成功0个,失败2个" + failure(m_sources / "a.dwg", L"保存DWG文件失败:无法读取文件") +
                 failure(m_sources / "b.dwg", L"保存DWG文件失败:无法读取文件"));
    ASSERT_EQ(FileResults.GetSize(), 2);
    EXPECT_EQ(FileResults[1].status, Acad::eFileAccessErr);
    EXPECT_EQ(treeNames(m_output), std::vector<std::string>{});
    expectSourcesUntouchedAndNoCopiesLeft();
}

TEST_F(BatchFaultsTest, DiskFullDuringASaveKeepsThePreviousOutputAndTheNextDrawingIsSaved)
{
    addDrawing("a.dwg");
    addDrawing("b.dwg");
    addDrawing("c.dwg");
    std::ofstream(m_output / "b.dwg") << "previous delivery";
    OverwriteAnswer = OverwriteAnswerState{true, true};
    const cadhost::ScopedFileFaults faults({{cadhost::FileAccess::Write, (m_output / "b.dwg").string(), ENOSPC, 1000}});
    runExpecting(L"加密3个文件,其中成功2个,失败1个" + failure(m_sources / "b.dwg", L"保存DWG文件失败:无法读取文件"));
    EXPECT_EQ(fileBytes(m_output / "b.dwg"), "previous delivery");
    EXPECT_TRUE(isProtected(m_output / "a.dwg"));
    EXPECT_TRUE(isProtected(m_output / "c.dwg"));
    EXPECT_EQ(treeNames(m_output), (std::vector<std::string>{"a.dwg", "b.dwg", "c.dwg", "setup.exe", "使用说明.txt"}));
    expectSourcesUntouchedAndNoCopiesLeft();
}

TEST_F(BatchFaultsTest, SourceDeletedBeforeItsTurnIsReportedAndTheOthersAreProtected)
{
    addDrawing("a.dwg");
    addDrawing("b.dwg");
    const std::wstring listed = std::to_wstring(GuardOption.listedSizes[0]);
    std::filesystem::remove(m_sources / "a.dwg");
    m_sourceBytes.erase(m_sources / "a.dwg");
    runExpecting(L"加密2个文件,其中成功1个,失败1个" +
                 failure(m_sources / "a.dwg", L"文件大小容错失败:0," + listed + L"," + listed));
    EXPECT_FALSE(std::filesystem::exists(m_output / "a.dwg"));
    EXPECT_TRUE(isProtected(m_output / "b.dwg"));
    expectSourcesUntouchedAndNoCopiesLeft();
}

TEST_F(BatchFaultsTest, SourceThatCannotBeReadIsReportedAndLeftAsItWas)
{
    addDrawing("a.dwg");
    addDrawing("b.dwg");
    const std::wstring listed = std::to_wstring(GuardOption.listedSizes[1]);
    const cadhost::ScopedFileFaults faults(
        {{cadhost::FileAccess::Read, (m_sources / "b.dwg").string(), EACCES, std::nullopt}});
    runExpecting(L"加密2个文件,其中成功1个,失败1个" +
                 failure(m_sources / "b.dwg", L"文件大小容错失败:0," + listed + L"," + listed));
    EXPECT_TRUE(isProtected(m_output / "a.dwg"));
    EXPECT_FALSE(std::filesystem::exists(m_output / "b.dwg"));
    expectSourcesUntouchedAndNoCopiesLeft();
}

TEST_F(BatchFaultsTest, TemporaryFolderThatCannotBeWrittenFailsEachDrawingWithoutStoppingTheBatch)
{
    addDrawing("a.dwg");
    addDrawing("b.dwg");
    std::ofstream(m_work / "file") << "a file where the temporary folder should be";
    useTemporaryFolder(m_work / "file" / "temporary");
    const std::wstring a = std::to_wstring(GuardOption.listedSizes[0]);
    const std::wstring b = std::to_wstring(GuardOption.listedSizes[1]);
    GuardOption.pack = true;
    runExpecting(L"加密2个文件,其中成功0个,失败2个" +
                 failure(m_sources / "a.dwg", L"文件大小容错失败:0," + a + L"," + a) +
                 failure(m_sources / "b.dwg", L"文件大小容错失败:0," + b + L"," + b));
    EXPECT_EQ(treeNames(m_output), (std::vector<std::string>{"setup.exe", "使用说明.txt"}));
    EXPECT_THAT(cadhost::waitForStartedProcesses(), ElementsAre(0));
    expectSourcesUntouchedAndNoCopiesLeft();
}

TEST_F(BatchFaultsTest, DiskFullWhileCopyingTheInstallerLeavesNoHalfInstaller)
{
    addDrawing("a.dwg");
    const cadhost::ScopedFileFaults faults(
        {{cadhost::FileAccess::Write, (m_output / "setup.exe").string(), ENOSPC, 10}});
    runExpecting(L"加密1个文件全部成功");
    EXPECT_EQ(treeNames(m_output), (std::vector<std::string>{"a.dwg", "使用说明.txt"}));
    expectSourcesUntouchedAndNoCopiesLeft();
}

TEST_F(BatchFaultsTest, MissingArchiverEndsTheBatchWithTheDrawingsSavedAndNoArchive)
{
    addDrawing("a.dwg");
    std::filesystem::remove(m_install.path() / "3rd" / "Rar.exe");
    GuardOption.pack = true;
    runExpecting(L"加密1个文件全部成功");
    EXPECT_TRUE(cadhost::waitForStartedProcesses().empty());
    EXPECT_TRUE(isProtected(m_output / "a.dwg"));
    EXPECT_EQ(treeNames(m_work / "send"),
              (std::vector<std::string>{"job1", "job1/a.dwg", "job1/setup.exe", "job1/使用说明.txt"}));
    expectSourcesUntouchedAndNoCopiesLeft();
}

TEST_F(BatchFaultsTest, ArchiverThatFailsLeavesTheDeliveryAsItIs)
{
    addDrawing("a.dwg");
    const std::filesystem::path archiver = m_install.path() / "3rd" / "Rar.exe";
    std::filesystem::remove(archiver);
    std::ofstream(archiver) << "#!/bin/sh\necho 'Rar.exe: out of memory' >&2\nexit 8\n";
    std::filesystem::permissions(archiver, std::filesystem::perms::owner_all);
    GuardOption.pack = true;
    runExpecting(L"加密1个文件全部成功");
    EXPECT_THAT(cadhost::waitForStartedProcesses(), ElementsAre(8));
    EXPECT_TRUE(isProtected(m_output / "a.dwg"));
    EXPECT_EQ(treeNames(m_work / "send"),
              (std::vector<std::string>{"job1", "job1/a.dwg", "job1/setup.exe", "job1/使用说明.txt"}));
    expectSourcesUntouchedAndNoCopiesLeft();
}

TEST_F(BatchFaultsTest, ArchiverMissingAnInstallerPacksTheRestAndSaysSo)
{
    addDrawing("a.dwg");
    std::filesystem::remove(m_install.path() / "setup.exe");
    GuardOption.pack = true;
    runExpecting(L"加密1个文件全部成功");
    EXPECT_THAT(cadhost::waitForStartedProcesses(), ElementsAre(1));
    const testsupport::ProcessResult listing =
        testsupport::runProcess({"/usr/bin/bsdtar", "-tf", (m_work / "send" / "job1.zip").string()});
    EXPECT_EQ(listing.out, "a.dwg\n使用说明.txt\n");
    EXPECT_EQ(treeNames(m_work / "send"),
              (std::vector<std::string>{"job1", "job1.zip", "job1/a.dwg", "job1/使用说明.txt"}));
    expectSourcesUntouchedAndNoCopiesLeft();
}

} // namespace
