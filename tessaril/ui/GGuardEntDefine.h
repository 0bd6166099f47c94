// A named set of kind switches offered by the kinds page, read from config/GuardConfig.xml.
#pragma once

#include "afxstr.h"
#include "afxtempl.h"
#include "pipeline/GGuardTypeFlags.h"

#include <cstdint>
#include <filesystem>

struct GGuardEntDefine {
    GGuardTypeFlags flags;
    CString name;
};

using GGuardEntDefineArray = CArray<GGuardEntDefine>;

// The presets of the file in document order: one per GuardType element of the first GuardTypes element
// under the document element. A missing or unreadable file, or one without GuardTypes, gives none.
void loadGuardPresets(const std::filesystem::path& file, GGuardEntDefineArray& presets);

// A mask written in decimal: leading blanks, an optional sign, digits up to the first other character;
// no digits give 0.
std::uint32_t parseGuardMask(const char* text);
