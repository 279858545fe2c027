#pragma once

#include <string>
#include <string_view>

namespace vks {

// Holds a card number or the host code of field 1102. Its text is overwritten
// with "*" of the same length before the memory is released, in a way the
// optimiser may not remove. Constructing from a temporary wipes the source
// too, so no readable copy is left behind in a short-string buffer.
class WipedString {
public:
    WipedString() = default;
    explicit WipedString(std::string&& text);
    WipedString(const WipedString&) = delete;
    WipedString& operator=(const WipedString&) = delete;
    ~WipedString() { wipe(); }

    std::string_view view() const { return value_; }
    const std::string& str() const { return value_; }
    std::size_t size() const { return value_.size(); }
    bool empty() const { return value_.empty(); }

    void assign(std::string&& text);
    // Overwrites the text with "*" (same length); the length stays.
    void wipe() { overwrite(value_); }

    static void overwrite(std::string& text);

private:
    std::string value_;
};

} // namespace vks
