#include "Wipe.h"

#include <cstring>

namespace vks::sim {

void wipeMemory(void* p, std::size_t size) noexcept {
    if (p == nullptr || size == 0) return;
    std::memset(p, 0, size);
    // The stores must happen although the memory is freed right after.
    asm volatile("" : : "r"(p) : "memory");
}

void wipe(std::string& text) {
    // Zero-filling up to the capacity neither reallocates nor leaves a byte.
    text.resize(text.capacity());
    wipeMemory(text.data(), text.size());
    text.clear();
}

} // namespace vks::sim
