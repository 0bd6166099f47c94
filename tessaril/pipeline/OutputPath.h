// Where a source drawing's protected copy goes when the batch names no output path for it.
#pragma once

#include "GGuardOption.h"

// In the output folder under the source's base name with ".dwg"; when the source already lies in the
// output folder, "_G" is added to the base name so the source is not overwritten. A source path
// without a folder comes back unchanged.
CString deriveOutputPath(const CString& sourcePath, const GGuardOption& options);
