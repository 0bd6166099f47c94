// The command as a person uses it: the module is loaded, movrel opens the main dialog, the pages are
// filled through their controls, and the batch protects the drawings, reports, and packs the delivery.
#include "RunProcess.h"
#include "TempInstallRoot.h"

#include "app/DiagnosticLog.h"
#include "app/MovrelCommand.h"
#include "app/TessarilApp.h"
#include "entities/AcDbWatermark.h"
#include "pipeline/GFileResult.h"
#include "pipeline/GGuardOption.h"
#include "pipeline/OverwriteAnswer.h"
#include "settings/GUpdateInfo.h"

#include "ScriptedUiDriver.h"
#include "codepage.h"
#include "dbmain.h"
#include "dbobjptr.h"
#include "dbsymtb.h"
#include "nativepath.h"
#include "process.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;
using cadhost::DialogUser;
using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::Key;
using ::testing::Not;
using ::testing::Pair;
using ::testing::UnorderedElementsAre;

constexpr UINT kMainDialog = 102;
constexpr UINT kFilePage = 103;
constexpr UINT kKindsPage = 104;
constexpr UINT kCopyrightPage = 105;
constexpr UINT kOverwriteDialog = 111;

constexpr UINT kTab = 100;
constexpr int kCopyrightTab = 1;
constexpr int kKindsTab = 2;

// File page and its two sub-pages.
constexpr int kFileListSubTab = 0;
constexpr int kFolderSubTab = 1;
constexpr UINT kAddFiles = 103;
constexpr UINT kResultFolder = 105;
constexpr UINT kBrowseSourceFolder = 108;
constexpr UINT kKeepTree = 109;
constexpr UINT kPack = 110;
constexpr UINT kArchiveType = 133;
constexpr UINT kSaveType = 147;

constexpr UINT kSelectAllKinds = 133;

constexpr UINT kOwnerText = 105;
constexpr UINT kUserText = 106;
constexpr UINT kExtraLines = 111;

constexpr UINT kOverwriteText = 150;
constexpr UINT kRename = 137;
constexpr UINT kApplyToRest = 107;

const std::wstring kCaption = L"图纸外发保护(Tessaril)_版本:V";
const std::wstring kCreateQuestion = L"结果文件目录不存在，是否创建？";
const std::wstring kSaveType2010 = L"AutoCAD 2010/LT2010 图形";

const fs::path kSamples = fs::path(TESSARIL_SOURCE_DIR) / "samples";
const fs::path kReadme(u8"使用说明.txt");
// "hh:mm:ss" and four blanks before every message of the log.
constexpr std::size_t kLogTimeWidth = 12;

std::string fileBytes(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// UTF-8 as the host converts it, whatever the C library's locale.
std::wstring wide(const fs::path& path)
{
    return cadhost::fromUtf8(path.string());
}

// What a protected drawing shows when it is opened again with the module loaded.
struct ReopenedDrawing {
    Acad::ErrorStatus readStatus = Acad::eOk;
    int version = 0;
    std::map<std::wstring, int> modelSpace; // how often each entity class occurs
    std::wstring watermarkOwner;
    std::vector<std::wstring> watermarkExtraLines;
};

ReopenedDrawing reopen(const fs::path& path)
{
    ReopenedDrawing drawing;
    AcDbDatabase database(false, true);
    drawing.readStatus = database.readDwgFile(wide(path).c_str());
    if (drawing.readStatus != Acad::eOk)
        return drawing;
    drawing.version = database.originalFileVersion();
    AcDbObjectPointer<AcDbBlockTableRecord> modelSpace(database.modelSpaceId(), AcDb::kForRead);
    for (const AcDbObjectId& id : modelSpace->entityIds()) {
        AcDbEntityPointer entity(id, AcDb::kForRead);
        ++drawing.modelSpace[entity->isA()->name()];
        if (const AcDbWatermark* watermark = AcDbWatermark::cast(entity.object())) {
            drawing.watermarkOwner = watermark->option.owner.text.str();
            for (int i = 0; i < watermark->option.extra.lines.GetSize(); ++i)
                drawing.watermarkExtraLines.push_back(watermark->option.extra.lines[i].str());
        }
    }
    return drawing;
}

// A sample drawing saved in the 2010 format with every kind converted: the 2013 format, wrappers in
// place of the plain entities, and one watermark with the notes typed on the copyright page.
void expectProtectedSample(const fs::path& path)
{
    SCOPED_TRACE(path.string());
    const ReopenedDrawing drawing = reopen(path);
    ASSERT_EQ(drawing.readStatus, Acad::eOk);
    EXPECT_EQ(drawing.version, 31);
    EXPECT_THAT(drawing.modelSpace, Contains(Pair(L"AcDbWatermark", 1)));
    EXPECT_THAT(drawing.modelSpace, Contains(Pair(L"AcDbLineEx", 5)));
    EXPECT_THAT(drawing.modelSpace, Contains(Pair(L"AcDbTextEx", 3)));
    EXPECT_THAT(drawing.modelSpace, Contains(Pair(L"AcDbHatchEx", 3)));
    EXPECT_THAT(drawing.modelSpace, Contains(Pair(L"AcDbBlockReferenceEx", 2)));
    EXPECT_THAT(drawing.modelSpace, Not(Contains(Key(L"AcDbLine"))));
    EXPECT_THAT(drawing.modelSpace, Not(Contains(Key(L"AcDbText"))));
    EXPECT_EQ(drawing.watermarkOwner, L"图纸版权所有者：华东设计院");
    EXPECT_THAT(drawing.watermarkExtraLines, ElementsAre(L"电话 010-12345678", L"邮箱 office@example.com"));
}

class MovrelEndToEndTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        const fs::path shipped = fs::path(TESSARIL_SOURCE_DIR) / "install" / "root";
        for (const fs::path& name : {fs::path("setup.exe"), kReadme, fs::path("3rd/Rar.exe")}) {
            fs::create_directories((m_install.path() / name).parent_path());
            fs::copy_file(shipped / name, m_install.path() / name);
        }
        ASSERT_EQ(acrxEntryPoint(AcRx::kInitAppMsg, &m_appId), AcRx::kRetOK);
        LogFilePath.Empty();
    }

    void TearDown() override
    {
        cadhost::waitForStartedProcesses();
        acrxEntryPoint(AcRx::kUnloadAppMsg, &m_appId);
        LogFilePath.Empty();
        FileResults.RemoveAll();
        GuardOption = GGuardOption();
        OverwriteAnswer = OverwriteAnswerState();
    }

    fs::path copySample(const char* sample, const fs::path& target)
    {
        fs::create_directories(target.parent_path());
        fs::copy_file(kSamples / sample, target);
        return target;
    }

    // Every kind on the kinds page, and the notes on the copyright page.
    static void fillKindsAndNotes(DialogUser& user)
    {
        user.ownControls().select(kTab, kKindsTab);
        user.page(kKindsPage).click(kSelectAllKinds);
        user.ownControls().select(kTab, kCopyrightTab);
        DialogUser notes = user.page(kCopyrightPage);
        notes.type(kOwnerText, L"华东设计院");
        notes.type(kUserText, L"某施工单位");
        notes.type(kExtraLines, L"电话 010-12345678\r\n邮箱 office@example.com");
    }

    // The file-list sub-page with the drawings chosen in the host's navigation dialog, the result folder
    // and the 2010 format.
    void fillFileList(DialogUser& user, const std::vector<fs::path>& drawings, const fs::path& results)
    {
        DialogUser files = user.page(kFilePage);
        files.ownControls().select(kTab, kFileListSubTab);
        std::vector<std::wstring> chosen;
        for (const fs::path& drawing : drawings)
            chosen.push_back(wide(drawing));
        m_ui.expectNavigationDialog(chosen);
        m_ui.expectMessageBox(L"成功添加:" + std::to_wstring(drawings.size()) + L"个文件", IDOK);
        files.click(kAddFiles);
        files.type(kResultFolder, wide(results));
        files.select(kSaveType, kSaveType2010);
    }

    void runMovrel()
    {
        {
            const cadhost::UiDriverScope scope(m_ui);
            movrel();
        }
        EXPECT_TRUE(m_ui.finished()) << cadhost::toUtf8(m_ui.pending());
    }

    // The messages of the diagnostic log of this load, without their time of day.
    std::vector<std::string> logMessages() const
    {
        std::vector<std::string> messages;
        std::istringstream log(fileBytes(cadhost::nativePath(LogFilePath.str())));
        for (std::string line; std::getline(log, line, '\n');)
            messages.push_back(line.substr(kLogTimeWidth, line.size() - kLogTimeWidth - 1));
        return messages;
    }
    // The first lines of the log: the main dialog's OK, then the command starting the batch.
    void expectTheBatchWasStartedFromTheDialog() const
    {
        const std::vector<std::string> messages = logMessages();
        ASSERT_GE(messages.size(), 4u);
        EXPECT_THAT(std::vector<std::string>(messages.begin(), messages.begin() + 4),
                    ElementsAre("读取权限参数", "读取版权参数", "设置用户输入的参数", "启动定时器"));
    }

    TempInstallRoot m_install;
    ScopedTempFolder m_work;
    cadhost::ScriptedUiDriver m_ui;
    int m_appId = 0;
};

TEST_F(MovrelEndToEndTest, AFolderOfDrawingsIsProtectedIntoANewResultFolderAndPacked)
{
    const fs::path sources = m_work / "图纸";
    copySample("sample.dwg", sources / "sample.dwg");
    copySample("sample-2004.dwg", sources / "机械" / "sample-2004.dwg");
    copySample("样图-2000.dwg", sources / "机械" / "总装" / "样图-2000.dwg");
    fs::create_directory(m_work / "send");
    const fs::path results = m_work / "send" / "job1";

    m_ui.expectDialog(kMainDialog, [&](DialogUser& user) {
        EXPECT_EQ(user.caption(), kCaption);
        DialogUser files = user.page(kFilePage);
        files.ownControls().select(kTab, kFolderSubTab);
        m_ui.expectFolderBrowser(wide(sources));
        files.click(kBrowseSourceFolder);
        EXPECT_EQ(files.text(kResultFolder), wide(m_work / "图纸_G"));
        files.type(kResultFolder, wide(results));
        files.select(kSaveType, kSaveType2010);
        files.setChecked(kKeepTree, true);
        files.setChecked(kPack, true);
        files.select(kArchiveType, L"zip");
        fillKindsAndNotes(user);
        m_ui.expectMessageBox(kCreateQuestion, IDYES);
        user.pressEnter();
        EXPECT_TRUE(user.hasEnded());
    });
    m_ui.expectMessageBox(L"加密3个文件全部成功", IDOK);
    runMovrel();

    expectProtectedSample(results / "sample.dwg");
    expectProtectedSample(results / "机械" / "sample-2004.dwg");
    expectProtectedSample(results / "机械" / "总装" / "样图-2000.dwg");
    EXPECT_EQ(fileBytes(sources / "sample.dwg"), fileBytes(kSamples / "sample.dwg"));
    EXPECT_EQ(fileBytes(sources / "机械" / "sample-2004.dwg"), fileBytes(kSamples / "sample-2004.dwg"));
    EXPECT_EQ(fileBytes(sources / "机械" / "总装" / "样图-2000.dwg"), fileBytes(kSamples / "样图-2000.dwg"));
    EXPECT_EQ(fileBytes(results / "setup.exe"), fileBytes(m_install.path() / "setup.exe"));
    EXPECT_EQ(fileBytes(results / kReadme), fileBytes(m_install.path() / kReadme));

    // The archive lies beside the result folder and is named after it.
    EXPECT_THAT(cadhost::waitForStartedProcesses(), ElementsAre(0));
    const testsupport::ProcessResult listing =
        testsupport::runProcess({"/usr/bin/bsdtar", "-tf", (m_work / "send" / "job1.zip").string()});
    EXPECT_EQ(listing.exitCode, 0) << listing.err;
    std::vector<std::string> members;
    std::istringstream lines(listing.out);
    for (std::string line; std::getline(lines, line);)
        members.push_back(line);
    EXPECT_THAT(members,
                UnorderedElementsAre("sample.dwg", "sample-2004.dwg", "样图-2000.dwg", "setup.exe", "使用说明.txt"));

    expectTheBatchWasStartedFromTheDialog();
}

TEST_F(MovrelEndToEndTest, ADrawingThatCannotBeOpenedIsNamedInTheSummaryAndTheOthersAreProtected)
{
    const fs::path sources = m_work / "sources";
    const fs::path first = copySample("sample.dwg", sources / "a.dwg");
    const fs::path broken = sources / "x.dwg";
    const std::string garbage(10240, '\x5a');
    std::ofstream(broken, std::ios::binary) << garbage;
    const fs::path last = copySample("sample-2004.dwg", sources / "b.dwg");
    const fs::path results = m_work / "results";

    m_ui.expectDialog(kMainDialog, [&](DialogUser& user) {
        fillFileList(user, {first, broken, last}, results);
        fillKindsAndNotes(user);
        m_ui.expectMessageBox(kCreateQuestion, IDYES);
        user.pressEnter();
        EXPECT_TRUE(user.hasEnded());
    });
    m_ui.expectMessageBox(L"加密3个文件,其中成功2个,失败1个"
                          L"\r\n加密文件\"" +
                              wide(broken) + L"\"失败\r\n失败原因:打开文件失败:错误的DWG文件头",
                          IDOK);
    runMovrel();

    expectProtectedSample(results / "a.dwg");
    expectProtectedSample(results / "b.dwg");
    EXPECT_FALSE(fs::exists(results / "x.dwg"));
    EXPECT_EQ(fileBytes(broken), garbage);
    EXPECT_EQ(fileBytes(first), fileBytes(kSamples / "sample.dwg"));
    expectTheBatchWasStartedFromTheDialog();
}

TEST_F(MovrelEndToEndTest, ASecondRunRenamesExistingResultsAfterOneQuestionAndSkipsTheUpdateCheck)
{
    const fs::path sources = m_work / "sources";
    const fs::path first = copySample("sample.dwg", sources / "a.dwg");
    const fs::path second = copySample("sample-2004.dwg", sources / "b.dwg");
    const fs::path results = m_work / "results";
    fs::create_directory(results);
    const auto job = [&](DialogUser& user) {
        EXPECT_EQ(user.caption(), kCaption);
        fillFileList(user, {first, second}, results);
        fillKindsAndNotes(user);
        user.pressEnter();
        EXPECT_TRUE(user.hasEnded());
    };

    m_ui.expectDialog(kMainDialog, job);
    m_ui.expectMessageBox(L"加密2个文件全部成功", IDOK);
    runMovrel();
    const std::string firstOutput = fileBytes(results / "a.dwg");

    // A local update descriptor that a check would read and show in the caption.
    fs::copy_file(fs::path(TESSARIL_SOURCE_DIR) / "install" / "root" / "config" / "TessarilUpdate.xml",
                  m_install.path() / "config" / "TessarilUpdate.xml");
    GUpdateInfo check;
    ASSERT_TRUE(check.readLocalDescriptor());
    ASSERT_EQ(check.captionVersion(), L"1.0.0");
    m_ui.expectDialog(kMainDialog, job);
    m_ui.expectDialog(kOverwriteDialog, [&](DialogUser& user) {
        EXPECT_EQ(user.text(kOverwriteText), L"文件\"" + wide(results / "a.dwg") + L"\"已存在，是否覆盖？");
        user.click(kRename);
        user.setChecked(kApplyToRest, true);
        user.pressEnter();
    });
    m_ui.expectMessageBox(L"加密2个文件全部成功", IDOK);
    runMovrel();

    expectProtectedSample(results / "a_001.dwg");
    expectProtectedSample(results / "b_001.dwg");
    EXPECT_EQ(fileBytes(results / "a.dwg"), firstOutput);
    EXPECT_EQ(fileBytes(second), fileBytes(kSamples / "sample-2004.dwg"));
}

} // namespace
