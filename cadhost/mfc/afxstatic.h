// MFC's static text control. With SS_NOTIFY it tells its parent when it is clicked (STN_CLICKED).
#pragma once

#include "afxwnd.h"

class CADHOST_EXPORT CStatic : public CWnd {};
