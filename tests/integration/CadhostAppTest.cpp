#include "RunProcess.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {
namespace fs = std::filesystem;
using testsupport::ProcessResult;
using testsupport::runProcess;

const std::string kInstall = TESSARIL_INSTALL_DIR;
const std::string kCadhost = kInstall + "/bin/cadhost";
const std::string kModuleDir = TESSARIL_TEST_MODULE_DIR;

ProcessResult cadhost(std::vector<std::string> arguments, const std::vector<std::string>& environment = {})
{
    arguments.insert(arguments.begin(), kCadhost);
    return runProcess(arguments, environment);
}

class CadhostAppTest : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(fs::exists(kCadhost)) << "install first: cmake --install <build dir>"; }
    void TearDown() override { fs::remove_all(folder); }

    std::string script(const std::string& text)
    {
        fs::create_directories(folder);
        const fs::path path = folder / "script.txt";
        std::ofstream(path, std::ios::binary) << text;
        return path.string();
    }

    fs::path folder = fs::temp_directory_path() / ("cadhost-app-" + std::to_string(::getpid()));
};

TEST_F(CadhostAppTest, RunsMovrelFromTheInstalledPlugin)
{
    const ProcessResult result = cadhost({"movrel"});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(result.out, "");
}

TEST_F(CadhostAppTest, MissingModuleFailsWithAMessage)
{
    const ProcessResult result = cadhost({"--module", kModuleDir + "/Missing.arx", "movrel"});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.err, "cadhost: cannot find module \"" + kModuleDir + "/Missing.arx\"\n");
    EXPECT_EQ(result.out, "");
}

TEST_F(CadhostAppTest, ALibraryThatIsNoPluginIsRefused)
{
    const ProcessResult result = cadhost({"--module", kInstall + "/lib/libcadhost.so"});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.err, "cadhost: \"" + kInstall +
                              "/lib/libcadhost.so\" is not a plug-in: it does not export acrxEntryPoint and "
                              "acrxGetApiVersion\n");
}

TEST_F(CadhostAppTest, APluginForAnotherApiVersionIsRefused)
{
    const ProcessResult result = cadhost({"--module", kModuleDir + "/WrongVersionModule.arx"});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.err, "cadhost: \"" + kModuleDir +
                              "/WrongVersionModule.arx\" was built for API version 0x120000, this host needs "
                              "0x130000\n");
}

TEST_F(CadhostAppTest, UnknownCommandsStopTheRun)
{
    const ProcessResult result = cadhost({"nosuch", ";", "movrel"});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.err, "cadhost: unknown command \"nosuch\"\n");
}

TEST_F(CadhostAppTest, TheMenuItemAppearsOnceTheTimerFired)
{
    const ProcessResult result = cadhost({"--script", script("wait 1100\nmenu\n")}, {"CADHOST_DEBUG=1"});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_NE(result.out.find("ACAD\tID_MnFile\t6\titem\tID_Export\t输出(&E)...\t\"^C^C_export\"\n"
                              "ACAD\tID_MnFile\t7\titem\t\t图纸外发\t\"movrel \"\n"
                              "ACAD\tID_MnFile\t8\tseparator\t\t--\t\"\"\n"),
              std::string::npos)
        << result.out;
    EXPECT_EQ(result.err, "增加图纸外发菜单:7\n");
}

TEST_F(CadhostAppTest, UnloadsAndLoadsThePluginAgain)
{
    const ProcessResult result =
        cadhost({"--script", script("# reload\r\n\r\nmovrel\r\nunload\r\nload\r\nMOVREL\r\n")});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.err, "");
}

TEST_F(CadhostAppTest, AfterAnUnloadTheCommandIsGone)
{
    const ProcessResult result = cadhost({"unload", "Tessaril.arx", ";", "movrel"});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.err, "cadhost: unknown command \"movrel\"\n");
}

TEST_F(CadhostAppTest, ReloadedModulesStartAfresh)
{
    const std::string probe = kModuleDir + "/ProbeModule.arx";
    const ProcessResult result = cadhost(
        {"--no-module", "--script", script("load \"" + probe + "\"\nprobe\nunload\nload \"" + probe + "\"\nprobe\n")});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out, "\nprobe loaded 1 time(s)\nprobe loaded 1 time(s)\n");
}

TEST_F(CadhostAppTest, AMissingScriptFails)
{
    const ProcessResult result = cadhost({"--script", (folder / "none.txt").string()});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.err, "cadhost: cannot read the script " + (folder / "none.txt").string() + "\n");
}

struct BadLine {
    std::vector<std::string> arguments;
    std::string error;
};

class CadhostBadLineTest : public CadhostAppTest, public testing::WithParamInterface<BadLine> {};

TEST_P(CadhostBadLineTest, FailsWithAMessage)
{
    const ProcessResult result = cadhost(GetParam().arguments);
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.err, GetParam().error);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, CadhostBadLineTest,
    testing::Values(BadLine{{"--bogus"}, "cadhost: unknown option --bogus (see cadhost --help)\n"},
                    BadLine{{"--module"}, "cadhost: --module needs a path (see cadhost --help)\n"},
                    BadLine{{"wait", "soon"}, "cadhost: wait needs a number of milliseconds\n"},
                    BadLine{{"movrel", "extra"}, "cadhost: the command movrel takes no arguments\n"},
                    BadLine{{"--no-module", "unload"}, "cadhost: no module is loaded\n"},
                    BadLine{{"load"}, "cadhost: module \"" + kInstall + "/bin/Tessaril.arx\" is already loaded\n"}),
    [](const testing::TestParamInfo<BadLine>& info) { return "case" + std::to_string(info.index); });

TEST_F(CadhostAppTest, HelpListsOptionsAndScriptCommands)
{
    const ProcessResult result = cadhost({"--help"});
    EXPECT_EQ(result.exitCode, 0);
    for (const char* expected :
         {"--module PATH", "--no-module", "--script FILE", "load [PATH]", "unload [NAME]", "wait MS", "menu"})
        EXPECT_NE(result.out.find(expected), std::string::npos) << expected;
}
} // namespace
