// The editor's system variables and display.
#pragma once

#include "adsdef.h"

// Reads a system variable (names without regard to case) of the current document, or of the working
// database without documents. RTNORM, or RTERROR for an unknown name or without a drawing. A string
// value is allocated for the caller, who frees it with acutDelString or by releasing the buffer with
// acutRelRb when it heads a chain.
//   TILEMODE (RTSHORT)  1 in model space, 0 on a paper-space layout
//   VSMIN, VSMAX (RT3DPOINT)  the corners of the current view of model space
//   CTAB (RTSTR)  "Model" or the name of the active layout
//   DBMOD (RTSHORT)  1 while the drawing has unsaved changes
CADHOST_EXPORT int acedGetVar(const ACHAR* name, resbuf* value);
// Sets a system variable: RTNORM, RTERROR for an unknown name or without a drawing, RTREJ for a value of
// the wrong type, a value out of range or a variable that is read-only (VSMIN, VSMAX, DBMOD).
CADHOST_EXPORT int acedSetVar(const ACHAR* name, const resbuf* value);
// Regenerates what the current document shows.
CADHOST_EXPORT void acedUpdateDisplay();
