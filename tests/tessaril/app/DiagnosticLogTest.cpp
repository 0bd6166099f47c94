#include "app/DiagnosticLog.h"
#include "app/DebugTrace.h"
#include "app/InstallRoot.h"

#include "DebugSink.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace {
using Messages = std::vector<std::wstring>;
namespace fs = std::filesystem;

std::tm localTime(int year, int month, int day, int hour, int minute, int second)
{
    std::tm time{};
    time.tm_year = year - 1900;
    time.tm_mon = month - 1;
    time.tm_mday = day;
    time.tm_hour = hour;
    time.tm_min = minute;
    time.tm_sec = second;
    return time;
}

std::string contents(const fs::path& file)
{
    std::ifstream stream(file, std::ios::binary);
    std::ostringstream text;
    text << stream.rdbuf();
    return text.str();
}

class DiagnosticLogTest : public testing::Test {
protected:
    void SetUp() override
    {
        fs::create_directories(root);
        setInstallRootOverride(root);
        setTime(localTime(2026, 3, 2, 9, 5, 7));
        LogEnabled = true;
        LogFilePath.Empty();
    }
    void TearDown() override
    {
        setInstallRootOverride(std::nullopt);
        setLocalTimeSource(nullptr);
        LogEnabled = true;
        LogFilePath.Empty();
        fs::remove_all(root);
    }

    static void setTime(std::optional<std::tm> time)
    {
        setLocalTimeSource([time] { return time; });
    }

    fs::path root = fs::temp_directory_path() / ("tessaril-log-" + std::to_string(::getpid()));
    // The name of the first file: 2 March 2026 09:05:07, with full-width colons in the time.
    fs::path firstFile = root / "Log" / "Tessaril2026-03-02 09：05：07.log";
};

TEST_F(DiagnosticLogTest, FirstLineCreatesTheFileNamedAfterItsTime)
{
    cadhost::DebugCapture debugger;
    logLine(L"文件:%s 数量:%d", L"图纸.dwg", 12);
    EXPECT_EQ(contents(firstFile), "09:05:07    文件:图纸.dwg 数量:12\r\n");
    EXPECT_TRUE(LogFilePath.str().ends_with(L"/Log/Tessaril2026-03-02 09：05：07.log"));
    EXPECT_EQ(debugger.messages(), Messages{L"文件:图纸.dwg 数量:12"});
}

TEST_F(DiagnosticLogTest, LaterLinesGoToTheSameFile)
{
    logLine(L"启动定时器");
    setTime(localTime(2026, 3, 2, 10, 0, 1));
    logLine(L"second %.2f", 2.5);
    EXPECT_EQ(contents(firstFile), "09:05:07    启动定时器\r\n10:00:01    second 2.50\r\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(root / "Log"), fs::directory_iterator()), 1);
}

TEST_F(DiagnosticLogTest, ANewLoadInTheSameSecondEmptiesTheFile)
{
    logLine(L"first load");
    LogFilePath.Empty();
    logLine(L"second load");
    EXPECT_EQ(contents(firstFile), "09:05:07    second load\r\n");
}

TEST_F(DiagnosticLogTest, PercentSignsInArgumentsStayAsTheyAre)
{
    logLine(L"%s", L"100% 完成 %d");
    EXPECT_EQ(contents(firstFile), "09:05:07    100% 完成 %d\r\n");
}

TEST_F(DiagnosticLogTest, WritesNothingWhileDisabled)
{
    cadhost::DebugCapture debugger;
    LogEnabled = false;
    logLine(L"hidden");
    EXPECT_FALSE(fs::exists(root / "Log"));
    EXPECT_TRUE(LogFilePath.IsEmpty());
    EXPECT_TRUE(debugger.messages().empty());
}

TEST_F(DiagnosticLogTest, AFailedTimeConversionWritesZeroDateAndMinusOneTime)
{
    setTime(std::nullopt);
    logLine(L"no time");
    EXPECT_EQ(contents(root / "Log" / "Tessaril0000-00-00 -01：-01：-01.log"), "-01:-01:-01    no time\r\n");
}

TEST_F(DiagnosticLogTest, AnUnwritableFolderDropsLinesButNotTheDebuggerOutput)
{
    setInstallRootOverride(root / "missing" / "deeper");
    cadhost::DebugCapture debugger;
    logLine(L"lost %d", 1);
    logLine(L"lost %d", 2);
    EXPECT_FALSE(fs::exists(root / "missing"));
    EXPECT_TRUE(LogFilePath.str().ends_with(L"/missing/deeper/Log/Tessaril2026-03-02 09：05：07.log"));
    EXPECT_EQ(debugger.messages(), (Messages{L"lost 1", L"lost 2"}));
}

TEST_F(DiagnosticLogTest, TraceGoesOnlyToTheDebugger)
{
    cadhost::DebugCapture debugger;
    traceLine(L"顶级菜单:%s", L"EXPRESS");
    EXPECT_EQ(debugger.messages(), Messages{L"顶级菜单:EXPRESS"});
    EXPECT_FALSE(fs::exists(root / "Log"));
    EXPECT_TRUE(LogFilePath.IsEmpty());
}
} // namespace
