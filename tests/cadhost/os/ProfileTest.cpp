#include "profile.h"
#include "ScopedTempFolder.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace {

class ProfileTest : public ::testing::Test {
protected:
    std::wstring file() const { return m_folder.wide("settings.ini"); }
    void writeFile(const std::string& bytes) const { std::ofstream(m_folder / "settings.ini") << bytes; }
    std::string fileBytes() const
    {
        std::ifstream in(m_folder / "settings.ini", std::ios::binary);
        std::ostringstream bytes;
        bytes << in.rdbuf();
        return bytes.str();
    }
    std::wstring read(const wchar_t* section, const wchar_t* key, const wchar_t* defaultValue, DWORD size = 128) const
    {
        std::vector<wchar_t> buffer(size + 1, L'#');
        const DWORD length = GetPrivateProfileStringW(section, key, defaultValue, buffer.data(), size, file().c_str());
        EXPECT_EQ(buffer[length], L'\0');
        return std::wstring(buffer.data(), length);
    }

    ScopedTempFolder m_folder;
};

TEST_F(ProfileTest, MissingFileGivesTheDefaults)
{
    EXPECT_EQ(read(L"GGuardFileDialog", L"Floder", L"False"), L"False");
    EXPECT_EQ(GetPrivateProfileIntW(L"GGuardFileDialog", L"SaveType", 32766, file().c_str()), 32766U);
    EXPECT_FALSE(std::filesystem::exists(m_folder / "settings.ini"));
}

TEST_F(ProfileTest, NamesAreComparedWithoutCase)
{
    writeFile("[GGuardFloerDialog]\nRarType=7z\n");
    EXPECT_EQ(read(L"gguardfloerdialog", L"RARTYPE", L"zip"), L"7z");
    ASSERT_TRUE(WritePrivateProfileStringW(L"GGUARDFLOERDIALOG", L"rartype", L"rar", file().c_str()));
    EXPECT_EQ(fileBytes(), "[GGuardFloerDialog]\nRarType=rar\n");
}

TEST_F(ProfileTest, ValuesAreCutToTheBuffer)
{
    writeFile("[CopyrightOption_Owner]\nText=abcdefghij\n");
    EXPECT_EQ(read(L"CopyrightOption_Owner", L"Text", L"", 5), L"abcd");
    EXPECT_EQ(read(L"CopyrightOption_Owner", L"Text", L"", 11), L"abcdefghij");
    EXPECT_EQ(read(L"CopyrightOption_Owner", L"Missing", L"default", 4), L"def");
    wchar_t untouched = L'#';
    EXPECT_EQ(GetPrivateProfileStringW(L"CopyrightOption_Owner", L"Text", L"", &untouched, 0, file().c_str()), 0U);
    EXPECT_EQ(untouched, L'#');
}

TEST_F(ProfileTest, ANullKeyListsTheSectionsKeysInFileOrder)
{
    writeFile("[CopyrightOption_Extra]\nNum=2\nText2=b\nText1=a\n[Other]\nKey=x\n");
    std::vector<wchar_t> buffer(64, L'#');
    const DWORD length =
        GetPrivateProfileStringW(L"copyrightoption_extra", nullptr, L"", buffer.data(), 64, file().c_str());
    EXPECT_EQ(std::wstring(buffer.data(), length + 1), std::wstring(L"Num\0Text2\0Text1\0\0", 17));

    // Cut to the buffer: the last name is cut short, two nulls follow, and size - 2 is answered.
    std::vector<wchar_t> small(8, L'#');
    EXPECT_EQ(GetPrivateProfileStringW(L"CopyrightOption_Extra", nullptr, L"", small.data(), 8, file().c_str()), 6U);
    EXPECT_EQ(std::wstring(small.data(), 8), std::wstring(L"Num\0Te\0\0", 8));

    EXPECT_EQ(GetPrivateProfileStringW(L"Missing", nullptr, L"", buffer.data(), 64, file().c_str()), 0U);
    EXPECT_EQ(buffer[0], L'\0');
}

TEST_F(ProfileTest, FirstWriteCreatesTheFileWhenItsFolderExists)
{
    ASSERT_TRUE(WritePrivateProfileStringW(L"GConverFileDialog", L"Conver", L"True", file().c_str()));
    EXPECT_EQ(fileBytes(), "[GConverFileDialog]\nConver=True\n");

    const std::wstring inMissingFolder = m_folder.wide("missing/settings.ini");
    EXPECT_FALSE(WritePrivateProfileStringW(L"GConverFileDialog", L"Conver", L"True", inMissingFolder.c_str()));
    EXPECT_FALSE(std::filesystem::exists(m_folder / "missing"));
}

TEST_F(ProfileTest, ChineseTextsSurviveAsUtf8)
{
    const std::wstring text = L"图纸版权所有：某某设计院";
    ASSERT_TRUE(WritePrivateProfileStringW(L"CopyrightOption_Owner", L"Text", text.c_str(), file().c_str()));
    EXPECT_EQ(read(L"CopyrightOption_Owner", L"Text", L""), text);
    EXPECT_EQ(fileBytes(), "[CopyrightOption_Owner]\nText=\xE5\x9B\xBE\xE7\xBA\xB8\xE7\x89\x88\xE6\x9D\x83\xE6\x89\x80"
                           "\xE6\x9C\x89\xEF\xBC\x9A\xE6\x9F\x90\xE6\x9F\x90\xE8\xAE\xBE\xE8\xAE\xA1\xE9\x99\xA2\n");
}

TEST_F(ProfileTest, EveryReadGoesToTheFile)
{
    writeFile("[GGuardPowerDialog]\nGuardTypes=7\n");
    EXPECT_EQ(GetPrivateProfileIntW(L"GGuardPowerDialog", L"GuardTypes", 0, file().c_str()), 7U);
    writeFile("[GGuardPowerDialog]\nGuardTypes=71\n");
    EXPECT_EQ(GetPrivateProfileIntW(L"GGuardPowerDialog", L"GuardTypes", 0, file().c_str()), 71U);
}

TEST_F(ProfileTest, WritesKeepOtherSectionsAndKeys)
{
    writeFile("[A]\nx=1\ny=2\n\n[B]\nz=3\n");
    ASSERT_TRUE(WritePrivateProfileStringW(L"A", L"y", L"20", file().c_str()));
    ASSERT_TRUE(WritePrivateProfileStringW(L"C", L"w", L"4", file().c_str()));
    EXPECT_EQ(read(L"A", L"x", L""), L"1");
    EXPECT_EQ(read(L"A", L"y", L""), L"20");
    EXPECT_EQ(read(L"B", L"z", L""), L"3");
    EXPECT_EQ(read(L"C", L"w", L""), L"4");
}

TEST_F(ProfileTest, NullValueRemovesTheKeyAndNullKeyTheSection)
{
    writeFile("[A]\nx=1\ny=2\n\n[B]\nz=3\n");
    ASSERT_TRUE(WritePrivateProfileStringW(L"A", L"x", nullptr, file().c_str()));
    ASSERT_TRUE(WritePrivateProfileStringW(L"B", nullptr, nullptr, file().c_str()));
    EXPECT_EQ(read(L"A", L"x", L"gone"), L"gone");
    EXPECT_EQ(read(L"A", L"y", L""), L"2");
    EXPECT_EQ(read(L"B", L"z", L"gone"), L"gone");
}

TEST_F(ProfileTest, ASectionWriteReplacesItsKeysInPlaceInOneGo)
{
    writeFile("[A]\nx=1\n[CopyrightOption_Extra]\nNum=3\nText1=a\nText2=b\nText3=c\n[B]\ny=2\n");
    const wchar_t entries[] = L"Num=1\0Text1=第一行\0no separator\0\0";
    ASSERT_TRUE(WritePrivateProfileSectionW(L"copyrightoption_extra", entries, file().c_str()));
    EXPECT_EQ(fileBytes(), "[A]\nx=1\n\n\n[CopyrightOption_Extra]\nNum=1\nText1=第一行\n\n\n[B]\ny=2\n");
}

TEST_F(ProfileTest, EmptyValueIsNotMissing)
{
    writeFile("[CopyrightOption_Extra]\nText2=\n");
    EXPECT_EQ(read(L"CopyrightOption_Extra", L"Text2", L"default"), L"");
}

struct IntCase {
    const char* stored;
    UINT expected;
};

class ProfileIntTest : public ProfileTest, public ::testing::WithParamInterface<IntCase> {};

TEST_P(ProfileIntTest, ReadsTheLeadingDigits)
{
    writeFile(std::string("[GGuardFileDialog]\nSaveType=") + GetParam().stored + "\n");
    EXPECT_EQ(GetPrivateProfileIntW(L"GGuardFileDialog", L"SaveType", 32766, file().c_str()), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Values, ProfileIntTest,
                         ::testing::Values(IntCase{"31", 31}, IntCase{"0", 0}, IntCase{"12abc", 12}, IntCase{"abc", 0},
                                           IntCase{"-5", 0}, IntCase{"", 0}, IntCase{"4294967295", 4294967295U}));

TEST_F(ProfileTest, MalformedLinesDoNotHideTheRest)
{
    writeFile("garbage without section\n[A\n=novalue\n[GGuardFileDialog]\nnoequals\nSaveType=29\n");
    EXPECT_EQ(GetPrivateProfileIntW(L"GGuardFileDialog", L"SaveType", 32766, file().c_str()), 29U);
}

TEST_F(ProfileTest, ABackslashSeparatesFolders)
{
    std::wstring windowsStyle = m_folder.wide() + L"\\settings.ini";
    ASSERT_TRUE(WritePrivateProfileStringW(L"A", L"x", L"1", windowsStyle.c_str()));
    EXPECT_TRUE(std::filesystem::exists(m_folder / "settings.ini"));
}

} // namespace
