// Where a source drawing's protected copy goes when the batch names no output path for it.
#pragma once

#include "GGuardOption.h"

// In the output folder under the source's base name with ".dwg"; when the source already lies in the
// output folder, however either is spelt, "_G" is added to the base name so the source is not
// overwritten. A source without a folder lies in the working folder, which is also where the result
// goes when no output folder is set.
CString deriveOutputPath(const CString& sourcePath, const GGuardOption& options);
