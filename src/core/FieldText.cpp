#include "core/FieldText.h"

#include "core/Characters.h"

namespace vks {
namespace {

constexpr char16_t kEscapeBase = 0xDC00; // escaped byte b is U+DC00 + b (b >= 0x80)

} // namespace

QString fieldText(std::string_view bytes) {
    // Never more UTF-16 units than bytes.
    QString text(static_cast<qsizetype>(bytes.size()), Qt::Uninitialized);
    char16_t* out = reinterpret_cast<char16_t*>(text.data());
    qsizetype n = 0;
    for (std::size_t at = 0; at < bytes.size();) {
        const auto c = static_cast<unsigned char>(bytes[at]);
        if (c < 0x80) {
            out[n++] = c;
            ++at;
            continue;
        }
        char32_t codePoint = 0;
        const int length = validSequence(bytes, at, codePoint);
        if (length == 0) {
            out[n++] = static_cast<char16_t>(kEscapeBase + c);
            ++at;
        } else if (codePoint < 0x10000) {
            out[n++] = static_cast<char16_t>(codePoint);
            at += static_cast<std::size_t>(length);
        } else {
            out[n++] = QChar::highSurrogate(codePoint);
            out[n++] = QChar::lowSurrogate(codePoint);
            at += static_cast<std::size_t>(length);
        }
    }
    text.truncate(n);
    return text;
}

std::string fieldBytes(QStringView text) {
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(text.size()) * 3);
    auto put = [&](char32_t c) { bytes.push_back(static_cast<char>(c)); };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t u = text[i].unicode();
        if (u < 0x80) {
            put(u);
        } else if (u < 0x800) {
            put(0xC0 | (u >> 6));
            put(0x80 | (u & 0x3F));
        } else if (QChar::isHighSurrogate(u) && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            const char32_t c = QChar::surrogateToUcs4(u, text[++i].unicode());
            put(0xF0 | (c >> 18));
            put(0x80 | ((c >> 12) & 0x3F));
            put(0x80 | ((c >> 6) & 0x3F));
            put(0x80 | (c & 0x3F));
        } else if (u >= kEscapeBase + 0x80 && u <= kEscapeBase + 0xFF) {
            put(u - kEscapeBase); // an escaped byte goes back as it came
        } else {
            // Any other lone surrogate has no UTF-8 form: the replacement
            // character, as the toolkit's own conversion gives.
            const char16_t c = QChar::isSurrogate(u) ? char16_t{0xFFFD} : u;
            put(0xE0 | (c >> 12));
            put(0x80 | ((c >> 6) & 0x3F));
            put(0x80 | (c & 0x3F));
        }
    }
    return bytes;
}

} // namespace vks
