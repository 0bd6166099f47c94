#include "ui/GCopyRightDialog.h"
#include "SinglePageHost.h"
#include "windowstate.h"

#include <vector>

namespace singlepage {
namespace {

constexpr UINT kOwnerText = 105;
constexpr UINT kUserText = 106;
constexpr UINT kOwnerStamp = 107;
constexpr UINT kOwnerPlot = 108;
constexpr UINT kUserStamp = 109;
constexpr UINT kUserPlot = 110;
constexpr UINT kExtraLines = 111;
constexpr UINT kDateStamp = 112;
constexpr UINT kDatePlot = 113;
constexpr UINT kExtraStamp = 114;
constexpr UINT kExtraPlot = 115;
constexpr UINT kDate = 132;
constexpr UINT kRows = 133;
constexpr UINT kColumns = 134;

const std::vector<std::wstring> kGridItems = {L"2", L"3", L"4", L"5", L"6", L"7", L"8"};

std::wstring selectedItem(const DialogUser& user, UINT id)
{
    const int index = user.selection(id);
    return index < 0 ? L"<none>" : user.items(id).at(static_cast<std::size_t>(index));
}

class CopyrightPageTest : public PageTest<GCopyRightDialog> {};

TEST_F(CopyrightPageTest, WithNothingStoredThePageShowsTheProductsNotesOnAFiveByFiveGrid)
{
    run([&](DialogUser& user) {
        EXPECT_EQ(user.text(kOwnerText), L"Tessaril 图纸外发保护");
        EXPECT_EQ(user.text(kUserText), L"https://www.tessaril.com");
        for (UINT id : {kOwnerStamp, kOwnerPlot, kUserStamp, kUserPlot, kDateStamp, kDatePlot})
            EXPECT_TRUE(user.isChecked(id)) << id;
        EXPECT_FALSE(user.isChecked(kExtraStamp));
        EXPECT_FALSE(user.isChecked(kExtraPlot));
        EXPECT_EQ(user.text(kExtraLines), L"");
        EXPECT_EQ(user.items(kRows), kGridItems);
        EXPECT_EQ(user.items(kColumns), kGridItems);
        EXPECT_EQ(selectedItem(user, kRows), L"5");
        EXPECT_EQ(selectedItem(user, kColumns), L"5");
        EXPECT_EQ(user.text(kDate), cadhost::shortDateText(cadhost::today()));
        user.pressEscape();
    });
}

struct GridCase {
    int storedRows;
    int storedColumns;
    const wchar_t* shownRows;
    const wchar_t* shownColumns;
};

class StoredGridTest : public CopyrightPageTest, public ::testing::WithParamInterface<GridCase> {};

TEST_P(StoredGridTest, AStoredSizeOutsideTwoToEightShowsFive)
{
    userDataProfile().writeInt(L"CopyrightOption", L"Row", GetParam().storedRows);
    userDataProfile().writeInt(L"CopyrightOption", L"Col", GetParam().storedColumns);
    run([&](DialogUser& user) {
        EXPECT_EQ(selectedItem(user, kRows), GetParam().shownRows);
        EXPECT_EQ(selectedItem(user, kColumns), GetParam().shownColumns);
        user.pressEscape();
    });
}

INSTANTIATE_TEST_SUITE_P(Sizes, StoredGridTest,
                         ::testing::Values(GridCase{9, 2, L"5", L"2"}, GridCase{1, 8, L"5", L"8"},
                                           GridCase{2, 0, L"2", L"5"}, GridCase{7, -3, L"7", L"5"}));

TEST_F(CopyrightPageTest, OkStoresTheBareTextsAndLabelsTheNotesOfTheRecord)
{
    const INT_PTR result = run([&](DialogUser& user) {
        user.type(kOwnerText, L"Acme 建筑");
        user.type(kUserText, L"Beta");
        user.setDate(kDate, 2024, 5, 17);
        user.setChecked(kOwnerStamp, false);
        user.setChecked(kDatePlot, false);
        user.setChecked(kExtraPlot, true);
        user.select(kRows, 1);
        user.select(kColumns, 6);
        // The main dialog reads the page again when another page refused its OK.
        EXPECT_TRUE(page().readParameters());
        user.pressEnter();
    });
    ASSERT_EQ(result, IDOK);
    const GCopyrightOption& option = page().copyrightOption();
    EXPECT_EQ(option.owner.text, L"图纸版权所有者：Acme 建筑");
    EXPECT_EQ(option.user.text, L"图纸授权使用者：Beta");
    EXPECT_EQ(option.date.text, L"图纸发布时间：2024/5/17");
    EXPECT_FALSE(option.owner.stamp);
    EXPECT_TRUE(option.owner.plot);
    EXPECT_TRUE(option.date.stamp);
    EXPECT_FALSE(option.date.plot);
    EXPECT_FALSE(option.extra.stamp);
    EXPECT_TRUE(option.extra.plot);
    EXPECT_EQ(option.rows, 3);
    EXPECT_EQ(option.columns, 8);

    EXPECT_EQ(setting(L"CopyrightOption_Owner", L"Text"), L"Acme 建筑");
    EXPECT_EQ(setting(L"CopyrightOption_Owner", L"Stamp"), L"False");
    EXPECT_EQ(setting(L"CopyrightOption_User", L"Text"), L"Beta");
    EXPECT_EQ(setting(L"CopyrightOption_Date", L"Text"), L"2024/5/17");
    EXPECT_EQ(setting(L"CopyrightOption_Date", L"Plot"), L"False");
    EXPECT_EQ(setting(L"CopyrightOption_Extra", L"Plot"), L"True");
    EXPECT_EQ(setting(L"CopyrightOption", L"Row"), L"3");
    EXPECT_EQ(setting(L"CopyrightOption", L"Col"), L"8");
}

TEST_F(CopyrightPageTest, ExtraLinesAreSplitAtLineEndsWithoutEmptyOnesAndComeBackNextTime)
{
    run([&](DialogUser& user) {
        user.type(kExtraLines, L"a\r\n\r\nb\r\n");
        user.pressEnter();
    });
    const CStringArray& lines = page().copyrightOption().extra.lines;
    ASSERT_EQ(lines.GetSize(), 2);
    EXPECT_EQ(lines[0], L"a");
    EXPECT_EQ(lines[1], L"b");
    EXPECT_EQ(setting(L"CopyrightOption_Extra", L"Num"), L"2");
    EXPECT_EQ(setting(L"CopyrightOption_Extra", L"Text1"), L"a");
    EXPECT_EQ(setting(L"CopyrightOption_Extra", L"Text2"), L"b");

    run([&](DialogUser& user) {
        EXPECT_EQ(user.text(kExtraLines), L"a\r\nb");
        EXPECT_EQ(user.text(kOwnerText), L"Tessaril 图纸外发保护");
        user.pressEscape();
    });
}

} // namespace
} // namespace singlepage
