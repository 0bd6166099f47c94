#include "IdeaCipher.h"

#include "IdeaCipherAvx2.h"
#include "IdeaRounds.h"

#include <algorithm>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

using idea::kRounds;
static_assert(IdeaCipher::kBlockSize == idea::kBlockSize, "the lanes and the class agree on the block");
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

// The word arithmetic of one block at a time.
struct ScalarWords {
    using Word = std::uint16_t;
    static Word key(std::uint16_t value) { return value; }
    static Word mul(Word a, Word b) { return multiply(a, b); }
    static Word add(Word a, Word b) { return static_cast<Word>(a + b); }
    static Word exclusiveOr(Word a, Word b) { return static_cast<Word>(a ^ b); }
};

void cryptBlock(std::uint8_t* block, const std::uint16_t* keys)
{
    std::uint16_t x[4];
    for (int i = 0; i < 4; ++i)
        x[i] = static_cast<std::uint16_t>(block[2 * i] << 8 | block[2 * i + 1]);
    idea::rounds<ScalarWords>(x, keys);
    for (int i = 0; i < 4; ++i) {
        block[2 * i] = static_cast<std::uint8_t>(x[i] >> 8);
        block[2 * i + 1] = static_cast<std::uint8_t>(x[i]);
    }
}

#if defined(__SSE2__)
// Eight blocks at a time in the SSE2 registers that every x86-64 processor has.
struct Sse2Lanes {
    using Word = __m128i;
    static Word key(std::uint16_t value) { return _mm_set1_epi16(static_cast<short>(value)); }
    static Word add(Word a, Word b) { return _mm_add_epi16(a, b); }
    static Word exclusiveOr(Word a, Word b) { return _mm_xor_si128(a, b); }
    static Word mul(Word a, Word b)
    {
        const Word low = _mm_mullo_epi16(a, b);
        const Word high = _mm_mulhi_epu16(a, b);
        // low - high, plus one where low < high (unsigned compare through the sign bias).
        const Word bias = _mm_set1_epi16(static_cast<short>(0x8000));
        const Word borrow = _mm_cmpgt_epi16(_mm_xor_si128(high, bias), _mm_xor_si128(low, bias));
        const Word product = _mm_sub_epi16(_mm_sub_epi16(low, high), borrow);
        // A zero factor stands for 2^16: the result is then 1 - a - b, whichever factor it was.
        const Word zero = _mm_setzero_si128();
        const Word eitherZero = _mm_or_si128(_mm_cmpeq_epi16(a, zero), _mm_cmpeq_epi16(b, zero));
        const Word special = _mm_sub_epi16(_mm_sub_epi16(_mm_set1_epi16(1), a), b);
        return _mm_or_si128(_mm_and_si128(eitherZero, special), _mm_andnot_si128(eitherZero, product));
    }
    static Word load(const std::uint8_t* at) { return _mm_loadu_si128(reinterpret_cast<const Word*>(at)); }
    static void store(std::uint8_t* at, Word value) { _mm_storeu_si128(reinterpret_cast<Word*>(at), value); }
    static Word swapBytes(Word v) { return _mm_or_si128(_mm_slli_epi16(v, 8), _mm_srli_epi16(v, 8)); }
    static Word unpackLo16(Word a, Word b) { return _mm_unpacklo_epi16(a, b); }
    static Word unpackHi16(Word a, Word b) { return _mm_unpackhi_epi16(a, b); }
    static Word unpackLo32(Word a, Word b) { return _mm_unpacklo_epi32(a, b); }
    static Word unpackHi32(Word a, Word b) { return _mm_unpackhi_epi32(a, b); }
    static Word unpackLo64(Word a, Word b) { return _mm_unpacklo_epi64(a, b); }
    static Word unpackHi64(Word a, Word b) { return _mm_unpackhi_epi64(a, b); }
};
#endif

} // namespace

IdeaCipher::Lanes IdeaCipher::widestLanes()
{
#if defined(TESSARIL_HAVE_AVX2)
    static const bool avx2 = __builtin_cpu_supports("avx2") != 0;
    if (avx2)
        return Lanes::kSixteen;
#endif
#if defined(__SSE2__)
    return Lanes::kEight;
#else
    return Lanes::kOne;
#endif
}

IdeaCipher::IdeaCipher(const Key& key, Lanes lanes) : m_lanes(std::min(lanes, widestLanes()))
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
    cryptBlock(block, m_encryptKeys.data());
}

void IdeaCipher::decryptBlock(std::uint8_t* block) const
{
    cryptBlock(block, m_decryptKeys.data());
}

void IdeaCipher::encrypt(std::span<std::uint8_t> bytes) const
{
    cryptBuffer(bytes, m_encryptKeys);
}

void IdeaCipher::decrypt(std::span<std::uint8_t> bytes) const
{
    cryptBuffer(bytes, m_decryptKeys);
}

void IdeaCipher::cryptBuffer(std::span<std::uint8_t> bytes, const Subkeys& keys) const
{
    switch (m_lanes) {
#if defined(TESSARIL_HAVE_AVX2)
    case Lanes::kSixteen:
        ideaCryptBlocksAvx2(bytes.data(), bytes.size(), keys.data());
        return;
#endif
#if defined(__SSE2__)
    case Lanes::kEight:
        idea::cryptBlocks<Sse2Lanes>(bytes.data(), bytes.size(), keys.data());
        return;
#endif
    default:
        for (std::size_t at = 0; at + kBlockSize <= bytes.size(); at += kBlockSize)
            cryptBlock(bytes.data() + at, keys.data());
    }
}
