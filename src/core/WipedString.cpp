#include "core/WipedString.h"

namespace vks {

void WipedString::overwrite(std::string& text) {
    // Volatile stores plus a compiler barrier: the writes are observable and
    // cannot be dropped as dead stores before the buffer is freed.
    volatile char* p = text.data();
    for (std::size_t i = 0; i < text.size(); ++i) p[i] = '*';
    asm volatile("" : : "r"(p) : "memory");
}

WipedString::WipedString(std::string&& text)
    : value_(text) {
    overwrite(text);
}

void WipedString::assign(std::string&& text) {
    wipe();
    value_ = text;
    overwrite(text);
}

} // namespace vks
