// The build version of a Windows module file, read by the simulated host from
// the file's version resource: crafted PE images here, and under wine the
// host libraries as built, which carry the module's resource.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "BuildInfo.h"
#include "Platform.h"
#include "TempFile.h"
#include "vks/host_abi.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

// `width` bytes of `value`, little-endian; zeros past its eight.
void put(Bytes& bytes, std::uint64_t value, std::size_t width) {
    for (std::size_t i = 0; i < width; ++i) bytes.push_back(i < 8 ? static_cast<std::uint8_t>(value >> (8 * i)) : 0);
}

void patch(Bytes& bytes, std::size_t at, std::uint64_t value, std::size_t width) {
    for (std::size_t i = 0; i < width; ++i) bytes[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

void padTo4(Bytes& bytes) {
    while (bytes.size() % 4) bytes.push_back(0);
}

Bytes utf16(const std::u16string& text) {
    Bytes bytes;
    for (char16_t unit : text) put(bytes, unit, 2);
    put(bytes, 0, 2);
    return bytes;
}

// One block of a VS_VERSIONINFO tree: length, value length, type, key, value,
// children; type 1 counts its value in UTF-16 units.
Bytes block(const std::u16string& key, const Bytes& value, bool text, const std::vector<Bytes>& children = {}) {
    Bytes bytes(6, 0);
    const auto name = utf16(key);
    bytes.insert(bytes.end(), name.begin(), name.end());
    padTo4(bytes);
    bytes.insert(bytes.end(), value.begin(), value.end());
    for (const auto& child : children) {
        padTo4(bytes);
        bytes.insert(bytes.end(), child.begin(), child.end());
    }
    patch(bytes, 0, bytes.size(), 2);
    patch(bytes, 2, text ? value.size() / 2 : value.size(), 2);
    patch(bytes, 4, text ? 1 : 0, 2);
    return bytes;
}

Bytes fixedFileInfo(std::uint32_t high, std::uint32_t low) {
    Bytes info;
    put(info, 0xfeef04bd, 4);
    put(info, 0x10000, 4);
    put(info, high, 4);
    put(info, low, 4);
    info.resize(52, 0);
    return info;
}

Bytes versionInfo(const std::u16string* fileVersion, std::uint32_t high = 0x10002, std::uint32_t low = 0x30004) {
    std::vector<Bytes> children;
    if (fileVersion != nullptr) {
        const auto entry = block(u"FileVersion", utf16(*fileVersion), true);
        const auto other = block(u"ProductName", utf16(u"VKS"), true);
        children.push_back(block(u"StringFileInfo", {}, true, {block(u"041604b0", {}, true, {other, entry})}));
    }
    Bytes translation;
    put(translation, 0x04b00416, 4);
    children.push_back(block(u"VarFileInfo", {}, true, {block(u"Translation", translation, false)}));
    return block(u"VS_VERSION_INFO", fixedFileInfo(high, low), false, children);
}

constexpr std::uint32_t SectionAddress = 0x1000;
constexpr std::size_t DefaultSectionOffset = 0x200;
constexpr std::size_t SectionTableAt = 0x40 + 24 + 224;

// A PE32 image with one section, .rsrc, holding RT_VERSION / 1 / 0x416 and
// the given VS_VERSIONINFO. The section's bytes follow the headers.
Bytes peWithResource(const Bytes& info) {
    Bytes image(0x40, 0);
    image[0] = 'M';
    image[1] = 'Z';
    patch(image, 0x3c, 0x40, 4);
    image.insert(image.end(), {'P', 'E', 0, 0});
    put(image, 0x14c, 2); // i386
    put(image, 1, 2);     // one section
    put(image, 0, 12);
    put(image, 224, 2); // optional header size
    put(image, 0x2102, 2);
    const std::size_t optional = image.size();
    image.resize(optional + 224, 0);
    patch(image, optional, 0x10b, 2);
    patch(image, optional + 92, 16, 4); // data directories

    Bytes resource;
    auto directory = [&](std::uint32_t id, std::uint32_t target) {
        put(resource, 0, 12);
        put(resource, 0, 2);
        put(resource, 1, 2);
        put(resource, id, 4);
        put(resource, target, 4);
    };
    directory(16, 0x80000018);
    directory(1, 0x80000030);
    directory(0x416, 0x48);
    put(resource, SectionAddress + 0x58, 4);
    put(resource, info.size(), 4);
    put(resource, 0, 8);
    resource.resize(0x58, 0);
    resource.insert(resource.end(), info.begin(), info.end());

    patch(image, optional + 96 + 16, SectionAddress, 4);
    patch(image, optional + 96 + 20, resource.size(), 4);
    image.insert(image.end(), {'.', 'r', 's', 'r', 'c', 0, 0, 0});
    put(image, resource.size(), 4);
    put(image, SectionAddress, 4);
    put(image, resource.size(), 4);
    put(image, DefaultSectionOffset, 4);
    put(image, 0, 16);
    image.resize(DefaultSectionOffset, 0);
    image.insert(image.end(), resource.begin(), resource.end());
    return image;
}

struct ResourceCase {
    const char* name;
    Bytes image;
    std::string expected;
};

const std::u16string plain = u"2.3.4.5";
const std::u16string accented = u"1.0 beta \u00e7\u00e3 \U0001f600";

std::vector<ResourceCase> resourceCases() {
    auto wrongRoot = versionInfo(&plain);
    wrongRoot[6] = 'X';
    return {
        {"FileVersionText", peWithResource(versionInfo(&plain)), "2.3.4.5"},
        {"TextIsConvertedToUtf8", peWithResource(versionInfo(&accented)), "1.0 beta \xc3\xa7\xc3\xa3 \xf0\x9f\x98\x80"},
        {"WithoutStringsTheFixedVersion", peWithResource(versionInfo(nullptr, 0x70008, 0x9000a)), "7.8.9.10"},
        {"NotAVersionInfo", peWithResource(wrongRoot), ""},
        {"NotAPeFile", Bytes(512, 'M'), ""},
    };
}

class VersionResource : public ::testing::TestWithParam<ResourceCase> {};

TEST_P(VersionResource, IsReadByTheFilesOwnFormat) {
    EXPECT_EQ(vks::sim::versionFromModuleImage(GetParam().image), GetParam().expected);
    TempFile file(GetParam().image);
    EXPECT_EQ(vks::sim::versionFromModuleFile(file.path()), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, VersionResource, ::testing::ValuesIn(resourceCases()),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(VersionResourceBounds, TruncatedOrCorruptedImagesNeverReadOutOfBounds) {
    const auto image = peWithResource(versionInfo(&plain));
    for (std::size_t size = 0; size < image.size(); ++size) {
        // Exact-size copies so the sanitizer sees any read past the end.
        const Bytes prefix(image.begin(), image.begin() + static_cast<std::ptrdiff_t>(size));
        const auto version = vks::sim::versionFromModuleImage(prefix);
        EXPECT_TRUE(version.empty() || version == "2.3.4.5") << size;
    }
    for (std::size_t at = 0; at < image.size(); ++at) {
        for (std::uint8_t value : {std::uint8_t{0x00}, std::uint8_t{0x7f}, std::uint8_t{0xff}}) {
            auto corrupted = image;
            corrupted[at] = value;
            (void)vks::sim::versionFromModuleImage(corrupted);
        }
    }
}

// Sparse files: a resource 3 GiB into the file is found (offsets past 32
// bits of a signed type), and sizes the headers claim are still bounded.
TEST(VersionResourceBounds, FarOffsetsAndClaimedSizes) {
    constexpr std::uint64_t farOffset = std::uint64_t{3} << 30;
    auto image = peWithResource(versionInfo(&plain));
    const Bytes resource(image.begin() + DefaultSectionOffset, image.end());
    image.resize(DefaultSectionOffset);
    patch(image, SectionTableAt + 20, farOffset, 4);
    {
        TempFile distant(image);
        {
            std::fstream file(distant.path(), std::ios::binary | std::ios::in | std::ios::out);
            file.seekp(static_cast<std::streamoff>(farOffset));
            file.write(reinterpret_cast<const char*>(resource.data()), static_cast<std::streamsize>(resource.size()));
        }
        EXPECT_EQ(vks::sim::versionFromModuleFile(distant.path()), "2.3.4.5");
    }

    auto hugeResource = peWithResource(versionInfo(&plain));
    patch(hugeResource, DefaultSectionOffset + 0x48 + 4, std::uint64_t{2} << 30, 4); // the version's size
    patch(hugeResource, SectionTableAt + 8, 0xffffffff, 4);                           // the section's sizes
    patch(hugeResource, SectionTableAt + 16, 0xffffffff, 4);
    TempFile huge(hugeResource);
    std::filesystem::resize_file(huge.path(), std::uintmax_t{8} << 30);
    EXPECT_EQ(vks::sim::versionFromModuleFile(huge.path()), "");
}

#ifdef _WIN32
// The host libraries built for Windows carry the module's version resource:
// GetBuildInfo on one of them, found where Windows loaded it from.
TEST(VersionResourceOnWindows, GetBuildInfoReadsABuiltLibrary) {
    char text[128] = "x";
    VksTextOut out{text, sizeof text, 0};
    const auto file = vks::sim::platform::fileOfModuleContaining(reinterpret_cast<const void*>(&GetBuildInfo));
    ASSERT_FALSE(file.empty());
    GetBuildInfo(&out, file.c_str());
    EXPECT_EQ(std::string(text), VKS_BUILD_VERSION) << file;
}
#endif

} // namespace
