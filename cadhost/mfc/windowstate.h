// What the window manager keeps for each window: the headless counterpart of an HWND. Dialogs, pages and
// controls are trees of these; CWnd objects attach to them as MFC objects attach to window handles.
#pragma once

#include "afxgdi.h"
#include "afxrect.h"
#include "commctrl.h"

#include <memory>
#include <string>
#include <vector>

class CWnd;

enum class WindowKind { Window, Dialog, Button, Edit, ComboBox, ListView, TabControl, DateTimePicker, Static };

struct ListItem {
    std::wstring text;
    DWORD_PTR data = 0;
};

struct ListViewColumn {
    std::wstring heading;
    int format = LVCFMT_LEFT;
    int width = 0;
};

struct ListViewRow {
    std::vector<std::wstring> texts;
    UINT state = 0;
    DWORD_PTR data = 0;
};

struct CADHOST_EXPORT HWND__ {
    HWND__(WindowKind kind, std::wstring className, UINT id, DWORD style, std::wstring text, const CRect& rect);
    ~HWND__();
    HWND__(const HWND__&) = delete;
    HWND__& operator=(const HWND__&) = delete;

    WindowKind kind;
    std::wstring className;
    UINT id;
    DWORD style;
    std::wstring text;
    CRect rect; // dialog units, relative to the parent's client area
    HWND__* parent = nullptr;
    std::vector<std::unique_ptr<HWND__>> children;
    CWnd* attached = nullptr;        // the permanent object that subclasses this window
    std::unique_ptr<CWnd> temporary; // the object handed out when none is attached

    UINT check = BST_UNCHECKED;  // buttons
    std::vector<ListItem> items; // combo box entries and tabs
    int selection = -1;          // combo box and tab selection
    std::vector<ListViewColumn> columns;
    std::vector<ListViewRow> rows;
    DWORD extendedStyle = 0;        // list view extended style
    SYSTEMTIME date{};              // date picker
    UINT templateId = 0;            // dialogs
    CFont* font = nullptr;          // the font the window draws with, owned elsewhere
    std::unique_ptr<CFont> ownFont; // a dialog's font from its template

    bool isEnabled() const { return (style & WS_DISABLED) == 0; }
    // Visible on screen: this window and every ancestor has WS_VISIBLE.
    bool isShown() const;
    HWND__* addChild(std::unique_ptr<HWND__> child);
    // Removes a child from this window and hands over its ownership.
    std::unique_ptr<HWND__> removeChild(HWND__* child);
    HWND__* findChild(UINT childId) const;
    // The object that answers for this window: the attached one, else a temporary of the matching class.
    CWnd* object();
    // Detaches every object of this window and its descendants, as when the windows are destroyed.
    void detachAll();
};

namespace cadhost {
// The window that has captured the mouse, if any.
CADHOST_EXPORT HWND& captureWindow();
// The kind of control that a window class name and style make.
CADHOST_EXPORT WindowKind windowKindOf(const std::wstring& className);
// The short date text shown by a date picker, year/month/day as on a Chinese system ("2024/5/17").
CADHOST_EXPORT std::wstring shortDateText(const SYSTEMTIME& date);
CADHOST_EXPORT SYSTEMTIME today();
} // namespace cadhost
