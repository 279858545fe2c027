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

std::string versionFromElf(const Source& source, const Bytes& header) {
    const std::uint8_t elfClass = header[4];
    const std::uint8_t littleEndian = 1;
    if (header[5] != littleEndian || (elfClass != 1 && elfClass != 2)) return {};
    ElfFile elf(source, elfClass == 1 ? Elf32 : Elf64);
    if (!elf.readHeader(Reader(header))) return {};
    const auto note = elf.sectionNamed(VersionNoteSection);
    if (!note) return {};
    const auto notes = elf.contents(*note, MaxNoteSectionSize);
    return notes ? versionFromNotes(*notes) : std::string{};
}

// ---- PE: the version resource ------------------------------------------------
// DOS header -> PE header -> resource directory (data directory 2) -> type
// RT_VERSION -> first name -> first language -> VS_VERSIONINFO. Each step
// reads a small piece at an offset it checks first.

constexpr std::uint64_t MaxPeHeaderOffset = 64u << 10;
constexpr std::uint64_t MaxPeSections = 96; // the Windows loader's own limit
constexpr std::uint64_t MaxResourceEntries = 4096;
constexpr std::uint64_t MaxVersionResourceSize = 64u << 10;
constexpr std::uint32_t VersionResourceType = 16;
constexpr std::uint32_t SubdirectoryFlag = 0x80000000u;
constexpr std::uint32_t FixedFileInfoSignature = 0xfeef04bdu;

struct PeSection {
    std::uint64_t address, size, offset, rawSize;
};

class PeFile {
public:
    explicit PeFile(const Source& source)
        : source_(source) {}

    bool readHeaders(const Reader& dos) {
        const auto peAt = dos.unsignedAt(0x3c, 4);
        if (!peAt || *peAt > MaxPeHeaderOffset) return false;
        const auto fixed = source_.read(*peAt, 24);
        if (!fixed || std::memcmp(fixed->data(), "PE\0\0", 4) != 0) return false;
        const Reader coff(*fixed);
        const auto sections = *coff.unsignedAt(6, 2);
        const auto optionalSize = *coff.unsignedAt(20, 2);
        if (sections == 0 || sections > MaxPeSections) return false;
        const auto optional = source_.read(*peAt + 24, optionalSize);
        if (!optional) return false;
        const Reader opt(*optional);
        const auto magic = opt.unsignedAt(0, 2);
        if (!magic || (*magic != 0x10b && *magic != 0x20b)) return false;
        const std::uint64_t directories = *magic == 0x10b ? 96 : 112;
        const auto count = opt.unsignedAt(directories - 4, 4);
        const auto resourceAddress = opt.unsignedAt(directories + 2 * 8, 4);
        if (!count || *count <= 2 || !resourceAddress || *resourceAddress == 0) return false;
        resourceAddress_ = *resourceAddress;
        const auto table = source_.read(*peAt + 24 + optionalSize, sections * 40);
        if (!table) return false;
        const Reader entries(*table);
        for (std::uint64_t i = 0; i < sections; ++i) {
            const std::uint64_t at = i * 40;
            sections_.push_back({*entries.unsignedAt(at + 12, 4), *entries.unsignedAt(at + 8, 4),
                                 *entries.unsignedAt(at + 20, 4), *entries.unsignedAt(at + 16, 4)});
        }
        return true;
    }

    // The bytes of the version resource, as the file holds them.
    std::optional<Bytes> versionResource() const {
        auto entry = directoryEntry(0, VersionResourceType);
        for (int level = 0; level < 2 && entry && (*entry & SubdirectoryFlag); ++level)
            entry = directoryEntry(*entry & ~SubdirectoryFlag, std::nullopt); // first name, first language
        if (!entry || (*entry & SubdirectoryFlag)) return std::nullopt;
        const auto data = resourceRead(*entry, 16);
        if (!data) return std::nullopt;
        const Reader fields(*data);
        const auto size = *fields.unsignedAt(4, 4);
        if (size > MaxVersionResourceSize) return std::nullopt;
        return read(*fields.unsignedAt(0, 4), size);
    }

private:
    // The entry of the directory at `offset` (from the resource start) with
    // the numeric id `wanted`, or its first entry; its offset-to-data word.
    std::optional<std::uint32_t> directoryEntry(std::uint64_t offset, std::optional<std::uint32_t> wanted) const {
        const auto header = resourceRead(offset, 16);
        if (!header) return std::nullopt;
        const Reader counts(*header);
        const std::uint64_t count = *counts.unsignedAt(12, 2) + *counts.unsignedAt(14, 2);
        if (count == 0 || count > MaxResourceEntries) return std::nullopt;
        const auto entries = resourceRead(offset + 16, count * 8);
        if (!entries) return std::nullopt;
        const Reader list(*entries);
        for (std::uint64_t i = 0; i < count; ++i) {
            const auto id = *list.unsignedAt(i * 8, 4);
            if (!wanted || id == *wanted) return static_cast<std::uint32_t>(*list.unsignedAt(i * 8 + 4, 4));
        }
        return std::nullopt;
    }

    std::optional<Bytes> resourceRead(std::uint64_t offset, std::uint64_t count) const {
        return read(resourceAddress_ + offset, count);
    }

    // `count` bytes at a relative virtual address, from the section's bytes in the file.
    std::optional<Bytes> read(std::uint64_t address, std::uint64_t count) const {
        for (const auto& s : sections_) {
            const std::uint64_t inFile = std::min(s.size == 0 ? s.rawSize : s.size, s.rawSize);
            if (address < s.address || address - s.address >= inFile) continue;
            const std::uint64_t at = address - s.address;
            if (count > inFile - at) return std::nullopt;
            return source_.read(s.offset + at, count);
        }
        return std::nullopt;
    }

    const Source& source_;
    std::uint64_t resourceAddress_ = 0;
    std::vector<PeSection> sections_;
};

// A VS_VERSIONINFO block or one of its children: length, value length, type,
// a UTF-16 key, the value and the children, each start aligned to 4 bytes.
struct VersionBlock {
    std::u16string key;
    std::uint64_t valueAt = 0, valueSize = 0, childrenAt = 0, end = 0;
};

std::uint64_t aligned4(std::uint64_t offset) { return (offset + 3u) & ~std::uint64_t{3}; }

std::optional<VersionBlock> versionBlockAt(const Reader& reader, std::uint64_t at, std::uint64_t limit) {
    const auto length = reader.unsignedAt(at, 2);
    const auto valueLength = reader.unsignedAt(at + 2, 2);
    const auto type = reader.unsignedAt(at + 4, 2);
    if (!length || !valueLength || !type || *length < 6 || *length > limit - at) return std::nullopt;
    VersionBlock block;
    block.end = at + *length;
    std::uint64_t keyAt = at + 6;
    for (;; keyAt += 2) {
        const auto unit = keyAt + 2 <= block.end ? reader.unsignedAt(keyAt, 2) : std::nullopt;
        if (!unit) return std::nullopt;
        if (*unit == 0) break;
        block.key.push_back(static_cast<char16_t>(*unit));
    }
    block.valueAt = std::min(aligned4(keyAt + 2), block.end);
    // A text value counts UTF-16 units, a binary one bytes.
    block.valueSize = std::min(*type == 1 ? *valueLength * 2 : *valueLength, block.end - block.valueAt);
    block.childrenAt = std::min(aligned4(block.valueAt + block.valueSize), block.end);
    return block;
}

template <typename Visit>
void forEachChild(const Reader& reader, const VersionBlock& parent, Visit visit) {
    for (std::uint64_t at = parent.childrenAt; at + 6 <= parent.end;) {
        const auto child = versionBlockAt(reader, at, parent.end);
        if (!child) return;
        if (visit(*child)) return;
        at = aligned4(child->end);
    }
}

std::string utf8FromUtf16(const Reader& reader, std::uint64_t at, std::uint64_t size) {
    std::string text;
    for (std::uint64_t i = 0; i + 1 < size; i += 2) {
        std::uint32_t unit = static_cast<std::uint32_t>(*reader.unsignedAt(at + i, 2));
        if (unit == 0) break;
        if (unit >= 0xd800 && unit < 0xdc00 && i + 3 < size) {
            const auto low = static_cast<std::uint32_t>(*reader.unsignedAt(at + i + 2, 2));
            if (low >= 0xdc00 && low < 0xe000) {
                unit = 0x10000 + ((unit - 0xd800) << 10) + (low - 0xdc00);
                i += 2;
            }
        }
        if (unit < 0x80) {
            text.push_back(static_cast<char>(unit));
        } else if (unit < 0x800) {
            text.push_back(static_cast<char>(0xc0 | (unit >> 6)));
            text.push_back(static_cast<char>(0x80 | (unit & 0x3f)));
        } else if (unit < 0x10000) {
            text.push_back(static_cast<char>(0xe0 | (unit >> 12)));
            text.push_back(static_cast<char>(0x80 | ((unit >> 6) & 0x3f)));
            text.push_back(static_cast<char>(0x80 | (unit & 0x3f)));
        } else {
            text.push_back(static_cast<char>(0xf0 | (unit >> 18)));
            text.push_back(static_cast<char>(0x80 | ((unit >> 12) & 0x3f)));
            text.push_back(static_cast<char>(0x80 | ((unit >> 6) & 0x3f)));
            text.push_back(static_cast<char>(0x80 | (unit & 0x3f)));
        }
    }
    return text;
}

// The "FileVersion" text of the first string table, the same text the ELF
// note carries; without one, the fixed file version as "a.b.c.d".
std::string versionFromVersionInfo(std::span<const std::uint8_t> resource) {
    const Reader reader(resource);
    const auto root = versionBlockAt(reader, 0, resource.size());
    if (!root || root->key != u"VS_VERSION_INFO") return {};
    std::optional<std::string> text;
    forEachChild(reader, *root, [&](const VersionBlock& info) {
        if (info.key != u"StringFileInfo") return false;
        forEachChild(reader, info, [&](const VersionBlock& table) {
            forEachChild(reader, table, [&](const VersionBlock& entry) {
                if (entry.key == u"FileVersion") text = utf8FromUtf16(reader, entry.valueAt, entry.valueSize);
                return text.has_value();
            });
            return true;
        });
        return true;
    });
    if (text) return *text;
    if (root->valueSize < 16 || reader.unsignedAt(root->valueAt, 4) != FixedFileInfoSignature) return {};
    const auto high = *reader.unsignedAt(root->valueAt + 8, 4);
    const auto low = *reader.unsignedAt(root->valueAt + 12, 4);
    return std::to_string(high >> 16) + '.' + std::to_string(high & 0xffff) + '.' + std::to_string(low >> 16) + '.' +
           std::to_string(low & 0xffff);
}

std::string versionFromPe(const Source& source, const Bytes& header) {
    PeFile pe(source);
    if (!pe.readHeaders(Reader(header))) return {};
    const auto resource = pe.versionResource();
    return resource ? versionFromVersionInfo(*resource) : std::string{};
}

// The file's own format decides: an ELF file's note, a PE file's resource.
std::string versionFrom(const Source& source) {
    static constexpr std::uint8_t elfMagic[] = {0x7f, 'E', 'L', 'F'};
    static constexpr std::uint8_t peMagic[] = {'M', 'Z'};
    const auto header = source.read(0, std::min(source.size(), HeaderSize));
    if (!header || header->size() < 16) return {};
    if (std::memcmp(header->data(), elfMagic, sizeof elfMagic) == 0) return versionFromElf(source, *header);
    if (std::memcmp(header->data(), peMagic, sizeof peMagic) == 0) return versionFromPe(source, *header);
    return {};
}

} // namespace

std::string versionFromModuleImage(std::span<const std::uint8_t> image) { return versionFrom(ImageSource(image)); }

std::string versionFromModuleFile(const std::string& path) { return versionFrom(FileSource(path)); }

} // namespace vks::sim
