// CRC-32 (IEEE 802.3, reflected polynomial 0xEDB88320), the checksum of drawing-file sections.
#pragma once

#include "adesk.h"

#include <cstddef>

namespace cadhost {
CADHOST_EXPORT Adesk::UInt32 crc32(const Adesk::UInt8* data, std::size_t size);
} // namespace cadhost
