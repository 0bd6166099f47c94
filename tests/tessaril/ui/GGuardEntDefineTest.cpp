#include "ui/GGuardEntDefine.h"
#include "ScopedTempFolder.h"

#include <gtest/gtest.h>

#include <fstream>

namespace {

struct MaskCase {
    const char* text;
    std::uint32_t mask;
};

class GuardMaskTest : public ::testing::TestWithParam<MaskCase> {};

TEST_P(GuardMaskTest, ParsesLikeADecimalConversion)
{
    EXPECT_EQ(parseGuardMask(GetParam().text), GetParam().mask);
}

INSTANTIATE_TEST_SUITE_P(Texts, GuardMaskTest,
                         ::testing::Values(MaskCase{"71", 71u}, MaskCase{"  \t71", 71u}, MaskCase{"+3", 3u},
                                           MaskCase{"12abc", 12u}, MaskCase{"abc", 0u}, MaskCase{"", 0u},
                                           MaskCase{"-", 0u}, MaskCase{"- 5", 0u}, MaskCase{"-1", 0xFFFFFFFFu},
                                           MaskCase{"99999999999", 0x7FFFFFFFu},
                                           MaskCase{"-99999999999", 0x80000000u}));

class PresetFileTest : public ::testing::Test {
protected:
    std::filesystem::path write(const std::string& xml)
    {
        const std::filesystem::path file = folder / "GuardConfig.xml";
        std::ofstream(file) << xml;
        return file;
    }

    ScopedTempFolder folder;
    GGuardEntDefineArray presets;
};

TEST_F(PresetFileTest, ReadsEveryGuardTypeOfTheFirstListInOrder)
{
    presets.Add(GGuardEntDefine{});
    loadGuardPresets(write(R"(<?xml version="1.0" encoding="UTF-8"?>
<AnyName>
  <GuardTypes>
    <GuardType Name="曲线和文字" GuardTypeState="3" Extra="x"/>
    <GuardType Name="全部" GuardTypeState="511"><Child/></GuardType>
    <GuardType/>
  </GuardTypes>
  <GuardTypes><GuardType Name="later" GuardTypeState="1"/></GuardTypes>
</AnyName>)"),
                     presets);
    ASSERT_EQ(presets.GetSize(), 3);
    EXPECT_EQ(presets[0].name, L"曲线和文字");
    EXPECT_EQ(presets[0].flags.mask(), 3u);
    EXPECT_EQ(presets[1].name, L"全部");
    EXPECT_EQ(presets[1].flags.mask(), 255u);
    EXPECT_EQ(presets[2].name, L"");
    EXPECT_EQ(presets[2].flags.mask(), 0u);
}

class BadPresetFileTest : public PresetFileTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(BadPresetFileTest, GivesNoPresets)
{
    presets.Add(GGuardEntDefine{});
    loadGuardPresets(write(GetParam()), presets);
    EXPECT_EQ(presets.GetSize(), 0);
}

INSTANTIATE_TEST_SUITE_P(Contents, BadPresetFileTest,
                         ::testing::Values("", "not xml at all", "<a><GuardTypes><GuardType Name=\"cut",
                                           "<a><GuardTypes><GuardType Name=\"x\" GuardTypeState=\"1\"/></GuardTypes>",
                                           "<a><GuardType Name=\"x\" GuardTypeState=\"1\"/></a>",
                                           "<a><b><GuardTypes><GuardType Name=\"x\"/></GuardTypes></b></a>",
                                           "<GuardTypes><GuardType Name=\"x\" GuardTypeState=\"1\"/></GuardTypes>",
                                           "<!-- only a comment -->"));

TEST_F(PresetFileTest, AFileBeyondOneMegabyteIsNotRead)
{
    const std::string preset = R"(<a><GuardTypes><GuardType Name="x" GuardTypeState="1"/></GuardTypes>)";
    loadGuardPresets(write(preset + "<!--" + std::string(1024 * 1024, ' ') + "--></a>"), presets);
    EXPECT_EQ(presets.GetSize(), 0);
    loadGuardPresets(write(preset + "<!--" + std::string(1000 * 1000, ' ') + "--></a>"), presets);
    EXPECT_EQ(presets.GetSize(), 1);
}

TEST_F(PresetFileTest, AMissingFileGivesNoPresets)
{
    presets.Add(GGuardEntDefine{});
    loadGuardPresets(folder / "absent.xml", presets);
    EXPECT_EQ(presets.GetSize(), 0);
}

TEST_F(PresetFileTest, TheInstalledFileOffersPresetsThatKeepTheBlockRule)
{
    loadGuardPresets(std::filesystem::path(TESSARIL_SOURCE_DIR) / "install/root/config/GuardConfig.xml", presets);
    ASSERT_GE(presets.GetSize(), 1);
    for (const GGuardEntDefine& preset : presets) {
        EXPECT_FALSE(preset.name.IsEmpty());
        EXPECT_FALSE(preset.flags.unusedBlockDefinitions && !preset.flags.blockDefinitions) << preset.name.str();
        EXPECT_NE(preset.flags.mask(), 0u) << preset.name.str();
    }
}

} // namespace
