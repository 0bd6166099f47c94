#include "ui/UniqueFileName.h"
#include "ScopedTempFolder.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>

namespace {

class UniqueFileNameTest : public ::testing::Test {
protected:
    std::wstring touch(const std::string& name)
    {
        std::ofstream(folder / name).put('x');
        return folder.wide(name);
    }

    ScopedTempFolder folder;
};

TEST_F(UniqueFileNameTest, AFreePathIsKept)
{
    EXPECT_EQ(uniqueFileName(folder.wide("a.b.dwg").c_str()), folder.wide("a.b.dwg"));
}

TEST_F(UniqueFileNameTest, OnlyTheTextBeforeTheFirstDotIsKept)
{
    const std::wstring taken = touch("a.b.dwg");
    EXPECT_EQ(uniqueFileName(taken.c_str()), folder.wide("a_001.dwg"));
    touch("a_001.dwg");
    EXPECT_EQ(uniqueFileName(folder.wide("a.c.dwg").c_str()), folder.wide("a.c.dwg"));
    touch("a.c.dwg");
    EXPECT_EQ(uniqueFileName(folder.wide("a.c.dwg").c_str()), folder.wide("a_002.dwg"));
}

TEST_F(UniqueFileNameTest, ANameWithoutExtensionGetsTheSuffixAtItsEnd)
{
    const std::wstring taken = touch("plan");
    EXPECT_EQ(uniqueFileName(taken.c_str()), folder.wide("plan_001"));
}

TEST_F(UniqueFileNameTest, CountsPastNineAndOnUntilANameIsFree)
{
    const std::wstring taken = touch("a.dwg");
    for (int number = 1; number <= 9; ++number) {
        char name[16];
        std::snprintf(name, sizeof name, "a_%03d.dwg", number);
        touch(name);
    }
    EXPECT_EQ(uniqueFileName(taken.c_str()), folder.wide("a_010.dwg"));
    for (int number = 10; number <= 501; ++number) {
        char name[16];
        std::snprintf(name, sizeof name, "a_%03d.dwg", number);
        touch(name);
    }
    EXPECT_EQ(uniqueFileName(taken.c_str()), folder.wide("a_502.dwg"));
}

class IncrementSuffixTest : public ::testing::TestWithParam<std::pair<const wchar_t*, const wchar_t*>> {};

TEST_P(IncrementSuffixTest, TheTrailingNumberGrowsByOneAndKeepsItsWidth)
{
    EXPECT_STREQ(incrementSuffix(GetParam().first), GetParam().second);
}

INSTANTIATE_TEST_SUITE_P(Suffixes, IncrementSuffixTest,
                         ::testing::Values(std::pair{L"_001", L"_002"}, std::pair{L"_009", L"_010"},
                                           std::pair{L"_099", L"_100"}, std::pair{L"_999", L"_1000"},
                                           std::pair{L"_1000", L"_1001"}, std::pair{L"_", L"_1"}));

} // namespace
