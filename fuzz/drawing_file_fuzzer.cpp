// The host's drawing-file reader on arbitrary bytes, without the plug-in: its classes' objects
// become proxies that keep their bytes.
#include "DrawingInput.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    openDrawingBytes(data, size);
    return 0;
}
