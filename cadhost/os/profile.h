// The Windows profile (INI) functions. Files are UTF-8; section and key names are compared without
// regard to case; nothing is cached, so every read goes to the file and every write changes it at once.
// A write creates the file when its folder exists and never creates the folder.
#pragma once

#include "adesk.h"
#include "windef.h"

// Copies at most size - 1 characters of the value (or of the default when the key is missing) into
// buffer, terminated, and returns the number of characters copied. A null key asks for the names of
// the section's keys instead: each ends with a null and the list with another; a list that does not
// fit is cut and size - 2 is returned.
CADHOST_EXPORT DWORD GetPrivateProfileStringW(LPCWSTR section, LPCWSTR key, LPCWSTR defaultValue, LPWSTR buffer,
                                              DWORD size, LPCWSTR fileName);
// The value's leading decimal digits as a number; 0 when the value does not start with a digit (a negative
// value included); the default when the key is missing.
CADHOST_EXPORT UINT GetPrivateProfileIntW(LPCWSTR section, LPCWSTR key, int defaultValue, LPCWSTR fileName);
// A null key removes the section, a null value removes the key.
CADHOST_EXPORT BOOL WritePrivateProfileStringW(LPCWSTR section, LPCWSTR key, LPCWSTR value, LPCWSTR fileName);
// The section's "key=value" entries in file order, each ending with a null and the list with another; a
// list that does not fit is cut and size - 2 is returned.
CADHOST_EXPORT DWORD GetPrivateProfileSectionW(LPCWSTR section, LPWSTR buffer, DWORD size, LPCWSTR fileName);
// Replaces every key of the section, in one write of the file, with the "key=value" entries of the list:
// each entry ends with a null and the list with another. The section keeps its place in the file; an
// entry without "=" is left out.
CADHOST_EXPORT BOOL WritePrivateProfileSectionW(LPCWSTR section, LPCWSTR keysAndValues, LPCWSTR fileName);
