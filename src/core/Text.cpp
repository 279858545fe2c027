#include "core/Text.h"

#include <charconv>

namespace vks {

int toInt(std::string_view text, int fallback) {
    const std::string t = trimmed(text);
    int value = 0;
    const char* first = t.data();
    const char* last = t.data() + t.size();
    if (first != last && *first == '+') ++first;
    const auto [end, error] = std::from_chars(first, last, value);
    // Whole text must be the number, as a strict integer conversion reads it.
    if (error != std::errc() || end != last) return fallback;
    return value;
}

std::string trimmed(std::string_view text) {
    // Blanks and control characters, as the host's trim sees them.
    auto blank = [](char c) { return static_cast<unsigned char>(c) <= ' '; };
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && blank(text[begin])) ++begin;
    while (end > begin && blank(text[end - 1])) --end;
    return std::string(text.substr(begin, end - begin));
}

bool isBlank(std::string_view text) {
    for (char c : text) {
        if (static_cast<unsigned char>(c) > ' ') return false;
    }
    return true;
}

} // namespace vks
