// The simulated host libraries, called through their C functions as the
// module calls them.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <initializer_list>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "BuildInfo.h"
#include "CaseName.h"
#include "Catalogue.h"
#include "Platform.h"
#include "Simulator.h"
#include "TempFile.h"
#include "vks/host_abi.h"
#include "vks/vkssim.h"

namespace {

using vks::sim::simulator;

class HostSim : public ::testing::Test {
protected:
    void SetUp() override { vkssim_reset(); }
    void TearDown() override { vkssim_reset(); }
};

// Calls an output-text function with a buffer of exactly `capacity` bytes,
// so a write past it is caught by the address sanitizer.
template <typename Call>
std::pair<std::string, std::uint32_t> readText(Call call, std::uint32_t capacity = 256) {
    std::vector<char> buffer(capacity, 'x');
    VksTextOut out{buffer.data(), capacity, 0};
    call(&out);
    return {std::string(buffer.data()), out.length};
}

std::string leCampo(VksFieldId field) {
    return readText([&](VksTextOut* out) { LeCampo(out, field, 0); }).first;
}

// ---- Output texts ----------------------------------------------------------

TEST_F(HostSim, LargeFieldThroughSmallBufferReportsFullLength) {
    const std::string big(1u << 20, '7');
    vkssim_set_field(1003, 0, big.c_str());
    const auto [text, length] = readText([](VksTextOut* out) { LeCampo(out, 1003, 0); }, 16);
    EXPECT_EQ(text, std::string(15, '7'));
    EXPECT_EQ(length, big.size());
    const auto [whole, wholeLength] = readText([](VksTextOut* out) { LeCampo(out, 1003, 0); }, length + 1);
    EXPECT_EQ(whole, big);
}

TEST_F(HostSim, OutputTextToleratesMissingBuffers) {
    vkssim_set_field(1003, 0, "1500");
    LeCampo(nullptr, 1003, 0);
    VksTextOut noData{nullptr, 10, 0};
    LeCampo(&noData, 1003, 0);
    EXPECT_EQ(noData.length, 4u);
    char one = 'x';
    VksTextOut zeroCapacity{&one, 0, 0};
    LeCampo(&zeroCapacity, 1003, 0);
    EXPECT_EQ(zeroCapacity.length, 4u);
    EXPECT_EQ(one, 'x');
    EXPECT_EQ(readText([](VksTextOut* out) { LeCampo(out, 4242, 0); }).first, "");
}

struct MaxLenCase {
    const char* name;
    std::string value;
    int32_t capacity;
    std::string expected;
};

const MaxLenCase kMaxLenCases[] = {{"shorter", "abc", 8, "abc"},
                                   {"exactly the capacity", "abcdefgh", 8, "abcdefgh"},
                                   {"longer", "abcdefghij", 8, "abcdefgh"},
                                   {"empty", "", 4, ""},
                                   {"one in one", "x", 1, "x"}};

class LeCampoMaxLen : public HostSim, public testing::WithParamInterface<MaxLenCase> {};

TEST_P(LeCampoMaxLen, CopiesAtMostCapacityIntoZeroFilledBuffer) {
    const MaxLenCase& c = GetParam();
    vkssim_set_field(20033, 0, c.value.c_str());
    std::vector<char> buffer(static_cast<std::size_t>(c.capacity), '#');
    int32_t length = -1;
    EXPECT_EQ(KovarLeCampoMaxLen(20033, 0, buffer.data(), &length, c.capacity), 0);
    EXPECT_EQ(length, static_cast<int32_t>(c.expected.size()));
    EXPECT_EQ(std::string(buffer.data(), c.expected.size()), c.expected);
    for (std::size_t i = c.expected.size(); i < buffer.size(); ++i) EXPECT_EQ(buffer[i], '\0') << i;
}

INSTANTIATE_TEST_SUITE_P(HostSim, LeCampoMaxLen, testing::ValuesIn(kMaxLenCases), vks::test::CaseName());

// Under the sanitizers this also proves nothing is copied from an unset
// field's empty text.
TEST_F(HostSim, LeCampoMaxLenOfAnUnsetFieldIsEmpty) {
    char buffer[4] = {'#', '#', '#', '#'};
    int32_t length = -1;
    EXPECT_EQ(KovarLeCampoMaxLen(20999, 0, buffer, &length, 4), 0);
    EXPECT_EQ(length, 0);
    EXPECT_EQ(std::string(buffer, 4), std::string(4, '\0'));
}

TEST_F(HostSim, LeCampoMaxLenRefusesAMissingBufferOrLength) {
    int32_t length = 7;
    EXPECT_NE(KovarLeCampoMaxLen(20033, 0, nullptr, &length, 10), 0);
    EXPECT_EQ(length, 0);
    char one = '#';
    EXPECT_NE(KovarLeCampoMaxLen(20033, 0, &one, nullptr, 0), 0);
    EXPECT_EQ(one, '#');
}

// ---- Field store writes and records -----------------------------------------

TEST_F(HostSim, WritesAreStoredRefusedAndRecordedInOrder) {
    vkssim_refuse_write(1007, 0);
    EXPECT_EQ(GravaCampoString(1003, 0, "1500"), 0);
    EXPECT_NE(GravaCampoString(1007, 0, "12345678909"), 0);
    EXPECT_EQ(GravaCampoString(10162, 2, "x"), 0);
    EXPECT_EQ(KovarGravaCampo(1050, 0, "1234567", 3), 0);
    EXPECT_EQ(KovarGravaCampo(1051, 0, "ab", 100), 0); // length past the text: only the text
    KovarLimpaCampo(1003);

    EXPECT_EQ(leCampo(1003), "");
    EXPECT_EQ(leCampo(1007), "");
    EXPECT_EQ(leCampo(1050), "123");
    EXPECT_EQ(leCampo(1051), "ab");
    EXPECT_EQ(simulator().field(10162, 2), "x");
    const auto writes = simulator().writes();
    ASSERT_EQ(writes.size(), 5u);
    EXPECT_EQ(writes[0].field, 1003);
    EXPECT_EQ(writes[1].occurrence, 2);
    EXPECT_FALSE(writes[4].text.has_value());
    EXPECT_EQ(vkssim_count("GravaCampoString"), 3);

    simulator().acceptWrite(1007, 0);
    EXPECT_EQ(GravaCampoString(1007, 0, "12345678909"), 0);
    EXPECT_EQ(leCampo(1007), "12345678909");
}

// Each host function that can fail, called three times with its second
// call made to fail: only that call fails, in that function's own way, and
// every call is counted.
TEST_F(HostSim, FailCallFailsOnlyThatCallOfThatFunction) {
    const struct {
        const char* function;
        std::function<bool()> succeeds; // one call; false when it failed
    } cases[] = {
        {"GravaCampoString", [] { return GravaCampoString(1003, 0, "1500") == 0 && leCampo(1003) == "1500"; }},
        {"LerCartaoTamMax", [] { return LerCartaoTamMax(0, 1, "", 16) == 0 && !leCampo(10104).empty(); }},
        {"ValidarOperador", [] { return ValidarOperador(0, "3") != 0; }},
        {"AutorizaTransacao",
         [] {
             VksRequestLayout layout{};
             layout.entries[0].field = VKS_FIELD_END;
             return AutorizaTransacao(&layout, nullptr, 1) != 0;
         }},
        {"LeMensagens", [] { return !readText([](VksTextOut* out) { LeMensagens(out, 803); }).first.empty(); }},
        {"GetBuildInfo",
         [] {
             vkssim_set_build_version("2.1.0.7");
             return readText([](VksTextOut* out) { GetBuildInfo(out, "libvks.so"); }).first == "2.1.0.7";
         }},
    };
    ASSERT_EQ(std::size(cases), std::size(vks::sim::kFailableFunctions));
    for (const auto& c : cases) {
        SCOPED_TRACE(c.function);
        vkssim_reset();
        ASSERT_EQ(vkssim_fail_call(c.function, 2), 1);
        std::vector<bool> outcomes;
        for (int call = 1; call <= 3; ++call) {
            KovarLimpaCampo(1003);
            KovarLimpaCampo(10104);
            outcomes.push_back(c.succeeds());
        }
        EXPECT_EQ(outcomes, (std::vector<bool>{true, false, true}));
        EXPECT_EQ(vkssim_failable_count(c.function), 3);
        const auto failed = simulator().failedCalls();
        ASSERT_EQ(failed.size(), 1u);
        EXPECT_EQ(failed[0], (vks::sim::CallIndex{c.function, 2}));
    }
    EXPECT_EQ(vkssim_fail_call("KovarGravaCampo", 1), 0);
    EXPECT_EQ(vkssim_fail_call("GravaCampoString", 0), 0);
}

TEST_F(HostSim, HandBacksErrorsAuditAndReceiptCopiesAreRecorded) {
    KovarGravaArquivo();
    KovarGravaArquivo();
    EnviaArquivoErroPDV(255, "Erro ao gravar os dados da transação.");
    GravaAudit(0, "Criou: FrmXTAIL", 11);
    KovarSetaViasCupomModulo(1);
    EXPECT_EQ(vkssim_hand_back_count(), 2);
    EXPECT_EQ(vkssim_error_count(), 1);
    EXPECT_EQ(simulator().auditLog(), std::vector<std::string>{"Criou: FrmX"});
    EXPECT_EQ(simulator().receiptCopies(), std::vector<int32_t>{1});

    const auto [json, length] = readText([](VksTextOut* out) { vkssim_result_json(out); }, 1u << 16);
    EXPECT_EQ(json.size(), length);
    EXPECT_NE(json.find("\"handBacks\":2"), std::string::npos);
    EXPECT_NE(json.find("\"messageId\":1591"), std::string::npos);

    // One set-up run again: the records go, the field store stays.
    vkssim_set_field(1003, 0, "1500");
    simulator().clearRecords();
    EXPECT_EQ(vkssim_hand_back_count(), 0);
    EXPECT_EQ(vkssim_error_count(), 0);
    EXPECT_TRUE(simulator().calls().empty());
    EXPECT_TRUE(simulator().receiptCopies().empty());
    EXPECT_EQ(leCampo(1003), "1500");
}

TEST_F(HostSim, ResultJsonStaysValidUtf8ForAnyFieldContent) {
    vkssim_set_field(1081, 0, "a\"b\\c\x01\xff\xc3(\xc3\xa9");
    const auto [json, length] = readText([](VksTextOut* out) { vkssim_result_json(out); }, 1u << 16);
    EXPECT_NE(json.find(R"("a\"b\\c\u0001)"
                        "\xEF\xBF\xBD\xEF\xBF\xBD(\xc3\xa9\""),
              std::string::npos)
        << json;
}

// ---- Text routines ----------------------------------------------------------

struct AmountCase {
    const char* name;
    const char* bare;
    const char* shown;
};

const AmountCase kAmounts[] = {{"cents", "1500", "15,00"},
                               {"one digit", "5", "0,05"},
                               {"zero", "0", "0,00"},
                               {"leading zeros", "000123", "1,23"},
                               {"millions", "123456789", "1234567,89"},
                               {"empty", "", ""},
                               {"letters", "abc", ""}};

class DollarAndRemoveFormato : public HostSim, public testing::WithParamInterface<AmountCase> {};

TEST_P(DollarAndRemoveFormato, RoundTrip) {
    const AmountCase& c = GetParam();
    const auto shown = readText([&](VksTextOut* out) { Dollar(out, c.bare); }).first;
    EXPECT_EQ(shown, c.shown);
    const auto bare = readText([&](VksTextOut* out) { RemoveFormato(out, shown.c_str()); }).first;
    EXPECT_EQ(readText([&](VksTextOut* out) { Dollar(out, bare.c_str()); }).first, shown);
}

INSTANTIATE_TEST_SUITE_P(HostSim, DollarAndRemoveFormato, testing::ValuesIn(kAmounts), vks::test::CaseName());

TEST_F(HostSim, RemoveFormatoKeepsDigitsAndDollarTakesNoText) {
    EXPECT_EQ(readText([](VksTextOut* out) { RemoveFormato(out, "05/12/2026"); }).first, "05122026");
    EXPECT_EQ(readText([](VksTextOut* out) { Dollar(out, nullptr); }).first, "");
}

TEST_F(HostSim, ReplicateAndZeroPadding) {
    EXPECT_EQ(readText([](VksTextOut* out) { Replicate(out, "*", 4); }).first, "****");
    EXPECT_EQ(readText([](VksTextOut* out) { Replicate(out, "*", -1); }).first, "");
    EXPECT_EQ(readText([](VksTextOut* out) { Replicate(out, "*", INT32_MAX); }).first, "");
    EXPECT_EQ(readText([](VksTextOut* out) { PreencherZerosEsquerda(out, "", 4); }).first, "0000");
    EXPECT_EQ(readText([](VksTextOut* out) { PreencherZerosEsquerda(out, "12345", 4); }).first, "12345");
}

struct CpfCase {
    const char* name;
    const char* cpf;
    bool valid;
};

const CpfCase kCpfs[] = {{"valid", "52998224725", true},
                         {"another valid", "11144477735", true},
                         {"wrong last digit", "52998224724", false},
                         {"wrong first check digit", "52998224735", false},
                         {"all ones", "11111111111", false},
                         {"all zeros", "00000000000", false},
                         {"ten digits", "5299822472", false},
                         {"twelve digits", "529982247250", false},
                         {"formatted", "529.982.247-25", false},
                         {"a letter", "5299822472a", false},
                         {"empty", "", false}};

class VerificaCpf : public HostSim, public testing::WithParamInterface<CpfCase> {};

TEST_P(VerificaCpf, TellsValidFromInvalid) { EXPECT_EQ(VerificaCPF(GetParam().cpf) != 0, GetParam().valid); }

INSTANTIATE_TEST_SUITE_P(HostSim, VerificaCpf, testing::ValuesIn(kCpfs), vks::test::CaseName());

TEST_F(HostSim, VerificaCpfRefusesNoText) { EXPECT_EQ(VerificaCPF(nullptr), 0); }

// ---- Keys -------------------------------------------------------------------

VksKey key(const char* text) {
    VksKey k{};
    std::strncpy(k.utf8, text, sizeof k.utf8 - 1);
    return k;
}

TEST_F(HostSim, KeyRoutines) {
    VksKey typed = key("a");
    ValKeyBoard(&typed);
    EXPECT_STREQ(typed.utf8, "a");
    vkssim_map_key("a", "1");
    ValKeyBoard(&typed);
    EXPECT_STREQ(typed.utf8, "1");
    VksKey unterminated;
    std::memset(unterminated.utf8, 'z', sizeof unterminated.utf8);
    ValKeyBoard(&unterminated);
    ValKeyBoard(nullptr);

    for (const char* passes : {"0", "9", "\b", "\r"}) {
        VksKey k = key(passes);
        PermiteNumerico_BS_Enter(&k);
        EXPECT_STREQ(k.utf8, passes);
    }
    for (const char* cancelled : {"a", " ", "\xc3\xa9", "12"}) {
        VksKey k = key(cancelled);
        PermiteNumerico_BS_Enter(&k);
        EXPECT_STREQ(k.utf8, "") << cancelled;
    }
}

struct FakeList {
    int32_t count;
    int32_t current;
    static int32_t VKS_HOSTCALL countOf(void* self) { return static_cast<FakeList*>(self)->count; }
    static int32_t VKS_HOSTCALL currentOf(void* self) { return static_cast<FakeList*>(self)->current; }
    static void VKS_HOSTCALL select(void* self, int32_t index) { static_cast<FakeList*>(self)->current = index; }
};

struct ComboCase {
    const char* name;
    int32_t count, current;
    const char* key;
    int32_t selected;
    const char* keyAfter;
};

const ComboCase kComboCases[] = {
    {"2 with nothing chosen", 3, -1, "2", 0, ""}, {"2 steps down", 3, 0, "2", 1, ""},
    {"2 on the last item", 3, 2, "2", 2, ""},     {"8 steps up", 3, 2, "8", 1, ""},
    {"8 on the first item", 3, 0, "8", 0, ""},    {"2 on an empty list", 0, -1, "2", -1, ""},
    {"another key passes", 3, 1, "5", 1, "5"}};

class ComboSteps : public HostSim, public testing::WithParamInterface<ComboCase> {};

TEST_P(ComboSteps, WithTwoAndEightAndConsumeThem) {
    const ComboCase& c = GetParam();
    FakeList list{c.count, c.current};
    VksComboBox combo{&list, &FakeList::countOf, &FakeList::currentOf, &FakeList::select};
    VksKey k = key(c.key);
    AvancaRetrocedeItemComboBox(&combo, &k);
    EXPECT_EQ(list.current, c.selected);
    EXPECT_STREQ(k.utf8, c.keyAfter);
}

INSTANTIATE_TEST_SUITE_P(HostSim, ComboSteps, testing::ValuesIn(kComboCases), vks::test::CaseName());

TEST_F(HostSim, ComboStepWithoutAListConsumesTheKey) {
    VksKey k = key("2");
    AvancaRetrocedeItemComboBox(nullptr, &k);
    EXPECT_STREQ(k.utf8, "");
}

// ---- Behaviours -------------------------------------------------------------

TEST_F(HostSim, CardOperatorAndForeground) {
    vkssim_set_card(0, "6034000011112222");
    EXPECT_EQ(LerCartaoTamMax(7, 1, "Venda de Milhas", 16), 0);
    EXPECT_EQ(leCampo(10104), "6034000011112222");
    vkssim_set_field(10104, 0, "");
    vkssim_set_card(3, "6034000011112222");
    EXPECT_EQ(LerCartaoTamMax(7, 1, "Venda de Milhas", 16), 3);
    EXPECT_EQ(leCampo(10104), "");

    EXPECT_NE(ValidarOperador(7, "3"), 0);
    vkssim_set_operator_valid(0);
    EXPECT_EQ(ValidarOperador(7, "3"), 0);
    ColocaJanelaEmPrimeiroPlano(7);
    EXPECT_EQ(vkssim_count("ColocaJanelaEmPrimeiroPlano"), 1);
    EXPECT_EQ(vkssim_count("LerCartaoTamMax"), 2);
    EXPECT_EQ(simulator().calls().front().arguments.at(2), "Venda de Milhas");
}

// ---- Build version ----------------------------------------------------------

// A minimal little-endian ELF file with a null section, the section-name
// table and the version note.
std::vector<std::uint8_t> elfWithVersion(bool is64, const std::string& version) {
    std::vector<std::uint8_t> image;
    auto put = [&](std::uint64_t value, std::size_t width) {
        for (std::size_t i = 0; i < width; ++i) image.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
    };
    auto patch = [&](std::size_t at, std::uint64_t value, std::size_t width) {
        for (std::size_t i = 0; i < width; ++i) image[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
    };
    const std::size_t word = is64 ? 8 : 4;
    const std::size_t headerSize = is64 ? 64 : 52;
    const std::size_t sectionSize = is64 ? 64 : 40;
    image = {0x7f, 'E', 'L', 'F', static_cast<std::uint8_t>(is64 ? 2 : 1), 1, 1};
    image.resize(headerSize, 0);

    const std::string names = std::string("\0.shstrtab\0.note.vks.version\0", 29);
    const std::size_t namesAt = image.size();
    image.insert(image.end(), names.begin(), names.end());
    while (image.size() % 4) image.push_back(0);
    const std::size_t noteAt = image.size();
    std::string desc = version + '\0';
    while (desc.size() % 4) desc.push_back('\0');
    put(4, 4);
    put(desc.size(), 4);
    put(1, 4);
    image.insert(image.end(), {'V', 'K', 'S', 0});
    image.insert(image.end(), desc.begin(), desc.end());
    const std::size_t noteSize = image.size() - noteAt;
    while (image.size() % 8) image.push_back(0);

    const std::size_t sectionsAt = image.size();
    auto section = [&](std::uint32_t name, std::uint32_t type, std::size_t offset, std::size_t size) {
        put(name, 4);
        put(type, 4);
        put(0, word); // flags
        put(0, word); // address
        put(offset, word);
        put(size, word);
        put(0, 4); // link
        put(0, 4); // info
        put(1, word);
        put(0, word);
    };
    section(0, 0, 0, 0);
    section(1, 3, namesAt, names.size());
    section(11, 7, noteAt, noteSize);
    EXPECT_EQ(image.size() - sectionsAt, 3 * sectionSize);

    patch(is64 ? 0x28 : 0x20, sectionsAt, word);
    patch(is64 ? 0x3a : 0x2e, sectionSize, 2);
    patch(is64 ? 0x3c : 0x30, 3, 2);
    patch(is64 ? 0x3e : 0x32, 1, 2);
    return image;
}

std::string buildInfo(const std::string& file) {
    return readText([&](VksTextOut* out) { GetBuildInfo(out, file.c_str()); }).first;
}

struct ElfClass {
    const char* name;
    bool is64;
};
const ElfClass kElfClasses[] = {{"ELF32", false}, {"ELF64", true}};

struct VersionNote {
    const char* name;
    std::string version;
};
const VersionNote kVersionNotes[] = {{"short", "1.0.0.1"}, {"wide", "12.34.56.789"}, {"empty", ""}};

class BuildInfoNote : public HostSim, public testing::WithParamInterface<std::tuple<ElfClass, VersionNote>> {};

TEST_P(BuildInfoNote, IsReadFromTheFile) {
    const auto& [elf, note] = GetParam();
    TempFile file(elfWithVersion(elf.is64, note.version));
    EXPECT_EQ(buildInfo(file.path()), note.version);
}

INSTANTIATE_TEST_SUITE_P(HostSim, BuildInfoNote,
                         testing::Combine(testing::ValuesIn(kElfClasses), testing::ValuesIn(kVersionNotes)),
                         vks::test::CaseName());

TEST_F(HostSim, BuildInfoOfAFileGivesWayToTheVersionSet) {
    TempFile file(elfWithVersion(true, "2.0.0.5"));
    vkssim_set_build_version("9.9.9.9");
    EXPECT_EQ(buildInfo(file.path()), "9.9.9.9");
    vkssim_set_build_version(nullptr);
    EXPECT_EQ(buildInfo(file.path()), "2.0.0.5");
}

TEST_F(HostSim, BuildInfoOfBogusFilesIsEmpty) {
    EXPECT_EQ(buildInfo("/nonexistent/libvks.so"), "");
    EXPECT_EQ(buildInfo(std::filesystem::temp_directory_path().string()), "");
    EXPECT_EQ(readText([](VksTextOut* out) { GetBuildInfo(out, nullptr); }).first, "");
    TempFile text(std::vector<std::uint8_t>{'n', 'o', 't', ' ', 'e', 'l', 'f'});
    EXPECT_EQ(buildInfo(text.path()), "");
    TempFile bigEndian([] {
        auto image = elfWithVersion(true, "1.2.3.4");
        image[5] = 2;
        return image;
    }());
    EXPECT_EQ(buildInfo(bigEndian.path()), "");
}

class ElfImage : public testing::TestWithParam<ElfClass> {};

TEST_P(ElfImage, TruncatedOrCorruptedNeverReadsOutOfBounds) {
    const bool is64 = GetParam().is64;
    const auto image = elfWithVersion(is64, "1.2.3.4");
    for (std::size_t size = 0; size < image.size(); ++size) {
        // Exact-size copies so the sanitizer sees any read past the end.
        const std::vector<std::uint8_t> prefix(image.begin(), image.begin() + static_cast<std::ptrdiff_t>(size));
        const auto version = vks::sim::versionFromModuleImage(prefix);
        EXPECT_TRUE(version.empty() || version == "1.2.3.4") << size;
    }
    for (std::size_t at = 0; at < image.size(); ++at) {
        for (std::uint8_t value : {std::uint8_t{0x00}, std::uint8_t{0x7f}, std::uint8_t{0xff}}) {
            auto corrupted = image;
            corrupted[at] = value;
            (void)vks::sim::versionFromModuleImage(corrupted);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(HostSimElf, ElfImage, testing::ValuesIn(kElfClasses), vks::test::CaseName());

// A file cut anywhere before its end loses the section table, kept last.
class TruncatedFile : public HostSim, public testing::WithParamInterface<ElfClass> {};

TEST_P(TruncatedFile, HasNoBuildInfo) {
    const bool is64 = GetParam().is64;
    const auto image = elfWithVersion(is64, "1.2.3.4");
    for (std::size_t size = 0; size < image.size(); ++size) {
        TempFile file(std::vector<std::uint8_t>(image.begin(), image.begin() + static_cast<std::ptrdiff_t>(size)));
        EXPECT_EQ(buildInfo(file.path()), "") << size;
    }
}

INSTANTIATE_TEST_SUITE_P(HostSim, TruncatedFile, testing::ValuesIn(kElfClasses), vks::test::CaseName());

void patch(std::vector<std::uint8_t>& image, std::size_t at, std::uint64_t value, std::size_t width) {
    for (std::size_t i = 0; i < width; ++i) image[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

// Sparse files of 8 GiB: the version is read without loading the file, and
// sizes the file seems to allow are still bounded.
TEST_F(HostSim, BuildInfoReadsOnlyWhatItNeedsOfAHugeFile) {
    constexpr std::uintmax_t huge = std::uintmax_t{8} << 30;
    TempFile large(elfWithVersion(true, "3.1.4.1"));
    std::filesystem::resize_file(large.path(), huge);
    EXPECT_EQ(buildInfo(large.path()), "3.1.4.1");

    auto manySections = elfWithVersion(true, "3.1.4.1");
    patch(manySections, 0x3a, 0xffff, 2); // entry size
    patch(manySections, 0x3c, 0xfff0, 2); // count: a 4 GiB table
    TempFile table(manySections);
    std::filesystem::resize_file(table.path(), huge);
    EXPECT_EQ(buildInfo(table.path()), "");

    auto hugeNote = elfWithVersion(true, "3.1.4.1");
    const std::size_t sections = hugeNote[0x28] | std::size_t{hugeNote[0x29]} << 8;
    patch(hugeNote, sections + 2 * 64 + 0x20, std::uint64_t{2} << 30, 8); // the note's size
    TempFile note(hugeNote);
    std::filesystem::resize_file(note.path(), huge);
    EXPECT_EQ(buildInfo(note.path()), "");
}

// ---- Authorization request --------------------------------------------------

struct Entry {
    uint16_t field, occurrence, width, type;
    uint8_t block;
    const char* fixed;
};

VksRequestLayout layoutOf(uint16_t code, uint16_t flag, std::initializer_list<Entry> entries, bool terminate = true) {
    VksRequestLayout layout{};
    layout.code = code;
    layout.flag = flag;
    std::size_t i = 0;
    for (const Entry& e : entries) layout.entries[i++] = {e.field, e.occurrence, e.width, e.type, e.block, e.fixed};
    if (terminate) layout.entries[i] = {VKS_FIELD_END, 0, 0, 0, 0, ""};
    return layout;
}

struct Progress {
    std::vector<std::string> texts;
    static void VKS_HOSTCALL set(void* self, const char* text) { static_cast<Progress*>(self)->texts.push_back(text); }
};

TEST_F(HostSim, RequestTextFollowsWidthAndTypeRules) {
    vkssim_set_field(1003, 0, "15,00");
    vkssim_set_field(1050, 0, "1234567890");
    vkssim_set_field(1081, 0, "JOSÉ");
    vkssim_set_field(10162, 3, "7");
    const VksRequestLayout layout = layoutOf(80, 1,
                                             {{1003, 0, 0, 4, 0, ""},     // width 0: as stored
                                              {0, 0, 0, 0, 0, "1"},       // fixed text
                                              {1003, 0, 8, 1, 255, ""},   // digits, zero-filled
                                              {1050, 0, 4, 1, 255, ""},   // too long: last digits
                                              {1081, 0, 6, 2, 255, ""},   // text, blank-filled
                                              {1081, 0, 3, 2, 255, ""},   // text cut by characters
                                              {0, 0, 3, 0, 255, "0"},     // fixed text with a width
                                              {10162, 3, 2, 1, 0, ""},    // occurrence
                                              {4242, 0, 3, 3, 0, ""},     // unset field
                                              {0, 0, 0, 0, 0, nullptr}}); // null fixed text
    Progress progress;
    VksMessageLabel label{&progress, &Progress::set};
    EXPECT_NE(AutorizaTransacao(&layout, &label, 1), 0);

    const auto records = simulator().authorizations();
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].code, 80);
    EXPECT_EQ(records[0].mode, 1);
    EXPECT_EQ(records[0].entries.size(), 10u);
    EXPECT_EQ(records[0].request, "15,00"
                                  "1"
                                  "00001500"
                                  "7890"
                                  "JOSÉ  "
                                  "JOS"
                                  "0  "
                                  "07"
                                  "   ");
    EXPECT_EQ(progress.texts, std::vector<std::string>{"Enviando solicitação..."});
}

TEST_F(HostSim, RequestWithoutTerminatorStopsAfterAllEntriesAndResultIsConfigured) {
    VksRequestLayout layout{};
    for (auto& entry : layout.entries) entry = {0, 0, 1, 1, 0, "9"};
    vkssim_set_authorize(0);
    EXPECT_EQ(AutorizaTransacao(&layout, nullptr, 0), 0);
    EXPECT_EQ(simulator().authorizations().at(0).request, std::string(VKS_LAYOUT_ENTRIES, '9'));

    const VksRequestLayout empty = layoutOf(96, 0, {});
    vkssim_set_authorize(1);
    EXPECT_NE(AutorizaTransacao(&empty, nullptr, 0), 0);
    EXPECT_EQ(simulator().authorizations().at(1).request, "");
    EXPECT_EQ(AutorizaTransacao(nullptr, nullptr, 0), 0);
}

TEST_F(HostSim, AuthorizeHookSeesTheRequestBeforeAnyProgress) {
    std::string seen;
    Progress progress;
    std::size_t progressWhenHooked = 1;
    simulator().setAuthorizeHook([&](const vks::sim::AuthorizationRecord& r) {
        seen = r.request;
        progressWhenHooked = progress.texts.size();
        simulator().setField(1009, 0, "0"); // a hook may answer through the field store
    });
    const VksRequestLayout layout = layoutOf(64, 1, {{0, 0, 0, 0, 0, "ABC"}});
    VksMessageLabel label{&progress, &Progress::set};
    AutorizaTransacao(&layout, &label, 0);
    EXPECT_EQ(seen, "ABC");
    EXPECT_EQ(progressWhenHooked, 0u);
    EXPECT_EQ(progress.texts.size(), 1u);
    EXPECT_EQ(leCampo(1009), "0");
}

// ---- Platform ---------------------------------------------------------------

// The catalogue sits in the folder of the library's file, whichever separator
// the system wrote that file's path with.
struct PathCase {
    const char* name;
    const char* path;
    const char* posix;
    const char* windows;
};

const PathCase kPaths[] = {
    {"POSIX path", "/usr/lib/vks/libKovar.so", "/usr/lib/vks", "/usr/lib/vks"},
    {"Windows path", "C:\\Terminal\\Kovar.dll", ".", "C:\\Terminal"},
    {"mixed separators", "Z:/build/bin\\Kovar.dll", "Z:/build", "Z:/build/bin"},
    {"file name alone", "Kovar.dll", ".", "."},
};

class FolderOfAPath : public testing::TestWithParam<PathCase> {};

TEST_P(FolderOfAPath, SplitsAtThePlatformsSeparators) {
    const PathCase& c = GetParam();
#ifdef _WIN32
    EXPECT_EQ(vks::sim::platform::folderOf(c.path), c.windows);
#else
    EXPECT_EQ(vks::sim::platform::folderOf(c.path), c.posix);
#endif
}

INSTANTIATE_TEST_SUITE_P(HostSimPlatform, FolderOfAPath, testing::ValuesIn(kPaths), vks::test::CaseName());

// ---- Catalogue --------------------------------------------------------------

TEST(HostSimCatalogue, IdsAndTextsAreUniqueAndMapBack) {
    std::ifstream file(vks::sim::MessageCatalogue::defaultPath());
    ASSERT_TRUE(file) << vks::sim::MessageCatalogue::defaultPath();
    std::set<std::string> ids, texts;
    std::string line;
    while (std::getline(file, line)) {
        if (line.empty() || line[0] == '#') continue;
        const auto tab = line.find('\t');
        ASSERT_NE(tab, std::string::npos) << line;
        EXPECT_TRUE(ids.insert(line.substr(0, tab)).second) << "duplicate id " << line;
        EXPECT_TRUE(texts.insert(line.substr(tab + 1)).second) << "duplicate text " << line;
    }
    EXPECT_GT(ids.size(), 150u);

    const auto& catalogue = simulator().catalogue();
    for (const auto& [id, text] : catalogue.entries()) EXPECT_EQ(catalogue.idForText(text), id) << text;
    EXPECT_EQ(vkssim_message_id("Não foi possível criar a tela FrmPagParcBRQ_VKSTrn."), 802);
    EXPECT_EQ(vkssim_message_id(catalogue.text(319).value_or("").c_str()), 319);
    EXPECT_EQ(vkssim_message_id("nada disso"), -1);
}

TEST(HostSimCatalogue, TemplatesCarryTheirPlaceholders) {
    const auto& catalogue = simulator().catalogue();
    auto holes = [&](int32_t id) {
        const std::string text = catalogue.text(id).value_or("");
        std::size_t count = 0;
        for (auto at = text.find("%s"); at != std::string::npos; at = text.find("%s", at + 2)) ++count;
        return count;
    };
    EXPECT_EQ(holes(802), 1u);
    EXPECT_EQ(holes(319), 2u);
    EXPECT_TRUE(vks::sim::matchesTemplate("de %s a %s.", "de 1 a 99."));
    EXPECT_FALSE(vks::sim::matchesTemplate("de %s a %s.", "de 1 e 99."));
    EXPECT_EQ(readText([](VksTextOut* out) { LeMensagens(out, 99999); }).first, "Mensagem 99999 não cadastrada");
}

} // namespace
