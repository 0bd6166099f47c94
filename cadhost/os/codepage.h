// Conversion between wide strings and byte strings. The system's ANSI code page is UTF-8 on this
// platform, so CP_ACP and CP_UTF8 mean the same encoding.
#pragma once

#include "adesk.h"
#include "windef.h"

#include <string>
#include <string_view>

constexpr UINT CP_ACP = 0;
constexpr UINT CP_UTF8 = 65001;

// Windows semantics: a length of -1 means "up to and including the terminating NUL"; a buffer size of
// 0 asks for the size needed. Returns the number of units written (or needed), 0 on failure. Malformed
// input becomes U+FFFD (or '?' when a character cannot be encoded).
CADHOST_EXPORT int WideCharToMultiByte(UINT codePage, DWORD flags, LPCWSTR wideText, int wideLength, char* bytes,
                                       int byteSize, LPCSTR defaultChar, BOOL* usedDefaultChar);
CADHOST_EXPORT int MultiByteToWideChar(UINT codePage, DWORD flags, LPCSTR bytes, int byteLength, LPWSTR wideText,
                                       int wideSize);

namespace cadhost {
CADHOST_EXPORT std::string toUtf8(std::wstring_view text);
CADHOST_EXPORT std::wstring fromUtf8(std::string_view bytes);
} // namespace cadhost
