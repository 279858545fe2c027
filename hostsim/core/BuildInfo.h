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

// A Windows module file carries it in its version resource (VERSIONINFO):
// the "FileVersion" text of its first string table, or else the fixed file
// version as "a.b.c.d".

// The version in an image, by the image's own format: an ELF32 or ELF64
// little-endian file's note, a PE file's version resource. Empty when the
// image is neither, is truncated or carries no version.
std::string versionFromModuleImage(std::span<const std::uint8_t> image);
// The same for a file; an unreadable file gives an empty text.
std::string versionFromModuleFile(const std::string& path);

} // namespace vks::sim
