// The IDEA block cipher: 64-bit blocks, a 128-bit key, eight rounds and the output transformation.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

class IdeaCipher {
public:
    static constexpr std::size_t kBlockSize = 8;
    static constexpr std::size_t kKeySize = 16;
    using Key = std::array<std::uint8_t, kKeySize>;

    // How many blocks the buffer operations put through the rounds side by side. Sixteen needs AVX2 and
    // eight SSE2; a width the processor lacks falls back to the next narrower one.
    enum class Lanes { kOne, kEight, kSixteen };
    static Lanes widestLanes();

    // The key is read as eight big-endian 16-bit words.
    explicit IdeaCipher(const Key& key, Lanes lanes = widestLanes());

    // A block's 8 bytes are the cipher's four 16-bit words, each word big-endian (byte 0 is the high
    // byte of the first word), as in the cipher's published test vectors.
    void encryptBlock(std::uint8_t* block) const;
    void decryptBlock(std::uint8_t* block) const;

    // ECB over every whole block from the start; the trailing size mod 8 bytes stay as they are.
    void encrypt(std::span<std::uint8_t> bytes) const;
    void decrypt(std::span<std::uint8_t> bytes) const;

private:
    static constexpr std::size_t kSubkeyCount = 52;
    using Subkeys = std::array<std::uint16_t, kSubkeyCount>;

    void cryptBuffer(std::span<std::uint8_t> bytes, const Subkeys& keys) const;

    Lanes m_lanes;
    Subkeys m_encryptKeys{};
    Subkeys m_decryptKeys{};
};
