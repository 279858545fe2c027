#include "AbiText.h"

#include <algorithm>
#include <cstring>
#include <limits>

namespace vks::sim::abi {

void putText(VksTextOut* out, std::string_view text) {
    if (out == nullptr) return;
    constexpr std::size_t maxLength = std::numeric_limits<std::uint32_t>::max();
    out->length = static_cast<std::uint32_t>(std::min(text.size(), maxLength));
    if (out->data == nullptr || out->capacity == 0) return;
    const std::size_t copied = std::min<std::size_t>(text.size(), out->capacity - 1u);
    if (copied > 0) std::memcpy(out->data, text.data(), copied);
    out->data[copied] = '\0';
}

std::string_view textIn(const char* text) { return text == nullptr ? std::string_view{} : std::string_view(text); }

std::string_view textIn(const char* text, std::int32_t length) {
    if (text == nullptr || length <= 0) return {};
    const auto* end = static_cast<const char*>(std::memchr(text, '\0', static_cast<std::size_t>(length)));
    return std::string_view(text,
                            end == nullptr ? static_cast<std::size_t>(length) : static_cast<std::size_t>(end - text));
}

std::string keyText(const VksKey* key) {
    if (key == nullptr) return {};
    const auto* end = std::find(key->utf8, key->utf8 + sizeof key->utf8 - 1, '\0');
    return std::string(key->utf8, end);
}

std::string number(std::int64_t value) { return std::to_string(value); }

void putKey(VksKey* key, std::string_view character) {
    if (key == nullptr) return;
    std::memset(key->utf8, 0, sizeof key->utf8);
    if (!character.empty() && character.size() < sizeof key->utf8)
        std::memcpy(key->utf8, character.data(), character.size());
}

} // namespace vks::sim::abi
