#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace vks::sim {

// The module file carries its build version in an ELF note of its own
// section, so the host can read it without loading or running the module:
//   section ".note.vks.version", note name "VKS\0", type 1,
//   descriptor = the version text, zero-terminated, padded to 4 bytes.
inline constexpr const char* VersionNoteSection = ".note.vks.version";
inline constexpr const char* VersionNoteName = "VKS";
inline constexpr std::uint32_t VersionNoteType = 1;

// The version in an ELF32 or ELF64 little-endian image; empty when the
// image is not such a file, is truncated or carries no note.
std::string versionFromElfImage(std::span<const std::uint8_t> image);
// The same for a file; an unreadable file gives an empty text.
std::string versionFromElfFile(const std::string& path);

} // namespace vks::sim
