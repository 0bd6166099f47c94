#include "SymbolName.h"

#include <gtest/gtest.h>

namespace {

TEST(SymbolNameTest, NamesCompareWithoutRegardToLetterCase)
{
    EXPECT_TRUE(cadhost::sameName(L"KelvoLockEntity", L"KELVOLOCKENTITY"));
    EXPECT_TRUE(cadhost::sameName(L"图纸外发系统_请勿修改", L"图纸外发系统_请勿修改"));
    EXPECT_TRUE(cadhost::sameName(L"图层a", L"图层A"));
    EXPECT_TRUE(cadhost::sameName(L"", L""));
}

TEST(SymbolNameTest, OnlyLettersFoldSoNeighboursInTheCodeTableStayApart)
{
    // '[' and '{' lie 32 apart like 'A' and 'a', '@' and '`' too.
    EXPECT_FALSE(cadhost::sameName(L"[x]", L"{x}"));
    EXPECT_FALSE(cadhost::sameName(L"@", L"`"));
    EXPECT_FALSE(cadhost::sameName(L"ab", L"ac"));
    EXPECT_FALSE(cadhost::sameName(L"a", L"ab"));
    EXPECT_FALSE(cadhost::sameName(L"图层", L"图屋"));
}

TEST(SymbolNameTest, FoldedNamesAreUpperCase)
{
    EXPECT_EQ(cadhost::foldName(L"Layer-1_图"), L"LAYER-1_图");
}

} // namespace
