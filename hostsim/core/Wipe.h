#pragma once

#include <cstddef>
#include <memory>
#include <string>

// The simulated host holds card numbers and host codes like a real one: every
// buffer it frees is overwritten first, so nothing a client or the module
// handed it lingers in freed memory.
namespace vks::sim {

// Overwrites `size` bytes at `p` in a way the compiler keeps.
void wipeMemory(void* p, std::size_t size) noexcept;

// Overwrites every byte `text` owns (its whole capacity, the inline buffer of
// a short text included) and leaves it empty, keeping its buffer.
void wipe(std::string& text);

// Element storage of the simulator's containers: overwritten when released,
// so short texts kept inline in their elements and elements moved away on
// growth leave nothing behind.
template <typename T>
struct WipingAllocator {
    using value_type = T;
    WipingAllocator() = default;
    template <typename U>
    WipingAllocator(const WipingAllocator<U>&) noexcept {}
    T* allocate(std::size_t n) { return std::allocator<T>().allocate(n); }
    void deallocate(T* p, std::size_t n) noexcept {
        wipeMemory(p, n * sizeof(T));
        std::allocator<T>().deallocate(p, n);
    }
    template <typename U>
    bool operator==(const WipingAllocator<U>&) const noexcept {
        return true;
    }
};

// A text built by the simulator and freed by it: every buffer it grows out
// of is overwritten too.
using WipedText = std::basic_string<char, std::char_traits<char>, WipingAllocator<char>>;

} // namespace vks::sim
