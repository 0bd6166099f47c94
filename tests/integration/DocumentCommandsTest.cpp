// The installed cadhost's document commands, run as a user runs them: open, save, saveas, close and
// render, on drawings made here.
#include "RunProcess.h"
#include "ScopedTempFolder.h"
#include "dbapserv.h"
#include "dbents.h"
#include "dbobjptr.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

namespace {
using testsupport::ProcessResult;

const std::string kCadhost = std::string(TESSARIL_INSTALL_DIR) + "/bin/cadhost";

ProcessResult cadhost(std::vector<std::string> arguments)
{
    arguments.insert(arguments.begin(), {kCadhost, "--no-module"});
    return testsupport::runProcess(arguments);
}

std::string fileText(const std::filesystem::path& path)
{
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

class DocumentCommandsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(std::filesystem::exists(kCadhost)) << "install first: cmake --install <build dir>";
        source = (folder / "plan.dwg").string();
        AcDbDatabase database;
        acdbHostApplicationServices()->setWorkingDatabase(&database);
        {
            AcDbObjectPointer<AcDbBlockTableRecord> modelSpace(database.modelSpaceId(), AcDb::kForWrite);
            auto* line = new AcDbLine(AcGePoint3d(0, 0, 0), AcGePoint3d(40, 20, 0));
            line->setDatabaseDefaults(&database);
            line->setColorIndex(1);
            ASSERT_EQ(modelSpace->appendAcDbEntity(line), Acad::eOk);
            line->close();
        }
        ASSERT_EQ(database.saveAs(std::filesystem::path(source).wstring().c_str()), Acad::eOk);
        acdbHostApplicationServices()->setWorkingDatabase(nullptr);
    }

    ScopedTempFolder folder;
    std::string source;
};

TEST_F(DocumentCommandsTest, SaveAsInAnotherVersionLeavesTheSourceAsItWas)
{
    const std::string before = fileText(source);
    const std::string target = (folder / "plan_G.dwg").string();

    const ProcessResult result = cadhost({"open", source, ";", "saveas", target, "2004", ";", "close"});

    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(fileText(source), before);
    AcDbDatabase saved(false, true);
    ASSERT_EQ(saved.readDwgFile(std::filesystem::path(target).wstring().c_str()), Acad::eOk);
    EXPECT_EQ(saved.lastSavedAsVersion(), AcDb::kDHL_1800);
}

TEST_F(DocumentCommandsTest, RenderWritesThePlottedPicture)
{
    const std::string picture = (folder / "plan.svg").string();

    const ProcessResult result = cadhost({"render", source, picture, "--plot"});

    ASSERT_EQ(result.exitCode, 0) << result.err;
    const std::string svg = fileText(picture);
    EXPECT_NE(svg.find("viewBox=\"0 -20 40 20\""), std::string::npos) << svg;
    EXPECT_NE(svg.find("<polyline points=\"0,0 40,-20\" stroke=\"#ff0000\""), std::string::npos) << svg;
}

struct FailureCase {
    const char* name;
    std::vector<std::string> arguments;
    std::string message;
};

class DocumentCommandFailureTest : public ::testing::TestWithParam<FailureCase> {};

TEST_P(DocumentCommandFailureTest, FailureStopsTheRunWithAMessage)
{
    const ProcessResult result = cadhost(GetParam().arguments);

    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.err, GetParam().message);
}

INSTANTIATE_TEST_SUITE_P(
    Commands, DocumentCommandFailureTest,
    ::testing::Values(FailureCase{"openMissing",
                                  {"open", "/nonexistent/plan.dwg"},
                                  "cadhost: cannot open /nonexistent/plan.dwg: eFileNotFound\n"},
                      FailureCase{"openWithoutFile", {"open"}, "cadhost: open takes one drawing file\n"},
                      FailureCase{"saveWithoutDrawing", {"save"}, "cadhost: save: no drawing is open\n"},
                      FailureCase{"closeWithoutDrawing", {"close"}, "cadhost: close: no drawing is open\n"},
                      FailureCase{"renderWithoutPicture",
                                  {"render", "plan.dwg"},
                                  "cadhost: render takes a drawing and an SVG file\n"},
                      FailureCase{"renderUnknownOption",
                                  {"render", "plan.dwg", "plan.svg", "--zoom"},
                                  "cadhost: render: unknown option --zoom\n"},
                      FailureCase{"renderMissing",
                                  {"render", "/nonexistent/plan.dwg", "plan.svg"},
                                  "cadhost: cannot render /nonexistent/plan.dwg: eFileNotFound\n"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(DocumentCommandsTest, UnknownVersionIsRefused)
{
    const ProcessResult result = cadhost({"open", source, ";", "saveas", (folder / "x.dwg").string(), "2099"});

    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.err, "cadhost: saveas: unknown version 2099 (2000, 2004, 2007, 2010, 2013 or 23, 25, 27, 29, "
                          "31)\n");
}
} // namespace
