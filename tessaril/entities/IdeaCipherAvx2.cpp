// The cipher on sixteen blocks at a time, for processors with AVX2. This file alone is compiled for
// AVX2; everything it instantiates is its own, so no AVX2 code reaches the rest of the module.
#include "IdeaCipherAvx2.h"

#include "IdeaRounds.h"

#include <immintrin.h>

namespace {

struct Avx2Lanes {
    using Word = __m256i;
    static Word key(std::uint16_t value) { return _mm256_set1_epi16(static_cast<short>(value)); }
    static Word add(Word a, Word b) { return _mm256_add_epi16(a, b); }
    static Word exclusiveOr(Word a, Word b) { return _mm256_xor_si256(a, b); }
    static Word mul(Word a, Word b)
    {
        const Word low = _mm256_mullo_epi16(a, b);
        const Word high = _mm256_mulhi_epu16(a, b);
        // low - high, plus one where low < high (unsigned compare through the sign bias).
        const Word bias = _mm256_set1_epi16(static_cast<short>(0x8000));
        const Word borrow = _mm256_cmpgt_epi16(_mm256_xor_si256(high, bias), _mm256_xor_si256(low, bias));
        const Word product = _mm256_sub_epi16(_mm256_sub_epi16(low, high), borrow);
        // A zero factor stands for 2^16: the result is then 1 - a - b, whichever factor it was.
        const Word zero = _mm256_setzero_si256();
        const Word eitherZero = _mm256_or_si256(_mm256_cmpeq_epi16(a, zero), _mm256_cmpeq_epi16(b, zero));
        const Word special = _mm256_sub_epi16(_mm256_sub_epi16(_mm256_set1_epi16(1), a), b);
        return _mm256_blendv_epi8(product, special, eitherZero);
    }
    static Word load(const std::uint8_t* at) { return _mm256_loadu_si256(reinterpret_cast<const Word*>(at)); }
    static void store(std::uint8_t* at, Word value) { _mm256_storeu_si256(reinterpret_cast<Word*>(at), value); }
    static Word swapBytes(Word v) { return _mm256_or_si256(_mm256_slli_epi16(v, 8), _mm256_srli_epi16(v, 8)); }
    static Word unpackLo16(Word a, Word b) { return _mm256_unpacklo_epi16(a, b); }
    static Word unpackHi16(Word a, Word b) { return _mm256_unpackhi_epi16(a, b); }
    static Word unpackLo32(Word a, Word b) { return _mm256_unpacklo_epi32(a, b); }
    static Word unpackHi32(Word a, Word b) { return _mm256_unpackhi_epi32(a, b); }
    static Word unpackLo64(Word a, Word b) { return _mm256_unpacklo_epi64(a, b); }
    static Word unpackHi64(Word a, Word b) { return _mm256_unpackhi_epi64(a, b); }
};

} // namespace

void ideaCryptBlocksAvx2(std::uint8_t* bytes, std::size_t size, const std::uint16_t* keys)
{
    idea::cryptBlocks<Avx2Lanes>(bytes, size, keys);
}
