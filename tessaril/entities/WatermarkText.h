// The multi-line texts of the watermark grid: their look, their tight extents and the text height that
// makes them fill a grid cell.
#pragma once

#include "afxstr.h"
#include "dbextents.h"
#include "dbmtext.h"

// The joined note lines in the watermark's font: SimSun, not bold, not italic, character set 134.
CString watermarkContents(const CString& lines);

// A grid text: middle left attachment, turned by 45 degrees, wrapped at width.
void shapeWatermarkText(AcDbMText& text, const ACHAR* contents, double width);

// The extents of what the text draws: the union of its exploded single-line texts (nested multi-line
// texts measured the same way), or its own extents when it cannot be exploded.
AcDbExtents measureTextExtents(const AcDbMText& text);

// The text height at which the turned text covers between 0.55 and 0.6 of a cellW x cellH cell in its
// wider direction; after 21 corrections the last height is kept.
double fitWatermarkHeight(const ACHAR* contents, double cellW, double cellH);
