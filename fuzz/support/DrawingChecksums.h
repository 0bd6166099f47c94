// Drawing files carry a checksum per section, so nearly every mutation of a drawing is refused before
// its objects are read. A fuzzer first reads the bytes as they are and then, when their checksums are
// all that is wrong, again with the checksums made to match.
#pragma once

#include "Crc32.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <optional>
#include <vector>

// Layout: magic (8) | UInt32 format | UInt32 section count | per section: UInt32 tag | UInt32 length |
// payload | UInt32 CRC-32. Answers the bytes with every checksum recomputed, or nothing when the
// sections do not frame the bytes exactly.
inline std::optional<std::vector<std::uint8_t>> withSectionChecksums(const std::uint8_t* data, std::size_t size)
{
    constexpr std::size_t kPreamble = 16;
    auto uint32At = [data](std::size_t at) {
        std::uint32_t value = 0;
        for (std::size_t i = 0; i < 4; ++i)
            value |= static_cast<std::uint32_t>(data[at + i]) << (8 * i);
        return value;
    };
    if (size < kPreamble)
        return std::nullopt;
    std::vector<std::uint8_t> fixed(data, data + size);
    const std::uint32_t sections = uint32At(12);
    std::size_t at = kPreamble;
    for (std::uint32_t index = 0; index < sections; ++index) {
        if (size - at < 8)
            return std::nullopt;
        const std::size_t length = uint32At(at + 4);
        at += 8;
        if (length > size - at || size - at - length < 4)
            return std::nullopt;
        const std::uint32_t checksum = cadhost::crc32(data + at, length);
        at += length;
        for (std::size_t i = 0; i < 4; ++i)
            fixed[at + i] = static_cast<std::uint8_t>(checksum >> (8 * i));
        at += 4;
    }
    if (at != size)
        return std::nullopt;
    return fixed;
}
