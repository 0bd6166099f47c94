#include "acstring.h"
#include "afxstr.h"

#include <gtest/gtest.h>

namespace {

TEST(CString, FormatFollowsTheWindowsWideConventions)
{
    CString text;
    const CString path(L"D:\\图纸\\a.dwg");
    text.Format(L"待加密文件\"%s\"文件大小为%.2fKB,%d", path, 10239 / 1024.0, 10);
    EXPECT_STREQ(text, L"待加密文件\"D:\\图纸\\a.dwg\"文件大小为10.00KB,10");
    text.Format(L"%s|%ls|%S|%hs|%c|%C|%5s|%-3d|%I64d|%%", L"wide", L"long", "narrow", "short", L'中', 'n', L"ab", 7,
                static_cast<long long>(1) << 40);
    EXPECT_STREQ(text, L"wide|long|narrow|short|中|n|   ab|7  |1099511627776|%");
}

TEST(CString, FormatHasNoLengthLimit)
{
    const std::wstring path(3000, L'图');
    CString text;
    text.Format(L"%s|%d", path.c_str(), 42);
    EXPECT_EQ(std::wstring(text.GetString()), path + L"|42");
}

TEST(CString, AppendFormatAppends)
{
    CString text(L"成功添加:");
    text.AppendFormat(L"%d个文件,忽略%d个重复文件", 2, 1);
    EXPECT_STREQ(text, L"成功添加:2个文件,忽略1个重复文件");
}

TEST(CString, FormatMayUseItselfAsArgument)
{
    CString text(L"abc");
    text.Format(L"%s_G", text);
    EXPECT_STREQ(text, L"abc_G");
}

TEST(CString, TextObjectsTravelAsTheirCharacters)
{
    CString text;
    text.Format(L"%s|%s|%s", std::wstring(L"std"), AcString(L"host"), CString(L"mfc"));
    EXPECT_STREQ(text, L"std|host|mfc");
}

TEST(CString, NarrowTextIsUtf8)
{
    EXPECT_STREQ(CString("图纸外发"), L"图纸外发");
    EXPECT_TRUE(CString(static_cast<const char*>(nullptr)).IsEmpty());
}

TEST(CString, Comparisons)
{
    EXPECT_EQ(CString(L"True").CompareNoCase(L"TRUE"), 0);
    EXPECT_EQ(CString(L"abc").Compare(L"abd"), -1);
    EXPECT_EQ(CString(L"abd").Compare(L"abc"), 1);
    EXPECT_LT(CString(L"yes").CompareNoCase(L"zzz"), 0);
    EXPECT_TRUE(CString(L"x") == L"x");
    EXPECT_FALSE(CString(L"x") == CString(L"X"));
}

TEST(CString, SearchingAndSlicing)
{
    const CString path(L"D:/a/plans/b.c.dwg");
    EXPECT_EQ(path.Find(L'/'), 2);
    EXPECT_EQ(path.Find(L"plans"), 5);
    EXPECT_EQ(path.Find(L'/', 3), 4);
    EXPECT_EQ(path.Find(L'x'), -1);
    EXPECT_EQ(path.Find(L'/', 100), -1);
    EXPECT_EQ(path.ReverseFind(L'.'), 14);
    EXPECT_EQ(path.FindOneOf(L"\\/"), 2);
    EXPECT_STREQ(path.Left(2), L"D:");
    EXPECT_STREQ(path.Right(4), L".dwg");
    EXPECT_STREQ(path.Mid(11), L"b.c.dwg");
    EXPECT_STREQ(path.Mid(11, 3), L"b.c");
    EXPECT_STREQ(path.Left(-1), L"");
    EXPECT_STREQ(path.Right(100), path);
    EXPECT_STREQ(path.Mid(100), L"");
    EXPECT_STREQ(path.Mid(-3, 2), L"D:");
}

TEST(CString, Editing)
{
    CString text(L"a\r\n\r\nb\r\n");
    EXPECT_EQ(text.Replace(L"\r\n", L"|"), 3);
    EXPECT_STREQ(text, L"a||b|");
    EXPECT_EQ(text.Replace(L"", L"x"), 0);
    EXPECT_EQ(text.Replace(L'|', L','), 3);
    EXPECT_EQ(text.Remove(L','), 3);
    EXPECT_STREQ(text, L"ab");
    EXPECT_EQ(text.Insert(1, L"--"), 4);
    EXPECT_EQ(text.Delete(0, 2), 2);
    EXPECT_STREQ(text, L"-b");
    EXPECT_STREQ(CString(L"MiXeD").MakeUpper(), L"MIXED");
    EXPECT_STREQ(CString(L"MiXeD").MakeLower(), L"mixed");
    EXPECT_STREQ(CString(L"abc").MakeReverse(), L"cba");
}

TEST(CString, Trimming)
{
    EXPECT_STREQ(CString(L" \t x y \r\n").Trim(), L"x y");
    EXPECT_STREQ(CString(L"  x ").TrimLeft(), L"x ");
    EXPECT_STREQ(CString(L"  x ").TrimRight(), L"  x");
    EXPECT_STREQ(CString(L"__x__").Trim(L'_'), L"x");
    EXPECT_STREQ(CString(L"-_x_-").Trim(L"-_"), L"x");
    EXPECT_STREQ(CString(L"____").TrimRight(L'_'), L"");
}

TEST(CString, Tokenize)
{
    const CString text(L";a;;b c;");
    int position = 0;
    std::vector<std::wstring> tokens;
    for (CString token = text.Tokenize(L";", position); position != -1; token = text.Tokenize(L";", position))
        tokens.push_back(token.str());
    EXPECT_EQ(tokens, (std::vector<std::wstring>{L"a", L"b c"}));
}

TEST(CString, ConcatenationAndAssignment)
{
    CString text = CString(L"图纸版权所有者：") + L"某人";
    text += L'!';
    text += CString(L"?");
    EXPECT_STREQ(text, L"图纸版权所有者：某人!?");
    EXPECT_STREQ(L"<" + CString(L"x") + L'>', L"<x>");
    text = L'c';
    EXPECT_EQ(text.GetLength(), 1);
    text.Empty();
    EXPECT_TRUE(text.IsEmpty());
}

TEST(CString, BufferAccess)
{
    CString text;
    wchar_t* buffer = text.GetBuffer(260);
    wcscpy(buffer, L"C:/Tessaril/bin");
    text.ReleaseBuffer();
    EXPECT_STREQ(text, L"C:/Tessaril/bin");
    EXPECT_EQ(text.GetLength(), 15);
    buffer = text.GetBuffer(0);
    buffer[2] = L'\0';
    text.ReleaseBuffer();
    EXPECT_STREQ(text, L"C:");
    text.GetBufferSetLength(5)[4] = L'z';
    text.ReleaseBuffer(5);
    EXPECT_EQ(text.GetLength(), 5);
    EXPECT_EQ(text[4], L'z');
}

TEST(CString, CharacterAccessIsChecked)
{
    CString text(L"ab");
    text.SetAt(1, L'c');
    EXPECT_EQ(text.GetAt(1), L'c');
    EXPECT_THROW(text.GetAt(2), std::out_of_range);
}

} // namespace
