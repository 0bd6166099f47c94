#include "afxbutton.h"

void CButton::SetButtonStyle(UINT style, BOOL)
{
    ModifyStyle(BS_TYPEMASK, style & BS_TYPEMASK);
}
