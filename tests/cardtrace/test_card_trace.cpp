// Card numbers leave no trace: after a card transaction - the number read on
// the PIN pad, supplied by the host, or typed by the cashier; 16 and 19
// digits - no whole card number and no run of 8 or more of its consecutive
// digits is left anywhere in the process's writable memory outside the
// host's own store.
//
// How the host's copies are told apart from the module's: the host here is
// the test program itself (CleanHost.h). It keeps every text it holds -
// the field store, the number the PIN pad reads, the number the test types,
// the scan's read buffer - in one mapping of its own and makes no copy
// anywhere else, so the scan leaves out exactly that mapping and nothing
// more. Whatever it finds elsewhere the module made, directly or through the
// toolkit. The module is the real libvks.so, loaded with dlopen on the
// toolkit's offscreen platform, as vks-host loads it.
//
// Freed memory is searched like any other, and whether a freed copy is
// still there must not depend on luck: the program's allocator never reuses
// memory (KeepingAllocator.cpp), so every copy ever made and not wiped is
// found. Under AddressSanitizer, which brings its own allocator, the search
// runs all the same - it reads through /proc/self/mem, which the sanitizer's
// poisoning does not stop - and the sanitizer's quarantine keeps freed
// memory from reuse for the length of a test; only its shadow memory
// (terabytes reserved, no program data) is left out.
//
// Each number is checked before its transaction too: one that already
// occurs in memory by accident is replaced by another. A trace found is
// reported with the bytes around it (digits shown as '#'); with
// VKS_CARD_TRACE_SITES=1 also with the call stack that allocated it.
#include <gtest/gtest.h>

#include <dlfcn.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include <QApplication>
#include <QDate>
#include <QTimer>

#include "CleanHost.h"
#include "KeepingAllocator.h"
#include "MemoryScan.h"
#include "cashier/Cashier.h"
#include "vks/vks.h"

namespace {

using namespace vks::cardtrace;
using namespace std::chrono_literals;
namespace cashier = vks::cashier;

struct Module {
    void* handle = nullptr;
    void(VKS_HOSTCALL* executaGenerico)(VksWindow, int32_t) = nullptr;
    void(VKS_HOSTCALL* initialize)() = nullptr;
    void(VKS_HOSTCALL* finalize)() = nullptr;
};

Module& module() {
    static Module m = [] {
        Module loaded;
        loaded.handle = dlopen(VKS_MODULE_FILE, RTLD_NOW | RTLD_LOCAL);
        if (loaded.handle == nullptr) return loaded;
        loaded.executaGenerico =
            reinterpret_cast<void(VKS_HOSTCALL*)(VksWindow, int32_t)>(dlsym(loaded.handle, "ExecutaGenerico"));
        loaded.initialize = reinterpret_cast<void(VKS_HOSTCALL*)()>(dlsym(loaded.handle, "Initialize"));
        loaded.finalize = reinterpret_cast<void(VKS_HOSTCALL*)()>(dlsym(loaded.handle, "Finalize"));
        return loaded;
    }();
    return m;
}

// The number under test, made from a seed straight into the host's region
// (no literal, no temporary).
void makeNumber(std::uint64_t seed, std::uint32_t length) {
    HostRegion& r = region();
    std::uint64_t x = seed * 0x9E3779B97F4A7C15ull + 0x2545F4914F6CDD1Dull;
    for (std::uint32_t i = 0; i < length; ++i) {
        x ^= x << 13;
        x ^= x >> 7;
        x ^= x << 17;
        r.card[i] = static_cast<char>('0' + (i == 0 ? 5 + x % 2 : x % 10));
    }
    r.card[length] = '\0';
    r.cardLength = length;
}

std::string_view number() { return {region().card, region().cardLength}; }

ScanReport scan() {
    HostRegion& r = region();
    const auto* begin = reinterpret_cast<const unsigned char*>(&r);
    return scanMemory(number(), begin, begin + sizeof(HostRegion), r.scan);
}

std::string describe(const ScanReport& report) {
    std::string text;
    for (const Finding& f : report.findings) {
        text +=
            "\n  " + std::to_string(f.digits) + " digits (" +
            (f.unitBytes == 1   ? std::string("ASCII")
             : f.unitBytes == 2 ? std::string("UTF-16")
                                : std::string("UTF-32")) +
            (f.stride != static_cast<std::size_t>(f.unitBytes) ? ", one every " + std::to_string(f.stride) + " bytes"
                                                               : std::string()) +
            ") at 0x" +
            [&] {
                char hex[32];
                std::snprintf(hex, sizeof hex, "%zx", static_cast<std::size_t>(f.address));
                return std::string(hex);
            }() +
            " in " + f.mapping + "\n    " + f.context;
        AllocationSite site;
        if (keepingAllocationOf(reinterpret_cast<const void*>(f.address), site)) {
            text += "\n    allocated (" + std::to_string(site.size) + " bytes) by:";
            for (int i = 0; i < site.frames; ++i) {
                Dl_info info{};
                char line[512];
                if (dladdr(site.frame[i], &info) != 0 && info.dli_fname != nullptr) {
                    std::snprintf(line, sizeof line, "\n      %s+0x%zx %s", info.dli_fname,
                                  static_cast<std::size_t>(static_cast<const char*>(site.frame[i]) -
                                                           static_cast<const char*>(info.dli_fbase)),
                                  info.dli_sname != nullptr ? info.dli_sname : "");
                } else {
                    std::snprintf(line, sizeof line, "\n      %p", site.frame[i]);
                }
                text += line;
            }
        }
    }
    return text;
}

// Toolkit work the module left queued (deferred deletions) is done before
// the scan, as the host's event loop would do it.
void settle() {
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }
}

enum class Source { PinPad, Supplied, Typed };

struct Transaction {
    const char* name;
    Source source;
    // The host's fields besides the card (texts without card digits).
    std::vector<std::pair<std::int32_t, std::string>> fields;
    // Where the host supplies the number (Source::Supplied).
    std::int32_t cardField = 1059;
    // What the cashier does: the card typed into this control ("" none),
    // then these keys.
    const char* typedInto = "";
    std::vector<cashier::KeyStroke> keys;
    // Where the number is found afterwards (the first digits a control
    // takes, for a typed one).
    std::int32_t resultField = 10104;
};

cashier::KeyStroke confirm() { return cashier::KeyStroke::alt('1'); }

// A cheque sale in one installment; an empty `cpf` leaves the customer to
// be identified by card.
std::vector<std::pair<std::int32_t, std::string>> chequeSale(const std::string& cpf) {
    std::vector<std::pair<std::int32_t, std::string>> fields{{1105, "000000000000000001"},
                                                             {1003, "30000"},
                                                             {1017, "0"},
                                                             {1029, "341"},
                                                             {1030, "1234"},
                                                             {1032, "567890"},
                                                             {1066, "1"},
                                                             {1119, "1500"},
                                                             {1101, "0"},
                                                             {1050, "4711"},
                                                             {1051, "20240105"},
                                                             {1079, "101500"},
                                                             {1098, "321"}};
    if (!cpf.empty()) fields.insert(fields.begin() + 1, {1007, cpf});
    return fields;
}

// Keys that type `text` ("\r" is Enter), then `last`.
std::vector<cashier::KeyStroke> keys(std::string_view text, cashier::KeyStroke last) {
    std::vector<cashier::KeyStroke> strokes;
    for (char c : text)
        strokes.push_back(c == '\r' ? cashier::KeyStroke::enter() : cashier::KeyStroke::character({&c, 1}));
    strokes.push_back(std::move(last));
    return strokes;
}

// Three days ago as the host stores dates (ddmmyyyy).
std::string daysAgo(int days) { return QDate::currentDate().addDays(-days).toString("ddMMyyyy").toStdString(); }

const std::vector<Transaction>& transactions() {
    static const std::vector<Transaction> all = {
        {"statement by card, PIN pad", Source::PinPad, {{1105, "0001"}}, 0, "", {}, 10104},
        {"free query by card, PIN pad", Source::PinPad, {{1105, "0000000000000001"}, {1060, "12"}}, 0, "", {}, 10104},
        {"miles balance by card, PIN pad", Source::PinPad, {{1105, "0000000001"}, {1061, "1"}}, 0, "", {}, 10104},
        {"miles acquisition, PIN pad",
         Source::PinPad,
         {{1105, "0000001"}, {1003, "2500"}, {1102, "0042"}, {1077, "000301"}},
         0,
         "",
         keys("2222222222\r1500\r1234\r05032007\r101112\r2\r7654321", confirm()),
         1059},
        {"miles acquisition reversal, PIN pad",
         Source::PinPad,
         {{1105, "000000001"},
          {1003, "2500"},
          {1020, daysAgo(0)},
          {1013, "123456"},
          {1050, "77"},
          {1051, "05032007"},
          {1079, "101112"},
          {1080, "4321"}},
         0,
         "",
         {},
         1059},
        {"installment payment, supplied",
         Source::Supplied,
         {{1105, "1"}, {1100, "5"}, {1078, "01"}, {1003, "1500"}},
         1059,
         "",
         {confirm()},
         10154},
        {"installment cancellation, supplied",
         Source::Supplied,
         {{1105, "01"}, {1100, "5"}, {1003, "1500"}, {1013, "99"}, {1020, daysAgo(3)}},
         1059,
         "",
         {confirm()},
         10154},
        {"miles sale, supplied",
         Source::Supplied,
         {{1105, "000001"}, {1071, "1"}, {1003, "10000"}, {1102, "0042"}, {1077, "020304"}},
         1059,
         "",
         keys("2000\r8000\r123456\r05032024\r101530\r", cashier::KeyStroke::enter()),
         10104},
        {"cheque sale, identified by card, supplied", Source::Supplied, chequeSale(""), 1059, "", {confirm()}, 10104},
        {"installment payment, typed",
         Source::Typed,
         {{1105, "1"}, {1100, "5"}, {1078, "01"}, {1003, "1500"}},
         0,
         "edCartao",
         {cashier::KeyStroke::enter(), confirm()},
         10154},
        {"installment cancellation, typed",
         Source::Typed,
         {{1105, "01"}, {1100, "5"}, {1003, "1500"}, {1013, "99"}, {1020, daysAgo(3)}},
         0,
         "edCartao",
         {cashier::KeyStroke::enter(), confirm()},
         10154},
        {"cheque sale, other holder's card typed",
         Source::Typed,
         chequeSale("52998224725"),
         0,
         "edCartaoTerceiro",
         {cashier::KeyStroke::enter(), confirm()},
         1201},
    };
    return all;
}

struct Case {
    std::size_t transaction;
    std::uint32_t length;
};

class CardTrace : public ::testing::TestWithParam<Case> {
protected:
    void SetUp() override {
        ASSERT_NE(module().handle, nullptr) << dlerror();
        ASSERT_NE(module().executaGenerico, nullptr);
    }
};

TEST_P(CardTrace, NoDigitsOfTheCardAreLeftInMemory) {
    const Case c = GetParam();
    const Transaction& t = transactions()[c.transaction];
    const std::uint32_t length = c.length;

    // A number that does not already occur in memory.
    bool clean = false;
    for (std::uint64_t attempt = 0; attempt < 8 && !clean; ++attempt) {
        makeNumber(c.transaction * 1000 + length * 10 + attempt, length);
        clean = scan().findings.empty();
    }
    ASSERT_TRUE(clean) << "every candidate number already occurs in memory";

    resetHost();
    for (const auto& [f, text] : t.fields) setField(f, text);
    if (t.source == Source::PinPad) setPinPad(0);
    if (t.source == Source::Supplied) setField(t.cardField, number());

    cashier::Script script(5000ms);
    script.onFailure([](const std::string& why) { ADD_FAILURE() << why; });
    if (*t.typedInto != '\0') {
        const std::string control = t.typedInto;
        script.waitFor("focus on " + control, [control] { return cashier::focusedControl() == control; });
        // One key per digit, each taken from the host's region as it is
        // sent: the test holds no copy of the number.
        for (std::uint32_t i = 0; i < length; ++i) {
            script.then("digit " + std::to_string(i + 1), [i] {
                const char digit[2] = {region().card[i], '\0'};
                cashier::press(cashier::KeyStroke::character(digit));
            });
        }
    }
    for (const cashier::KeyStroke& key : t.keys) script.press(key);
    script.expectAllClosed();
    QTimer::singleShot(0, [&script] { script.start(); });

    module().executaGenerico(0, 0);
    if (!script.finished() && !script.failed()) {
        cashier::waitUntil([&script] { return script.finished() || script.failed(); }, 500ms);
    }
    script.stop();
    settle();

    // The transaction went through: the number reached the host.
    const std::string_view stored = field(t.resultField);
    const std::size_t kept = t.source == Source::Typed ? std::min<std::size_t>(length, 16) : length;
    EXPECT_EQ(stored.size(), kept) << "field " << t.resultField;
    EXPECT_TRUE(stored.size() == kept && std::memcmp(stored.data(), region().card, kept) == 0)
        << "field " << t.resultField << " does not hold the number";
    EXPECT_GE(authorizationsSent(), 1) << "no request was sent";
    if (messagesWithCard() >= 0) {
        EXPECT_EQ(messagesWithCard(), 0) << "an audit line or error report carried card digits";
    }
    std::memset(region().fieldSlots[0].text, 0, kSlotText);

    releaseStore();
    settle();
    const ScanReport report = scan();
    EXPECT_TRUE(report.findings.empty()) << report.findings.size()
                                         << " trace(s) of the card in memory:" << describe(report);
    EXPECT_GT(report.bytesRead, std::size_t{1} << 20);
#if !defined(__SANITIZE_ADDRESS__)
    EXPECT_TRUE(report.skipped.empty()) << "not read: " << report.skipped.front();
#endif
}

// The scan itself: a freed copy on the heap is found, in UTF-8 and in
// UTF-16, and so is a run of 8 digits inside other text.
TEST(MemoryScan, FindsFreedCopiesOfTheNumber) {
    makeNumber(424242, 16);
    ASSERT_TRUE(scan().findings.empty());
    {
        QByteArray utf8(40, ' ');
        for (std::uint32_t i = 0; i < 8; ++i) utf8[i + 5] = region().card[i + 3];
        QString utf16(24, QLatin1Char(' '));
        for (std::uint32_t i = 0; i < 16; ++i) utf16[i + 4] = QLatin1Char(region().card[i]);
    }
    const ScanReport report = scan();
    int ascii = 0, wide = 0;
    for (const Finding& f : report.findings) {
        if (f.unitBytes == 1 && f.digits == 8) ++ascii;
        if (f.unitBytes == 2 && f.digits == 16) ++wide;
    }
    EXPECT_GE(ascii, 1) << describe(report);
    EXPECT_GE(wide, 1) << describe(report);
}

// Digits kept one per record, as an edit's undo history keeps typed
// characters, are found at the records' distance, in each width.
TEST(MemoryScan, FindsDigitsKeptOnePerRecord) {
    makeNumber(434343, 16);
    ASSERT_TRUE(scan().findings.empty());
    struct Layout {
        int unitBytes;
        std::size_t stride;
    };
    const Layout layouts[] = {{1, 24}, {2, 16}, {2, 20}, {4, 40}, {1, 2}, {2, 64}};
    for (const Layout& layout : layouts) {
        // Past the first bytes of the block, which a sanitizer's allocator
        // may reuse once the block is freed.
        constexpr std::size_t kLead = 64;
        std::vector<unsigned char> records(kLead + layout.stride * 12, 0xEE);
        for (std::uint32_t i = 0; i < 10; ++i) {
            unsigned char* unit = records.data() + kLead + i * layout.stride + 3;
            unit[0] = static_cast<unsigned char>(region().card[i + 4]);
            for (int k = 1; k < layout.unitBytes; ++k) unit[k] = 0;
        }
        asm volatile("" : : "r"(records.data()) : "memory"); // the stores are kept, though freed at once
    }
    const ScanReport report = scan();
    for (const Layout& layout : layouts) {
        const bool found = std::any_of(report.findings.begin(), report.findings.end(), [&](const Finding& f) {
            return f.unitBytes == layout.unitBytes && f.stride == layout.stride;
        });
        EXPECT_TRUE(found) << layout.unitBytes << "-byte digits every " << layout.stride << " bytes"
                           << describe(report);
    }
}

std::vector<Case> allCases() {
    std::vector<Case> cases;
    for (std::size_t i = 0; i < transactions().size(); ++i) {
        cases.push_back({i, 16});
        cases.push_back({i, 19});
    }
    return cases;
}

std::string caseName(const ::testing::TestParamInfo<Case>& info) {
    std::string name = transactions()[info.param.transaction].name;
    for (char& ch : name) {
        if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
    }
    return name + "_" + std::to_string(info.param.length) + "_digits";
}

INSTANTIATE_TEST_SUITE_P(Transactions, CardTrace, ::testing::ValuesIn(allCases()), caseName);

} // namespace

int main(int argc, char** argv) {
    // Every call between the libraries is bound at load: the dynamic linker
    // binding a call lazily saves the vector registers on the stack, and
    // those may hold the number the test has just compared.
    if (std::getenv("LD_BIND_NOW") == nullptr) {
        setenv("LD_BIND_NOW", "1", 1);
        execv("/proc/self/exe", argv);
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    region(); // mapped before anything else runs
    QApplication application(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    ::testing::InitGoogleTest(&argc, argv);
    if (module().initialize != nullptr) module().initialize();
    const int result = RUN_ALL_TESTS();
    if (module().finalize != nullptr) module().finalize();
    return result;
}
