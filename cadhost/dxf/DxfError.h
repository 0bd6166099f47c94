// Why a DXF file cannot be imported: thrown while the file is read or its records are turned into
// objects, caught once by the import, which then reports it and leaves no drawing behind.
#pragma once

#include <stdexcept>
#include <string>

namespace cadhost::dxf {

class DxfError : public std::runtime_error {
public:
    explicit DxfError(const std::string& message) : std::runtime_error(message) {}
};

} // namespace cadhost::dxf
