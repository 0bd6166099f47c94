// MFC's list view control in report style: columns, rows with sub-item texts, item data and selection.
#pragma once

#include "afxwnd.h"

struct __POSITION;
using POSITION = __POSITION*;

class CADHOST_EXPORT CListCtrl : public CWnd {
public:
    DWORD GetExtendedStyle() const;
    DWORD SetExtendedStyle(DWORD style);

    int InsertColumn(int column, LPCTSTR heading, int format = LVCFMT_LEFT, int width = -1, int subItem = -1);
    BOOL DeleteColumn(int column);
    int GetColumnWidth(int column) const;
    BOOL SetColumnWidth(int column, int width);
    int GetColumnCount() const;

    int InsertItem(int item, LPCTSTR text);
    BOOL DeleteItem(int item);
    BOOL DeleteAllItems();
    int GetItemCount() const;
    BOOL SetItemText(int item, int subItem, LPCTSTR text);
    CString GetItemText(int item, int subItem) const;
    BOOL SetItemData(int item, DWORD_PTR data);
    DWORD_PTR GetItemData(int item) const;

    UINT GetItemState(int item, UINT mask) const;
    BOOL SetItemState(int item, UINT state, UINT mask);
    UINT GetSelectedCount() const;
    // Selected rows in row order: the position is one past the row index, null after the last.
    POSITION GetFirstSelectedItemPosition() const;
    int GetNextSelectedItem(POSITION& position) const;
    int GetNextItem(int item, int flags) const;

private:
    bool validItem(int item) const { return item >= 0 && item < GetItemCount(); }
    POSITION positionFrom(int start) const;
};
