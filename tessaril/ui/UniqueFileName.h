// The name a result gets when a file of its name exists and is not to be overwritten: the file name up
// to its first dot, a numbered suffix "_001", "_002", ... and the extension from the last dot, in the
// same folder ("a.b.dwg" becomes "a_001.dwg").
#pragma once

#include "afxstr.h"

// The path itself when nothing exists there; else the first numbered name that is free. A folder holds
// finitely many files, so counting on always ends at a free name.
CString uniqueFileName(const CString& path);

// The run of digits at the end of the suffix plus one, keeping its width and growing when it must
// ("_009" becomes "_010", "_999" becomes "_1000").
CString incrementSuffix(const CString& suffix);
