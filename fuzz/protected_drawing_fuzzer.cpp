// Protected drawings opened with the plug-in's classes registered: every wrapper and the watermark
// read their recordings through their own dwgInFields and write them out again on the save.
#include "DrawingInput.h"
#include "PluginInstallRoot.h"

#include "entities/CustomClasses.h"

#include "rxobject.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    pluginInstallRoot();
    registerCustomClasses();
    acrxBuildClassHierarchy();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    openDrawingBytes(data, size);
    return 0;
}
