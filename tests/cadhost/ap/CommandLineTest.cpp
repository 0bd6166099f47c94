#include "CommandLine.h"
#include "aced.h"

#include <gtest/gtest.h>

namespace {
class CommandLineTest : public testing::Test {
protected:
    void SetUp() override { cadhost::clearCommandLine(); }
    void TearDown() override { cadhost::clearCommandLine(); }
};

TEST_F(CommandLineTest, PrintsWithTheWindowsWideConventions)
{
    EXPECT_EQ(acutPrintf(L"\n文件:%s 大小:%d %.2f %S %%", L"图纸.dwg", 42, 1.5, "narrow"), RTNORM);
    EXPECT_EQ(cadhost::commandLineText(), L"\n文件:图纸.dwg 大小:42 1.50 narrow %");
}

TEST_F(CommandLineTest, KeepsEverythingUntilTaken)
{
    acutPrintf(L"\none");
    acedPrompt(L"\ntwo %d");
    acutPrintf(L"\nthree");
    EXPECT_EQ(cadhost::takeCommandLineText(), L"\none\ntwo %d\nthree");
    EXPECT_EQ(cadhost::commandLineText(), L"");
}

TEST_F(CommandLineTest, RefusesNoText)
{
    EXPECT_EQ(acutPrintf(nullptr), RTERROR);
    EXPECT_EQ(acedPrompt(nullptr), RTERROR);
    EXPECT_EQ(cadhost::commandLineText(), L"");
}
} // namespace
