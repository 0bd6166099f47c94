#include "DxfText.h"

#include <gtest/gtest.h>

#include <string>

namespace {
using cadhost::dxf::DxfText;

struct DecodeCase {
    const char* name;
    const char* version;
    const char* codePage;
    std::string bytes;
    std::wstring expected;
};

class DxfTextDecodeTest : public testing::TestWithParam<DecodeCase> {};

TEST_P(DxfTextDecodeTest, GivesTheCharactersTheFileMeans)
{
    const DecodeCase& example = GetParam();
    EXPECT_EQ(DxfText(example.version, example.codePage).decode(example.bytes), example.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Encodings, DxfTextDecodeTest,
    testing::Values(DecodeCase{"PlainAscii", "AC1015", "ANSI_1252", "LINE 1", L"LINE 1"},
                    DecodeCase{"Utf8FromRelease2007", "AC1032", "ANSI_936", "\xE4\xB8\xAD\xE6\x96\x87", L"中文"},
                    DecodeCase{"GbkCodePage", "AC1015", "ANSI_936", "\xD6\xD0\xCE\xC4", L"中文"},
                    DecodeCase{"Latin1CodePage", "AC1015", "ANSI_1252", "caf\xE9", L"café"},
                    DecodeCase{"UnicodeEscape", "AC1009", "ANSI_1252", "\\U+4E2D\\U+6587 A", L"中文 A"},
                    DecodeCase{"GbkEscape", "AC1009", "ANSI_1252", "\\M+5D6D0", L"中"},
                    DecodeCase{"BackslashCodesStay", "AC1032", "", "{\\fSimSun|b0;\\PX}", L"{\\fSimSun|b0;\\PX}"},
                    DecodeCase{"BrokenEscapeStays", "AC1032", "", "\\U+4E", L"\\U+4E"},
                    DecodeCase{"InvalidBytesBecomeReplacement", "AC1032", "",
                               "a\xFF"
                               "b",
                               L"a\uFFFDb"}),
    [](const testing::TestParamInfo<DecodeCase>& info) { return std::string(info.param.name); });

} // namespace
