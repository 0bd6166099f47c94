// The installed cadhost runs jobs whose surroundings fail: a result folder that cannot be made, a
// temporary folder that cannot take the copies, an archiver that is missing or fails. The job says so in
// its summary and exit status, the sources stay as they were, and nothing temporary is left.
#include "RunProcess.h"
#include "ScopedTempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

namespace {
using testsupport::ProcessResult;
namespace fs = std::filesystem;

const fs::path kInstall = fs::path(TESSARIL_INSTALL_DIR);
const fs::path kSample = fs::path(TESSARIL_SOURCE_DIR) / "samples" / "sample.dwg";

std::string fileBytes(const fs::path& path)
{
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
}

std::vector<std::string> names(const fs::path& folder)
{
    std::vector<std::string> found;
    for (const auto& entry : fs::directory_iterator(folder))
        found.push_back(entry.path().filename().string());
    std::sort(found.begin(), found.end());
    return found;
}

class JobFaultsTest : public ::testing::Test {
protected:
    JobFaultsTest()
    {
        fs::create_directories(sources());
        fs::copy_file(kSample, sources() / "a.dwg");
        fs::copy_file(kSample, sources() / "b.dwg");
        fs::create_directory(temporary());
    }

    fs::path sources() const { return folder / "drawings"; }
    fs::path results() const { return folder / "results"; }
    fs::path archive() const { return folder / "results.zip"; }
    fs::path temporary() const { return folder / "tmp"; }
    fs::path install() const { return folder / "install"; }

    // An installation of its own, whose archiver the test may change: the programs are linked, the
    // rest copied.
    void makeOwnInstallation()
    {
        for (const char* linked : {"bin", "lib"}) {
            fs::create_directories(install() / linked);
            for (const auto& entry : fs::directory_iterator(kInstall / linked))
                fs::create_hard_link(entry.path(), install() / linked / entry.path().filename());
        }
        for (const char* copied : {"config", "3rd", "setup.exe", "使用说明.txt"})
            fs::copy(kInstall / fs::u8path(copied), install() / fs::u8path(copied), fs::copy_options::recursive);
        m_cadhost = install() / "bin" / "cadhost";
    }

    ProcessResult runJob(const fs::path& temporaryFolder)
    {
        return testsupport::runProcess({m_cadhost.string(), "job", "mode=folder", "source=" + sources().string(),
                                        "output=" + results().string(), "kind-mask=255", "create-output=yes",
                                        "pack=yes"},
                                       {"TMPDIR=" + temporaryFolder.string()});
    }

    void expectSourcesUntouched() const
    {
        EXPECT_EQ(names(sources()), (std::vector<std::string>{"a.dwg", "b.dwg"}));
        EXPECT_TRUE(fileBytes(sources() / "a.dwg") == fileBytes(kSample));
        EXPECT_TRUE(fileBytes(sources() / "b.dwg") == fileBytes(kSample));
    }

    ScopedTempFolder folder;
    fs::path m_cadhost = kInstall / "bin" / "cadhost";
};

TEST_F(JobFaultsTest, ResultFolderThatCannotBeMadeIsRefusedBeforeAnythingRuns)
{
    std::ofstream(folder / "file") << "a file where a folder should be";
    const ProcessResult run = testsupport::runProcess(
        {m_cadhost.string(), "job", "mode=folder", "source=" + sources().string(),
         "output=" + (folder / "file" / "results").string(), "kind-mask=255", "create-output=yes"},
        {"TMPDIR=" + temporary().string()});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.out.find("创建结果文件目录失败，请检查其命名"), std::string::npos) << run.out;
    EXPECT_NE(run.err.find("the main dialog refused the job"), std::string::npos) << run.err;
    EXPECT_EQ(names(folder.path()), (std::vector<std::string>{"drawings", "file", "tmp"}));
    expectSourcesUntouched();
}

TEST_F(JobFaultsTest, TemporaryFolderThatCannotBeWrittenFailsEveryDrawingAndTheJob)
{
    std::ofstream(folder / "file") << "a file where the temporary folder should be";
    const ProcessResult run = runJob(folder / "file" / "tmp");
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.out.find("加密2个文件,其中成功0个,失败2个"), std::string::npos) << run.out;
    const std::string size = std::to_string(fs::file_size(kSample));
    for (const char* name : {"a.dwg", "b.dwg"})
        EXPECT_NE(run.out.find("加密文件\"" + (sources() / name).string() + "\"失败\r\n失败原因:文件大小容错失败:0," +
                               size + "," + size),
                  std::string::npos)
            << name;
    EXPECT_NE(run.err.find("not every drawing was protected"), std::string::npos) << run.err;
    EXPECT_EQ(names(results()), (std::vector<std::string>{"setup.exe", "使用说明.txt"}));
    expectSourcesUntouched();
}

TEST_F(JobFaultsTest, TheArchiveIsAnnouncedUnderItsRealNameOnceItIsWritten)
{
    const ProcessResult run = testsupport::runProcess({m_cadhost.string(), "job", "mode=folder",
                                                       "source=" + sources().string(), "output=" + results().string(),
                                                       "kind-mask=255", "create-output=yes", "pack=yes", "archive=ZIP"},
                                                      {"TMPDIR=" + temporary().string()});
    ASSERT_EQ(run.exitCode, 0) << run.out << run.err;
    EXPECT_NE(run.out.find("archive: " + archive().string() + "\n"), std::string::npos) << run.out;
    EXPECT_TRUE(fs::exists(archive()));
}

TEST_F(JobFaultsTest, MissingArchiverLeavesTheProtectedDrawingsWithoutAnArchive)
{
    makeOwnInstallation();
    fs::remove(install() / "3rd" / "Rar.exe");
    const ProcessResult run = runJob(temporary());
    ASSERT_EQ(run.exitCode, 0) << run.out << run.err;
    EXPECT_NE(run.out.find("加密2个文件全部成功"), std::string::npos) << run.out;
    EXPECT_EQ(run.out.find("archive:"), std::string::npos) << run.out;
    EXPECT_EQ(names(results()), (std::vector<std::string>{"a.dwg", "b.dwg", "setup.exe", "使用说明.txt"}));
    EXPECT_FALSE(fs::exists(archive()));
    EXPECT_TRUE(fs::is_empty(temporary()));
    expectSourcesUntouched();
}

TEST_F(JobFaultsTest, ArchiverThatFailsFailsTheJob)
{
    makeOwnInstallation();
    const fs::path archiver = install() / "3rd" / "Rar.exe";
    fs::remove(archiver);
    std::ofstream(archiver) << "#!/bin/sh\necho \"$@\" > \"" << (folder / "archiver-ran").string() << "\"\nexit 8\n";
    fs::permissions(archiver, fs::perms::owner_all);
    const ProcessResult run = runJob(temporary());
    EXPECT_EQ(run.exitCode, 1) << run.out << run.err;
    EXPECT_NE(run.out.find("加密2个文件全部成功"), std::string::npos) << run.out;
    EXPECT_NE(run.err.find("the archiver failed with exit status 8"), std::string::npos) << run.err;
    EXPECT_EQ(run.out.find("archive:"), std::string::npos) << run.out;
    for (int wait = 0; wait < 100 && !fs::exists(folder / "archiver-ran"); ++wait)
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    // The drawings come in the order of the folder walk; the recipient's files follow them.
    std::vector<std::string> arguments;
    std::istringstream line(fileBytes(folder / "archiver-ran"));
    for (std::string argument; line >> argument;)
        arguments.push_back(argument);
    ASSERT_EQ(arguments.size(), 6u);
    EXPECT_EQ(arguments[0], "a");
    EXPECT_EQ(arguments[1], archive().string());
    std::sort(arguments.begin() + 2, arguments.begin() + 4);
    EXPECT_EQ(arguments[2], (results() / "a.dwg").string());
    EXPECT_EQ(arguments[3], (results() / "b.dwg").string());
    EXPECT_EQ(arguments[4], (results() / "setup.exe").string());
    EXPECT_EQ(arguments[5], (results() / "使用说明.txt").string());
    EXPECT_EQ(names(results()), (std::vector<std::string>{"a.dwg", "b.dwg", "setup.exe", "使用说明.txt"}));
    EXPECT_FALSE(fs::exists(archive()));
    EXPECT_TRUE(fs::is_empty(temporary()));
    expectSourcesUntouched();
}

} // namespace
