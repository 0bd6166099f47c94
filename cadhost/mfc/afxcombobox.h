// MFC's combo box: a drop-down list, or an editable drop-down whose typed text clears the selection.
// With CBS_SORT, AddString inserts in alphabetical order ignoring case.
#pragma once

#include "afxwnd.h"

class CADHOST_EXPORT CComboBox : public CWnd {
public:
    int AddString(LPCTSTR text);
    int InsertString(int index, LPCTSTR text);
    int DeleteString(UINT index);
    void ResetContent();
    int GetCount() const;
    int GetCurSel() const;
    // Selects the item (its text becomes the box's text); -1 clears the selection. Answers the index, or
    // CB_ERR for -1 or an index out of range.
    int SetCurSel(int index);
    int SetItemData(int index, DWORD_PTR data);
    DWORD_PTR GetItemData(int index) const;
    void GetLBText(int index, CString& text) const;
    int GetLBText(int index, LPTSTR buffer) const;
    int GetLBTextLen(int index) const;
    // Searches after startAfter (-1: from the start), wrapping around, for an item equal to (FindStringExact)
    // or starting with (FindString) the text, ignoring case.
    int FindStringExact(int startAfter, LPCTSTR text) const;
    int FindString(int startAfter, LPCTSTR text) const;
    int SelectString(int startAfter, LPCTSTR text);

private:
    bool validIndex(int index) const { return index >= 0 && index < GetCount(); }
};
