#pragma once

#include <cstdint>
#include <concepts>
#include <functional>
#include <string_view>
#include <type_traits>
#include <utility>
#include <string>

#include "Simulator.h"

namespace vks::sim {

// Reads one field of the store in place: field identifier, occurrence. Only
// a callable that returns a view is taken: one returning a text would hand
// back a view of a temporary.
class FieldLookup {
public:
    template <typename Lookup>
        requires std::same_as<std::invoke_result_t<Lookup&, std::int32_t, int>, std::string_view>
    FieldLookup(Lookup lookup)
        : lookup_(std::move(lookup)) {}
    std::string_view operator()(std::int32_t field, int occurrence) const { return lookup_(field, occurrence); }

private:
    std::function<std::string_view(std::int32_t, int)> lookup_;
};

// The request the host builds from a layout; see RequestText.cpp for the
// rules. Each text is made in one allocation: the values may be card numbers.
AuthorizationRecord buildRequest(const VksRequestLayout& layout, std::int32_t mode, const FieldLookup& lookup);

// One value formatted to an entry's width and type.
std::string formatEntryValue(std::string_view value, std::uint16_t width, std::uint16_t type);

} // namespace vks::sim
