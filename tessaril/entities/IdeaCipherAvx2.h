// The cipher's block loop for processors with AVX2; callers check the processor first.
#pragma once

#include <cstddef>
#include <cstdint>

// Encrypts or decrypts (by the subkeys given) every whole 8-byte block of the bytes.
void ideaCryptBlocksAvx2(std::uint8_t* bytes, std::size_t size, const std::uint16_t* keys);
