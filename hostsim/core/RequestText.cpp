// How the simulated host builds the request text from a layout. The real
// host's format is its own; this one is fixed so scenarios can compare:
//   - Entries are taken in order up to the first entry with field 65535 (or
//     all 46 entries when there is none).
//   - Field 0: the entry's fixed text (a null pointer reads as empty).
//     Any other field: the field's value at the entry's occurrence (unset
//     fields are empty).
//   - Width 0: the value unchanged, whatever the type.
//   - Width w, numeric types 1, 4 and 5: only the value's digits, right-
//     aligned and zero-filled to w; when there are more than w digits the
//     last w are kept.
//   - Width w, every other type (0, 2, 3 and unknown ones): left-aligned,
//     blank-filled to w characters, cut after w characters (UTF-8
//     characters, never split; a stray byte counts as one character).
//   - The entries' texts are joined with no separator. The block flag is
//     recorded but does not change the text.
#include "RequestText.h"

#include <algorithm>
#include <iterator>

namespace vks::sim {
namespace {

bool isNumericType(std::uint16_t type) { return type == 1 || type == 4 || type == 5; }

bool isDigit(char c) { return c >= '0' && c <= '9'; }

std::string numericToWidth(std::string_view value, std::size_t width) {
    std::size_t digits = static_cast<std::size_t>(std::count_if(value.begin(), value.end(), isDigit));
    std::string out;
    out.reserve(width);
    out.append(width - std::min(digits, width), '0');
    for (char c : value) {
        if (!isDigit(c)) continue;
        if (digits-- <= width) out.push_back(c); // only the last `width` digits
    }
    return out;
}

bool isContinuationByte(char c) { return (static_cast<unsigned char>(c) & 0xC0u) == 0x80u; }

std::string textToWidth(std::string_view value, std::size_t width) {
    std::size_t characters = 0;
    std::size_t end = 0;
    while (end < value.size()) {
        if (characters == width) break;
        ++end;
        while (end < value.size() && isContinuationByte(value[end])) ++end;
        ++characters;
    }
    std::string out;
    out.reserve(end + (width - characters));
    out.append(value.substr(0, end));
    out.append(width - characters, ' ');
    return out;
}

} // namespace

std::string formatEntryValue(std::string_view value, std::uint16_t width, std::uint16_t type) {
    if (width == 0) return std::string(value);
    return isNumericType(type) ? numericToWidth(value, width) : textToWidth(value, width);
}

AuthorizationRecord buildRequest(const VksRequestLayout& layout, std::int32_t mode, const FieldLookup& lookup) {
    AuthorizationRecord record;
    record.code = layout.code;
    record.flag = layout.flag;
    record.mode = mode;
    record.entries.reserve(std::size(layout.entries));
    std::size_t length = 0;
    for (const VksLayoutEntry& entry : layout.entries) {
        if (entry.field == VKS_FIELD_END) break;
        const char* fixedText = entry.fixed_text;
        const std::string_view value = entry.field == VKS_FIELD_FIXED_TEXT
                                           ? std::string_view(fixedText == nullptr ? "" : fixedText)
                                           : lookup(entry.field, entry.occurrence);
        record.entries.push_back({entry.field, entry.occurrence, entry.width, entry.type, entry.block,
                                  formatEntryValue(value, entry.width, entry.type)});
        length += record.entries.back().text.size();
    }
    record.request.reserve(length);
    for (const RequestEntry& entry : record.entries) record.request += entry.text;
    return record;
}

} // namespace vks::sim
