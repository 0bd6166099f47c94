// MFC's tooltip control. Tools are windows with a text; a mouse move relayed over a tool's window shows
// the tooltip with that text, any other relayed message hides it.
#pragma once

#include "afxwnd.h"

#include <vector>

class CADHOST_EXPORT CToolTipCtrl : public CWnd {
public:
    BOOL Create(CWnd* parent, DWORD style = 0);
    BOOL AddTool(CWnd* tool, LPCTSTR text, LPCRECT rect = nullptr, UINT_PTR toolId = 0);
    void DelTool(CWnd* tool, UINT_PTR toolId = 0);
    void UpdateTipText(LPCTSTR text, CWnd* tool, UINT_PTR toolId = 0);
    void GetText(CString& text, CWnd* tool, UINT_PTR toolId = 0) const;
    int GetToolCount() const { return static_cast<int>(m_tools.size()); }
    void Activate(BOOL activate);
    void RelayEvent(LPMSG message);

private:
    struct Tool {
        HWND window;
        UINT_PTR id;
        CString text;
    };
    Tool* find(HWND window, UINT_PTR toolId);
    const Tool* find(HWND window, UINT_PTR toolId) const;

    std::vector<Tool> m_tools;
    bool m_active = true;
};
