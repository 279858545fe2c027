#include "core/ModuleFile.h"

#include <cstdint>

#include <dlfcn.h>

namespace vks {
namespace {

// The build version travels in the file as an ELF note, so the host can read
// it without running module code (the analogue of a version resource).
constexpr std::size_t kVersionSize = sizeof(VKS_BUILD_VERSION);
constexpr std::size_t kDescSize = (kVersionSize + 3) & ~std::size_t{3};

struct VersionNote {
    std::uint32_t nameSize;
    std::uint32_t descSize;
    std::uint32_t type;
    char name[4];
    char desc[kDescSize];
};

[[gnu::section(".note.vks.version"), gnu::used, gnu::aligned(4)]] const VersionNote kVersionNote{
    4, static_cast<std::uint32_t>(kVersionSize), 1, "VKS", VKS_BUILD_VERSION};

} // namespace

std::string moduleFilePath() {
    Dl_info info{};
    if (dladdr(reinterpret_cast<const void*>(&kVersionNote), &info) == 0 || info.dli_fname == nullptr) return {};
    return info.dli_fname;
}

} // namespace vks
