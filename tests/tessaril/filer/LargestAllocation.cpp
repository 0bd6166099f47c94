#include "LargestAllocation.h"

#include <atomic>
#include <cstdlib>
#include <new>

namespace {

std::atomic<bool> gProbing{false};
std::atomic<std::size_t> gLargest{0};

} // namespace

LargestAllocationProbe::LargestAllocationProbe()
{
    gLargest = 0;
    gProbing = true;
}

LargestAllocationProbe::~LargestAllocationProbe()
{
    gProbing = false;
}

std::size_t LargestAllocationProbe::largest() const
{
    return gLargest;
}

void* operator new(std::size_t size)
{
    if (gProbing) {
        std::size_t seen = gLargest;
        while (size > seen && !gLargest.compare_exchange_weak(seen, size)) {
        }
    }
    if (void* block = std::malloc(size == 0 ? 1 : size))
        return block;
    throw std::bad_alloc();
}

void operator delete(void* block) noexcept
{
    std::free(block);
}

void operator delete(void* block, std::size_t) noexcept
{
    std::free(block);
}
