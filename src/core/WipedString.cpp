#include "core/WipedString.h"

#include <QString>

namespace vks {

void wipeMemory(void* data, std::size_t size) {
    // Volatile stores plus a compiler barrier: the writes are observable and
    // cannot be dropped as dead stores before the memory is freed.
    volatile unsigned char* p = static_cast<unsigned char*>(data);
    for (std::size_t i = 0; i < size; ++i) p[i] = 0;
    asm volatile("" : : "r"(p) : "memory");
}

void WipedString::overwrite(std::string& text) {
    // Growing to the capacity never reallocates; it makes the spare bytes
    // (stale text of an earlier, longer value) part of the text to overwrite.
    const std::size_t length = text.size();
    text.resize(text.capacity());
    volatile char* p = text.data();
    for (std::size_t i = 0; i < text.size(); ++i) p[i] = '*';
    asm volatile("" : : "r"(p) : "memory");
    text.resize(length);
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

void wipeText(QString& text) {
    if (text.isDetached()) {
        // The whole block: free space the string keeps before its first
        // character (left by removals at the front) and after its last.
        QString::DataPointer& d = text.data_ptr();
        char16_t* block = d.data() - d.freeSpaceAtBegin();
        wipeMemory(block, static_cast<std::size_t>(d.constAllocatedCapacity()) * sizeof(char16_t));
    }
    text = QString();
}

} // namespace vks
