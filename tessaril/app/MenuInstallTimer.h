// The timer that puts "图纸外发" into the host's File menu once the host's automation objects exist.
#pragma once

#include "windef.h"

constexpr UINT_PTR kMenuTimerId = 55;
constexpr UINT kMenuTimerPeriodMs = 1000;

// Arms the timer without a window, as at load.
void startMenuInstallTimer();
// Kills the timer if it is still armed, so that no timer calls into an unloaded module.
void stopMenuInstallTimer();

// Kills the timer that fired and tries to add the menu item; while the automation objects are not
// available it arms the timer again on the host's main frame.
void CALLBACK MenuInstallTimer(HWND window, UINT message, UINT_PTR id, DWORD time);

// Adds the item after the Save group of the File popup of the group "ACAD". False only when the
// automation objects could not be reached; a menu without the expected places counts as done.
bool installMenuItem();
