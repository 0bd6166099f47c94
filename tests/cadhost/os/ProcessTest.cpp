#include "process.h"
#include "ScopedTempFolder.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace {

std::string contentOf(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

TEST(Process, ArgumentsArriveExactly)
{
    ScopedTempFolder folder;
    const std::wstring out = folder.wide("argv.txt");
    ASSERT_TRUE(cadhost::startProcess({L"/bin/sh", L"-c", L"printf '[%s]\\n' \"$@\" > \"$0\"", out, L"two words",
                                       L"\"quoted\"", L"-dash", L"--long", L"$HOME", L"", L"中文 名"}));
    EXPECT_EQ(cadhost::waitForStartedProcesses(), std::vector<int>{0});
    EXPECT_EQ(contentOf(folder / "argv.txt"),
              "[two words]\n[\"quoted\"]\n[-dash]\n[--long]\n[$HOME]\n[]\n[\xE4\xB8\xAD\xE6\x96\x87 \xE5\x90\x8D]\n");
}

TEST(Process, ProgramIsLookedUpOnPath)
{
    ASSERT_TRUE(cadhost::startProcess({L"sh", L"-c", L"exit 3"}));
    EXPECT_EQ(cadhost::waitForStartedProcesses(), std::vector<int>{3});
}

TEST(Process, MissingProgramIsNotStarted)
{
    EXPECT_FALSE(cadhost::startProcess({L"/nonexistent/tessaril-no-such-program", L"a"}));
    EXPECT_FALSE(cadhost::startProcess({}));
    EXPECT_TRUE(cadhost::waitForStartedProcesses().empty());
}

} // namespace
