#pragma once

#include <cstddef>
#include <string>
#include <string_view>

class QString;

namespace vks {

// Holds a card number or the host code of field 1102. Its text is overwritten
// with "*" before the memory is released, in a way the optimiser may not
// remove. Constructing from a temporary wipes the source too, so no readable
// copy is left behind in a short-string buffer or on the heap.
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

    // Overwrites the whole storage of `text` with "*", the spare capacity
    // beyond its end included; its length stays.
    static void overwrite(std::string& text);

private:
    std::string value_;
};

// Overwrites `size` bytes at `data` with zeros, in a way the optimiser may
// not remove.
void wipeMemory(void* data, std::size_t size);

// Wipes the characters of a string the toolkit made from a card number and
// lets it go: its whole storage is overwritten when this was its last
// reference; a storage still shared with another string is left to that one
// (and to whoever wipes it). `text` is null afterwards.
void wipeText(QString& text);

} // namespace vks
