#include "app/MenuInstallTimer.h"
#include "app/TessarilApp.h"

#include "AutomationModel.h"
#include "DebugSink.h"
#include "EventLoop.h"
#include "rxmfcapi.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {
using cadhost::AutomationModel;
using cadhost::EventLoop;
using cadhost::MenuGroupData;
using cadhost::MenuItemData;
using cadhost::PopupMenuData;
using Messages = std::vector<std::wstring>;

const MenuItemData kInserted{L"图纸外发", L"", L"movrel ", acMenuItem};

MenuItemData item(const wchar_t* tag)
{
    return {tag, tag, L"", acMenuItem};
}

MenuItemData separator()
{
    return {L"--", L"", L"", acMenuSeparator};
}

class MenuInstallTimerTest : public testing::Test {
protected:
    void SetUp() override
    {
        EventLoop::instance().reset();
        AutomationModel::instance().reset();
    }
    void TearDown() override
    {
        acrxEntryPoint(AcRx::kUnloadAppMsg, &appId);
        EventLoop::instance().reset();
        AutomationModel::instance().reset();
    }

    void load() { ASSERT_EQ(acrxEntryPoint(AcRx::kInitAppMsg, &appId), AcRx::kRetOK); }

    static std::vector<MenuItemData> popupItems(std::size_t group, std::size_t popup)
    {
        return AutomationModel::instance().menuGroups().at(group).popups.at(popup).items;
    }

    int appId = 0;
};

TEST_F(MenuInstallTimerTest, InsertsTheItemBeforeTheSeparatorThatEndsTheSaveGroup)
{
    cadhost::DebugCapture trace;
    load();
    EventLoop::instance().advance(999);
    EXPECT_EQ(popupItems(0, 0).size(), 11u);
    EventLoop::instance().advance(1);

    const auto items = popupItems(0, 0);
    ASSERT_EQ(items.size(), 12u);
    EXPECT_EQ(items[6].tag, L"ID_Export");
    EXPECT_EQ(items[7], kInserted);
    EXPECT_EQ(items[8].type, acMenuSeparator);
    EXPECT_EQ(trace.messages(), Messages{L"增加图纸外发菜单:7"});
    // The timer is gone for good and every automation reference was released.
    EXPECT_EQ(EventLoop::instance().timerCount(), 0u);
    EventLoop::instance().advance(5000);
    EXPECT_EQ(popupItems(0, 0).size(), 12u);
    EXPECT_EQ(AutomationModel::instance().requestCount(), 1);
    EXPECT_EQ(AutomationModel::instance().outstandingReferences(), 0);
}

TEST_F(MenuInstallTimerTest, RetriesEverySecondOnTheMainFrameWhileAutomationIsUnavailable)
{
    AutomationModel::instance().setUnavailableAttempts(3);
    load();
    EventLoop::instance().advance(1000);
    EXPECT_EQ(AutomationModel::instance().requestCount(), 1);
    EXPECT_TRUE(EventLoop::instance().hasTimer(acedGetAcadFrame()->m_hWnd, 55));
    EXPECT_EQ(EventLoop::instance().timerCount(), 1u);
    EventLoop::instance().advance(2000);
    EXPECT_EQ(AutomationModel::instance().requestCount(), 3);
    EXPECT_EQ(popupItems(0, 0).size(), 11u);

    EventLoop::instance().advance(1000);
    EXPECT_EQ(AutomationModel::instance().requestCount(), 4);
    EXPECT_EQ(popupItems(0, 0).at(7), kInserted);
    EXPECT_EQ(EventLoop::instance().timerCount(), 0u);
    EXPECT_EQ(AutomationModel::instance().outstandingReferences(), 0);
}

TEST_F(MenuInstallTimerTest, UnloadStopsARetryingTimer)
{
    AutomationModel::instance().setUnavailableAttempts(100);
    load();
    EventLoop::instance().advance(2000);
    ASSERT_EQ(EventLoop::instance().timerCount(), 1u);
    ASSERT_EQ(acrxEntryPoint(AcRx::kUnloadAppMsg, &appId), AcRx::kRetOK);
    EXPECT_EQ(EventLoop::instance().timerCount(), 0u);
}

TEST_F(MenuInstallTimerTest, SkipsAndTracesGroupsBeforeAcadAndStopsAtTheFirstAcad)
{
    std::vector<MenuGroupData> groups = AutomationModel::standardMenuGroups();
    groups.insert(groups.begin(),
                  MenuGroupData{L"EXPRESS",
                                {PopupMenuData{L"工具", L"ID_MnFile", {item(L"ID_Save"), separator(), separator()}}}});
    groups.push_back(groups.back());
    groups.push_back(MenuGroupData{L"CUSTOM", {}});
    groups[1].name = L"acad";
    AutomationModel::instance().setMenuGroups(groups);

    cadhost::DebugCapture trace;
    ASSERT_TRUE(installMenuItem());
    EXPECT_EQ(trace.messages(), (Messages{L"顶级菜单:EXPRESS", L"增加图纸外发菜单:7"}));
    EXPECT_EQ(popupItems(0, 0).size(), 3u);
    EXPECT_EQ(popupItems(1, 0).at(7), kInserted);
    EXPECT_EQ(popupItems(2, 0).size(), 11u);
    EXPECT_EQ(AutomationModel::instance().outstandingReferences(), 0);
}

TEST_F(MenuInstallTimerTest, MatchesTagsWithoutRegardToCase)
{
    AutomationModel::instance().setMenuGroups({MenuGroupData{
        L"Acad", {PopupMenuData{L"File", L"id_mnfile", {item(L"ID_New"), item(L"id_SAVE"), separator()}}}}});
    ASSERT_TRUE(installMenuItem());
    EXPECT_EQ(popupItems(0, 0), (std::vector<MenuItemData>{item(L"ID_New"), item(L"id_SAVE"), kInserted, separator()}));
}

struct MenuWithoutPlace {
    const char* name;
    std::vector<MenuGroupData> groups;
};

class MenuWithoutPlaceTest : public MenuInstallTimerTest, public testing::WithParamInterface<MenuWithoutPlace> {};

TEST_P(MenuWithoutPlaceTest, AddsNothingAndStopsTheTimer)
{
    AutomationModel::instance().setMenuGroups(GetParam().groups);
    cadhost::DebugCapture trace;
    load();
    EventLoop::instance().advance(3000);
    EXPECT_EQ(AutomationModel::instance().menuGroups(), GetParam().groups);
    EXPECT_EQ(EventLoop::instance().timerCount(), 0u);
    EXPECT_EQ(AutomationModel::instance().requestCount(), 1);
    const Messages messages = trace.messages();
    EXPECT_TRUE(std::none_of(messages.begin(), messages.end(),
                             [](const std::wstring& message) { return message.starts_with(L"增加图纸外发菜单"); }));
    EXPECT_EQ(AutomationModel::instance().outstandingReferences(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Menus, MenuWithoutPlaceTest,
    testing::Values(
        MenuWithoutPlace{"NoSeparatorAfterSave", AutomationModel::standardMenuGroups(false)},
        MenuWithoutPlace{
            "NoSaveItem",
            {MenuGroupData{L"ACAD", {PopupMenuData{L"File", L"ID_MnFile", {item(L"ID_New"), separator()}}}}}},
        MenuWithoutPlace{
            "NoFilePopup",
            {MenuGroupData{L"ACAD", {PopupMenuData{L"Edit", L"ID_MnEdit", {item(L"ID_Save"), separator()}}}}}},
        MenuWithoutPlace{
            "NoAcadGroup",
            {MenuGroupData{L"EXPRESS", {PopupMenuData{L"File", L"ID_MnFile", {item(L"ID_Save"), separator()}}}}}},
        MenuWithoutPlace{"NoGroups", {}}),
    [](const testing::TestParamInfo<MenuWithoutPlace>& info) { return info.param.name; });
} // namespace
