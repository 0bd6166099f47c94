// The kind of value a result buffer carries, decided by its type code.
#pragma once

#include "adsdef.h"

#include <memory>

namespace cadhost {
enum class ResbufValue { kNone, kString, kReal, kPoint, kShort, kLong, kInt64, kBinary, kName };

CADHOST_EXPORT ResbufValue resbufValue(int typeCode);

// Owns a result-buffer chain and releases it with acutRelRb.
struct ResbufRelease {
    CADHOST_EXPORT void operator()(resbuf* chain) const;
};
using ResbufChain = std::unique_ptr<resbuf, ResbufRelease>;
} // namespace cadhost
