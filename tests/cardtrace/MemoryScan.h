#pragma once

// A search of the process's own writable memory for what is left of a card
// number: every mapping /proc/self/maps lists as readable and writable (the
// heap, anonymous mappings, thread stacks, the data of every loaded
// library), read through /proc/self/mem so that freed memory is read like
// any other.
//
// The search allocates nothing while it runs - its list of mappings, its
// read buffer and its findings live in a workspace the caller provides (and
// leaves out of the search) - so it cannot overwrite a freed copy before
// reading it.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vks::cardtrace {

inline constexpr std::size_t kFragmentDigits = 8;
// Digits kept one per record (an edit's undo history, an array of key
// events) lie a record apart: every distance up to this is searched too.
inline constexpr std::size_t kMostStride = 64;

struct ScanWorkspace {
    struct Mapping {
        std::uintptr_t begin;
        std::uintptr_t end;
        bool readWrite;
        std::uint32_t lineOffset; // of its line in `maps`
        std::uint32_t lineLength;
    };
    struct RawFinding {
        std::uintptr_t address;
        std::size_t digits;
        int unitBytes;
        std::uint32_t mapping;
        std::size_t stride; // bytes from one digit to the next
    };
    static constexpr std::size_t kMaps = std::size_t{1} << 20;
    static constexpr std::size_t kMappings = 16384;
    static constexpr std::size_t kFindings = 256;
    static constexpr std::size_t kBuffer = std::size_t{1} << 20;

    char maps[kMaps];
    std::size_t mapsLength;
    Mapping mappings[kMappings];
    std::size_t mappingCount;
    RawFinding findings[kFindings];
    std::size_t findingCount;
    std::size_t bytesRead;
    std::size_t mappingsRead;
    std::uint32_t skipped[64]; // mappings left out (too large, or a page unreadable)
    std::size_t skippedCount;
    unsigned char buffer[kBuffer];
    // The bytes last read, for the strided search (a power of two above
    // (kFragmentDigits - 1) * kMostStride + 4).
    static constexpr std::size_t kRing = 512;
    unsigned char ring[kRing];
};

// A run of kFragmentDigits or more digits of the number, each
// `stride` bytes after the one before.
struct Finding {
    std::uintptr_t address = 0;
    std::size_t digits = 0; // length of the run (kFragmentDigits for a strided one)
    int unitBytes = 1;      // 1 ASCII/UTF-8, 2 UTF-16, 4 UTF-32 (little-endian)
    std::size_t stride = 1; // unitBytes when consecutive
    std::string mapping;    // the mapping's line in /proc/self/maps
    std::string context;    // the bytes around it, digits shown as '#'
};

struct ScanReport {
    std::vector<Finding> findings;
    std::size_t bytesRead = 0;
    std::size_t mappingsRead = 0;
    // Mappings left out: larger than any program data (a sanitizer's
    // reserved shadow memory), or with a page that could not be read.
    std::vector<std::string> skipped;
};

// Searches every readable and writable mapping except [excludeBegin,
// excludeEnd) - which must hold `number` and `workspace`, themselves
// copies - for runs of kFragmentDigits or more digits of `number` in ASCII,
// UTF-16LE or UTF-32LE, at any alignment: consecutive, or one per record
// at any distance from 2 to kMostStride bytes.
ScanReport scanMemory(std::string_view number, const void* excludeBegin, const void* excludeEnd,
                      ScanWorkspace& workspace);

} // namespace vks::cardtrace
