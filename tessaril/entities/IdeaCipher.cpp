#include "IdeaCipher.h"

namespace {

constexpr int kRounds = 8;
constexpr std::uint32_t kModulus = 65537;

// Multiplication modulo 2^16 + 1, where the word 0 stands for 2^16. Since 2^16 = -1 modulo 2^16 + 1,
// a product's high half is subtracted from its low half instead of dividing.
std::uint16_t multiply(std::uint16_t a, std::uint16_t b)
{
    if (a == 0)
        return static_cast<std::uint16_t>(1 - b);
    if (b == 0)
        return static_cast<std::uint16_t>(1 - a);
    const std::uint32_t product = static_cast<std::uint32_t>(a) * b;
    const auto low = static_cast<std::uint16_t>(product);
    const auto high = static_cast<std::uint16_t>(product >> 16);
    return static_cast<std::uint16_t>(low - high + (low < high ? 1 : 0));
}

// The inverse under multiply, by Fermat: x^(p-2) mod p; 0 (2^16) and 1 are their own inverses.
std::uint16_t multiplicativeInverse(std::uint16_t a)
{
    std::uint64_t base = a == 0 ? 0x10000u : a;
    std::uint64_t result = 1;
    for (std::uint32_t exponent = kModulus - 2; exponent != 0; exponent >>= 1) {
        if ((exponent & 1u) != 0)
            result = result * base % kModulus;
        base = base * base % kModulus;
    }
    return static_cast<std::uint16_t>(result);
}

std::uint16_t additiveInverse(std::uint16_t a)
{
    return static_cast<std::uint16_t>(0x10000u - a);
}

template <std::size_t N> void crypt(std::uint8_t* block, const std::array<std::uint16_t, N>& keys)
{
    auto word = [block](int i) { return static_cast<std::uint16_t>(block[2 * i] << 8 | block[2 * i + 1]); };
    std::uint16_t x1 = word(0);
    std::uint16_t x2 = word(1);
    std::uint16_t x3 = word(2);
    std::uint16_t x4 = word(3);
    const std::uint16_t* key = keys.data();
    for (int round = 0; round < kRounds; ++round, key += 6) {
        x1 = multiply(x1, key[0]);
        x2 = static_cast<std::uint16_t>(x2 + key[1]);
        x3 = static_cast<std::uint16_t>(x3 + key[2]);
        x4 = multiply(x4, key[3]);
        const std::uint16_t t0 = multiply(key[4], x1 ^ x3);
        const std::uint16_t t1 = multiply(key[5], static_cast<std::uint16_t>(t0 + (x2 ^ x4)));
        const auto t2 = static_cast<std::uint16_t>(t0 + t1);
        x1 ^= t1;
        x4 ^= t2;
        // The two middle words change places between rounds.
        const std::uint16_t middle = x2 ^ t2;
        x2 = x3 ^ t1;
        x3 = middle;
    }
    // The output transformation undoes the last exchange of the middle words.
    const std::uint16_t y1 = multiply(x1, key[0]);
    const auto y2 = static_cast<std::uint16_t>(x3 + key[1]);
    const auto y3 = static_cast<std::uint16_t>(x2 + key[2]);
    const std::uint16_t y4 = multiply(x4, key[3]);
    for (int i = 0; const std::uint16_t y : {y1, y2, y3, y4}) {
        block[2 * i] = static_cast<std::uint8_t>(y >> 8);
        block[2 * i + 1] = static_cast<std::uint8_t>(y);
        ++i;
    }
}

} // namespace

IdeaCipher::IdeaCipher(const Key& key)
{
    // The subkeys are the key's eight words, then the words of the key rotated left by 25 bits, and so on.
    std::array<std::uint16_t, 8> words{};
    for (std::size_t i = 0; i < words.size(); ++i)
        words[i] = static_cast<std::uint16_t>(key[2 * i] << 8 | key[2 * i + 1]);
    for (std::size_t i = 0; i < kSubkeyCount; ++i) {
        const std::size_t bit = (i / 8) * 25 + (i % 8) * 16;
        const std::size_t first = (bit / 16) % 8;
        const std::size_t shift = bit % 16;
        const std::uint32_t pair = static_cast<std::uint32_t>(words[first]) << 16 | words[(first + 1) % 8];
        m_encryptKeys[i] = static_cast<std::uint16_t>(pair >> (16 - shift));
    }

    // Decryption runs the rounds backwards with the inverted subkeys; the middle additive pair is
    // exchanged everywhere except in the first and the final transformation.
    const Subkeys& ek = m_encryptKeys;
    for (int round = 0; round <= kRounds; ++round) {
        const std::size_t from = 6 * static_cast<std::size_t>(kRounds - round);
        const std::size_t to = 6 * static_cast<std::size_t>(round);
        const bool exchange = round != 0 && round != kRounds;
        m_decryptKeys[to] = multiplicativeInverse(ek[from]);
        m_decryptKeys[to + 1] = additiveInverse(ek[from + (exchange ? 2 : 1)]);
        m_decryptKeys[to + 2] = additiveInverse(ek[from + (exchange ? 1 : 2)]);
        m_decryptKeys[to + 3] = multiplicativeInverse(ek[from + 3]);
        if (round < kRounds) {
            m_decryptKeys[to + 4] = ek[from - 2];
            m_decryptKeys[to + 5] = ek[from - 1];
        }
    }
}

void IdeaCipher::encryptBlock(std::uint8_t* block) const
{
    crypt(block, m_encryptKeys);
}

void IdeaCipher::decryptBlock(std::uint8_t* block) const
{
    crypt(block, m_decryptKeys);
}

void IdeaCipher::encrypt(std::span<std::uint8_t> bytes) const
{
    for (std::size_t at = 0; at + kBlockSize <= bytes.size(); at += kBlockSize)
        encryptBlock(bytes.data() + at);
}

void IdeaCipher::decrypt(std::span<std::uint8_t> bytes) const
{
    for (std::size_t at = 0; at + kBlockSize <= bytes.size(); at += kBlockSize)
        decryptBlock(bytes.data() + at);
}
