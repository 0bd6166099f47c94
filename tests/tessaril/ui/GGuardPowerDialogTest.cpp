#include "ui/GGuardPowerDialog.h"
#include "SinglePageHost.h"

#include <fstream>
#include <set>
#include <vector>

namespace singlepage {
namespace {

constexpr UINT kCurves = 107;
constexpr UINT kTexts = 108;
constexpr UINT kBlockReferences = 109;
constexpr UINT kBlockDefinitions = 110;
constexpr UINT kHatches = 111;
constexpr UINT kDimensions = 112;
constexpr UINT kOthers = 113;
constexpr UINT kUnusedDefinitions = 114;
constexpr UINT kSelectAll = 133;
constexpr UINT kSelectNone = 134;
constexpr UINT kInvert = 135;
constexpr UINT kPresets = 145;

const std::vector<UINT> kAllBoxes = {kCurves,  kTexts,      kBlockReferences, kBlockDefinitions,
                                     kHatches, kDimensions, kOthers,          kUnusedDefinitions};
const wchar_t* const kNothingProtected = L"您确定要设置为不保护任何对象吗？这样您的图纸将不被保护";

std::set<UINT> checkedBoxes(const DialogUser& user)
{
    std::set<UINT> checked;
    for (UINT id : kAllBoxes)
        if (user.isChecked(id))
            checked.insert(id);
    return checked;
}

class KindsPageTest : public PageTest<GGuardPowerDialog> {
protected:
    void storeMask(int mask) { userDataProfile().writeInt(L"GGuardPowerDialog", L"GuardTypes", mask); }
    void writePresets(const std::string& xml) { std::ofstream(install.path() / "config" / "GuardConfig.xml") << xml; }
};

TEST_F(KindsPageTest, AFirstRunShowsNothingCheckedAndAsksBeforeProtectingNothing)
{
    const INT_PTR result = run([&](DialogUser& user) {
        EXPECT_EQ(checkedBoxes(user), std::set<UINT>{});
        EXPECT_FALSE(user.isEnabled(kUnusedDefinitions));
        EXPECT_EQ(user.items(kPresets), std::vector<std::wstring>{L"上次使用"});
        EXPECT_EQ(user.selection(kPresets), 0);

        ui.expectMessageBox(kNothingProtected, IDNO);
        user.pressEnter();
        EXPECT_FALSE(user.hasEnded());
        // Stored before the question, although the answer refused the page.
        EXPECT_EQ(setting(L"GGuardPowerDialog", L"GuardTypes"), L"0");
        ui.expectMessageBox(kNothingProtected, IDYES);
        user.pressEnter();
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(page().typeFlags().mask(), 0u);
    EXPECT_EQ(setting(L"GGuardPowerDialog", L"GuardTypes"), L"0");
}

struct StoredMaskCase {
    int stored;
    std::set<UINT> checked;
    bool unusedDefinitionsEnabled;
    const wchar_t* storedAfterOk;
};

class StoredMaskTest : public KindsPageTest, public ::testing::WithParamInterface<StoredMaskCase> {};

TEST_P(StoredMaskTest, TheStoredMaskIsShownWithUnusedDefinitionsOnlyBesideBlockDefinitions)
{
    const StoredMaskCase& param = GetParam();
    storeMask(param.stored);
    run([&](DialogUser& user) {
        EXPECT_EQ(checkedBoxes(user), param.checked);
        EXPECT_EQ(user.isEnabled(kUnusedDefinitions), param.unusedDefinitionsEnabled);
        if (param.checked.empty())
            ui.expectMessageBox(kNothingProtected, IDYES);
        user.pressEnter();
    });
    EXPECT_EQ(setting(L"GGuardPowerDialog", L"GuardTypes"), param.storedAfterOk);
}

INSTANTIATE_TEST_SUITE_P(
    Masks, StoredMaskTest,
    ::testing::Values(StoredMaskCase{16, {}, false, L"0"},
                      StoredMaskCase{71, {kCurves, kTexts, kBlockReferences, kDimensions}, false, L"71"},
                      StoredMaskCase{24, {kBlockDefinitions, kUnusedDefinitions}, true, L"24"},
                      StoredMaskCase{511, std::set<UINT>(kAllBoxes.begin(), kAllBoxes.end()), true, L"255"},
                      StoredMaskCase{-5, {}, false, L"0"}));

TEST_F(KindsPageTest, ThePresetsOfTheFileAreOfferedBeforeTheLastUsedChoice)
{
    storeMask(3);
    writePresets(R"(<?xml version="1.0" encoding="UTF-8"?>
<Config>
  <Other><GuardType Name="elsewhere" GuardTypeState="1"/></Other>
  <GuardTypes>
    <GuardType Name="图纸标准" GuardTypeState="71"/>
    <GuardType Name="only unused" GuardTypeState="16"/>
    <Note Name="ignored"/>
    <GuardType GuardTypeState=" 24 definitions"/>
    <GuardType/>
  </GuardTypes>
  <GuardTypes><GuardType Name="second list" GuardTypeState="255"/></GuardTypes>
</Config>)");
    run([&](DialogUser& user) {
        EXPECT_EQ(user.items(kPresets),
                  (std::vector<std::wstring>{L"图纸标准", L"only unused", L"", L"", L"上次使用"}));
        EXPECT_EQ(user.selection(kPresets), 4);
        EXPECT_EQ(checkedBoxes(user), (std::set<UINT>{kCurves, kTexts}));

        user.select(kPresets, 0);
        EXPECT_EQ(checkedBoxes(user), (std::set<UINT>{kCurves, kTexts, kBlockReferences, kDimensions}));
        EXPECT_FALSE(user.isEnabled(kUnusedDefinitions));

        user.select(kPresets, 2);
        EXPECT_EQ(checkedBoxes(user), (std::set<UINT>{kBlockDefinitions, kUnusedDefinitions}));
        EXPECT_TRUE(user.isEnabled(kUnusedDefinitions));

        user.select(kPresets, 1);
        EXPECT_EQ(checkedBoxes(user), std::set<UINT>{});
        EXPECT_FALSE(user.isEnabled(kUnusedDefinitions));

        user.select(kPresets, 3);
        EXPECT_EQ(checkedBoxes(user), std::set<UINT>{});

        user.select(kPresets, L"上次使用");
        EXPECT_EQ(checkedBoxes(user), (std::set<UINT>{kCurves, kTexts}));
        user.pressEscape();
    });
}

TEST_F(KindsPageTest, UnusedDefinitionsFollowBlockDefinitionsAndTheButtons)
{
    run([&](DialogUser& user) {
        user.click(kBlockDefinitions);
        user.click(kUnusedDefinitions);
        EXPECT_TRUE(user.isChecked(kUnusedDefinitions));
        user.click(kBlockDefinitions);
        EXPECT_FALSE(user.isEnabled(kUnusedDefinitions));
        EXPECT_FALSE(user.isChecked(kUnusedDefinitions));
        user.click(kSelectAll);
        EXPECT_EQ(checkedBoxes(user), std::set<UINT>(kAllBoxes.begin(), kAllBoxes.end()));
        EXPECT_TRUE(user.isEnabled(kUnusedDefinitions));
        user.click(kSelectNone);
        EXPECT_EQ(checkedBoxes(user), std::set<UINT>{});
        EXPECT_FALSE(user.isEnabled(kUnusedDefinitions));
        user.pressEscape();
    });
}

TEST_F(KindsPageTest, InvertWithBlockDefinitionsOnAndUnusedOffTurnsBothOff)
{
    storeMask(1 | 8 | 64);
    run([&](DialogUser& user) {
        EXPECT_FALSE(user.isChecked(kUnusedDefinitions));
        user.click(kInvert);
        EXPECT_EQ(checkedBoxes(user), (std::set<UINT>{kTexts, kBlockReferences, kHatches, kOthers}));
        EXPECT_FALSE(user.isEnabled(kUnusedDefinitions));
        user.pressEnter();
    });
    EXPECT_EQ(setting(L"GGuardPowerDialog", L"GuardTypes"), L"166");
}

} // namespace
} // namespace singlepage
