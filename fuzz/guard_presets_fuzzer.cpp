// The kinds page's preset reader on arbitrary file content.
#include "FuzzTempFolder.h"

#include "ui/GGuardEntDefine.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::filesystem::path file = FuzzTempFolder::write("GuardConfig.xml", data, size);
    GGuardEntDefineArray presets;
    loadGuardPresets(file, presets);
    return 0;
}
