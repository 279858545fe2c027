#pragma once

#include <cstddef>

namespace vks::cardtrace {

// The allocation an address lies in and the call stack that made it; known
// only with the keeping allocator and VKS_CARD_TRACE_SITES=1.
struct AllocationSite {
    static constexpr int kFrames = 12;
    const void* start = nullptr;
    std::size_t size = 0;
    int frames = 0;
    void* frame[kFrames] = {};
};
bool keepingAllocationOf(const void* address, AllocationSite& site);

// False under AddressSanitizer, whose own allocator is in use.
bool keepingAllocatorActive();

} // namespace vks::cardtrace
