#include "CommandLine.h"
#include "aced.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TEST(CommandLineListener, SeesEveryPrintWhileItLivesAndNestedScopesRestoreTheOuterOne)
{
    cadhost::clearCommandLine();
    std::vector<std::wstring> outer;
    std::vector<std::wstring> inner;
    {
        const cadhost::ScopedCommandLineListener first([&] { outer.push_back(cadhost::takeCommandLineText()); });
        acutPrintf(L"\n开始保护文件,文件名:%s", L"a.dwg");
        {
            const cadhost::ScopedCommandLineListener second([&] { inner.push_back(cadhost::commandLineText()); });
            acedPrompt(L"\nb");
        }
        acutPrintf(L"\nc");
    }
    acutPrintf(L"\nd");
    EXPECT_EQ(outer, (std::vector<std::wstring>{L"\n开始保护文件,文件名:a.dwg", L"\nb\nc"}));
    EXPECT_EQ(inner, std::vector<std::wstring>{L"\nb"});
    EXPECT_EQ(cadhost::takeCommandLineText(), L"\nd");
}

} // namespace
