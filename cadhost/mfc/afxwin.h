// MFC's window classes: windows, dialogs, the standard controls, data exchange and message boxes.
#pragma once

#include "afx.h"
#include "afxbutton.h"
#include "afxcombobox.h"
#include "afxddx.h"
#include "afxdialog.h"
#include "afxedit.h"
#include "afxmsgbox.h"
#include "afxstatic.h"
#include "afxwnd.h"
#include "dialogtemplate.h"
