#include "Platform.h"

#include <algorithm>

#include <windows.h>

namespace vks::sim::platform {

std::string fileOfModuleContaining(const void* address) {
    HMODULE module = nullptr;
    const DWORD flags = GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT;
    if (!GetModuleHandleExA(flags, static_cast<LPCSTR>(address), &module)) return {};
    // Long paths: grow the buffer until the name fits.
    std::string name(MAX_PATH, '\0');
    for (;;) {
        const DWORD length = GetModuleFileNameA(module, name.data(), static_cast<DWORD>(name.size()));
        if (length == 0) return {};
        if (length < name.size()) return name.substr(0, length);
        if (name.size() >= 32768) return {};
        name.resize(name.size() * 2);
    }
}

namespace {
HANDLE asHandle(std::intptr_t handle) { return reinterpret_cast<HANDLE>(handle); }
} // namespace

RandomAccessFile::RandomAccessFile(const std::string& path)
    : handle_(reinterpret_cast<std::intptr_t>(CreateFileA(path.c_str(), GENERIC_READ,
                                                          FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                                          nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr))) {
    LARGE_INTEGER size{};
    if (asHandle(handle_) != INVALID_HANDLE_VALUE && GetFileType(asHandle(handle_)) == FILE_TYPE_DISK &&
        GetFileSizeEx(asHandle(handle_), &size) && size.QuadPart >= 0)
        size_ = static_cast<std::uint64_t>(size.QuadPart);
}

RandomAccessFile::~RandomAccessFile() {
    if (asHandle(handle_) != INVALID_HANDLE_VALUE) CloseHandle(asHandle(handle_));
}

bool RandomAccessFile::readAt(std::uint64_t offset, void* data, std::size_t count) const {
    if (asHandle(handle_) == INVALID_HANDLE_VALUE) return false;
    auto* bytes = static_cast<unsigned char*>(data);
    std::size_t done = 0;
    while (done < count) {
        // The offset travels in the OVERLAPPED record, all 64 bits of it.
        const std::uint64_t at = offset + done;
        OVERLAPPED where{};
        where.Offset = static_cast<DWORD>(at & 0xffffffffu);
        where.OffsetHigh = static_cast<DWORD>(at >> 32);
        const DWORD piece = static_cast<DWORD>(std::min<std::size_t>(count - done, 1u << 30));
        DWORD got = 0;
        if (!ReadFile(asHandle(handle_), bytes + done, piece, &got, &where) || got == 0) return false;
        done += got;
    }
    return true;
}

struct RecursiveMutex::Section {
    CRITICAL_SECTION section;
};

RecursiveMutex::RecursiveMutex()
    : section_(std::make_unique<Section>()) {
    InitializeCriticalSection(&section_->section);
}

RecursiveMutex::~RecursiveMutex() { DeleteCriticalSection(&section_->section); }

void RecursiveMutex::lock() { EnterCriticalSection(&section_->section); }

void RecursiveMutex::unlock() { LeaveCriticalSection(&section_->section); }

bool RecursiveMutex::try_lock() { return TryEnterCriticalSection(&section_->section) != 0; }

} // namespace vks::sim::platform
