#include "Crc32.h"

#include <array>

namespace cadhost {
namespace {
constexpr std::array<Adesk::UInt32, 256> makeTable()
{
    std::array<Adesk::UInt32, 256> table{};
    for (Adesk::UInt32 index = 0; index < 256; ++index) {
        Adesk::UInt32 value = index;
        for (int bit = 0; bit < 8; ++bit)
            value = (value & 1) != 0 ? (value >> 1) ^ 0xEDB88320u : value >> 1;
        table[index] = value;
    }
    return table;
}

constexpr std::array<Adesk::UInt32, 256> kTable = makeTable();
} // namespace

Adesk::UInt32 crc32(const Adesk::UInt8* data, std::size_t size)
{
    Adesk::UInt32 crc = 0xFFFFFFFFu;
    for (std::size_t index = 0; index < size; ++index)
        crc = kTable[(crc ^ data[index]) & 0xFF] ^ (crc >> 8);
    return crc ^ 0xFFFFFFFFu;
}
} // namespace cadhost
