#pragma once

#include <string_view>

#include <QString>

namespace vks {

// A card number as a cashier's screen may show it: its first six characters
// and one "*" for each further character (a number of six characters or
// fewer shows unchanged).
QString concealedCardNumber(std::string_view number);

} // namespace vks
