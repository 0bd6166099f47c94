#include "AutomationModel.h"
#include "aced.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {
using cadhost::AutomationModel;

class AutomationModelTest : public testing::Test {
protected:
    void SetUp() override { AutomationModel::instance().reset(); }
    void TearDown() override { AutomationModel::instance().reset(); }

    static CComPtr<IAcadApplication> application()
    {
        IDispatch* dispatch = acedGetAcadWinApp()->GetIDispatch(TRUE);
        CComPtr<IAcadApplication> acad;
        if (dispatch != nullptr) {
            dispatch->QueryInterface(IID_IAcadApplication, reinterpret_cast<void**>(&acad));
            dispatch->Release();
        }
        return acad;
    }

    static CComPtr<IAcadPopupMenu> fileMenu()
    {
        CComPtr<IAcadMenuGroups> groups;
        CComPtr<IAcadMenuGroup> group;
        CComPtr<IAcadPopupMenus> menus;
        CComPtr<IAcadPopupMenu> menu;
        application()->get_MenuGroups(&groups);
        groups->Item(0, &group);
        group->get_Menus(&menus);
        menus->Item(0, &menu);
        return menu;
    }

    // Each item as "tag" or "--" for a separator.
    static std::vector<std::wstring> itemTags(IAcadPopupMenu* menu)
    {
        long count = 0;
        menu->get_Count(&count);
        std::vector<std::wstring> tags;
        for (long index = 0; index < count; ++index) {
            CComPtr<IAcadPopupMenuItem> item;
            AcMenuItemType type = acMenuItem;
            CComBSTR tag;
            menu->Item(index, &item);
            item->get_Type(&type);
            item->get_TagString(&tag);
            tags.emplace_back(type == acMenuSeparator ? L"--" : static_cast<const wchar_t*>(tag));
        }
        return tags;
    }
};

TEST_F(AutomationModelTest, ApplicationAnswersTheHostApplicationInterface)
{
    IDispatch* dispatch = acedGetAcadWinApp()->GetIDispatch(TRUE);
    ASSERT_NE(dispatch, nullptr);
    void* acad = nullptr;
    EXPECT_EQ(dispatch->QueryInterface(IID_IAcadApplication, &acad), S_OK);
    EXPECT_NE(acad, nullptr);
    static_cast<IAcadApplication*>(acad)->Release();

    const IID other = {0x7558007D, 0x8677, 0x4FF1, {0xBD, 0x48, 0xB6, 0x62, 0x81, 0xBD, 0x3D, 0xD8}};
    int marker = 0;
    void* none = &marker;
    EXPECT_EQ(dispatch->QueryInterface(other, &none), E_NOINTERFACE);
    EXPECT_EQ(none, nullptr);
    EXPECT_EQ(dispatch->QueryInterface(IID_IAcadApplication, nullptr), E_POINTER);
    dispatch->Release();
    EXPECT_EQ(AutomationModel::instance().outstandingReferences(), 0);
}

TEST_F(AutomationModelTest, IsUnavailableForTheRequestedAttempts)
{
    AutomationModel::instance().setUnavailableAttempts(2);
    EXPECT_EQ(acedGetAcadWinApp()->GetIDispatch(TRUE), nullptr);
    EXPECT_EQ(acedGetAcadWinApp()->GetIDispatch(TRUE), nullptr);
    IDispatch* dispatch = acedGetAcadWinApp()->GetIDispatch(TRUE);
    ASSERT_NE(dispatch, nullptr);
    dispatch->Release();
    EXPECT_EQ(AutomationModel::instance().requestCount(), 3);
}

TEST_F(AutomationModelTest, WithoutAddRefTheCallerHoldsNoReference)
{
    ASSERT_NE(acedGetAcadWinApp()->GetIDispatch(FALSE), nullptr);
    EXPECT_EQ(AutomationModel::instance().outstandingReferences(), 0);
}

TEST_F(AutomationModelTest, StandardMenusHaveTheFilePopupOfTheGroupAcad)
{
    CComPtr<IAcadMenuGroups> groups;
    ASSERT_EQ(application()->get_MenuGroups(&groups), S_OK);
    long groupCount = 0;
    groups->get_Count(&groupCount);
    ASSERT_EQ(groupCount, 1);
    CComPtr<IAcadMenuGroup> group;
    ASSERT_EQ(groups->Item(0, &group), S_OK);
    CComBSTR name;
    group->get_Name(&name);
    EXPECT_STREQ(name, L"ACAD");

    CComPtr<IAcadPopupMenus> menus;
    group->get_Menus(&menus);
    long menuCount = 0;
    menus->get_Count(&menuCount);
    EXPECT_EQ(menuCount, 3);
    CComPtr<IAcadPopupMenu> file;
    menus->Item(0, &file);
    CComBSTR tag;
    CComBSTR label;
    file->get_TagString(&tag);
    file->get_Name(&label);
    EXPECT_STREQ(tag, L"ID_MnFile");
    EXPECT_STREQ(label, L"文件(&F)");
    EXPECT_EQ(itemTags(file),
              (std::vector<std::wstring>{L"ID_New", L"ID_Open", L"ID_Close", L"--", L"ID_Save", L"ID_Saveas",
                                         L"ID_Export", L"--", L"ID_Print", L"--", L"ID_Exit"}));
}

TEST_F(AutomationModelTest, StandardMenusCanLackTheSeparatorsAfterSave)
{
    AutomationModel::instance().setMenuGroups(AutomationModel::standardMenuGroups(false));
    EXPECT_EQ(itemTags(fileMenu()), (std::vector<std::wstring>{L"ID_New", L"ID_Open", L"ID_Close", L"--", L"ID_Save",
                                                               L"ID_Saveas", L"ID_Export", L"ID_Print", L"ID_Exit"}));
}

TEST_F(AutomationModelTest, AddMenuItemInsertsBeforeTheIndex)
{
    CComPtr<IAcadPopupMenu> file = fileMenu();
    CComPtr<IAcadPopupMenuItem> added;
    ASSERT_EQ(file->AddMenuItem(7, L"图纸外发", L"movrel ", &added), S_OK);
    CComBSTR label;
    CComBSTR macro;
    AcMenuItemType type = acMenuSeparator;
    added->get_Label(&label);
    added->get_Macro(&macro);
    added->get_Type(&type);
    EXPECT_STREQ(label, L"图纸外发");
    EXPECT_STREQ(macro, L"movrel ");
    EXPECT_EQ(type, acMenuItem);

    const auto items = AutomationModel::instance().menuGroups().at(0).popups.at(0).items;
    ASSERT_EQ(items.size(), 12u);
    EXPECT_EQ(items[6].tag, L"ID_Export");
    EXPECT_EQ(items[7], (cadhost::MenuItemData{L"图纸外发", L"", L"movrel ", acMenuItem}));
    EXPECT_EQ(items[8].type, acMenuSeparator);
}

TEST_F(AutomationModelTest, AddMenuItemBeyondTheEndAppends)
{
    CComPtr<IAcadPopupMenu> file = fileMenu();
    ASSERT_EQ(file->AddMenuItem(100, L"last", L"last ", nullptr), S_OK);
    EXPECT_EQ(AutomationModel::instance().menuGroups().at(0).popups.at(0).items.back().label, L"last");
}

TEST_F(AutomationModelTest, RefusesBadIndexes)
{
    CComPtr<IAcadPopupMenu> file = fileMenu();
    CComPtr<IAcadPopupMenuItem> item;
    EXPECT_EQ(file->AddMenuItem(-1, L"x", L"x", &item), E_INVALIDARG);
    EXPECT_EQ(file->AddMenuItem(0, nullptr, L"x", &item), E_INVALIDARG);
    EXPECT_EQ(file->Item(11, &item), E_INVALIDARG);
    EXPECT_EQ(file->Item(-1, &item), E_INVALIDARG);
    EXPECT_EQ(item.p, nullptr);
    long count = 0;
    EXPECT_EQ(file->get_Count(nullptr), E_POINTER);
    EXPECT_EQ(file->get_Count(&count), S_OK);
    EXPECT_EQ(count, 11);
}

TEST_F(AutomationModelTest, ObjectsKeepTheMenusTheyWereGivenWhenTheModelChanges)
{
    CComPtr<IAcadPopupMenu> file = fileMenu();
    AutomationModel::instance().setMenuGroups({});
    long count = 0;
    file->get_Count(&count);
    EXPECT_EQ(count, 11);
    EXPECT_EQ(file->AddMenuItem(0, L"x", L"x", nullptr), S_OK);
    EXPECT_TRUE(AutomationModel::instance().menuGroups().empty());
}

TEST_F(AutomationModelTest, CountsReferencesUntilReleased)
{
    CComPtr<IAcadPopupMenu> file = fileMenu();
    EXPECT_EQ(AutomationModel::instance().outstandingReferences(), 1);
    IAcadPopupMenu* extra = file;
    extra->AddRef();
    EXPECT_EQ(AutomationModel::instance().outstandingReferences(), 1);
    extra->Release();
    file.Release();
    EXPECT_EQ(AutomationModel::instance().outstandingReferences(), 0);

    IDispatch* held = acedGetAcadWinApp()->GetIDispatch(TRUE);
    EXPECT_EQ(AutomationModel::instance().outstandingReferences(), 1);
    held->Release();
    EXPECT_EQ(AutomationModel::instance().outstandingReferences(), 0);
}

} // namespace
