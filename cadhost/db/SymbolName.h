// Names of symbol table records, dictionary entries and registered applications compare without
// regard to case.
#pragma once

#include "adesk.h"

#include <string>
#include <string_view>

namespace cadhost {
CADHOST_EXPORT std::wstring foldName(std::wstring_view name);
CADHOST_EXPORT bool sameName(std::wstring_view first, std::wstring_view second);
// A symbol table name: 1 to 255 characters, none of < > / \ " : ; ? * | , = `; block names may
// begin with '*' (layouts and anonymous blocks).
CADHOST_EXPORT bool isValidSymbolName(std::wstring_view name, bool allowLeadingStar);
} // namespace cadhost
