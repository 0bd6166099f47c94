// Records the largest single allocation made through operator new while a probe is alive, so that a
// test can show that hostile input was refused without a large allocation.
#pragma once

#include <cstddef>

class LargestAllocationProbe {
public:
    LargestAllocationProbe();
    ~LargestAllocationProbe();
    LargestAllocationProbe(const LargestAllocationProbe&) = delete;
    LargestAllocationProbe& operator=(const LargestAllocationProbe&) = delete;

    std::size_t largest() const;
};
