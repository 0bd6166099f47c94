// The layer that carries the watermark, "图纸外发系统_请勿修改": created when missing, and put back
// into its working state (unlocked, thawed, on, plottable, continuous) when a drawing changed it.
#pragma once

#include "dbmain.h"

inline constexpr const wchar_t* kProtectLayerName = L"图纸外发系统_请勿修改";

// The layer's id in the drawing converted last.
extern AcDbObjectId ProtectLayerId;

Acad::ErrorStatus ensureProtectLayer(AcDbDatabase* database, AcDbObjectId& layerId);
