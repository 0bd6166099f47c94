#include "codepage.h"

#include <gtest/gtest.h>

namespace {

TEST(Codepage, Utf8RoundTrip)
{
    const std::wstring text = L"保持原有类型 AutoCAD 2013/LT2013 图形 \U0001F600";
    const std::string bytes = cadhost::toUtf8(text);
    EXPECT_EQ(bytes.size(), 50U);
    EXPECT_EQ(cadhost::fromUtf8(bytes), text);
}

TEST(Codepage, MalformedBytesBecomeReplacementCharacters)
{
    EXPECT_EQ(cadhost::fromUtf8("a\xFF"
                                "b"),
              L"a\uFFFDb");
    EXPECT_EQ(cadhost::fromUtf8("\xE4\xB8"), L"\uFFFD\uFFFD");
    EXPECT_EQ(cadhost::fromUtf8("\xC0\xAF"), L"\uFFFD\uFFFD");
    EXPECT_EQ(cadhost::fromUtf8("\xED\xA0\x80"), L"\uFFFD\uFFFD\uFFFD");
}

TEST(Codepage, UnencodableWideCharactersBecomeReplacementCharacters)
{
    const std::wstring text{L'a', static_cast<wchar_t>(0xD800), static_cast<wchar_t>(0x110000)};
    EXPECT_EQ(cadhost::toUtf8(text), "a\xEF\xBF\xBD\xEF\xBF\xBD");
}

TEST(Codepage, WideCharToMultiByteFollowsWindows)
{
    const wchar_t* text = L"图纸";
    EXPECT_EQ(WideCharToMultiByte(CP_ACP, 0, text, -1, nullptr, 0, nullptr, nullptr), 7);
    char bytes[7];
    EXPECT_EQ(WideCharToMultiByte(CP_UTF8, 0, text, -1, bytes, 7, nullptr, nullptr), 7);
    EXPECT_STREQ(bytes, "\xE5\x9B\xBE\xE7\xBA\xB8");
    char small[3];
    EXPECT_EQ(WideCharToMultiByte(CP_UTF8, 0, text, -1, small, 3, nullptr, nullptr), 0);
    EXPECT_EQ(WideCharToMultiByte(CP_UTF8, 0, text, 1, nullptr, 0, nullptr, nullptr), 3);
    EXPECT_EQ(WideCharToMultiByte(936, 0, text, -1, nullptr, 0, nullptr, nullptr), 0);
}

TEST(Codepage, MultiByteToWideCharFollowsWindows)
{
    const char* bytes = "\xE5\x9B\xBE\xE7\xBA\xB8";
    EXPECT_EQ(MultiByteToWideChar(CP_ACP, 0, bytes, -1, nullptr, 0), 3);
    wchar_t text[3];
    EXPECT_EQ(MultiByteToWideChar(CP_UTF8, 0, bytes, -1, text, 3), 3);
    EXPECT_STREQ(text, L"图纸");
    EXPECT_EQ(MultiByteToWideChar(CP_UTF8, 0, bytes, 3, text, 3), 1);
    EXPECT_EQ(MultiByteToWideChar(CP_UTF8, 0, bytes, -1, text, 2), 0);
}

} // namespace
