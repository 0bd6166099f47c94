// The update descriptor reader on arbitrary file content, and the time stamp that rewrites a
// descriptor in place, read back once more.
#include "FuzzTempFolder.h"

#include "settings/GUpdateDescriptor.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::filesystem::path file = FuzzTempFolder::write("TessarilUpdate.xml", data, size);
    GUpdateDescriptor descriptor;
    descriptor.read(file);
    if (stampDescriptorCheckTime(file, L"2026-12-09 01:00:00")) {
        GUpdateDescriptor stamped;
        stamped.read(file);
    }
    return 0;
}
