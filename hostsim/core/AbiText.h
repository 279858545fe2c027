#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "vks/host_abi.h"

// Moving texts across the C contract safely: null pointers, zero capacities
// and unterminated keys never read or write out of bounds.
namespace vks::sim::abi {

// Copies at most capacity-1 bytes and a zero; always stores the full length.
void putText(VksTextOut* out, std::string_view text);
// A caller's zero-terminated text; null reads as empty.
std::string_view textIn(const char* text);
// At most `length` bytes of text, up to its first zero (negative: none).
std::string_view textIn(const char* text, std::int32_t length);
// The key's character (at most its 7 bytes before the zero); null: empty.
std::string keyText(const VksKey* key);
// A number as text, for call records (kept here so the thin libraries do
// not instantiate library templates of their own).
std::string number(std::int64_t value);
// Stores character in *key; a text that does not fit leaves the key empty.
void putKey(VksKey* key, std::string_view character);

} // namespace vks::sim::abi
