#include "afxtabctrl.h"

#include <utility>

LONG CTabCtrl::InsertItem(int item, LPCTSTR text)
{
    auto& items = window().items;
    if (item < 0)
        return -1;
    const int at = item > GetItemCount() ? GetItemCount() : item;
    items.insert(items.begin() + at, ListItem{text != nullptr ? text : L"", 0});
    if (window().selection == -1)
        window().selection = 0;
    else if (window().selection >= at && GetItemCount() > 1)
        ++window().selection;
    return at;
}

BOOL CTabCtrl::DeleteItem(int item)
{
    auto& items = window().items;
    if (item < 0 || item >= GetItemCount())
        return FALSE;
    items.erase(items.begin() + item);
    int& selection = window().selection;
    if (selection == item)
        selection = items.empty() ? -1 : 0;
    else if (selection > item)
        --selection;
    return TRUE;
}

BOOL CTabCtrl::DeleteAllItems()
{
    window().items.clear();
    window().selection = -1;
    return TRUE;
}

int CTabCtrl::GetItemCount() const
{
    return static_cast<int>(window().items.size());
}

int CTabCtrl::GetCurSel() const
{
    return window().selection;
}

int CTabCtrl::SetCurSel(int item)
{
    if (item < 0 || item >= GetItemCount())
        return -1;
    return std::exchange(window().selection, item);
}

CString CTabCtrl::GetItemText(int item) const
{
    return item >= 0 && item < GetItemCount() ? CString(window().items[static_cast<std::size_t>(item)].text)
                                              : CString();
}
