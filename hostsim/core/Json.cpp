#include "Json.h"

#include <cstdio>

namespace vks::sim {
namespace {

// Length of the valid UTF-8 sequence starting at text[at], 0 when invalid.
std::size_t validSequenceLength(std::string_view text, std::size_t at) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(at);
    std::size_t length = 0;
    unsigned char low = 0x80, high = 0xBF; // allowed range of the second byte
    if (lead >= 0xC2 && lead <= 0xDF)
        length = 2;
    else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0) low = 0xA0;
        if (lead == 0xED) high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0) low = 0x90;
        if (lead == 0xF4) high = 0x8F;
    } else
        return 0;
    if (at + length > text.size()) return 0;
    if (byte(at + 1) < low || byte(at + 1) > high) return 0;
    for (std::size_t i = 2; i < length; ++i) {
        if ((byte(at + i) & 0xC0u) != 0x80u) return 0;
    }
    return length;
}

} // namespace

void appendJsonString(WipedText& out, std::string_view text) {
    out.push_back('"');
    for (std::size_t at = 0; at < text.size();) {
        const auto c = static_cast<unsigned char>(text[at]);
        if (c >= 0x80) {
            const std::size_t length = validSequenceLength(text, at);
            out.append(length == 0 ? std::string_view("\xEF\xBF\xBD") : text.substr(at, length));
            at += length == 0 ? 1 : length;
            continue;
        }
        if (c == '"' || c == '\\') {
            out.push_back('\\');
            out.push_back(static_cast<char>(c));
        } else if (c < 0x20 || c == 0x7F) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
            out.append(escaped);
        } else {
            out.push_back(static_cast<char>(c));
        }
        ++at;
    }
    out.push_back('"');
}

} // namespace vks::sim
