// MFC's window class over the headless window tree. A CWnd attaches to an HWND (a window of the tree);
// its member functions read and change that window, and its message map receives the notifications of
// the window's children.
#pragma once

#include "afxmsgmap.h"
#include "afxrect.h"
#include "afxstr.h"
#include "windowstate.h"

#include <memory>

class CDataExchange;

class CADHOST_EXPORT CWnd {
public:
    CWnd() = default;
    virtual ~CWnd();
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    HWND m_hWnd = nullptr;

    HWND GetSafeHwnd() const { return m_hWnd; }
    operator HWND() const { return m_hWnd; } // NOLINT(google-explicit-constructor)
    static CWnd* FromHandle(HWND window);

    // Attaches this object to the child control with the id (DDX_Control does this).
    BOOL SubclassDlgItem(UINT id, CWnd* parent);
    BOOL SubclassWindow(HWND window);
    HWND UnsubclassWindow();
    virtual BOOL DestroyWindow();

    void SetWindowText(LPCTSTR text);
    void GetWindowText(CString& text) const;
    int GetWindowText(LPTSTR buffer, int size) const;
    int GetWindowTextLength() const;

    BOOL EnableWindow(BOOL enable = TRUE);
    BOOL IsWindowEnabled() const;
    BOOL ShowWindow(int command);
    BOOL IsWindowVisible() const;
    DWORD GetStyle() const;
    BOOL ModifyStyle(DWORD remove, DWORD add, UINT flags = 0);

    int GetDlgCtrlID() const;
    CWnd* GetParent() const;
    CWnd* GetDlgItem(int id) const;
    void SetDlgItemText(int id, LPCTSTR text);
    int GetDlgItemText(int id, CString& text) const;
    void CheckDlgButton(int id, UINT check);
    UINT IsDlgButtonChecked(int id) const;
    void CheckRadioButton(int firstId, int lastId, int checkId);
    int GetCheckedRadioButton(int firstId, int lastId) const;

    // Rectangles are in dialog units; the client area is the window's own rectangle from (0, 0).
    void GetClientRect(LPRECT rect) const;
    void GetWindowRect(LPRECT rect) const;
    void ScreenToClient(LPRECT rect) const;
    void ClientToScreen(LPRECT rect) const;
    void MoveWindow(int x, int y, int width, int height, BOOL repaint = TRUE);
    void MoveWindow(LPCRECT rect, BOOL repaint = TRUE);
    BOOL SetWindowPos(const CWnd* insertAfter, int x, int y, int cx, int cy, UINT flags);
    // Nothing is painted headless; redraw requests are accepted and have no further effect.
    void Invalidate(BOOL erase = TRUE);

    // The font the window draws its text with; a dialog's controls start with the dialog's font. The window
    // does not own a font set on it.
    CFont* GetFont() const;
    void SetFont(CFont* font, BOOL redraw = TRUE);

    // Mouse capture: the capturing window receives every mouse move, also outside its rectangle.
    CWnd* SetCapture();
    static CWnd* GetCapture();

    // Every input message passes here before it is dispatched; TRUE swallows it.
    virtual BOOL PreTranslateMessage(MSG* message);

    int MessageBox(LPCTSTR text, LPCTSTR caption = nullptr, UINT type = MB_OK);
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);

    BOOL UpdateData(BOOL saveAndValidate = TRUE);
    virtual void DoDataExchange(CDataExchange* exchange);

protected:
    void OnMouseMove(UINT flags, CPoint point);
    BOOL OnSetCursor(CWnd* window, UINT hitTest, UINT message);

    virtual void PreSubclassWindow();
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
    virtual BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result);
    virtual BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
    // Lets a child control handle its own notification (ON_CONTROL_REFLECT, ON_NOTIFY_REFLECT).
    virtual BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);

    static const AFX_MSGMAP* GetThisMessageMap();
    virtual const AFX_MSGMAP* GetMessageMap() const;

    // Takes ownership of a top-level window (a modal dialog or the host's frame) and attaches to it.
    void adoptWindow(std::unique_ptr<HWND__> window);
    // Attaches to a child window that its parent owns; DestroyWindow removes it from the parent.
    void attachCreated(HWND window);
    HWND__& window() const;

private:
    friend struct HWND__;
    const AFX_MSGMAP_ENTRY* findEntry(UINT message, UINT code, UINT id) const;
    BOOL callHandler(const AFX_MSGMAP_ENTRY& entry, UINT id, WPARAM wParam, LPARAM lParam, LRESULT* result);

    std::unique_ptr<HWND__> m_ownedWindow;
    bool m_created = false;
};

CADHOST_EXPORT BOOL ReleaseCapture();

namespace cadhost {
// A control tells its parent about a change: WM_COMMAND with the notification code.
CADHOST_EXPORT void notifyParent(HWND control, UINT code);
// A common control tells its parent about a change: WM_NOTIFY with the header (and what follows it).
CADHOST_EXPORT LRESULT notifyParent(HWND control, NMHDR& header);
} // namespace cadhost
