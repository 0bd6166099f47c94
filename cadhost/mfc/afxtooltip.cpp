#include "afxtooltip.h"

#include <algorithm>

BOOL CToolTipCtrl::Create(CWnd*, DWORD style)
{
    if (m_hWnd != nullptr)
        return FALSE;
    adoptWindow(std::make_unique<HWND__>(WindowKind::Window, L"tooltips_class32", 0, WS_POPUP | style, L"", CRect()));
    return TRUE;
}

BOOL CToolTipCtrl::AddTool(CWnd* tool, LPCTSTR text, LPCRECT, UINT_PTR toolId)
{
    if (m_hWnd == nullptr || tool == nullptr || tool->m_hWnd == nullptr)
        return FALSE;
    if (Tool* existing = find(tool->m_hWnd, toolId))
        existing->text = text;
    else
        m_tools.push_back(Tool{tool->m_hWnd, toolId, text});
    return TRUE;
}

void CToolTipCtrl::DelTool(CWnd* tool, UINT_PTR toolId)
{
    if (tool == nullptr)
        return;
    std::erase_if(m_tools, [&](const Tool& entry) { return entry.window == tool->m_hWnd && entry.id == toolId; });
}

void CToolTipCtrl::UpdateTipText(LPCTSTR text, CWnd* tool, UINT_PTR toolId)
{
    if (tool == nullptr)
        return;
    if (Tool* existing = find(tool->m_hWnd, toolId))
        existing->text = text;
}

void CToolTipCtrl::GetText(CString& text, CWnd* tool, UINT_PTR toolId) const
{
    const Tool* existing = tool != nullptr ? find(tool->m_hWnd, toolId) : nullptr;
    text = existing != nullptr ? existing->text : CString();
}

void CToolTipCtrl::Activate(BOOL activate)
{
    m_active = activate != FALSE;
    if (!m_active && m_hWnd != nullptr)
        ShowWindow(SW_HIDE);
}

void CToolTipCtrl::RelayEvent(LPMSG message)
{
    if (m_hWnd == nullptr || message == nullptr)
        return;
    const auto over = std::find_if(m_tools.begin(), m_tools.end(), [&](const Tool& tool) {
        if (tool.window != message->hwnd)
            return false;
        const int x = static_cast<short>(LOWORD(static_cast<DWORD_PTR>(message->lParam)));
        const int y = static_cast<short>(HIWORD(static_cast<DWORD_PTR>(message->lParam)));
        return x >= 0 && x < tool.window->rect.Width() && y >= 0 && y < tool.window->rect.Height();
    });
    if (m_active && message->message == WM_MOUSEMOVE && over != m_tools.end()) {
        SetWindowText(over->text);
        ShowWindow(SW_SHOWNOACTIVATE);
    } else {
        ShowWindow(SW_HIDE);
    }
}

CToolTipCtrl::Tool* CToolTipCtrl::find(HWND window, UINT_PTR toolId)
{
    const auto found = std::find_if(m_tools.begin(), m_tools.end(),
                                    [&](const Tool& tool) { return tool.window == window && tool.id == toolId; });
    return found != m_tools.end() ? &*found : nullptr;
}

const CToolTipCtrl::Tool* CToolTipCtrl::find(HWND window, UINT_PTR toolId) const
{
    return const_cast<CToolTipCtrl*>(this)->find(window, toolId);
}
