#pragma once

#include <string>
#include <string_view>

#include "Wipe.h"

namespace vks::sim {

// A JSON string literal of text. Field values may hold anything: control
// characters are escaped and bytes that are not valid UTF-8 become U+FFFD,
// so the document always parses.
void appendJsonString(WipedText& out, std::string_view text);

} // namespace vks::sim
