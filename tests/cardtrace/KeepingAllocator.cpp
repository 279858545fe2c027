// The card-trace test's memory allocator: it never reuses memory. free()
// releases nothing and realloc() always moves, so every byte the process
// ever held - the module's copies of a card number and the toolkit's, freed
// or not - is still where it was written when the memory is searched. What
// the search finds does not depend on whether the C library's allocator
// happened to hand a freed block out again: a copy that was not wiped
// before its release is found every time.
//
// glibc lets a program replace malloc and its family by defining them
// (every allocation of the process, the toolkit's included, then comes
// here). Under AddressSanitizer, which brings its own allocator, this file
// defines nothing: the sanitizer's quarantine keeps freed memory out of
// reuse in much the same way.
//
// With VKS_CARD_TRACE_SITES=1 in the environment every allocation also
// records the call stack that made it, so that a trace the search finds can
// be tied to the code that made the copy (KeepingAllocator.h).

#include <atomic>
#include <cerrno>
#include <cstddef>
#include <cstdint>
#include <cstring>

#include <cstdlib>

#include <execinfo.h>
#include <sys/mman.h>
#include <unistd.h>

#include "KeepingAllocator.h"

#if defined(__SANITIZE_ADDRESS__)
#define VKS_KEEPING_ALLOCATOR 0
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define VKS_KEEPING_ALLOCATOR 0
#endif
#endif
#ifndef VKS_KEEPING_ALLOCATOR
#define VKS_KEEPING_ALLOCATOR 1
#endif

#if VKS_KEEPING_ALLOCATOR

namespace vks::cardtrace {
namespace {

// Address space is reserved once and made usable in steps, so that
// /proc/self/maps shows as readable only what was handed out.
constexpr std::size_t kReserve = std::size_t{32} << 30;
constexpr std::size_t kCommitStep = std::size_t{32} << 20;
constexpr std::size_t kHeader = 16;

struct Header {
    std::size_t size;
    std::size_t site; // index in the site table + 1, 0 for none
};

std::atomic_flag lock = ATOMIC_FLAG_INIT;
unsigned char* base = nullptr;
std::size_t used = 0;
std::size_t committed = 0;

// Call stacks of allocations, when asked for: a table of its own, in
// allocation (so address) order.
constexpr int kFrames = 12;
constexpr std::size_t kSites = std::size_t{1} << 22;
struct Site {
    std::uintptr_t user;
    std::size_t size;
    int frames;
    void* frame[kFrames];
};
Site* sites = nullptr;
std::size_t siteCount = 0;
int recordSites = -1; // -1 not decided yet
thread_local bool capturing = false;

void fail(const char* why) {
    const ssize_t ignored = write(2, why, std::strlen(why));
    (void)ignored;
    _exit(99);
}

void decideRecording() {
    if (recordSites != -1) return;
    const char* wanted = getenv("VKS_CARD_TRACE_SITES");
    recordSites = wanted != nullptr && wanted[0] == '1' ? 1 : 0;
    if (recordSites == 1) {
        void* table = mmap(nullptr, kSites * sizeof(Site), PROT_READ | PROT_WRITE,
                           MAP_PRIVATE | MAP_ANONYMOUS | MAP_NORESERVE, -1, 0);
        if (table == MAP_FAILED) fail("keeping allocator: no room for the site table\n");
        sites = static_cast<Site*>(table);
    }
}

void* take(std::size_t size, std::size_t alignment) {
    if (alignment < kHeader) alignment = kHeader;
    if ((alignment & (alignment - 1)) != 0) return nullptr;
    if (size > kReserve) return nullptr;
    while (lock.test_and_set(std::memory_order_acquire)) {}
    if (base == nullptr) {
        decideRecording();
        void* reserved = mmap(nullptr, kReserve, PROT_NONE, MAP_PRIVATE | MAP_ANONYMOUS | MAP_NORESERVE, -1, 0);
        if (reserved == MAP_FAILED) fail("keeping allocator: cannot reserve address space\n");
        base = static_cast<unsigned char*>(reserved);
    }
    const auto start = reinterpret_cast<std::uintptr_t>(base) + used + kHeader;
    const std::uintptr_t user = (start + alignment - 1) & ~(static_cast<std::uintptr_t>(alignment) - 1);
    const std::size_t end = user - reinterpret_cast<std::uintptr_t>(base) + (size == 0 ? 1 : size);
    if (end > kReserve) fail("keeping allocator: out of reserved space\n");
    if (end > committed) {
        const std::size_t target = (end + kCommitStep - 1) / kCommitStep * kCommitStep;
        if (mprotect(base + committed, target - committed, PROT_READ | PROT_WRITE) != 0) {
            fail("keeping allocator: cannot commit memory\n");
        }
        committed = target;
    }
    used = (end + 15) & ~std::size_t{15};
    auto* header = reinterpret_cast<Header*>(user - kHeader);
    header->size = size;
    header->site = 0;
    Site* site = nullptr;
    if (recordSites == 1 && !capturing && siteCount < kSites) {
        site = &sites[siteCount++];
        site->user = user;
        site->size = size;
        site->frames = 0;
        header->site = siteCount;
    }
    lock.clear(std::memory_order_release);
    if (site != nullptr) {
        // backtrace() may allocate on its first use; those allocations are
        // not recorded.
        capturing = true;
        site->frames = backtrace(site->frame, kFrames);
        capturing = false;
    }
    return reinterpret_cast<void*>(user);
}

std::size_t sizeOf(void* p) { return reinterpret_cast<Header*>(static_cast<unsigned char*>(p) - kHeader)->size; }

} // namespace

bool keepingAllocationOf(const void* address, AllocationSite& out) {
    const auto at = reinterpret_cast<std::uintptr_t>(address);
    std::size_t low = 0, high = siteCount;
    while (low < high) {
        const std::size_t mid = (low + high) / 2;
        if (sites[mid].user <= at) {
            low = mid + 1;
        } else {
            high = mid;
        }
    }
    if (low == 0) return false;
    const Site& site = sites[low - 1];
    if (at >= site.user + (site.size == 0 ? 1 : site.size)) return false;
    out.start = reinterpret_cast<const void*>(site.user);
    out.size = site.size;
    out.frames = site.frames;
    for (int i = 0; i < site.frames && i < AllocationSite::kFrames; ++i) out.frame[i] = site.frame[i];
    return true;
}

bool keepingAllocatorActive() { return true; }

} // namespace vks::cardtrace

using vks::cardtrace::sizeOf;
using vks::cardtrace::take;

extern "C" {

void* malloc(std::size_t size) {
    void* p = take(size, 16);
    if (p == nullptr) errno = ENOMEM;
    return p;
}

void free(void*) {}

void* calloc(std::size_t count, std::size_t size) {
    if (size != 0 && count > SIZE_MAX / size) {
        errno = ENOMEM;
        return nullptr;
    }
    return malloc(count * size); // fresh memory is zero
}

void* realloc(void* old, std::size_t size) {
    void* p = malloc(size);
    if (p != nullptr && old != nullptr) {
        const std::size_t oldSize = sizeOf(old);
        std::memcpy(p, old, oldSize < size ? oldSize : size);
    }
    return p;
}

void* reallocarray(void* old, std::size_t count, std::size_t size) {
    if (size != 0 && count > SIZE_MAX / size) {
        errno = ENOMEM;
        return nullptr;
    }
    return realloc(old, count * size);
}

void* memalign(std::size_t alignment, std::size_t size) { return take(size, alignment); }

void* aligned_alloc(std::size_t alignment, std::size_t size) { return take(size, alignment); }

int posix_memalign(void** out, std::size_t alignment, std::size_t size) {
    if (alignment < sizeof(void*) || (alignment & (alignment - 1)) != 0) return EINVAL;
    void* p = take(size, alignment);
    if (p == nullptr) return ENOMEM;
    *out = p;
    return 0;
}

void* valloc(std::size_t size) { return take(size, 4096); }

void* pvalloc(std::size_t size) { return take((size + 4095) / 4096 * 4096, 4096); }

std::size_t malloc_usable_size(void* p) { return p == nullptr ? 0 : sizeOf(p); }

} // extern "C"

#else

namespace vks::cardtrace {
bool keepingAllocationOf(const void*, AllocationSite&) { return false; }
bool keepingAllocatorActive() { return false; }
} // namespace vks::cardtrace

#endif
