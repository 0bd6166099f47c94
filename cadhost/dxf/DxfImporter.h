// Brings an ASCII DXF drawing into a cadhost database: its layers, linetypes, text and dimension styles,
// blocks, layouts and entities. What the file holds that cadhost has no class for is counted per kind
// in the report rather than dropped unseen.
#pragma once

#include "dbmain.h"

#include <filesystem>
#include <map>
#include <string>

namespace cadhost::dxf {

struct DxfImportReport {
    // Entity kinds (DXF names) that were not imported, with how many of each the file holds.
    std::map<std::string, int> skippedKinds;
};

// database: a new database holding the default drawing. Throws DxfError when the file cannot be read
// or holds values no drawing can hold; the database is then only partly built and must be discarded.
DxfImportReport importDxf(const std::filesystem::path& path, AcDbDatabase& database);

} // namespace cadhost::dxf
