// Message boxes. Each one goes to the current UI driver, which sees its text, caption and buttons and
// answers as a person would.
#pragma once

#include "adesk.h"
#include "winuser.h"

// The owner may be null. A null caption shows "错误", as Windows does.
CADHOST_EXPORT int MessageBoxW(HWND owner, LPCWSTR text, LPCWSTR caption, UINT type);
// The caption is the host application's name.
CADHOST_EXPORT int AfxMessageBox(LPCTSTR text, UINT type = MB_OK, UINT helpId = 0);
