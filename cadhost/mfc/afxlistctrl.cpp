#include "afxlistctrl.h"

#include <utility>

DWORD CListCtrl::GetExtendedStyle() const
{
    return window().extendedStyle;
}

DWORD CListCtrl::SetExtendedStyle(DWORD style)
{
    return std::exchange(window().extendedStyle, style);
}

int CListCtrl::InsertColumn(int column, LPCTSTR heading, int format, int width, int)
{
    auto& columns = window().columns;
    const int at = column < 0 || column > static_cast<int>(columns.size()) ? static_cast<int>(columns.size()) : column;
    columns.insert(columns.begin() + at, ListViewColumn{heading != nullptr ? heading : L"", format, width});
    for (ListViewRow& row : window().rows) {
        if (static_cast<int>(row.texts.size()) > at)
            row.texts.insert(row.texts.begin() + at, std::wstring());
    }
    return at;
}

BOOL CListCtrl::DeleteColumn(int column)
{
    auto& columns = window().columns;
    if (column < 0 || column >= static_cast<int>(columns.size()))
        return FALSE;
    columns.erase(columns.begin() + column);
    for (ListViewRow& row : window().rows) {
        if (static_cast<int>(row.texts.size()) > column)
            row.texts.erase(row.texts.begin() + column);
    }
    return TRUE;
}

int CListCtrl::GetColumnWidth(int column) const
{
    const auto& columns = window().columns;
    return column >= 0 && column < static_cast<int>(columns.size()) ? columns[static_cast<std::size_t>(column)].width
                                                                    : 0;
}

BOOL CListCtrl::SetColumnWidth(int column, int width)
{
    auto& columns = window().columns;
    if (column < 0 || column >= static_cast<int>(columns.size()))
        return FALSE;
    columns[static_cast<std::size_t>(column)].width = width;
    return TRUE;
}

int CListCtrl::GetColumnCount() const
{
    return static_cast<int>(window().columns.size());
}

int CListCtrl::InsertItem(int item, LPCTSTR text)
{
    auto& rows = window().rows;
    if (item < 0)
        return -1;
    const int at = item > GetItemCount() ? GetItemCount() : item;
    rows.insert(rows.begin() + at, ListViewRow{{text != nullptr ? text : L""}, 0, 0});
    return at;
}

BOOL CListCtrl::DeleteItem(int item)
{
    if (!validItem(item))
        return FALSE;
    auto& rows = window().rows;
    rows.erase(rows.begin() + item);
    return TRUE;
}

BOOL CListCtrl::DeleteAllItems()
{
    window().rows.clear();
    return TRUE;
}

int CListCtrl::GetItemCount() const
{
    return static_cast<int>(window().rows.size());
}

BOOL CListCtrl::SetItemText(int item, int subItem, LPCTSTR text)
{
    if (!validItem(item) || subItem < 0 || (subItem > 0 && subItem >= GetColumnCount()))
        return FALSE;
    auto& texts = window().rows[static_cast<std::size_t>(item)].texts;
    if (static_cast<int>(texts.size()) <= subItem)
        texts.resize(static_cast<std::size_t>(subItem) + 1);
    texts[static_cast<std::size_t>(subItem)] = text != nullptr ? text : L"";
    return TRUE;
}

CString CListCtrl::GetItemText(int item, int subItem) const
{
    if (!validItem(item) || subItem < 0)
        return {};
    const auto& texts = window().rows[static_cast<std::size_t>(item)].texts;
    return subItem < static_cast<int>(texts.size()) ? CString(texts[static_cast<std::size_t>(subItem)]) : CString();
}

BOOL CListCtrl::SetItemData(int item, DWORD_PTR data)
{
    if (!validItem(item))
        return FALSE;
    window().rows[static_cast<std::size_t>(item)].data = data;
    return TRUE;
}

DWORD_PTR CListCtrl::GetItemData(int item) const
{
    return validItem(item) ? window().rows[static_cast<std::size_t>(item)].data : 0;
}

UINT CListCtrl::GetItemState(int item, UINT mask) const
{
    return validItem(item) ? window().rows[static_cast<std::size_t>(item)].state & mask : 0;
}

BOOL CListCtrl::SetItemState(int item, UINT state, UINT mask)
{
    auto& rows = window().rows;
    const bool single = (GetStyle() & LVS_SINGLESEL) != 0;
    const auto apply = [&](ListViewRow& row) { row.state = (row.state & ~mask) | (state & mask); };
    if (item == -1) {
        for (ListViewRow& row : rows)
            apply(row);
        return TRUE;
    }
    if (!validItem(item))
        return FALSE;
    if (single && (mask & state & LVIS_SELECTED) != 0) {
        for (ListViewRow& row : rows)
            row.state &= ~LVIS_SELECTED;
    }
    apply(rows[static_cast<std::size_t>(item)]);
    return TRUE;
}

UINT CListCtrl::GetSelectedCount() const
{
    UINT count = 0;
    for (const ListViewRow& row : window().rows)
        count += (row.state & LVIS_SELECTED) != 0 ? 1 : 0;
    return count;
}

POSITION CListCtrl::GetFirstSelectedItemPosition() const
{
    return positionFrom(0);
}

int CListCtrl::GetNextSelectedItem(POSITION& position) const
{
    const auto item = static_cast<int>(reinterpret_cast<std::intptr_t>(position)) - 1;
    position = positionFrom(item + 1);
    return item;
}

int CListCtrl::GetNextItem(int item, int flags) const
{
    for (int next = item + 1; next < GetItemCount(); ++next) {
        if ((static_cast<UINT>(flags) & LVNI_SELECTED) == 0 || GetItemState(next, LVIS_SELECTED) != 0)
            return next;
    }
    return -1;
}

POSITION CListCtrl::positionFrom(int start) const
{
    for (int item = start; item < GetItemCount(); ++item) {
        if (GetItemState(item, LVIS_SELECTED) != 0)
            return reinterpret_cast<POSITION>(static_cast<std::intptr_t>(item) + 1);
    }
    return nullptr;
}
