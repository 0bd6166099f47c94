// MFC's common controls: list view and tab control.
#pragma once

#include "afxlistctrl.h"
#include "afxtabctrl.h"
#include "afxwin.h"
