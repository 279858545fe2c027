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
};

// A run of kFragmentDigits or more consecutive digits of the number.
struct Finding {
    std::uintptr_t address = 0;
    std::size_t digits = 0; // length of the run
    int unitBytes = 1;      // 1 ASCII/UTF-8, 2 UTF-16, 4 UTF-32 (little-endian)
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
// UTF-16LE or UTF-32LE, at any alignment.
ScanReport scanMemory(std::string_view number, const void* excludeBegin, const void* excludeEnd,
                      ScanWorkspace& workspace);

} // namespace vks::cardtrace
