#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "Simulator.h"

namespace vks::sim {

// Reads one field of the store in place: field identifier, occurrence.
using FieldLookup = std::function<std::string_view(std::int32_t field, int occurrence)>;

// The request the host builds from a layout; see RequestText.cpp for the
// rules. Each text is made in one allocation: the values may be card numbers.
AuthorizationRecord buildRequest(const VksRequestLayout& layout, std::int32_t mode, const FieldLookup& lookup);

// One value formatted to an entry's width and type.
std::string formatEntryValue(std::string_view value, std::uint16_t width, std::uint16_t type);

} // namespace vks::sim
