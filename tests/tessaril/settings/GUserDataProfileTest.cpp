#include "TempInstallRoot.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace {

class UserDataProfileTest : public ::testing::Test {
protected:
    void store(const std::string& bytes) const { std::ofstream(m_root.settingsFile(), std::ios::binary) << bytes; }
    std::string stored() const
    {
        std::ifstream in(m_root.settingsFile(), std::ios::binary);
        std::ostringstream bytes;
        bytes << in.rdbuf();
        return bytes.str();
    }

    TempInstallRoot m_root;
    GUserDataProfile& m_profile = userDataProfile();
};

TEST_F(UserDataProfileTest, TheFileLiesInConfigUnderTheInstallationFolder)
{
    EXPECT_EQ(std::filesystem::path(m_profile.path()), m_root.path() / "config" / "UserData.ini");
}

TEST_F(UserDataProfileTest, WithNoFileEveryReadGivesItsDefault)
{
    EXPECT_FALSE(m_profile.readFlag(L"GGuardFileDialog", L"Floder", false));
    EXPECT_EQ(m_profile.readInt(L"GGuardFileDialog", L"SaveType", 32766), 32766);
    EXPECT_TRUE(m_profile.readFlag(L"GGuardFloerDialog", L"KeepFloderTree", true));
    EXPECT_STREQ(m_profile.readString(L"GGuardFloerDialog", L"RarType", 128, L"zip"), L"zip");
    EXPECT_EQ(m_profile.readInt(L"GGuardPowerDialog", L"GuardTypes", 0), 0);
    EXPECT_FALSE(std::filesystem::exists(m_root.settingsFile()));
}

TEST_F(UserDataProfileTest, WritesCreateTheFileAndReadsSeeThem)
{
    EXPECT_TRUE(m_profile.writeInt(L"GGuardFileDialog", L"SaveType", 31));
    EXPECT_TRUE(m_profile.writeFlag(L"GGuardFileDialog", L"Floder", true));
    EXPECT_TRUE(m_profile.writeString(L"GGuardFloerDialog", L"RarType", L"7z"));
    EXPECT_EQ(stored(), "[GGuardFileDialog]\nSaveType=31\nFloder=True\n\n\n[GGuardFloerDialog]\nRarType=7z\n");
    EXPECT_EQ(m_profile.readInt(L"gguardfiledialog", L"savetype", 32766), 31);
    EXPECT_TRUE(m_profile.readFlag(L"GGuardFileDialog", L"Floder", false));
}

TEST_F(UserDataProfileTest, AMissingConfigFolderIsNotCreated)
{
    std::filesystem::remove(m_root.path() / "config");
    EXPECT_FALSE(m_profile.writeInt(L"GGuardFileDialog", L"SaveType", 31));
    EXPECT_FALSE(std::filesystem::exists(m_root.path() / "config"));
    EXPECT_EQ(m_profile.readInt(L"GGuardFileDialog", L"SaveType", 32766), 32766);
}

struct FlagCase {
    const char* stored;
    bool expected;
};

class UserDataProfileFlagTest : public UserDataProfileTest, public ::testing::WithParamInterface<FlagCase> {};

TEST_P(UserDataProfileFlagTest, OnlyTrueInAnyCaseIsTrue)
{
    store(std::string("[GGuardFloerDialog]\nKeepFloderTree=") + GetParam().stored + "\n");
    EXPECT_EQ(m_profile.readFlag(L"GGuardFloerDialog", L"KeepFloderTree", true), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Texts, UserDataProfileFlagTest,
                         ::testing::Values(FlagCase{"True", true}, FlagCase{"TRUE", true}, FlagCase{"true", true},
                                           FlagCase{"yes", false}, FlagCase{"1", false}, FlagCase{"False", false},
                                           FlagCase{"", false}, FlagCase{"Truee", false}));

struct IntCase {
    const char* stored;
    int expected;
};

class UserDataProfileIntTest : public UserDataProfileTest, public ::testing::WithParamInterface<IntCase> {};

TEST_P(UserDataProfileIntTest, NonNumbersAndNegativesReadAsZero)
{
    store(std::string("[GGuardFileDialog]\nSaveType=") + GetParam().stored + "\n");
    EXPECT_EQ(m_profile.readInt(L"GGuardFileDialog", L"SaveType", 32766), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Texts, UserDataProfileIntTest,
                         ::testing::Values(IntCase{"abc", 0}, IntCase{"-1", 0}, IntCase{"29", 29},
                                           IntCase{"4294967295", 0}, IntCase{"", 0}, IntCase{"4294967323", 0},
                                           IntCase{"2147483648", 0}, IntCase{"2147483647", 2147483647},
                                           IntCase{"31x", 31}));

// A text holding line breaks must not turn its rest into sections and keys of their own.
TEST_F(UserDataProfileTest, StoredTextsStayOnOneLine)
{
    ASSERT_TRUE(m_profile.writeInt(L"GGuardFileDialog", L"SaveType", 31));
    ASSERT_TRUE(m_profile.writeString(L"CopyrightOption_Extra", L"Text1", L"a\n[GGuardFileDialog]\r\nSaveType=99\rb"));
    EXPECT_EQ(m_profile.readInt(L"GGuardFileDialog", L"SaveType", 32766), 31);
    EXPECT_STREQ(m_profile.readString(L"CopyrightOption_Extra", L"Text1", 2048, L""),
                 L"a [GGuardFileDialog]  SaveType=99 b");
    EXPECT_EQ(m_profile.readKeys(L"CopyrightOption_Extra").size(), 1U);
    EXPECT_EQ(stored().find("\nSaveType=99"), std::string::npos) << stored();
}

TEST_F(UserDataProfileTest, LongTextsAreCutToTheCallersBuffer)
{
    const std::wstring text(200, L'图');
    ASSERT_TRUE(m_profile.writeString(L"CopyrightOption_Owner", L"Text", text.c_str()));
    EXPECT_EQ(m_profile.readString(L"CopyrightOption_Owner", L"Text", 128, L"").str(), text.substr(0, 127));
    EXPECT_EQ(m_profile.readString(L"CopyrightOption_Owner", L"Text", 2048, L"").str(), text);
    EXPECT_STREQ(m_profile.readString(L"CopyrightOption_Owner", L"Text", 0, L"x"), L"");
}

TEST_F(UserDataProfileTest, ChineseTextsRoundTrip)
{
    ASSERT_TRUE(m_profile.writeString(L"CopyrightOption_Extra", L"Text1", L"电话：010-12345678 邮箱：a@b.cn"));
    EXPECT_STREQ(m_profile.readString(L"CopyrightOption_Extra", L"Text1", 2048, L""),
                 L"电话：010-12345678 邮箱：a@b.cn");
}

TEST_F(UserDataProfileTest, ThePathIsKeptUntilReset)
{
    const std::wstring first = m_profile.path();
    setInstallRootOverride(m_root.path() / "elsewhere");
    EXPECT_EQ(m_profile.path(), first);
    m_profile.resetPath();
    EXPECT_EQ(std::filesystem::path(m_profile.path()), m_root.path() / "elsewhere" / "config" / "UserData.ini");
    setInstallRootOverride(m_root.path());
    m_profile.resetPath();
}

TEST(FlagText, IsTrueOrFalse)
{
    EXPECT_STREQ(flagText(true), L"True");
    EXPECT_STREQ(flagText(false), L"False");
    EXPECT_TRUE(isTrueText(L"tRUE"));
    EXPECT_FALSE(isTrueText(L" True"));
}

} // namespace
