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

    // The key is read as eight big-endian 16-bit words.
    explicit IdeaCipher(const Key& key);

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

    Subkeys m_encryptKeys{};
    Subkeys m_decryptKeys{};
};
