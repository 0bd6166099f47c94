#include "guid.h"

#include <gtest/gtest.h>

#include <regex>
#include <set>

namespace {

TEST(Guid, PrintsTheRegistryForm)
{
    GUID guid{0x01234567, 0x89AB, 0xCDEF, {0x01, 0x23, 0x45, 0x67, 0x89, 0xAB, 0xCD, 0xEF}};
    wchar_t text[39];
    EXPECT_EQ(StringFromGUID2(guid, text, 39), 39);
    EXPECT_STREQ(text, L"{01234567-89AB-CDEF-0123-456789ABCDEF}");
}

TEST(Guid, RefusesABufferTooSmall)
{
    GUID guid{};
    wchar_t text[38] = L"untouched";
    EXPECT_EQ(StringFromGUID2(guid, text, 38), 0);
    EXPECT_STREQ(text, L"untouched");
}

TEST(Guid, NewGuidsAreWellFormedAndDistinct)
{
    const std::wregex form(L"\\{[0-9A-F]{8}-[0-9A-F]{4}-[0-9A-F]{4}-[0-9A-F]{4}-[0-9A-F]{12}\\}");
    std::set<std::wstring> seen;
    for (int i = 0; i < 100; ++i) {
        const std::wstring text = cadhost::newGuidText();
        EXPECT_TRUE(std::regex_match(text, form)) << i;
        seen.insert(text);
    }
    EXPECT_EQ(seen.size(), 100U);
}

TEST(Guid, CoCreateGuidRejectsNull)
{
    EXPECT_EQ(CoCreateGuid(nullptr), E_FAIL);
}

} // namespace
