// MFC's button: push buttons, check boxes, radio buttons and group boxes.
#pragma once

#include "afxwnd.h"

class CADHOST_EXPORT CButton : public CWnd {
public:
    int GetCheck() const { return static_cast<int>(window().check); }
    void SetCheck(int check) { window().check = static_cast<UINT>(check); }
    UINT GetButtonStyle() const { return GetStyle() & BS_TYPEMASK; }
    void SetButtonStyle(UINT style, BOOL redraw = TRUE);
};
