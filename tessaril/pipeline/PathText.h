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
// The path made absolute against the working folder (unchanged when it already is).
CString absolute(const CString& path);
// Whether both paths name the same place once made absolute, with links resolved and dot elements and
// trailing separators dropped; a path that cannot be resolved names no place.
bool samePlace(const CString& left, const CString& right);
// Whether the path, resolved as samePlace does, is the folder or lies below it.
bool liesWithin(const CString& path, const CString& folder);

} // namespace pathtext
