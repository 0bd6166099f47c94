// MFC's date and time controls.
#pragma once

#include "afxdatetimectrl.h"
#include "afxwin.h"
