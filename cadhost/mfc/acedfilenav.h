// The host's file navigation dialog. The chosen files come from the UI driver.
#pragma once

#include "adsdef.h"

// RTNORM with a chain of RTSTR result buffers, one full path per chosen file, which the caller releases
// with acutRelRb; RTCAN with a null chain when the dialog was cancelled.
CADHOST_EXPORT int acedGetFileNavDialog(const ACHAR* title, const ACHAR* defawlt, const ACHAR* ext,
                                        const ACHAR* dlgname, int flags, resbuf** result);
