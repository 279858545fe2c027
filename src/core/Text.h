#pragma once

#include <string>
#include <string_view>

namespace vks {

// Integer value of a field text: the whole text, blanks around it aside, is
// a decimal number with an optional sign; otherwise (or on overflow)
// `fallback`.
int toInt(std::string_view text, int fallback = 0);

// Text without leading and trailing blanks.
std::string trimmed(std::string_view text);

// True when the text holds nothing but blanks (no copy is made, so it is safe
// on card numbers).
bool isBlank(std::string_view text);

} // namespace vks
