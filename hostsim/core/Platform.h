#pragma once

// The few calls the simulated host makes that differ between POSIX systems
// and Windows, each with one implementation per platform (PlatformPosix.cpp,
// PlatformWin32.cpp); the rest of the simulator is portable C++.

#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>

namespace vks::sim::platform {

// Where a path splits into folders: Windows accepts both separators.
#ifdef _WIN32
inline constexpr std::string_view PathSeparators = "/\\";
#else
inline constexpr std::string_view PathSeparators = "/";
#endif

// The folder part of `path`, "." when it has none.
inline std::string folderOf(std::string_view path) {
    const auto separator = path.find_last_of(PathSeparators);
    return separator == std::string_view::npos ? "." : std::string(path.substr(0, separator));
}

// The file of the loaded library or program holding `address`; empty when
// it cannot be told.
std::string fileOfModuleContaining(const void* address);

// A regular file read by offset, without moving a shared position, at any
// offset a 64-bit size allows. Opened in binary mode; size() is 0 when the
// file cannot be opened or is not a regular file.
class RandomAccessFile {
public:
    explicit RandomAccessFile(const std::string& path);
    ~RandomAccessFile();
    RandomAccessFile(const RandomAccessFile&) = delete;
    RandomAccessFile& operator=(const RandomAccessFile&) = delete;

    std::uint64_t size() const { return size_; }
    // Exactly `count` bytes at `offset` into `data`; false on an error or a
    // short read (the file shrank under us).
    bool readAt(std::uint64_t offset, void* data, std::size_t count) const;

private:
    std::intptr_t handle_;
    std::uint64_t size_ = 0;
};

// A mutex the owning thread may lock again. GCC's win32 thread model has no
// std::recursive_mutex, so Windows uses a critical section (recursive by
// nature) instead of pulling in a pthread emulation.
#ifdef _WIN32
class RecursiveMutex {
public:
    RecursiveMutex();
    ~RecursiveMutex();
    RecursiveMutex(const RecursiveMutex&) = delete;
    RecursiveMutex& operator=(const RecursiveMutex&) = delete;
    void lock();
    void unlock();
    bool try_lock();

private:
    struct Section;
    std::unique_ptr<Section> section_;
};
#else
using RecursiveMutex = std::recursive_mutex;
#endif

} // namespace vks::sim::platform
