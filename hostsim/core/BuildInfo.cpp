#include "BuildInfo.h"

#include <cstring>
#include <fstream>
#include <optional>
#include <string_view>
#include <vector>

namespace vks::sim {
namespace {

constexpr std::uint64_t MaxModuleFileSize = 256u * 1024u * 1024u;
constexpr std::uint16_t ExtendedSectionIndex = 0xffff;
constexpr std::uint32_t NoBitsSection = 8;

// Little-endian reads that refuse to leave the image.
class Reader {
public:
    explicit Reader(std::span<const std::uint8_t> image) : image_(image) {}

    std::optional<std::uint64_t> unsignedAt(std::uint64_t offset, std::size_t width) const {
        if (!inside(offset, width)) return std::nullopt;
        std::uint64_t value = 0;
        for (std::size_t i = width; i-- > 0;) value = (value << 8) | image_[static_cast<std::size_t>(offset) + i];
        return value;
    }
    bool inside(std::uint64_t offset, std::uint64_t size) const {
        return offset <= image_.size() && size <= image_.size() - offset;
    }
    std::span<const std::uint8_t> bytes(std::uint64_t offset, std::uint64_t size) const {
        return image_.subspan(static_cast<std::size_t>(offset), static_cast<std::size_t>(size));
    }

private:
    std::span<const std::uint8_t> image_;
};

// Offsets of the header and section-header members that differ by class.
struct ElfShape {
    std::size_t addressWidth;
    std::uint64_t shoff, shentsize, shnum, shstrndx;
    std::uint64_t shName, shType, shLink, shOffset, shSize;
    std::uint64_t minimumEntrySize;
};
constexpr ElfShape Elf32{4, 0x20, 0x2e, 0x30, 0x32, 0x00, 0x04, 0x18, 0x10, 0x14, 40};
constexpr ElfShape Elf64{8, 0x28, 0x3a, 0x3c, 0x3e, 0x00, 0x04, 0x28, 0x18, 0x20, 64};

struct Section {
    std::uint32_t name = 0;
    std::uint32_t type = 0;
    std::uint32_t link = 0;
    std::uint64_t offset = 0;
    std::uint64_t size = 0;
};

class ElfImage {
public:
    ElfImage(const Reader& reader, const ElfShape& shape) : reader_(reader), shape_(shape) {}

    bool readHeader() {
        auto shoff = reader_.unsignedAt(shape_.shoff, shape_.addressWidth);
        auto entsize = reader_.unsignedAt(shape_.shentsize, 2);
        auto count = reader_.unsignedAt(shape_.shnum, 2);
        auto strndx = reader_.unsignedAt(shape_.shstrndx, 2);
        if (!shoff || !entsize || !count || !strndx || *shoff == 0 || *entsize < shape_.minimumEntrySize) return false;
        shoff_ = *shoff;
        entsize_ = *entsize;
        count_ = *count;
        names_ = *strndx;
        // Extended numbering keeps the real values in section 0.
        if (count_ == 0 || names_ == ExtendedSectionIndex) {
            auto first = section(0);
            if (!first) return false;
            if (count_ == 0) count_ = first->size;
            if (names_ == ExtendedSectionIndex) names_ = first->link;
        }
        return count_ > 0 && reader_.inside(shoff_, 0) && count_ <= (UINT64_MAX / entsize_) &&
               reader_.inside(shoff_, count_ * entsize_);
    }

    std::optional<Section> section(std::uint64_t index) const {
        const std::uint64_t base = shoff_ + index * entsize_;
        auto name = reader_.unsignedAt(base + shape_.shName, 4);
        auto type = reader_.unsignedAt(base + shape_.shType, 4);
        auto link = reader_.unsignedAt(base + shape_.shLink, 4);
        auto offset = reader_.unsignedAt(base + shape_.shOffset, shape_.addressWidth);
        auto size = reader_.unsignedAt(base + shape_.shSize, shape_.addressWidth);
        if (!name || !type || !link || !offset || !size) return std::nullopt;
        return Section{static_cast<std::uint32_t>(*name), static_cast<std::uint32_t>(*type),
                       static_cast<std::uint32_t>(*link), *offset, *size};
    }

    std::optional<std::span<const std::uint8_t>> contents(const Section& s) const {
        if (s.type == NoBitsSection || !reader_.inside(s.offset, s.size)) return std::nullopt;
        return reader_.bytes(s.offset, s.size);
    }

    std::optional<Section> sectionNamed(std::string_view wanted) const {
        if (names_ >= count_) return std::nullopt;
        auto nameTable = section(names_);
        if (!nameTable) return std::nullopt;
        auto names = contents(*nameTable);
        if (!names) return std::nullopt;
        for (std::uint64_t i = 0; i < count_; ++i) {
            auto candidate = section(i);
            if (candidate && nameAt(*names, candidate->name) == wanted) return candidate;
        }
        return std::nullopt;
    }

private:
    static std::string_view nameAt(std::span<const std::uint8_t> table, std::uint32_t offset) {
        if (offset >= table.size()) return {};
        const auto* start = reinterpret_cast<const char*>(table.data()) + offset;
        const auto* end = static_cast<const char*>(std::memchr(start, '\0', table.size() - offset));
        if (end == nullptr) return {};
        return std::string_view(start, static_cast<std::size_t>(end - start));
    }

    const Reader& reader_;
    const ElfShape& shape_;
    std::uint64_t shoff_ = 0, entsize_ = 0, count_ = 0, names_ = 0;
};

std::uint64_t padded4(std::uint64_t size) { return (size + 3u) & ~std::uint64_t{3}; }

std::string versionFromNotes(std::span<const std::uint8_t> notes) {
    const Reader reader(notes);
    std::uint64_t at = 0;
    while (reader.inside(at, 12)) {
        const auto nameSize = *reader.unsignedAt(at, 4);
        const auto descSize = *reader.unsignedAt(at + 4, 4);
        const auto type = *reader.unsignedAt(at + 8, 4);
        const std::uint64_t nameAt = at + 12;
        const std::uint64_t descAt = nameAt + padded4(nameSize);
        if (!reader.inside(nameAt, padded4(nameSize)) || !reader.inside(descAt, descSize)) return {};
        const auto name = reader.bytes(nameAt, nameSize);
        const bool ours = type == VersionNoteType && nameSize == std::strlen(VersionNoteName) + 1 &&
                          std::memcmp(name.data(), VersionNoteName, nameSize) == 0;
        if (ours) {
            const auto desc = reader.bytes(descAt, descSize);
            const auto* text = reinterpret_cast<const char*>(desc.data());
            const auto* end = static_cast<const char*>(std::memchr(text, '\0', desc.size()));
            return std::string(text, end == nullptr ? desc.size() : static_cast<std::size_t>(end - text));
        }
        at = descAt + padded4(descSize);
    }
    return {};
}

} // namespace

std::string versionFromElfImage(std::span<const std::uint8_t> image) {
    static constexpr std::uint8_t magic[] = {0x7f, 'E', 'L', 'F'};
    if (image.size() < 16 || std::memcmp(image.data(), magic, sizeof magic) != 0) return {};
    const std::uint8_t elfClass = image[4];
    const std::uint8_t littleEndian = 1;
    if (image[5] != littleEndian || (elfClass != 1 && elfClass != 2)) return {};
    const Reader reader(image);
    ElfImage elf(reader, elfClass == 1 ? Elf32 : Elf64);
    if (!elf.readHeader()) return {};
    const auto note = elf.sectionNamed(VersionNoteSection);
    if (!note) return {};
    const auto notes = elf.contents(*note);
    return notes ? versionFromNotes(*notes) : std::string{};
}

std::string versionFromElfFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary | std::ios::ate);
    if (!file) return {};
    const auto size = static_cast<std::streamoff>(file.tellg());
    if (size <= 0 || static_cast<std::uint64_t>(size) > MaxModuleFileSize) return {};
    std::vector<std::uint8_t> image(static_cast<std::size_t>(size));
    file.seekg(0);
    if (!file.read(reinterpret_cast<char*>(image.data()), size)) return {};
    return versionFromElfImage(image);
}

} // namespace vks::sim
