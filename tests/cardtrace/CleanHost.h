#pragma once

// The host of the card-trace test, in two kinds behind one interface.
//
// The clean host (CleanHost.cpp): the five host libraries' functions,
// defined by the test program itself. Being the executable's, these
// definitions come first in the dynamic linker's symbol lookup, so the
// module - loaded with dlopen as a terminal loads it - calls them rather than
// the simulator libraries it names as dependencies (those are loaded and
// never called).
//
// Unlike the simulator, this host makes no copy of a text anywhere but in
// its own store: a single mapping of its own (HostRegion) that holds the
// field store, the numbers the test hands out, and the test's scan buffer.
// Texts go straight from that region into the module's buffers and from the
// module's arguments into it; nothing passes through the heap or a
// temporary. So any card digits the memory scan finds outside the region
// were put there by the module (or by the toolkit on the module's behalf).

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "MemoryScan.h"

namespace vks::cardtrace {

inline constexpr std::size_t kSlotText = 4096;
inline constexpr std::size_t kSlots = 128;

struct FieldSlot {
    std::int32_t field = 0;
    std::int32_t occurrence = 0;
    std::uint32_t length = 0;
    bool used = false;
    char text[kSlotText];
};

// Everything the host and the test own, in one mapping the scan leaves out.
struct HostRegion {
    FieldSlot fieldSlots[kSlots];
    // The number the PIN pad reads (stored in 10104 on status 0).
    char pinPad[64];
    std::uint32_t pinPadLength = 0;
    std::int16_t pinPadStatus = 0;
    // The number under test, for the test's own use (typing it, searching).
    char card[32];
    std::uint32_t cardLength = 0;
    // Records.
    int handBacks = 0;
    int errors = 0;
    int authorizations = 0;
    int pinPadReads = 0;
    int audits = 0;
    // Audit lines and error reports that carried a run of 8 or more digits
    // of the number under test (texts a person reads: never allowed).
    int cardInMessages = 0;
    // The memory scan's workspace (its read buffer holds copies too).
    ScanWorkspace scan;
};

// The region, mapped on first use and never released.
HostRegion& region();
bool inRegion(const void* address);

// Empties the field store and the records (the region is overwritten).
void resetHost();
// Sets a field from text in the region or from a literal without card digits.
void setField(std::int32_t field, std::string_view text, std::int32_t occurrence = 0);
// The stored text of a field, a view into the region (empty when unset).
std::string_view field(std::int32_t field, std::int32_t occurrence = 0);
bool hasField(std::int32_t field, std::int32_t occurrence = 0);
// The PIN pad answers `status` and, on 0, stores the number under test.
void setPinPad(std::int16_t status);
// Lets go of everything the host stored, as a host does once the
// transaction is done (the clean host keeps its store in the region).
void releaseStore();
// Requests sent, and audit lines or error reports that carried a run of 8
// or more digits of the number (-1: this host cannot tell without a copy).
int authorizationsSent();
int messagesWithCard();

// True when `text` holds a run of 8 or more consecutive digits of the number
// under test (read in place; no copy is made).
bool carriesCardDigits(std::string_view text);

} // namespace vks::cardtrace
