// The host's automation objects: the application object that acedGetAcadWinApp()->GetIDispatch hands
// out, with the menu groups behind it. Tests shape the menus, make the object unavailable for a while
// (as while the host is still starting) and check that every reference taken was released.
#pragma once

#include "acadi.h"

#include <memory>
#include <string>
#include <vector>

namespace cadhost {
struct MenuItemData {
    std::wstring label;
    std::wstring tag;
    std::wstring macro;
    AcMenuItemType type = acMenuItem;
    bool operator==(const MenuItemData&) const = default;
};

struct PopupMenuData {
    std::wstring name;
    std::wstring tag;
    std::vector<MenuItemData> items;
    bool operator==(const PopupMenuData&) const = default;
};

struct MenuGroupData {
    std::wstring name;
    std::vector<PopupMenuData> popups;
    bool operator==(const MenuGroupData&) const = default;
};

class CADHOST_EXPORT AutomationModel {
public:
    static AutomationModel& instance();

    // The host's menus: the group "ACAD" with its File popup (tag "ID_MnFile": New, Open, Close, separator,
    // Save, Save As, Export, separator, Print, separator, Exit), Edit and View popups. Without
    // separatorsAfterSave the File popup holds no separator after Save.
    static std::vector<MenuGroupData> standardMenuGroups(bool separatorsAfterSave = true);

    void setMenuGroups(const std::vector<MenuGroupData>& groups);
    std::vector<MenuGroupData> menuGroups() const;

    // The next `attempts` requests for the application object find none.
    void setUnavailableAttempts(int attempts);
    // Requests for the application object so far, whether they found it or not.
    int requestCount() const;
    // References that users of the automation objects still hold; 0 when every one was released.
    long outstandingReferences() const;
    // Standard menus, available at once, counters at zero.
    void reset();

    // The application object, or nothing while it is unavailable. With addRef the caller receives a
    // reference to release, as from MFC's GetIDispatch(TRUE).
    IDispatch* applicationDispatch(bool addRef);

    struct State;

private:
    AutomationModel();
    ~AutomationModel();
    std::unique_ptr<State> m_state;
};
} // namespace cadhost
