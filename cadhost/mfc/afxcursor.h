// Mouse cursors. The system's standard cursors are available by their ids; the current cursor is what
// the last SetCursor chose.
#pragma once

#include "adesk.h"
#include "winuser.h"

struct HICON__;
using HICON = HICON__*;
using HCURSOR = HICON;

#define MAKEINTRESOURCEW(id) (reinterpret_cast<LPCWSTR>(static_cast<std::uintptr_t>(static_cast<WORD>(id))))
#define IDC_ARROW MAKEINTRESOURCEW(32512)
#define IDC_HAND MAKEINTRESOURCEW(32649)

// A standard cursor when module is null; nothing for other modules, whose cursors this platform does not
// load.
CADHOST_EXPORT HCURSOR LoadCursorW(HINSTANCE module, LPCWSTR name);
CADHOST_EXPORT HCURSOR SetCursor(HCURSOR cursor);
CADHOST_EXPORT HCURSOR GetCursor();
CADHOST_EXPORT HICON CopyIcon(HICON icon);
CADHOST_EXPORT BOOL DestroyCursor(HCURSOR cursor);
