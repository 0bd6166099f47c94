// MFC's date picker. It starts at today and shows the date as its window text in the short date format.
#pragma once

#include "afxwnd.h"

class CADHOST_EXPORT CDateTimeCtrl : public CWnd {
public:
    DWORD GetTime(SYSTEMTIME* time) const;
    BOOL SetTime(const SYSTEMTIME* time);
};
