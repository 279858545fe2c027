#include "Platform.h"

#include <dlfcn.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vks::sim::platform {

std::string fileOfModuleContaining(const void* address) {
    Dl_info info{};
    if (dladdr(address, &info) == 0 || info.dli_fname == nullptr) return {};
    return info.dli_fname;
}

// Close-on-exec: a host that starts programs must not hand them the file.
RandomAccessFile::RandomAccessFile(const std::string& path)
    : handle_(::open(path.c_str(), O_RDONLY | O_CLOEXEC)) {
    struct stat info {};
    if (handle_ >= 0 && ::fstat(static_cast<int>(handle_), &info) == 0 && S_ISREG(info.st_mode))
        size_ = static_cast<std::uint64_t>(info.st_size);
}

RandomAccessFile::~RandomAccessFile() {
    if (handle_ >= 0) ::close(static_cast<int>(handle_));
}

bool RandomAccessFile::readAt(std::uint64_t offset, void* data, std::size_t count) const {
    if (handle_ < 0) return false;
    auto* bytes = static_cast<unsigned char*>(data);
    std::size_t done = 0;
    while (done < count) {
        const ssize_t got = ::pread(static_cast<int>(handle_), bytes + done, count - done,
                                    static_cast<off_t>(offset + done));
        if (got <= 0) return false;
        done += static_cast<std::size_t>(got);
    }
    return true;
}

} // namespace vks::sim::platform
