// The mark every converted entity carries: extended data of the registered application
// "KelvoLockEntity" holding the application name and one fixed text.
#pragma once

#include "dbmain.h"

inline constexpr const wchar_t* kLockMarkerApplication = L"KelvoLockEntity";
inline constexpr const wchar_t* kLockMarkerText = L"Tessaril";

// Replaces whatever the entity held after the application name by the marker text, registering the
// application in the entity's database when needed. A failure is printed on the command line.
Acad::ErrorStatus setLockMarker(AcDbEntity* entity, const wchar_t* marker = kLockMarkerText);
