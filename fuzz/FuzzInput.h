#pragma once

// The fuzz target's input: one transaction as lines of text, so that seeds
// stay readable and mutations keep their shape.
//
//   type N            transaction type 0..21 (sets field 1105: a "1" at position N)
//   field F[.O]=TEXT  field F, occurrence O (default 0), holds TEXT (bytes up to the line end)
//   card S NUMBER     the PIN pad answers status S; on 0 it reads NUMBER
//   operator 0|1      what the operator validation answers
//   authorize 0|1     the authorization's verdict
//   keys              every byte after this line is one cashier key, see keyOf
//
// Anything else is skipped. Everything is bounded so that one input stays
// one short transaction.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vks::fuzz {

inline constexpr std::size_t kMaxFields = 64;
inline constexpr std::size_t kMaxText = 4096;
inline constexpr std::size_t kMaxKeys = 48;

// Key bytes that are not typed characters.
inline constexpr char kEnter = '\r';
inline constexpr char kTab = '\t';
inline constexpr char kBacktab = '\x01';
inline constexpr char kBackspace = '\b';
inline constexpr char kEscape = '\x1b';
inline constexpr char kUp = '\x02';
inline constexpr char kDown = '\x03';
inline constexpr char kAlt = '\x04'; // Alt with the next byte

struct FieldValue {
    std::int32_t field = 0;
    int occurrence = 0;
    std::string text;
};

struct Input {
    int type = 1;
    std::vector<FieldValue> fields;
    std::int16_t cardStatus = 0;
    std::string cardNumber = "6034567890123456";
    bool operatorValid = true;
    bool authorize = true;
    std::string keys;
};

inline std::optional<long long> wholeNumber(std::string_view text) {
    if (text.empty() || text.size() > 10) return std::nullopt;
    long long value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return value;
}

inline Input decode(std::string_view data) {
    Input input;
    while (!data.empty()) {
        const std::size_t end = data.find('\n');
        const std::string_view line = data.substr(0, end);
        data = end == std::string_view::npos ? std::string_view() : data.substr(end + 1);
        if (line == "keys") {
            input.keys = std::string(data.substr(0, kMaxKeys));
            break;
        }
        const std::size_t blank = line.find(' ');
        const std::string_view word = line.substr(0, blank);
        const std::string_view rest = blank == std::string_view::npos ? std::string_view() : line.substr(blank + 1);
        if (word == "type") {
            if (const auto n = wholeNumber(rest); n && *n <= 21) input.type = int(*n);
        } else if (word == "operator") {
            input.operatorValid = rest != "0";
        } else if (word == "authorize") {
            input.authorize = rest != "0";
        } else if (word == "card") {
            const std::size_t space = rest.find(' ');
            if (const auto status = wholeNumber(rest.substr(0, space)); status && *status < 32768)
                input.cardStatus = std::int16_t(*status);
            input.cardNumber =
                space == std::string_view::npos ? std::string() : std::string(rest.substr(space + 1, 32));
        } else if (word.starts_with("field") && line.size() > 6 && input.fields.size() < kMaxFields) {
            const std::string_view assignment = line.substr(6);
            const std::size_t equals = assignment.find('=');
            if (equals == std::string_view::npos) continue;
            const std::string_view name = assignment.substr(0, equals);
            const std::size_t dot = name.find('.');
            const auto field = wholeNumber(name.substr(0, dot));
            const auto occurrence =
                dot == std::string_view::npos ? std::optional<long long>(0) : wholeNumber(name.substr(dot + 1));
            if (!field || *field > INT32_MAX || !occurrence || *occurrence > 99) continue;
            input.fields.push_back(
                {std::int32_t(*field), int(*occurrence), std::string(assignment.substr(equals + 1, kMaxText))});
        }
    }
    return input;
}

} // namespace vks::fuzz
