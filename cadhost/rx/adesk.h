// Basic types of the host API.
#pragma once

#include <cstddef>
#include <cstdint>

using ACHAR = wchar_t;

#ifndef ACRX_T
#define ACRX_T(x) L##x
#endif

namespace Adesk {
using Int8 = std::int8_t;
using Int16 = std::int16_t;
using Int32 = std::int32_t;
using Int64 = std::int64_t;
using UInt8 = std::uint8_t;
using UInt16 = std::uint16_t;
using UInt32 = std::uint32_t;
using UInt64 = std::uint64_t;
using IntPtr = std::intptr_t;
using UIntPtr = std::uintptr_t;
using LongPtr = std::intptr_t;
using ULongPtr = std::uintptr_t;
using Boolean = std::int32_t;
using GsMarker = std::intptr_t;
constexpr Boolean kFalse = 0;
constexpr Boolean kTrue = 1;
} // namespace Adesk

#define CADHOST_EXPORT __attribute__((visibility("default")))
