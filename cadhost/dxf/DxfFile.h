// An ASCII DXF file, its lines read with dxflib, grouped into its sections of records. Reading checks the file's frame:
// it must be ASCII DXF, made of sections, and end with EOF; otherwise it throws DxfError.
#pragma once

#include "DxfRecord.h"

#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace cadhost::dxf {

class DxfFile {
public:
    static DxfFile read(const std::filesystem::path& path);

    // A header variable's first value ("$ACADVER" -> "AC1032"); empty when the header lacks it.
    std::string variable(const std::string& name) const;
    // The records of a section ("TABLES", "BLOCKS", "ENTITIES", "OBJECTS"); empty when it is absent.
    const std::vector<DxfRecord>& section(const std::string& name) const;

private:
    std::map<std::string, std::string> m_variables;
    std::map<std::string, std::vector<DxfRecord>> m_sections;
};

} // namespace cadhost::dxf
