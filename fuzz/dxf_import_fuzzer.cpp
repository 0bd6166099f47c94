// The DXF import on arbitrary file content. A file it cannot take is refused with DxfError; any other
// exception escapes and is reported as a finding.
#include "FuzzTempFolder.h"

#include "DxfError.h"
#include "DxfImporter.h"

#include "dbmain.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::filesystem::path file = FuzzTempFolder::write("input.dxf", data, size);
    AcDbDatabase database(true, true);
    try {
        cadhost::dxf::importDxf(file, database);
    } catch (const cadhost::dxf::DxfError&) {
        return 0;
    }
    return 0;
}
