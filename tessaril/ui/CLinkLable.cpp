#include "CLinkLable.h"

BEGIN_MESSAGE_MAP(CLinkLable, CStatic)
ON_WM_CTLCOLOR_REFLECT()
ON_WM_MOUSEMOVE()
ON_WM_SETCURSOR()
ON_CONTROL_REFLECT(STN_CLICKED, &CLinkLable::OnClicked)
END_MESSAGE_MAP()

CLinkLable::CLinkLable() : CLinkLable(kNormalColor, kNormalColor)
{
}

CLinkLable::CLinkLable(COLORREF visitedColor, COLORREF hoverColor)
    : m_visitedColor(visitedColor), m_hoverColor(hoverColor)
{
}

CLinkLable::~CLinkLable()
{
    if (m_cursor != nullptr)
        DestroyCursor(m_cursor);
}

void CLinkLable::setAddress(const CString& address)
{
    m_address = address;
    if (m_toolTip.GetToolCount() > 0)
        m_toolTip.UpdateTipText(m_address, this);
}

COLORREF CLinkLable::textColor() const
{
    if (m_hovered)
        return m_hoverColor;
    return m_visited ? m_visitedColor : kNormalColor;
}

BOOL CLinkLable::PreTranslateMessage(MSG* message)
{
    m_toolTip.RelayEvent(message);
    return CStatic::PreTranslateMessage(message);
}

void CLinkLable::PreSubclassWindow()
{
    CStatic::PreSubclassWindow();
    ModifyStyle(0, SS_NOTIFY);

    LOGFONTW font{};
    if (CFont* current = GetFont(); current != nullptr)
        current->GetLogFont(&font);
    font.lfUnderline = TRUE;
    m_underlinedFont.CreateFontIndirect(&font);
    SetFont(&m_underlinedFont);
    fitToText();

    // The system's hand cursor stands in for the one the help viewer carries on Windows.
    if (m_cursor == nullptr)
        m_cursor = CopyIcon(LoadCursorW(nullptr, IDC_HAND));

    m_toolTip.Create(this);
    m_toolTip.AddTool(this, m_address);
}

void CLinkLable::fitToText()
{
    CString text;
    GetWindowText(text);
    const CSize size = CClientDC(this).GetTextExtent(text);

    CRect rect;
    GetWindowRect(rect);
    GetParent()->ScreenToClient(rect);
    const DWORD style = GetStyle();
    int left = rect.left;
    if ((style & SS_CENTER) != 0)
        left += (rect.Width() - size.cx) / 2;
    else if ((style & SS_RIGHT) != 0)
        left = rect.right - size.cx;
    int top = rect.top;
    if ((style & SS_CENTERIMAGE) != 0)
        top += (rect.Height() - size.cy) / 2;
    MoveWindow(left, top, size.cx, size.cy);
}

bool CLinkLable::follow()
{
    return !m_clicked || m_clicked();
}

HBRUSH CLinkLable::CtlColor(CDC* dc, UINT)
{
    dc->SetTextColor(textColor());
    dc->SetBkMode(TRANSPARENT);
    return static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
}

void CLinkLable::OnMouseMove(UINT, CPoint point)
{
    CRect client;
    GetClientRect(client);
    const bool inside = client.PtInRect(point);
    if (inside == m_hovered)
        return;
    m_hovered = inside;
    if (inside)
        SetCapture();
    else
        ReleaseCapture();
    Invalidate();
}

BOOL CLinkLable::OnSetCursor(CWnd*, UINT, UINT)
{
    if (m_cursor == nullptr)
        return FALSE;
    ::SetCursor(m_cursor);
    return TRUE;
}

void CLinkLable::OnClicked()
{
    if (!follow())
        return;
    m_visited = true;
    Invalidate();
}
