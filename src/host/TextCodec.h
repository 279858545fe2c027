#pragma once

#include <string>
#include <string_view>

// The one place that knows the encoding of texts crossing the host contract.
// This platform's host speaks UTF-8, so both directions are copies; a host
// with another code page changes these two functions only.
//
// Any text may be a card number: a conversion makes its result in one
// allocation and leaves no intermediate copy behind (wipe any it needs), and
// its callers wipe the result once they are done with a card's.
namespace vks::codec {

inline std::string toHost(std::string_view moduleText) { return std::string(moduleText); }
inline std::string fromHost(std::string_view hostText) { return std::string(hostText); }

} // namespace vks::codec
