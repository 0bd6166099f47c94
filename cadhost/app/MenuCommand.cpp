// A script command that shows the host's menus as the automation model holds them.
#include "ScriptCommand.h"
#include "Session.h"

#include "AutomationModel.h"

namespace cadhost::app {
namespace {
const wchar_t* typeName(AcMenuItemType type)
{
    switch (type) {
    case acMenuSeparator:
        return L"separator";
    case acMenuSubMenu:
        return L"submenu";
    default:
        return L"item";
    }
}

// One line per item: group, popup tag, index, type, tag, label and the quoted macro, separated by tabs.
bool showMenus(Session& session, const std::vector<std::wstring>& arguments)
{
    if (!arguments.empty()) {
        session.error(L"menu takes no arguments");
        return false;
    }
    std::wstring text;
    for (const MenuGroupData& group : AutomationModel::instance().menuGroups()) {
        for (const PopupMenuData& popup : group.popups) {
            for (std::size_t index = 0; index < popup.items.size(); ++index) {
                const MenuItemData& item = popup.items[index];
                text += group.name + L'\t' + popup.tag + L'\t' + std::to_wstring(index) + L'\t' + typeName(item.type) +
                        L'\t' + item.tag + L'\t' + item.label + L"\t\"" + item.macro + L"\"\n";
            }
        }
    }
    session.print(text);
    return true;
}

const ScriptCommandRegistration menu{
    {L"menu", L"menu", L"list the items of the host's menus: group, popup, index, type, tag, label, macro", showMenus}};
} // namespace
} // namespace cadhost::app
