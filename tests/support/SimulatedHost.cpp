#include "SimulatedHost.h"

#include <algorithm>
#include <cstring>

#include "AbiText.h"
#include "core/ModuleState.h"
#include "routines.h"

namespace vks::test {

namespace r = vks::sim::routines;
using sim::abi::number;

namespace {

// The zero the production binding passes where a host function takes one,
// recorded as the libraries record it.
constexpr std::string_view kZero = "0";

// A call's argument that the call records hold as a number.
template <typename Number>
Number numberAt(const sim::CallRecord& call, std::size_t index) {
    return static_cast<Number>(std::stoll(call.arguments.at(index)));
}

void VKS_HOSTCALL showProgress(void* line, const char* text) { static_cast<MessageLine*>(line)->setMessage(text); }

} // namespace

// The build version a host reads from the module's resource, fixed so that
// the screens show the same text whatever was built.
SimulatedHost::SimulatedHost() { setBuildVersion("2.1.0.7"); }

std::string SimulatedHost::messageText(MessageId id) {
    if (id == 802) return "Mensagem 802: %s";
    if (id == 319) return "Mensagem 319 de %s a %s";
    return "Mensagem " + std::to_string(id);
}

int SimulatedHost::messageIdOf(const std::string& text) {
    static const std::string prefix = "Mensagem ";
    if (text.rfind(prefix, 0) != 0) return -1;
    int id = 0;
    std::size_t i = prefix.size();
    if (i >= text.size() || text[i] < '0' || text[i] > '9') return -1;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9') id = id * 10 + (text[i++] - '0');
    return id;
}

std::vector<int> SimulatedHost::errorIds() const {
    std::vector<int> ids;
    for (const sim::ErrorReport& error : errors()) ids.push_back(messageIdOf(error.text));
    return ids;
}

int SimulatedHost::callIndex(std::string_view function) const {
    const std::vector<sim::CallRecord> all = calls();
    const auto it = std::find_if(all.begin(), all.end(), [&](const auto& call) { return call.function == function; });
    return it == all.end() ? -1 : static_cast<int>(it - all.begin());
}

std::vector<std::pair<WindowHandle, std::string>> SimulatedHost::cardReads() const {
    std::vector<std::pair<WindowHandle, std::string>> found;
    for (const sim::CallRecord& call : callsOf({"LerCartaoTamMax"}))
        found.emplace_back(numberAt<WindowHandle>(call, 0), call.arguments.at(2));
    return found;
}

std::vector<WindowHandle> SimulatedHost::operatorChecks() const {
    std::vector<WindowHandle> windows;
    for (const sim::CallRecord& call : callsOf({"ValidarOperador"})) windows.push_back(numberAt<WindowHandle>(call, 0));
    return windows;
}

std::vector<FieldId> SimulatedHost::reads() const {
    std::vector<FieldId> fields;
    for (const sim::CallRecord& call : callsOf({"LeCampo", "KovarLeCampoMaxLen"}))
        fields.push_back(numberAt<FieldId>(call, 0));
    return fields;
}

std::vector<sim::CallRecord> SimulatedHost::callsOf(std::initializer_list<std::string_view> functions) const {
    std::vector<sim::CallRecord> found;
    for (sim::CallRecord& call : calls()) {
        if (std::find(functions.begin(), functions.end(), call.function) != functions.end())
            found.push_back(std::move(call));
    }
    return found;
}

void SimulatedHost::KovarGravaCampo(FieldId field, std::string_view text) {
    recordCall("KovarGravaCampo", {number(field), kZero, text, number(static_cast<std::int64_t>(text.size()))});
    writeField(field, 0, text);
}

void SimulatedHost::KovarLimpaCampo(FieldId field) {
    recordCall("KovarLimpaCampo", {number(field)});
    clearField(field);
}

void SimulatedHost::KovarGravaArquivo() {
    recordCall("KovarGravaArquivo");
    handBack();
}

void SimulatedHost::KovarSetaViasCupomModulo(int copies) {
    recordCall("KovarSetaViasCupomModulo", {number(copies)});
    setReceiptCopies(copies);
}

void SimulatedHost::GravaAudit(std::string_view text) {
    recordCall("GravaAudit", {kZero, text, number(static_cast<std::int64_t>(text.size()))});
    appendAudit(text);
}

std::string SimulatedHost::LeCampo(FieldId field) {
    recordCall("LeCampo", {number(field), kZero});
    return this->field(field);
}

std::int16_t SimulatedHost::GravaCampoString(FieldId field, std::uint16_t occurrence, std::string_view text) {
    recordCall("GravaCampoString", {number(field), number(occurrence), text});
    if (failsNow("GravaCampoString")) return 1;
    return writeField(field, occurrence, text);
}

std::string SimulatedHost::KovarLeCampoMaxLen(FieldId field, std::size_t capacity) {
    recordCall("KovarLeCampoMaxLen", {number(field), kZero, number(static_cast<std::int64_t>(capacity))});
    std::string value;
    withField(field, 0, [&](std::string_view stored) {
        const std::string_view copied = stored.substr(0, capacity);
        value.assign(copied.substr(0, std::min(copied.size(), copied.find('\0'))));
    });
    return value;
}

std::string SimulatedHost::LeMensagens(MessageId message) {
    const bool failed = failsNow("LeMensagens");
    recordCall("LeMensagens", {number(message)});
    return failed ? std::string() : messageText(message);
}

void SimulatedHost::EnviaArquivoErroPDV(int code, std::string_view text) {
    recordCall("EnviaArquivoErroPDV", {number(code), text});
    reportError(code, text);
}

std::string SimulatedHost::RemoveFormato(std::string_view source) {
    recordCall("RemoveFormato", {source});
    return r::removeFormato(source);
}

std::string SimulatedHost::Dollar(std::string_view source) {
    recordCall("Dollar", {source});
    return r::dollar(source);
}

std::string SimulatedHost::Replicate(std::string_view character, int count) {
    recordCall("Replicate", {character, number(count)});
    return r::replicate(character, count);
}

std::string SimulatedHost::PreencherZerosEsquerda(std::string_view source, int width) {
    recordCall("PreencherZerosEsquerda", {source, number(width)});
    return r::preencherZerosEsquerda(source, width);
}

bool SimulatedHost::VerificaCPF(std::string_view cpf) {
    recordCall("VerificaCPF", {cpf});
    return r::verificaCpf(cpf);
}

std::string SimulatedHost::ValKeyBoard(std::string_view key) {
    recordCall("ValKeyBoard", {key});
    return keyFor(key);
}

std::string SimulatedHost::PermiteNumerico_BS_Enter(std::string_view key) {
    recordCall("PermiteNumerico_BS_Enter", {key});
    return r::permiteNumericoBsEnter(key);
}

std::string SimulatedHost::AvancaRetrocedeItemComboBox(ComboAccess& combo, std::string_view key) {
    recordCall("AvancaRetrocedeItemComboBox", {key});
    if (!r::isComboStepKey(key)) return std::string(key);
    const int next = r::stepComboSelection(combo.current(), combo.count(), key);
    if (next != combo.current()) combo.select(next);
    return {};
}

std::string SimulatedHost::GetBuildInfo(std::string_view moduleFile) {
    const bool failed = failsNow("GetBuildInfo");
    recordCall("GetBuildInfo", {moduleFile});
    return failed ? std::string() : buildInfo(moduleFile);
}

bool SimulatedHost::AutorizaTransacao(const VksRequestLayout& layout, MessageLine& line, int mode) {
    recordCall("AutorizaTransacao", {number(layout.code), number(mode)});
    const bool failed = failsNow("AutorizaTransacao");
    requestLayouts.push_back(layout);
    VksMessageLabel label{&line, &showProgress};
    return authorize(layout, &label, mode) && !failed;
}

std::int16_t SimulatedHost::LerCartaoTamMax(WindowHandle window, int mode, std::string_view prompt, int maxLength) {
    recordCall("LerCartaoTamMax", {number(window), number(mode), prompt, number(maxLength)});
    if (failsNow("LerCartaoTamMax")) return 1;
    return readCard();
}

bool SimulatedHost::ValidarOperador(WindowHandle window, std::string_view level) {
    recordCall("ValidarOperador", {number(window), level});
    if (failsNow("ValidarOperador")) return false;
    return validateOperator();
}

void SimulatedHost::ColocaJanelaEmPrimeiroPlano(WindowHandle window) {
    recordCall("ColocaJanelaEmPrimeiroPlano", {number(window)});
}

ScopedSimulatedHost::ScopedSimulatedHost() {
    resetModuleState();
    setHostServices(&host_);
}

ScopedSimulatedHost::~ScopedSimulatedHost() {
    setHostServices(nullptr);
    resetModuleState();
}

} // namespace vks::test
