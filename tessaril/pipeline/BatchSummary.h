// The message that ends a batch: how many drawings were protected and why the others were not.
#pragma once

#include "GFileResult.h"

CString batchSummary(const CArray<GFileResult>& results);
