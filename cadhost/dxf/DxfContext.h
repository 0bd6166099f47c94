// What the entities of a DXF file refer to by name or handle while they are built: the file's text
// encoding, and the ids of the blocks, styles and image definitions already in the database.
#pragma once

#include "DxfText.h"

#include "dbmain.h"

#include <map>
#include <string>

namespace cadhost::dxf {

struct DxfContext {
    explicit DxfContext(AcDbDatabase& target, DxfText textDecoder) : database(target), text(std::move(textDecoder)) {}

    AcDbDatabase& database;
    DxfText text;
    std::map<std::wstring, AcDbObjectId> blocks;          // by upper-case name
    std::map<std::wstring, AcDbObjectId> layers;          // by upper-case name
    std::map<std::wstring, AcDbObjectId> textStyles;      // by upper-case name
    std::map<std::wstring, AcDbObjectId> dimStyles;       // by upper-case name
    std::map<std::string, AcDbObjectId> imageDefinitions; // by handle

    // The id of a named record in one of the maps, null when the file does not define it.
    static AcDbObjectId find(const std::map<std::wstring, AcDbObjectId>& records, const std::wstring& name);
};

std::wstring upperName(const std::wstring& name);

} // namespace cadhost::dxf
