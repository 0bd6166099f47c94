// MFC's standard dialogs.
#pragma once

#include "afxfiledialog.h"
#include "afxwin.h"
