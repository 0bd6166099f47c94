// The IDEA rounds written once for any word arithmetic: one 16-bit word per block, or a register of
// lanes that carries the same word of several blocks, which ECB allows since blocks are independent.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

namespace idea {

constexpr int kRounds = 8;
constexpr std::size_t kBlockSize = 8;

// Words provides Word, key(subkey) (a subkey spread over the word), add, exclusiveOr and mul
// (multiplication modulo 2^16 + 1, where 0 stands for 2^16).
template <class Words> void rounds(typename Words::Word (&x)[4], const std::uint16_t* key)
{
    using W = Words;
    auto [x1, x2, x3, x4] = x;
    for (int round = 0; round < kRounds; ++round, key += 6) {
        x1 = W::mul(x1, W::key(key[0]));
        x2 = W::add(x2, W::key(key[1]));
        x3 = W::add(x3, W::key(key[2]));
        x4 = W::mul(x4, W::key(key[3]));
        const auto t0 = W::mul(W::key(key[4]), W::exclusiveOr(x1, x3));
        const auto t1 = W::mul(W::key(key[5]), W::add(t0, W::exclusiveOr(x2, x4)));
        const auto t2 = W::add(t0, t1);
        x1 = W::exclusiveOr(x1, t1);
        x4 = W::exclusiveOr(x4, t2);
        // The two middle words change places between rounds.
        const auto middle = W::exclusiveOr(x2, t2);
        x2 = W::exclusiveOr(x3, t1);
        x3 = middle;
    }
    // The output transformation undoes the last exchange of the middle words.
    x[0] = W::mul(x1, W::key(key[0]));
    x[1] = W::add(x3, W::key(key[1]));
    x[2] = W::add(x2, W::key(key[2]));
    x[3] = W::mul(x4, W::key(key[3]));
}

// Lanes adds to Words: load/store of a register, swapBytes (of every 16-bit word) and the interleaving
// unpack operations on 16-, 32- and 64-bit elements. Within each 128 bits of a register the unpacks
// turn four registers of whole big-endian blocks into one register per word and back.
template <class Lanes> constexpr std::size_t kGroupBytes = 4 * sizeof(typename Lanes::Word);

template <class Lanes> void cryptGroup(std::uint8_t* blocks, const std::uint16_t* keys)
{
    using L = Lanes;
    using R = typename L::Word;
    constexpr std::size_t width = sizeof(R);
    R r[4];
    for (std::size_t i = 0; i < 4; ++i)
        r[i] = L::swapBytes(L::load(blocks + width * i));
    const R t0 = L::unpackLo16(r[0], r[1]);
    const R t1 = L::unpackHi16(r[0], r[1]);
    const R t2 = L::unpackLo16(r[2], r[3]);
    const R t3 = L::unpackHi16(r[2], r[3]);
    const R u0 = L::unpackLo16(t0, t1);
    const R u1 = L::unpackHi16(t0, t1);
    const R u2 = L::unpackLo16(t2, t3);
    const R u3 = L::unpackHi16(t2, t3);
    R x[4] = {L::unpackLo64(u0, u2), L::unpackHi64(u0, u2), L::unpackLo64(u1, u3), L::unpackHi64(u1, u3)};

    rounds<L>(x, keys);

    const R a0 = L::unpackLo16(x[0], x[1]);
    const R a1 = L::unpackHi16(x[0], x[1]);
    const R a2 = L::unpackLo16(x[2], x[3]);
    const R a3 = L::unpackHi16(x[2], x[3]);
    const R out[4] = {L::unpackLo32(a0, a2), L::unpackHi32(a0, a2), L::unpackLo32(a1, a3), L::unpackHi32(a1, a3)};
    for (std::size_t i = 0; i < 4; ++i)
        L::store(blocks + width * i, L::swapBytes(out[i]));
}

// Every whole block of the bytes, a group of lanes at a time; the last few blocks go through a padded
// copy. Plain pointers rather than library types, so that a file compiled for a wider instruction set
// instantiates nothing that other files share.
template <class Lanes> void cryptBlocks(std::uint8_t* bytes, std::size_t size, const std::uint16_t* keys)
{
    constexpr std::size_t group = kGroupBytes<Lanes>;
    const std::size_t whole = size / kBlockSize * kBlockSize;
    std::size_t at = 0;
    for (; at + group <= whole; at += group)
        cryptGroup<Lanes>(bytes + at, keys);
    if (at == whole)
        return;
    std::uint8_t padded[group] = {};
    std::memcpy(padded, bytes + at, whole - at);
    cryptGroup<Lanes>(padded, keys);
    std::memcpy(bytes + at, padded, whole - at);
}

} // namespace idea
