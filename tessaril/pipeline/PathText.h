// Splitting and joining path texts. Both "\" and "/" separate elements; joining uses "/".
#pragma once

#include "afxstr.h"

namespace pathtext {

// The path without its last element and without the separator before it ("" when there is none).
CString folderOf(const CString& path);
// The last element ("" when the path ends with a separator).
CString nameOf(const CString& path);
// The last element's extension from its last dot, dot included ("" when it has no dot).
CString extensionOf(const CString& path);
// folder, a separator unless the folder already ends with one, and the name.
CString join(const CString& folder, const CString& name);
// The path without separators at its end.
CString trimSeparators(const CString& path);
bool equalNoCase(const CString& left, const CString& right);

} // namespace pathtext
