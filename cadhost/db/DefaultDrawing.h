// The drawing a new database starts with.
#pragma once

class AcDbDatabase;

namespace cadhost {
// Model space and one paper-space layout, layer "0", linetypes ByBlock, ByLayer and Continuous,
// text style and dimension style "Standard", registered application "ACAD", the layout dictionary.
void buildDefaultDrawing(AcDbDatabase* database);
} // namespace cadhost
