#include "afxcoll.h"

#include <gtest/gtest.h>

namespace {

std::vector<std::wstring> texts(const CStringArray& array)
{
    std::vector<std::wstring> result;
    for (INT_PTR i = 0; i < array.GetSize(); ++i)
        result.push_back(array[i].str());
    return result;
}

TEST(CStringArray, AddAndAccess)
{
    CStringArray lines;
    EXPECT_TRUE(lines.IsEmpty());
    EXPECT_EQ(lines.Add(L"电话"), 0);
    EXPECT_EQ(lines.Add(CString(L"邮箱")), 1);
    EXPECT_EQ(lines.GetSize(), 2);
    EXPECT_EQ(lines.GetCount(), 2);
    EXPECT_EQ(lines.GetUpperBound(), 1);
    EXPECT_STREQ(lines.GetAt(0), L"电话");
    lines.SetAt(1, L"QQ");
    lines.ElementAt(0) += L":1";
    EXPECT_EQ(texts(lines), (std::vector<std::wstring>{L"电话:1", L"QQ"}));
}

TEST(CStringArray, InsertRemoveAndCopy)
{
    CStringArray lines;
    lines.Add(L"a");
    lines.Add(L"d");
    lines.InsertAt(1, L"b");
    lines.InsertAt(2, L"c", 2);
    EXPECT_EQ(texts(lines), (std::vector<std::wstring>{L"a", L"b", L"c", L"c", L"d"}));
    lines.RemoveAt(2, 2);
    EXPECT_EQ(texts(lines), (std::vector<std::wstring>{L"a", L"b", L"d"}));

    CStringArray other;
    other.Add(L"x");
    EXPECT_EQ(other.Append(lines), 1);
    EXPECT_EQ(texts(other), (std::vector<std::wstring>{L"x", L"a", L"b", L"d"}));
    other.Copy(lines);
    EXPECT_EQ(texts(other), texts(lines));
    other.RemoveAll();
    EXPECT_EQ(other.GetSize(), 0);
}

TEST(CStringArray, IndexesOutOfRangeThrow)
{
    CStringArray lines;
    lines.Add(L"a");
    EXPECT_THROW(lines.GetAt(1), std::out_of_range);
    EXPECT_THROW(lines[-1], std::out_of_range);
    EXPECT_THROW(lines.RemoveAt(0, 2), std::out_of_range);
    EXPECT_THROW(lines.InsertAt(-1, L"x"), std::out_of_range);
    EXPECT_EQ(lines.GetSize(), 1);
}

TEST(CArray, HoldsValuesAndGrows)
{
    CArray<int, int> sizes;
    sizes.Add(10240);
    sizes.SetAtGrow(3, 7);
    EXPECT_EQ(sizes.GetSize(), 4);
    EXPECT_EQ(sizes[0], 10240);
    EXPECT_EQ(sizes[1], 0);
    EXPECT_EQ(sizes[3], 7);
    int total = 0;
    for (int size : sizes)
        total += size;
    EXPECT_EQ(total, 10247);
    sizes.SetSize(1);
    EXPECT_EQ(sizes.GetSize(), 1);
}

} // namespace
