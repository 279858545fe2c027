#include "BuildInfo.h"

#include <algorithm>
#include <cstring>
#include <optional>
#include <string_view>
#include <vector>

#include "Platform.h"

namespace vks::sim {
namespace {

// Only the ELF header, the section-header table, the section names and the
// note are read; each has a bound, so a bogus file cannot make the host read
// or allocate much. A module with debug information is tens of megabytes,
// and the version is read at every screen creation.
constexpr std::uint64_t HeaderSize = 64;
constexpr std::uint64_t MaxSectionTableSize = 1u << 20;
constexpr std::uint64_t MaxNameTableSize = 1u << 20;
constexpr std::uint64_t MaxNoteSectionSize = 64u << 10;
constexpr std::uint16_t ExtendedSectionIndex = 0xffff;
constexpr std::uint32_t NoBitsSection = 8;

using Bytes = std::vector<std::uint8_t>;

// Where the bytes come from: an image in memory or a file read piece by piece.
class Source {
public:
    virtual ~Source() = default;
    virtual std::uint64_t size() const = 0;
    // `count` bytes at `offset`; none when they are not all there.
    virtual std::optional<Bytes> read(std::uint64_t offset, std::uint64_t count) const = 0;

    bool inside(std::uint64_t offset, std::uint64_t count) const {
        return offset <= size() && count <= size() - offset;
    }
};

class ImageSource final : public Source {
public:
    explicit ImageSource(std::span<const std::uint8_t> image)
        : image_(image) {}
    std::uint64_t size() const override { return image_.size(); }
    std::optional<Bytes> read(std::uint64_t offset, std::uint64_t count) const override {
        if (!inside(offset, count)) return std::nullopt;
        const auto piece = image_.subspan(static_cast<std::size_t>(offset), static_cast<std::size_t>(count));
        return Bytes(piece.begin(), piece.end());
    }

private:
    std::span<const std::uint8_t> image_;
};

class FileSource final : public Source {
public:
    explicit FileSource(const std::string& path)
        : file_(path) {}

    std::uint64_t size() const override { return file_.size(); }
    std::optional<Bytes> read(std::uint64_t offset, std::uint64_t count) const override {
        if (!inside(offset, count)) return std::nullopt;
        Bytes bytes(static_cast<std::size_t>(count));
        if (!file_.readAt(offset, bytes.data(), bytes.size())) return std::nullopt;
        return bytes;
    }

private:
    platform::RandomAccessFile file_;
};

// Little-endian reads that refuse to leave a piece read from the source.
class Reader {
public:
    explicit Reader(std::span<const std::uint8_t> piece)
        : piece_(piece) {}

    std::optional<std::uint64_t> unsignedAt(std::uint64_t offset, std::size_t width) const {
        if (!inside(offset, width)) return std::nullopt;
        std::uint64_t value = 0;
        for (std::size_t i = width; i-- > 0;) value = (value << 8) | piece_[static_cast<std::size_t>(offset) + i];
        return value;
    }
    bool inside(std::uint64_t offset, std::uint64_t size) const {
        return offset <= piece_.size() && size <= piece_.size() - offset;
    }
    std::span<const std::uint8_t> bytes(std::uint64_t offset, std::uint64_t size) const {
        return piece_.subspan(static_cast<std::size_t>(offset), static_cast<std::size_t>(size));
    }

private:
    std::span<const std::uint8_t> piece_;
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

// One section-header entry from a piece holding it at `base`.
std::optional<Section> sectionAt(const Reader& table, const ElfShape& shape, std::uint64_t base) {
    auto name = table.unsignedAt(base + shape.shName, 4);
    auto type = table.unsignedAt(base + shape.shType, 4);
    auto link = table.unsignedAt(base + shape.shLink, 4);
    auto offset = table.unsignedAt(base + shape.shOffset, shape.addressWidth);
    auto size = table.unsignedAt(base + shape.shSize, shape.addressWidth);
    if (!name || !type || !link || !offset || !size) return std::nullopt;
    return Section{static_cast<std::uint32_t>(*name), static_cast<std::uint32_t>(*type),
                   static_cast<std::uint32_t>(*link), *offset, *size};
}

class ElfFile {
public:
    ElfFile(const Source& source, const ElfShape& shape)
        : source_(source),
          shape_(shape) {}

    bool readHeader(const Reader& header) {
        auto shoff = header.unsignedAt(shape_.shoff, shape_.addressWidth);
        auto entsize = header.unsignedAt(shape_.shentsize, 2);
        auto shnum = header.unsignedAt(shape_.shnum, 2);
        auto strndx = header.unsignedAt(shape_.shstrndx, 2);
        if (!shoff || !entsize || !shnum || !strndx || *shoff == 0 || *entsize < shape_.minimumEntrySize) return false;
        std::uint64_t count = *shnum;
        names_ = *strndx;
        // Extended numbering keeps the real values in section 0.
        if (count == 0 || names_ == ExtendedSectionIndex) {
            const auto firstEntry = source_.read(*shoff, *entsize);
            if (!firstEntry) return false;
            const auto first = sectionAt(Reader(*firstEntry), shape_, 0);
            if (!first) return false;
            if (count == 0) count = first->size;
            if (names_ == ExtendedSectionIndex) names_ = first->link;
        }
        if (count == 0 || count > MaxSectionTableSize / *entsize) return false;
        auto table = source_.read(*shoff, count * *entsize);
        if (!table) return false;
        table_ = std::move(*table);
        entsize_ = *entsize;
        count_ = count;
        return true;
    }

    std::optional<Section> section(std::uint64_t index) const {
        if (index >= count_) return std::nullopt;
        return sectionAt(Reader(table_), shape_, index * entsize_);
    }

    // The section's bytes, when it has some in the file and they are at most `limit`.
    std::optional<Bytes> contents(const Section& s, std::uint64_t limit) const {
        if (s.type == NoBitsSection || s.size > limit) return std::nullopt;
        return source_.read(s.offset, s.size);
    }

    std::optional<Section> sectionNamed(std::string_view wanted) const {
        auto nameTable = section(names_);
        if (!nameTable) return std::nullopt;
        auto names = contents(*nameTable, MaxNameTableSize);
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

    const Source& source_;
    const ElfShape& shape_;
    Bytes table_;
    std::uint64_t entsize_ = 0, count_ = 0, names_ = 0;
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

std::string versionFrom(const Source& source) {
    static constexpr std::uint8_t magic[] = {0x7f, 'E', 'L', 'F'};
    const auto header = source.read(0, std::min(source.size(), HeaderSize));
    if (!header || header->size() < 16 || std::memcmp(header->data(), magic, sizeof magic) != 0) return {};
    const std::uint8_t elfClass = (*header)[4];
    const std::uint8_t littleEndian = 1;
    if ((*header)[5] != littleEndian || (elfClass != 1 && elfClass != 2)) return {};
    ElfFile elf(source, elfClass == 1 ? Elf32 : Elf64);
    if (!elf.readHeader(Reader(*header))) return {};
    const auto note = elf.sectionNamed(VersionNoteSection);
    if (!note) return {};
    const auto notes = elf.contents(*note, MaxNoteSectionSize);
    return notes ? versionFromNotes(*notes) : std::string{};
}

} // namespace

std::string versionFromElfImage(std::span<const std::uint8_t> image) { return versionFrom(ImageSource(image)); }

std::string versionFromElfFile(const std::string& path) { return versionFrom(FileSource(path)); }

} // namespace vks::sim
