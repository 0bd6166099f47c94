// MFC's edit control, single-line or multi-line; a multi-line text separates its lines with "\r\n".
#pragma once

#include "afxwnd.h"

class CADHOST_EXPORT CEdit : public CWnd {
public:
    int GetLineCount() const;
    BOOL SetReadOnly(BOOL readOnly = TRUE);
};
