// Whole batches: drawings on disk are protected into the output folder, the summary names every
// failure, the recipient's files are copied and the archiver packs it all.
#include "PipelineTestSupport.h"
#include "RunProcess.h"
#include "TempInstallRoot.h"

#include "pipeline/GFileResult.h"
#include "pipeline/GGuardOption.h"
#include "pipeline/OverwriteAnswer.h"
#include "pipeline/RunBatch.h"

#include "CommandLine.h"
#include "DebugSink.h"
#include "ScriptedUiDriver.h"
#include "acdocman.h"
#include "codepage.h"
#include "dbents.h"
#include "process.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <string>

namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;

const ::testing::Environment* const gClasses = ::testing::AddGlobalTestEnvironment(new PipelineClasses);

const std::filesystem::path kReadme(u8"使用说明.txt");

// Enough lines that the file is plausibly large for its entity count.
constexpr int kLines = 40;

void saveLineDrawing(const std::filesystem::path& path)
{
    WorkingDatabase working;
    for (int i = 0; i < kLines; ++i)
        appendTo(working.database.modelSpaceId(), new AcDbLine(AcGePoint3d(0, i, 0), AcGePoint3d(10, i, 0)));
    ASSERT_EQ(working.database.saveAs(path.wstring().c_str()), Acad::eOk);
}

// How often each class occurs in the drawing's model space, the first entity's class named apart.
struct ModelSpaceContent {
    std::wstring first;
    int lines = 0;
    int wrappedLines = 0;
};

ModelSpaceContent modelSpaceContent(const std::filesystem::path& path)
{
    AcDbDatabase database(false, true);
    EXPECT_EQ(database.readDwgFile(path.wstring().c_str()), Acad::eOk);
    const std::vector<std::wstring> names = classNames(database.modelSpaceId());
    ModelSpaceContent content;
    content.first = names.empty() ? L"" : names.front();
    content.lines = static_cast<int>(std::count(names.begin(), names.end(), L"AcDbLine"));
    content.wrappedLines = static_cast<int>(std::count(names.begin(), names.end(), L"AcDbLineEx"));
    return content;
}

class RunBatchTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        const std::filesystem::path source = std::filesystem::path(TESSARIL_SOURCE_DIR) / "install" / "root";
        for (const std::filesystem::path& name :
             {std::filesystem::path("setup.exe"), kReadme, std::filesystem::path("3rd/Rar.exe")}) {
            std::filesystem::create_directories((m_install.path() / name).parent_path());
            std::filesystem::copy_file(source / name, m_install.path() / name);
        }
        std::filesystem::create_directories(m_output);
        GuardOption = GGuardOption();
        GuardOption.outputFolder = m_output.wstring().c_str();
        GuardOption.kindFlags.curves = true;
        FileResults.RemoveAll();
        OverwriteAnswer = OverwriteAnswerState();
    }

    void TearDown() override
    {
        cadhost::waitForStartedProcesses();
        GuardOption = GGuardOption();
        FileResults.RemoveAll();
        EXPECT_EQ(acDocManager->documentCount(), 0);
    }

    void addSource(const std::filesystem::path& path, std::uint32_t listedSize)
    {
        GuardOption.sourcePaths.Add(path.wstring().c_str());
        GuardOption.listedSizes.push_back(listedSize);
    }
    void addDrawing(const char* name)
    {
        saveLineDrawing(m_sources / name);
        addSource(m_sources / name, static_cast<std::uint32_t>(std::filesystem::file_size(m_sources / name)));
    }

    void runExpecting(const std::wstring& summary)
    {
        cadhost::ScriptedUiDriver ui;
        ui.expectMessageBox(summary, IDOK);
        const cadhost::UiDriverScope scope(ui);
        runBatch();
        EXPECT_TRUE(ui.finished()) << ui.pending();
    }

    // UTF-8 as the host converts it, whatever the C library's locale.
    std::wstring wide(const std::filesystem::path& path) const { return cadhost::fromUtf8(path.string()); }

    TempInstallRoot m_install;
    ScopedTempFolder m_work;
    std::filesystem::path m_sources = m_work.path();
    std::filesystem::path m_output = m_work / "send" / "job1";
};

TEST_F(RunBatchTest, ProtectsEveryDrawingAndPacksTheDelivery)
{
    addDrawing("a.dwg");
    addDrawing("b.dwg");
    GuardOption.pack = true;
    runExpecting(L"加密2个文件全部成功");

    ASSERT_EQ(FileResults.GetSize(), 2);
    EXPECT_TRUE(FileResults[0].succeeded);
    EXPECT_EQ(FileResults[1].status, Acad::eOk);
    for (const char* name : {"a.dwg", "b.dwg"}) {
        const ModelSpaceContent output = modelSpaceContent(m_output / name);
        EXPECT_EQ(output.first, L"AcDbWatermark") << name;
        EXPECT_EQ(output.wrappedLines, kLines) << name;
        EXPECT_EQ(output.lines, 0) << name;
    }
    EXPECT_EQ(modelSpaceContent(m_sources / "a.dwg").lines, kLines);
    EXPECT_TRUE(std::filesystem::exists(m_output / "setup.exe"));
    EXPECT_TRUE(std::filesystem::exists(m_output / kReadme));

    EXPECT_THAT(cadhost::waitForStartedProcesses(), ElementsAre(0));
    const testsupport::ProcessResult listing =
        testsupport::runProcess({"/usr/bin/bsdtar", "-tf", (m_work / "send" / "job1.zip").string()});
    EXPECT_THAT(listing.out, ::testing::StartsWith("a.dwg\nb.dwg\nsetup.exe\n"));
    EXPECT_EQ(std::count(listing.out.begin(), listing.out.end(), '\n'), 4);
}

TEST_F(RunBatchTest, WithoutPackingTheRecipientFilesAreStillCopied)
{
    runExpecting(L"加密0个文件全部成功");
    EXPECT_TRUE(std::filesystem::exists(m_output / "setup.exe"));
    EXPECT_TRUE(std::filesystem::exists(m_output / kReadme));
    EXPECT_TRUE(cadhost::waitForStartedProcesses().empty());
    EXPECT_FALSE(std::filesystem::exists(m_work / "send" / "job1.zip"));
}

TEST_F(RunBatchTest, EveryFailureHasARowThatSaysWhy)
{
    addDrawing("good.dwg");
    std::ofstream(m_sources / "broken.dwg") << "not a drawing";
    addSource(m_sources / "broken.dwg", 13);
    addDrawing("changed.dwg");
    GuardOption.listedSizes.back() += 101;
    addDrawing("blocked.dwg");
    std::ofstream(m_work / "file") << "x";
    GuardOption.outputPaths.SetSize(4);
    GuardOption.outputPaths[3] = wide(m_work / "file" / "sub" / "blocked.dwg").c_str();

    const std::wstring size = std::to_wstring(std::filesystem::file_size(m_sources / "changed.dwg"));
    const std::wstring listed = std::to_wstring(GuardOption.listedSizes[2]);
    runExpecting(L"加密4个文件,其中成功1个,失败3个"
                 L"\r\n加密文件\"" +
                 wide(m_sources / "broken.dwg") +
                 L"\"失败\r\n失败原因:打开文件失败:错误的DWG文件头"
                 L"\r\n加密文件\"" +
                 wide(m_sources / "changed.dwg") + L"\"失败\r\n失败原因:文件大小容错失败:" + size + L"," + listed +
                 L",101"
                 L"\r\n加密文件\"" +
                 wide(m_sources / "blocked.dwg") + L"\"失败\r\n失败原因:创建结果文件夹失败:" +
                 wide(m_work / "file" / "sub"));
    EXPECT_TRUE(std::filesystem::exists(m_output / "good.dwg"));
    EXPECT_FALSE(std::filesystem::exists(m_output / "changed.dwg"));
    ASSERT_EQ(FileResults.GetSize(), 4);
    EXPECT_EQ(FileResults[2].status, Acad::eInvalidInput);
    EXPECT_EQ(FileResults[3].status, Acad::eCreateFailed);
}

TEST_F(RunBatchTest, ASizeChangeOfAHundredBytesIsTolerated)
{
    addDrawing("a.dwg");
    GuardOption.listedSizes.back() -= 100;
    runExpecting(L"加密1个文件全部成功");
    EXPECT_TRUE(std::filesystem::exists(m_output / "a.dwg"));
}

TEST_F(RunBatchTest, SourceInTheOutputFolderGetsTheMarkedName)
{
    GuardOption.outputFolder = m_sources.wstring().c_str();
    addDrawing("plan.dwg");
    runExpecting(L"加密1个文件全部成功");
    EXPECT_EQ(modelSpaceContent(m_sources / "plan_G.dwg").wrappedLines, kLines);
    EXPECT_EQ(modelSpaceContent(m_sources / "plan.dwg").lines, kLines);
}

TEST_F(RunBatchTest, ExistingOutputWithRenameAnswerForAllGetsNumberedNames)
{
    addDrawing("a.dwg");
    addDrawing("b.dwg");
    std::ofstream(m_output / "a.dwg") << "old";
    std::ofstream(m_output / "b.dwg") << "old";
    OverwriteAnswer = OverwriteAnswerState{false, true};
    runExpecting(L"加密2个文件全部成功");
    EXPECT_EQ(modelSpaceContent(m_output / "a_001.dwg").wrappedLines, kLines);
    EXPECT_EQ(modelSpaceContent(m_output / "b_001.dwg").wrappedLines, kLines);
    EXPECT_EQ(std::filesystem::file_size(m_output / "a.dwg"), 3u);
}

TEST_F(RunBatchTest, OverwriteQuestionAnsweredForAllIsAskedOnce)
{
    addDrawing("a.dwg");
    addDrawing("b.dwg");
    std::ofstream(m_output / "a.dwg") << "old";
    std::ofstream(m_output / "b.dwg") << "old";
    cadhost::ScriptedUiDriver ui;
    ui.expectDialog(111, [](cadhost::DialogUser& user) {
        user.click(137);
        user.setChecked(107, true);
        user.click(IDOK);
    });
    ui.expectMessageBox(L"加密2个文件全部成功", IDOK);
    const cadhost::UiDriverScope scope(ui);
    runBatch();
    EXPECT_TRUE(ui.finished()) << ui.pending();
    EXPECT_TRUE(std::filesystem::exists(m_output / "a_001.dwg"));
    EXPECT_TRUE(std::filesystem::exists(m_output / "b_001.dwg"));
    EXPECT_FALSE(OverwriteAnswer.overwrite);
    EXPECT_TRUE(OverwriteAnswer.applyToAll);
}

TEST_F(RunBatchTest, OverwriteQuestionClosedWithEscapeKeepsTheExistingResult)
{
    addDrawing("a.dwg");
    std::ofstream(m_output / "a.dwg") << "old";
    cadhost::ScriptedUiDriver ui;
    ui.expectDialog(111, [](cadhost::DialogUser& user) { user.pressEscape(); });
    ui.expectMessageBox(L"加密1个文件全部成功", IDOK);
    const cadhost::UiDriverScope scope(ui);
    runBatch();
    EXPECT_TRUE(ui.finished()) << ui.pending();
    std::ifstream existing(m_output / "a.dwg");
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(existing), {}), "old");
    EXPECT_EQ(modelSpaceContent(m_output / "a_001.dwg").wrappedLines, kLines);
}

TEST_F(RunBatchTest, LogFollowsTheFileThroughEveryStep)
{
    addDrawing("a.dwg");
    GuardOption.pack = true;
    const std::wstring source = wide(m_sources / "a.dwg");
    const std::wstring output = wide(m_output / "a.dwg");
    cadhost::DebugCapture capture;
    runExpecting(L"加密1个文件全部成功");
    // The log lines of the pipeline, without the traces of entities and drawing that reach the same output.
    const std::wstring prefixes[] = {L"movrel(",    L"打开文件(", L"加密文件(", L"开始加密块",
                                     L"完成加密块", L"水印置底",  L"关闭文",    L"\""};
    std::vector<std::wstring> lines;
    for (const std::wstring& message : capture.messages())
        for (const std::wstring& prefix : prefixes)
            if (message.starts_with(prefix))
                lines.push_back(message);
    const std::wstring quoted = L"(\"" + output + L"\")";
    EXPECT_THAT(lines,
                ElementsAre(L"movrel(\"" + source + L"\")开始", L"打开文件" + quoted + L"开始",
                            L"打开文件" + quoted + L"完成", L"加密文件" + quoted + L"开始", L"开始加密块:*Model_Space",
                            L"水印置底成功", L"开始加密块:*Model_Space", L"完成加密块:*Model_Space",
                            L"开始加密块:*Paper_Space", L"完成加密块:*Paper_Space", L"加密文件" + quoted + L"完成",
                            L"关闭文件" + quoted + L"开始", L"关闭文档bExisted=False,bOther=False",
                            L"关闭文件" + quoted + L"完成", L"movrel(\"" + source + L"\")完成",
                            L"\"" + wide(m_install.path() / "3rd" / "Rar.exe") + L"\" a \"" +
                                wide(m_work / "send" / "job1.zip") + L"\" \"" + output + L"\" \"" +
                                wide(m_output / "setup.exe") + L"\" \"" + wide(m_output / kReadme) + L"\""));
}

} // namespace
