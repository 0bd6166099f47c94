// The host's main frame window: the parent of the plug-in's dialogs.
#pragma once

#include "afxwnd.h"

CADHOST_EXPORT CWnd* acedGetAcadFrame();
CADHOST_EXPORT HWND adsw_acadMainWnd();
