// MFC's tab control. SetCurSel changes the tab quietly; a person selecting a tab makes the control send
// TCN_SELCHANGING and TCN_SELCHANGE to its parent.
#pragma once

#include "afxwnd.h"

class CADHOST_EXPORT CTabCtrl : public CWnd {
public:
    LONG InsertItem(int item, LPCTSTR text);
    BOOL DeleteItem(int item);
    BOOL DeleteAllItems();
    int GetItemCount() const;
    int GetCurSel() const;
    // Answers the previous selection, or -1 when the index is out of range.
    int SetCurSel(int item);
    CString GetItemText(int item) const;
};
