// Brings an ASCII DXF drawing into a cadhost database: its layers, linetypes, text and dimension styles,
// blocks, layouts and entities. An entity of a kind cadhost has no class for is kept as its DXF data and
// counted per kind in the report.
#pragma once

#include "dbmain.h"

#include <filesystem>
#include <map>
#include <string>

namespace cadhost::dxf {

struct DxfImportReport {
    // Entity kinds (DXF names) kept only as their DXF data, with how many of each the file holds.
    std::map<std::string, int> keptKinds;
};

// database: a new database holding the default drawing. Throws DxfError when the file cannot be read
// or holds values no drawing can hold; the database is then only partly built and must be discarded.
DxfImportReport importDxf(const std::filesystem::path& path, AcDbDatabase& database);

} // namespace cadhost::dxf
