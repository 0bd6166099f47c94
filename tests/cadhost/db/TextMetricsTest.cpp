#include "textmetrics.h"
#include "mtextlayout.h"

#include <gtest/gtest.h>

namespace {

struct AdvanceCase {
    wchar_t character;
    double expected; // for height 2.5 and width factor 0.8
};

class CharacterAdvanceTest : public testing::TestWithParam<AdvanceCase> {};

TEST_P(CharacterAdvanceTest, FullWidthCharactersAdvanceTheFullHeightOthersSixTenths)
{
    EXPECT_DOUBLE_EQ(cadhost::characterAdvance(GetParam().character, 2.5, 0.8), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Characters, CharacterAdvanceTest,
                         testing::Values(AdvanceCase{L'A', 1.2}, AdvanceCase{L' ', 1.2}, AdvanceCase{L'7', 1.2},
                                         AdvanceCase{L'\u4E2D', 2.0}, AdvanceCase{L'\u3002', 2.0},
                                         AdvanceCase{L'\uAC00', 2.0}, AdvanceCase{L'\uFF21', 2.0},
                                         AdvanceCase{L'\u00E9', 1.2}));

TEST(TextWidthTest, SumsTheAdvancesOfMixedText)
{
    // Three narrow characters and two CJK ones at height 1: 3 x 0.6 + 2 x 1.0.
    EXPECT_DOUBLE_EQ(cadhost::textWidth(L"ab1\u56FE\u7EB8", 1.0, 1.0), 3.8);
    EXPECT_DOUBLE_EQ(cadhost::textWidth(L"", 1.0, 1.0), 0.0);
}

struct ParagraphCase {
    const wchar_t* contents;
    std::vector<std::wstring> expected;
};

class MTextParagraphsTest : public testing::TestWithParam<ParagraphCase> {};

TEST_P(MTextParagraphsTest, StripsCodesAndBreaksAtParagraphs)
{
    EXPECT_EQ(cadhost::mtextParagraphs(GetParam().contents), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Contents, MTextParagraphsTest,
                         testing::Values(ParagraphCase{L"one\\Ptwo\\Pthree", {L"one", L"two", L"three"}},
                                         ParagraphCase{L"{\\fSimSun|b0|i0|c134|p2;\u7248\u6743\\P\u7528\u6237}",
                                                       {L"\u7248\u6743", L"\u7528\u6237"}},
                                         ParagraphCase{L"\\H2.5x;big \\Lunder\\l line", {L"big under line"}},
                                         ParagraphCase{L"a\\\\b\\{c\\}", {L"a\\b{c}"}},
                                         ParagraphCase{L"x\\~y", {L"x\u00A0y"}},
                                         ParagraphCase{L"\\U+4E2D", {L"\u4E2D"}}, ParagraphCase{L"\\S1^2;", {L"1/2"}},
                                         ParagraphCase{L"\\Ptail\\P", {L"", L"tail", L""}},
                                         ParagraphCase{L"\\fArial", {L""}}, ParagraphCase{L"end\\", {L"end"}}));

TEST(MTextLayoutTest, WrapsWordsAtTheWidth)
{
    // Each character is 0.6 wide at height 1; "alpha beta" needs 6.0, so a width of 4 breaks it.
    const auto lines = cadhost::layoutMText(L"alpha beta gamma", 1.0, 1.0, 4.0);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0].text, L"alpha");
    EXPECT_EQ(lines[1].text, L"beta");
    EXPECT_EQ(lines[2].text, L"gamma");
    EXPECT_DOUBLE_EQ(lines[0].width, 3.0);
    EXPECT_DOUBLE_EQ(lines[1].width, 2.4);
}

TEST(MTextLayoutTest, BreaksBetweenFullWidthCharacters)
{
    // Four CJK characters of advance 1 in a width of 2.5: two per line.
    const auto lines = cadhost::layoutMText(L"\u56FE\u7EB8\u5916\u53D1", 1.0, 1.0, 2.5);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].text, L"\u56FE\u7EB8");
    EXPECT_EQ(lines[1].text, L"\u5916\u53D1");
    EXPECT_DOUBLE_EQ(lines[1].width, 2.0);
}

TEST(MTextLayoutTest, KeepsAWordWiderThanTheWidthWhole)
{
    const auto lines = cadhost::layoutMText(L"unbreakable x", 1.0, 1.0, 2.0);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].text, L"unbreakable");
    EXPECT_EQ(lines[1].text, L"x");
}

TEST(MTextLayoutTest, DoesNotWrapWithoutAWidth)
{
    const auto lines = cadhost::layoutMText(L"alpha beta gamma\\Pnext", 1.0, 1.0, 0.0);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].text, L"alpha beta gamma");
    EXPECT_DOUBLE_EQ(lines[0].width, 9.6);
}

} // namespace
