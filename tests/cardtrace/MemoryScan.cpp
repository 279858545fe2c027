#include "MemoryScan.h"

#include <algorithm>
#include <array>
#include <cinttypes>
#include <cstdio>
#include <cstring>

#include <fcntl.h>
#include <unistd.h>

namespace vks::cardtrace {
namespace {

using Mapping = ScanWorkspace::Mapping;

// Larger writable mappings are not program data: the only ones a process
// of this program has are AddressSanitizer's reserved shadow (terabytes).
constexpr std::uintptr_t kLargestMapping = std::uintptr_t{64} << 30;
constexpr std::uint64_t kWindowModulus = 100'000'000; // 10^kFragmentDigits
constexpr std::size_t kMaxWindows = 64;
constexpr std::uintptr_t kPage = 4096;

bool isDigit(unsigned char c) { return c >= '0' && c <= '9'; }

std::uintptr_t parseHex(const char*& p, const char* end) {
    std::uintptr_t value = 0;
    for (; p < end; ++p) {
        const char c = *p;
        const int digit = c >= '0' && c <= '9' ? c - '0' : c >= 'a' && c <= 'f' ? c - 'a' + 10 : -1;
        if (digit < 0) break;
        value = value * 16 + static_cast<std::uintptr_t>(digit);
    }
    return value;
}

// /proc/self/maps into the workspace, without allocating.
bool readMappings(ScanWorkspace& w) {
    w.mapsLength = 0;
    w.mappingCount = 0;
    const int fd = open("/proc/self/maps", O_RDONLY | O_CLOEXEC);
    if (fd < 0) return false;
    for (;;) {
        const ssize_t got = read(fd, w.maps + w.mapsLength, ScanWorkspace::kMaps - 1 - w.mapsLength);
        if (got <= 0) break;
        w.mapsLength += static_cast<std::size_t>(got);
    }
    close(fd);
    const char* p = w.maps;
    const char* end = w.maps + w.mapsLength;
    while (p < end && w.mappingCount < ScanWorkspace::kMappings) {
        const char* lineEnd = static_cast<const char*>(std::memchr(p, '\n', static_cast<std::size_t>(end - p)));
        if (lineEnd == nullptr) lineEnd = end;
        Mapping& m = w.mappings[w.mappingCount];
        const char* q = p;
        m.begin = parseHex(q, lineEnd);
        if (q < lineEnd && *q == '-') ++q;
        m.end = parseHex(q, lineEnd);
        if (q < lineEnd && *q == ' ') ++q;
        m.readWrite = lineEnd - q >= 2 && q[0] == 'r' && q[1] == 'w';
        m.lineOffset = static_cast<std::uint32_t>(p - w.maps);
        m.lineLength = static_cast<std::uint32_t>(lineEnd - p);
        if (m.end > m.begin) ++w.mappingCount;
        p = lineEnd + 1;
    }
    return true;
}

// One way of reading memory as text: units of 1, 2 or 4 bytes at one
// phase. A unit is a digit when its first byte is an ASCII digit and the
// others are zero (little-endian UTF-16 and UTF-32).
struct Reading {
    int unitBytes = 1;
    std::size_t run = 0;
    std::uint64_t last = 0; // the run's last kFragmentDigits digits as a number
    std::uintptr_t runStart = 0;
    std::ptrdiff_t finding = -1; // index of this run's finding, if any
};

class Scanner {
public:
    Scanner(std::string_view number, ScanWorkspace& w)
        : w_(w) {
        for (std::size_t from = 0; from + kFragmentDigits <= number.size() && windowCount_ < kMaxWindows; ++from) {
            std::uint64_t value = 0;
            bool digits = true;
            for (std::size_t i = 0; i < kFragmentDigits; ++i) {
                const auto c = static_cast<unsigned char>(number[from + i]);
                digits = digits && isDigit(c);
                value = value * 10 + static_cast<std::uint64_t>(c - '0');
            }
            if (digits) windows_[windowCount_++] = value;
        }
        std::size_t index = 0;
        for (int unit : {1, 2, 4}) {
            for (int phase = 0; phase < unit; ++phase) readings_[index++].unitBytes = unit;
        }
    }

    // Starts a stretch of memory not contiguous with the previous one.
    void restart(std::uint32_t mapping) {
        mapping_ = mapping;
        for (Reading& r : readings_) r.run = 0, r.finding = -1;
        history_ = {};
    }

    void feed(std::uintptr_t address, const unsigned char* bytes, std::size_t count) {
        for (std::size_t i = 0; i < count; ++i, ++address) {
            const unsigned char b = bytes[i];
            history_ = {history_[1], history_[2], history_[3], b};
            // The units that end with this byte: one of each width.
            step(readings_[0], address, isDigit(b), b);
            step(readings_[1 + (address + 1) % 2], address - 1, isDigit(history_[2]) && b == 0, history_[2]);
            step(readings_[3 + (address + 1) % 4], address - 3,
                 isDigit(history_[0]) && history_[1] == 0 && history_[2] == 0 && b == 0, history_[0]);
        }
    }

    const std::uint64_t* windows() const { return windows_.data(); }
    std::size_t windowCount() const { return windowCount_; }

private:
    void step(Reading& r, std::uintptr_t unitStart, bool digit, unsigned char c) {
        if (!digit) {
            r.run = 0;
            r.finding = -1;
            return;
        }
        if (r.run == 0) r.runStart = unitStart;
        ++r.run;
        r.last = (r.last * 10 + static_cast<std::uint64_t>(c - '0')) % kWindowModulus;
        if (r.run < kFragmentDigits) return;
        if (r.finding >= 0) {
            w_.findings[static_cast<std::size_t>(r.finding)].digits = r.run;
            return;
        }
        if (std::find(windows_.begin(), windows_.begin() + windowCount_, r.last) == windows_.begin() + windowCount_) {
            return;
        }
        if (w_.findingCount == ScanWorkspace::kFindings) return;
        w_.findings[w_.findingCount] = {r.runStart, r.run, r.unitBytes, mapping_, static_cast<std::size_t>(r.unitBytes)};
        r.finding = static_cast<std::ptrdiff_t>(w_.findingCount++);
    }

    ScanWorkspace& w_;
    std::array<std::uint64_t, kMaxWindows> windows_{};
    std::size_t windowCount_ = 0;
    std::array<Reading, 7> readings_{};
    std::array<unsigned char, 4> history_{};
    std::uint32_t mapping_ = 0;
};

// Digits kept one per record: kFragmentDigits units of the same width, each
// `stride` bytes after the one before, for every stride from 2 to
// kMostStride (consecutive units are the Scanner's). Looked for backwards
// from each unit as it completes, through a ring of the bytes last read;
// most bytes are not digits, so most looks end at once.
class StridedScanner {
public:
    StridedScanner(const std::uint64_t* windows, std::size_t windowCount, ScanWorkspace& w)
        : w_(w),
          windows_(windows),
          windowCount_(windowCount) {}

    void restart(std::uint32_t mapping) {
        mapping_ = mapping;
        fed_ = 0;
    }

    void feed(std::uintptr_t address, const unsigned char* bytes, std::size_t count) {
        for (std::size_t i = 0; i < count; ++i, ++address) {
            w_.ring[address & kMask] = bytes[i];
            ++fed_;
            for (const std::size_t width : {std::size_t{1}, std::size_t{2}, std::size_t{4}}) {
                if (fed_ < width) break;
                const std::uintptr_t last = address - (width - 1);
                if (isUnit(last, width)) lookBack(last, width);
            }
        }
    }

private:
    static constexpr std::uintptr_t kMask = ScanWorkspace::kRing - 1;
    static_assert((ScanWorkspace::kRing & kMask) == 0 &&
                  ScanWorkspace::kRing > (kFragmentDigits - 1) * kMostStride + 4);

    bool isUnit(std::uintptr_t at, std::size_t width) const {
        if (!isDigit(w_.ring[at & kMask])) return false;
        for (std::size_t k = 1; k < width; ++k)
            if (w_.ring[(at + k) & kMask] != 0) return false;
        return true;
    }

    void lookBack(std::uintptr_t last, std::size_t width) {
        for (std::size_t stride = std::max<std::size_t>(2, width + 1); stride <= kMostStride; ++stride) {
            if (fed_ < width + (kFragmentDigits - 1) * stride) return; // not read that far back yet
            std::uint64_t value = static_cast<std::uint64_t>(w_.ring[last & kMask] - '0');
            std::uint64_t place = 10;
            std::size_t k = 1;
            for (; k < kFragmentDigits; ++k, place *= 10) {
                const std::uintptr_t at = last - k * stride;
                if (!isUnit(at, width)) break;
                value += static_cast<std::uint64_t>(w_.ring[at & kMask] - '0') * place;
            }
            if (k < kFragmentDigits || std::find(windows_, windows_ + windowCount_, value) == windows_ + windowCount_)
                continue;
            if (w_.findingCount == ScanWorkspace::kFindings) return;
            w_.findings[w_.findingCount++] = {last - (kFragmentDigits - 1) * stride, kFragmentDigits,
                                              static_cast<int>(width), mapping_, stride};
        }
    }

    ScanWorkspace& w_;
    const std::uint64_t* windows_;
    std::size_t windowCount_;
    std::uint32_t mapping_ = 0;
    std::size_t fed_ = 0; // bytes read since the last break
};

void skip(ScanWorkspace& w, std::uint32_t mapping) {
    if (w.skippedCount < std::size(w.skipped)) w.skipped[w.skippedCount++] = mapping;
}

std::string lineOf(const ScanWorkspace& w, std::uint32_t mapping) {
    const Mapping& m = w.mappings[mapping];
    return std::string(w.maps + m.lineOffset, m.lineLength);
}

// The bytes around a finding, digits shown as '#', for finding its owner.
std::string describeBytes(int fd, std::uintptr_t address, std::size_t length) {
    constexpr std::uintptr_t kAround = 48;
    const std::uintptr_t from = address > kAround ? address - kAround : 0;
    std::array<unsigned char, 256> bytes{};
    const std::size_t wanted = std::min<std::size_t>(bytes.size(), length + 2 * kAround);
    const ssize_t got = pread(fd, bytes.data(), wanted, static_cast<off_t>(from));
    std::string shown;
    for (ssize_t i = 0; i < got; ++i) {
        const unsigned char c = bytes[static_cast<std::size_t>(i)];
        shown += isDigit(c) ? '#' : (c >= 0x20 && c < 0x7f) ? static_cast<char>(c) : '.';
    }
    volatile unsigned char* wipe = bytes.data();
    for (std::size_t i = 0; i < bytes.size(); ++i) wipe[i] = 0;
    return shown;
}

} // namespace

ScanReport scanMemory(std::string_view number, const void* excludeBegin, const void* excludeEnd, ScanWorkspace& w) {
    w.findingCount = 0;
    w.bytesRead = 0;
    w.mappingsRead = 0;
    w.skippedCount = 0;
    ScanReport report;
    const int fd = open("/proc/self/mem", O_RDONLY | O_CLOEXEC);
    if (fd < 0 || !readMappings(w)) {
        report.skipped.push_back("/proc/self/maps or /proc/self/mem cannot be read");
        if (fd >= 0) close(fd);
        return report;
    }

    // From here until the report is made, nothing is allocated.
    Scanner scanner(number, w);
    StridedScanner strided(scanner.windows(), scanner.windowCount(), w);
    const auto exBegin = reinterpret_cast<std::uintptr_t>(excludeBegin);
    const auto exEnd = reinterpret_cast<std::uintptr_t>(excludeEnd);
    auto readRange = [&](std::uint32_t mapping, std::uintptr_t begin, std::uintptr_t end) {
        scanner.restart(mapping);
        strided.restart(mapping);
        std::uintptr_t at = begin;
        bool unreadable = false;
        while (at < end) {
            const std::size_t want = std::min<std::uintptr_t>(ScanWorkspace::kBuffer, end - at);
            const ssize_t got = pread(fd, w.buffer, want, static_cast<off_t>(at));
            if (got <= 0) {
                // An unreadable page (a guard page inside the mapping): go on
                // after it, with every run broken.
                unreadable = true;
                scanner.restart(mapping);
                strided.restart(mapping);
                at = (at / kPage + 1) * kPage;
                continue;
            }
            scanner.feed(at, w.buffer, static_cast<std::size_t>(got));
            strided.feed(at, w.buffer, static_cast<std::size_t>(got));
            w.bytesRead += static_cast<std::size_t>(got);
            at += static_cast<std::uintptr_t>(got);
        }
        if (unreadable) skip(w, mapping);
    };
    for (std::uint32_t i = 0; i < w.mappingCount; ++i) {
        const Mapping& m = w.mappings[i];
        if (!m.readWrite) continue;
        if (m.end - m.begin > kLargestMapping) {
            skip(w, i);
            continue;
        }
        ++w.mappingsRead;
        if (m.end <= exBegin || m.begin >= exEnd) {
            readRange(i, m.begin, m.end);
        } else {
            if (m.begin < exBegin) readRange(i, m.begin, exBegin);
            if (exEnd < m.end) readRange(i, exEnd, m.end);
        }
    }
    std::memset(w.buffer, 0, ScanWorkspace::kBuffer);
    std::memset(w.ring, 0, ScanWorkspace::kRing);

    report.bytesRead = w.bytesRead;
    report.mappingsRead = w.mappingsRead;
    for (std::size_t i = 0; i < w.skippedCount; ++i) report.skipped.push_back(lineOf(w, w.skipped[i]));
    for (std::size_t i = 0; i < w.findingCount; ++i) {
        const ScanWorkspace::RawFinding& raw = w.findings[i];
        Finding f;
        f.address = raw.address;
        f.digits = raw.digits;
        f.unitBytes = raw.unitBytes;
        f.stride = raw.stride;
        f.mapping = lineOf(w, raw.mapping);
        f.context = describeBytes(fd, raw.address, (raw.digits - 1) * raw.stride + static_cast<std::size_t>(raw.unitBytes));
        report.findings.push_back(std::move(f));
    }
    close(fd);
    return report;
}

} // namespace vks::cardtrace
