// A static text that looks and behaves like a link: underlined, coloured by its state (normal, hovered,
// visited), a hand cursor while the pointer is over it, and a tooltip that shows its address. A click
// calls the click callback; unless that declines, the link counts as visited.
#pragma once

#include "afxcursor.h"
#include "afxgdi.h"
#include "afxstatic.h"
#include "afxtooltip.h"

#include <functional>

class CLinkLable : public CStatic {
public:
    static constexpr COLORREF kNormalColor = 0xEE0000;

    CLinkLable();
    ~CLinkLable() override;

    void setAddress(const CString& address);
    const CString& address() const { return m_address; }
    // Returns false when the click did nothing.
    void setClickCallback(std::function<bool()> callback) { m_clicked = std::move(callback); }

    bool isHovered() const { return m_hovered; }
    bool isVisited() const { return m_visited; }
    COLORREF textColor() const;

    BOOL PreTranslateMessage(MSG* message) override;

protected:
    CLinkLable(COLORREF visitedColor, COLORREF hoverColor);

    void PreSubclassWindow() override;
    // What a click does; answers whether the link was followed.
    virtual bool follow();

    HBRUSH CtlColor(CDC* dc, UINT controlType);
    void OnMouseMove(UINT flags, CPoint point);
    BOOL OnSetCursor(CWnd* window, UINT hitTest, UINT message);
    void OnClicked();

    DECLARE_MESSAGE_MAP()

private:
    void fitToText();

    COLORREF m_visitedColor;
    COLORREF m_hoverColor;
    CString m_address;
    std::function<bool()> m_clicked;
    CFont m_underlinedFont;
    CToolTipCtrl m_toolTip;
    HCURSOR m_cursor = nullptr;
    bool m_hovered = false;
    bool m_visited = false;
};
