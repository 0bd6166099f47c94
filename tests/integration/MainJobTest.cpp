// The installed cadhost runs movrel on a job description, as scripts/job does: the job driver fills the
// main dialog, the batch protects every drawing, and the exit status says whether all of them were.
#include "RunProcess.h"
#include "ScopedTempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {
using testsupport::ProcessResult;

const std::string kCadhost = std::string(TESSARIL_INSTALL_DIR) + "/bin/cadhost";
const std::filesystem::path kSamples = std::filesystem::path(TESSARIL_SOURCE_DIR) / "samples";

class MainJobTest : public ::testing::Test {
protected:
    MainJobTest()
    {
        std::filesystem::create_directory(sources());
        for (const auto& entry : std::filesystem::directory_iterator(kSamples))
            if (entry.path().extension() == ".dwg")
                std::filesystem::copy_file(entry.path(), sources() / entry.path().filename());
    }

    std::filesystem::path sources() const { return folder / "drawings"; }
    std::filesystem::path results() const { return folder / "results"; }

    ProcessResult runJob(const std::string& description, std::vector<std::string> words = {})
    {
        const std::filesystem::path job = folder / "job.txt";
        std::ofstream(job) << description;
        words.insert(words.begin(), {kCadhost, "job", job.string()});
        return testsupport::runProcess(words);
    }

    std::string folderJob() const
    {
        return "mode = folder\nsource = " + sources().string() + "\noutput = " + results().string() +
               "\nkeep-tree = yes\npack = no\nkinds = curves, texts, block-references, hatches, dimensions, others\n";
    }

    ScopedTempFolder folder;
};

TEST_F(MainJobTest, AFolderJobProtectsEveryDrawingAndExitsWithZero)
{
    const ProcessResult run = runJob(folderJob());
    ASSERT_EQ(run.exitCode, 0) << run.out << run.err;
    EXPECT_NE(run.out.find("结果文件目录不存在，是否创建？"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("加密3个文件全部成功"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("results: " + results().string()), std::string::npos) << run.out;
    for (const char* name : {"sample.dwg", "sample-2004.dwg", "样图-2000.dwg", "setup.exe", "使用说明.txt"})
        EXPECT_TRUE(std::filesystem::exists(results() / name)) << name;

    // Without the plug-in the wrappers and the watermark are proxies; with it they are its own entities.
    const std::string drawing = (results() / "sample.dwg").string();
    const ProcessResult bare = testsupport::runProcess({kCadhost, "--no-module", "list", drawing});
    ASSERT_EQ(bare.exitCode, 0) << bare.err;
    EXPECT_NE(bare.out.find("Proxy class = AcDbLineEx"), std::string::npos);
    EXPECT_NE(bare.out.find("Proxy class = AcDbWatermark"), std::string::npos);
    const ProcessResult withPlugin = testsupport::runProcess({kCadhost, "list", drawing});
    ASSERT_EQ(withPlugin.exitCode, 0) << withPlugin.err;
    EXPECT_EQ(withPlugin.out.find("ACAD_PROXY_ENTITY"), std::string::npos);
    EXPECT_NE(withPlugin.out.find("LINE  Layer"), std::string::npos);
}

TEST_F(MainJobTest, AFileListJobTakesItsSourcesFromTheCommandLine)
{
    const ProcessResult run =
        runJob("mode = files\nkind-mask = 1\n",
               {"source=" + (sources() / "sample.dwg").string(), "output=" + results().string(), "save-type=2004"});
    ASSERT_EQ(run.exitCode, 0) << run.out << run.err;
    EXPECT_NE(run.out.find("加密1个文件全部成功"), std::string::npos) << run.out;
    EXPECT_TRUE(std::filesystem::exists(results() / "sample.dwg"));
    EXPECT_FALSE(std::filesystem::exists(results() / "sample-2004.dwg"));
}

TEST_F(MainJobTest, AFileListJobSaysThatItIgnoresPacking)
{
    const ProcessResult run = runJob("mode = files\nkind-mask = 1\npack = yes\narchive = rar\n",
                                     {"source=" + (sources() / "sample.dwg").string(), "output=" + results().string()});
    ASSERT_EQ(run.exitCode, 0) << run.out << run.err;
    EXPECT_NE(run.out.find("note: the job key \"pack\" is ignored in files mode"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("note: the job key \"archive\" is ignored in files mode"), std::string::npos) << run.out;
    EXPECT_EQ(run.out.find("\"keep-tree\""), std::string::npos) << run.out;
    EXPECT_FALSE(std::filesystem::exists(results().string() + ".rar"));
}

TEST_F(MainJobTest, ADamagedSourceMakesTheExitStatusNonZero)
{
    std::ofstream(sources() / "damaged.dwg", std::ios::binary) << std::string(20000, 'x');
    const ProcessResult run = runJob(folderJob());
    EXPECT_EQ(run.exitCode, 1) << run.out;
    EXPECT_NE(run.out.find("加密4个文件,其中成功3个,失败1个"), std::string::npos) << run.out;
    EXPECT_NE(run.err.find("not every drawing was protected"), std::string::npos) << run.err;
}

TEST_F(MainJobTest, ASmallSourceIsRefusedByTheDialogWithItsMessage)
{
    std::ofstream(sources() / "tiny.dwg", std::ios::binary) << std::string(100, 'x');
    const ProcessResult run = runJob(folderJob());
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.out.find("文件大小为0.10KB,正常的dwg文件大小应该至少大于10KB"), std::string::npos) << run.out;
    EXPECT_NE(run.err.find("the main dialog refused the job"), std::string::npos) << run.err;
    EXPECT_FALSE(std::filesystem::exists(results() / "sample.dwg"));
}

TEST_F(MainJobTest, ABadJobIsRefusedBeforeAnythingRuns)
{
    const ProcessResult unknown = runJob("colour = red\n");
    EXPECT_EQ(unknown.exitCode, 1);
    EXPECT_NE(unknown.err.find("line 1: unknown job key \"colour\""), std::string::npos) << unknown.err;
    const ProcessResult noOutput = runJob("source = /nowhere/a.dwg\n");
    EXPECT_EQ(noOutput.exitCode, 1);
    EXPECT_NE(noOutput.err.find("the job names no output folder"), std::string::npos) << noOutput.err;
    const ProcessResult badRows = runJob(folderJob() + "rows = 9\n");
    EXPECT_EQ(badRows.exitCode, 1);
    EXPECT_NE(badRows.err.find("bad value \"9\" for the job key \"rows\" (accepted: a whole number from 2 to 8)"),
              std::string::npos)
        << badRows.err;
}

// The count of wrapped entities the plug-in left in a result, as the host without it lists them.
std::size_t proxyCount(const std::filesystem::path& drawing)
{
    const ProcessResult bare = testsupport::runProcess({kCadhost, "--no-module", "list", drawing.string()});
    std::size_t count = 0;
    for (auto at = bare.out.find("Proxy class"); at != std::string::npos; at = bare.out.find("Proxy class", at + 1))
        ++count;
    return count;
}

TEST_F(MainJobTest, TheCommandLineHasTheLastWordOverTheJobFile)
{
    const std::vector<std::string> words{"source=" + (sources() / "sample.dwg").string(),
                                         "output=" + results().string()};
    ASSERT_EQ(runJob("mode = files\nkinds = curves\n", words).exitCode, 0);
    const std::size_t curvesOnly = proxyCount(results() / "sample.dwg");
    std::filesystem::remove_all(results());

    std::vector<std::string> everyKind = words;
    everyKind.push_back("kind-mask=255");
    const ProcessResult run = runJob("mode = files\nkinds = curves\n", everyKind);
    ASSERT_EQ(run.exitCode, 0) << run.out << run.err;
    EXPECT_GT(proxyCount(results() / "sample.dwg"), curvesOnly);
}

TEST_F(MainJobTest, WordsThatContradictEachOtherInOneSourceAreRefused)
{
    const ProcessResult inFile = runJob(folderJob() + "kind-mask = 255\n");
    EXPECT_EQ(inFile.exitCode, 1);
    EXPECT_NE(inFile.err.find("the job keys \"kinds\" and \"kind-mask\" both choose the kinds; give only one"),
              std::string::npos)
        << inFile.err;
    const ProcessResult onCommandLine = runJob(folderJob(), {"rows=3", "rows=4"});
    EXPECT_EQ(onCommandLine.exitCode, 1);
    EXPECT_NE(onCommandLine.err.find("the job key \"rows\" is given twice, as \"3\" and \"4\""), std::string::npos)
        << onCommandLine.err;
    EXPECT_FALSE(std::filesystem::exists(results()));
}

TEST_F(MainJobTest, AnUnknownPresetIsRefusedWithTheNamesOfThePresets)
{
    const ProcessResult run = runJob(folderJob(), {"preset=none-such"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(
        run.err.find("there is no preset \"none-such\"; the presets are \"基本保护（曲线、文字、块参照、标注）\", "
                     "\"标准保护（不深入块定义）\""),
        std::string::npos)
        << run.err;
    EXPECT_FALSE(std::filesystem::exists(results() / "sample.dwg"));
}

TEST_F(MainJobTest, AnEmptyNoteLeavesItsLabelOutOfTheWatermark)
{
    const ProcessResult run = runJob("mode = files\nkind-mask = 1\nowner =\nuser = 某某设计院\n",
                                     {"source=" + (sources() / "sample.dwg").string(), "output=" + results().string()});
    ASSERT_EQ(run.exitCode, 0) << run.out << run.err;
    const std::filesystem::path picture = folder / "result.svg";
    const ProcessResult render =
        testsupport::runProcess({kCadhost, "render", (results() / "sample.dwg").string(), picture.string()});
    ASSERT_EQ(render.exitCode, 0) << render.err;
    std::ifstream file(picture, std::ios::binary);
    const std::string svg{std::istreambuf_iterator<char>(file), {}};
    EXPECT_NE(svg.find("图纸授权使用者：某某设计院"), std::string::npos);
    EXPECT_EQ(svg.find("图纸版权所有者："), std::string::npos);
}

TEST_F(MainJobTest, AJobFileThatStartsWithAByteOrderMarkIsRead)
{
    const ProcessResult run = runJob("\xEF\xBB\xBF" + folderJob());
    ASSERT_EQ(run.exitCode, 0) << run.out << run.err;
    EXPECT_NE(run.out.find("加密3个文件全部成功"), std::string::npos) << run.out;
}

} // namespace
