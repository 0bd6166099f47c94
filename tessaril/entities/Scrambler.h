// The reversible scrambling of a recording: a fixed sequence of byte rotations, inversions and
// regroupings around one IDEA encryption with a built-in key.
#pragma once

#include <cstdint>
#include <span>

class Scrambler {
public:
    // The fast form: the byte steps on each side of the cipher step are composed into one permutation
    // with a rotation and an inversion per position, computed once per buffer length and cached.
    static void scramble(std::span<std::uint8_t> bytes);
    static void unscramble(std::span<std::uint8_t> bytes);

    // The step-by-step form, one pass per step; it gives the same bytes as the fast form.
    static void scrambleStepwise(std::span<std::uint8_t> bytes);
    static void unscrambleStepwise(std::span<std::uint8_t> bytes);
};
