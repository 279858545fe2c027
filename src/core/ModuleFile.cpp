#include "core/ModuleFile.h"

#include <cstdint>

#ifdef _WIN32
#include <windows.h>
#else
#include <dlfcn.h>
#endif

namespace vks {
namespace {

#ifndef _WIN32

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
#endif

} // namespace

#ifdef _WIN32
// On Windows the version resource carries the build version
// (cmake/version.rc.in); the file is the one holding this function.
std::string moduleFilePath() {
    HMODULE module = nullptr;
    const DWORD flags = GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT;
    if (!GetModuleHandleExA(flags, reinterpret_cast<LPCSTR>(&moduleFilePath), &module)) return {};
    std::string name(32768, '\0');
    const DWORD length = GetModuleFileNameA(module, name.data(), static_cast<DWORD>(name.size()));
    if (length == 0 || length >= name.size()) return {};
    name.resize(length);
    return name;
}
#else
std::string moduleFilePath() {
    Dl_info info{};
    if (dladdr(reinterpret_cast<const void*>(&kVersionNote), &info) == 0 || info.dli_fname == nullptr) return {};
    return info.dli_fname;
}
#endif

} // namespace vks
