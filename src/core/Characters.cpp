#include "core/Characters.h"

namespace vks {
namespace {

bool isContinuation(unsigned char c) { return (c & 0xC0) == 0x80; }

} // namespace

int validSequence(std::string_view bytes, std::size_t at, char32_t& codePoint) {
    const auto c = static_cast<unsigned char>(bytes[at]);
    int length = 0;
    char32_t value = 0;
    char32_t lowest = 0;
    if (c >= 0xC2 && c <= 0xDF) {
        length = 2, value = c & 0x1F, lowest = 0x80;
    } else if (c >= 0xE0 && c <= 0xEF) {
        length = 3, value = c & 0x0F, lowest = 0x800;
    } else if (c >= 0xF0 && c <= 0xF4) {
        length = 4, value = c & 0x07, lowest = 0x10000;
    } else {
        return 0;
    }
    if (bytes.size() - at < static_cast<std::size_t>(length)) return 0;
    for (int i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(bytes[at + static_cast<std::size_t>(i)]);
        if (!isContinuation(next)) return 0;
        value = (value << 6) | (next & 0x3F);
    }
    // Overlong forms, UTF-16 surrogates and values past U+10FFFF are not UTF-8.
    if (value < lowest || (value >= 0xD800 && value <= 0xDFFF) || value > 0x10FFFF) return 0;
    codePoint = value;
    return length;
}

std::size_t characterBytes(std::string_view bytes, std::size_t at) {
    if (static_cast<unsigned char>(bytes[at]) < 0x80) return 1;
    char32_t codePoint = 0;
    const int length = validSequence(bytes, at, codePoint);
    return length == 0 ? 1 : static_cast<std::size_t>(length);
}


std::size_t characterCount(std::string_view bytes) {
    std::size_t count = 0;
    for (std::size_t at = 0; at < bytes.size(); at += characterBytes(bytes, at)) ++count;
    return count;
}

std::size_t characterPrefixBytes(std::string_view bytes, std::size_t count) {
    std::size_t at = 0;
    for (std::size_t taken = 0; taken < count && at < bytes.size(); ++taken) at += characterBytes(bytes, at);
    return at;
}

} // namespace vks
