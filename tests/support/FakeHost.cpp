#include "FakeHost.h"

#include <algorithm>
#include <cstring>

#include "core/ModuleState.h"
#include "routines.h"

namespace vks::test {

namespace r = vks::sim::routines;

std::string FakeHost::get(FieldId field, int occurrence) const {
    const auto it = fields.find({field, occurrence});
    return it == fields.end() ? std::string() : it->second;
}

std::string FakeHost::messageText(MessageId id) {
    if (id == 802) return "Mensagem 802: %s";
    if (id == 319) return "Mensagem 319 de %s a %s";
    return "Mensagem " + std::to_string(id);
}

int FakeHost::messageIdOf(const std::string& text) {
    static const std::string prefix = "Mensagem ";
    if (text.rfind(prefix, 0) != 0) return -1;
    int id = 0;
    std::size_t i = prefix.size();
    if (i >= text.size() || text[i] < '0' || text[i] > '9') return -1;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9') id = id * 10 + (text[i++] - '0');
    return id;
}

std::vector<int> FakeHost::errorIds() const {
    std::vector<int> ids;
    for (const auto& [code, text] : errors) ids.push_back(messageIdOf(text));
    return ids;
}

int FakeHost::callCount(const std::string& name) const {
    return static_cast<int>(std::count(calls.begin(), calls.end(), name));
}

int FakeHost::callIndex(const std::string& name) const {
    const auto it = std::find(calls.begin(), calls.end(), name);
    return it == calls.end() ? -1 : static_cast<int>(it - calls.begin());
}

void FakeHost::KovarGravaCampo(FieldId field, std::string_view text) {
    calls.push_back("KovarGravaCampo");
    writes.push_back({field, 0, std::string(text)});
    set(field, std::string(text));
}

void FakeHost::KovarLimpaCampo(FieldId field) {
    calls.push_back("KovarLimpaCampo");
    writes.push_back({field, 0, std::nullopt});
    fields.erase({field, 0});
}

void FakeHost::KovarGravaArquivo() {
    calls.push_back("KovarGravaArquivo");
    ++handBacks;
}

void FakeHost::KovarSetaViasCupomModulo(int copies) {
    calls.push_back("KovarSetaViasCupomModulo");
    receiptCopies.push_back(copies);
}

void FakeHost::GravaAudit(std::string_view text) {
    calls.push_back("GravaAudit");
    audit.emplace_back(text);
}

std::string FakeHost::LeCampo(FieldId field) {
    calls.push_back("LeCampo");
    reads.push_back(field);
    return get(field);
}

std::int16_t FakeHost::GravaCampoString(FieldId field, std::uint16_t occurrence, std::string_view text) {
    calls.push_back("GravaCampoString");
    if (refuseWrite && refuseWrite->first == field && refuseWrite->second == occurrence) return 1;
    writes.push_back({field, occurrence, std::string(text)});
    set(field, std::string(text), occurrence);
    return 0;
}

std::string FakeHost::KovarLeCampoMaxLen(FieldId field, std::size_t capacity) {
    calls.push_back("KovarLeCampoMaxLen");
    reads.push_back(field);
    std::string value = get(field).substr(0, capacity);
    return value.substr(0, std::strlen(value.c_str()));
}

std::string FakeHost::LeMensagens(MessageId message) {
    calls.push_back("LeMensagens");
    return messageText(message);
}

void FakeHost::EnviaArquivoErroPDV(int code, std::string_view text) {
    calls.push_back("EnviaArquivoErroPDV");
    errors.emplace_back(code, std::string(text));
}

std::string FakeHost::RemoveFormato(std::string_view source) { return r::removeFormato(source); }
std::string FakeHost::Dollar(std::string_view source) { return r::dollar(source); }
std::string FakeHost::Replicate(std::string_view character, int count) { return r::replicate(character, count); }
std::string FakeHost::PreencherZerosEsquerda(std::string_view source, int width) {
    return r::preencherZerosEsquerda(source, width);
}
bool FakeHost::VerificaCPF(std::string_view cpf) { return r::verificaCpf(cpf); }

std::string FakeHost::ValKeyBoard(std::string_view key) {
    const auto it = keyboard.find(std::string(key));
    return it == keyboard.end() ? std::string(key) : it->second;
}

std::string FakeHost::PermiteNumerico_BS_Enter(std::string_view key) { return r::permiteNumericoBsEnter(key); }

std::string FakeHost::AvancaRetrocedeItemComboBox(ComboAccess& combo, std::string_view key) {
    calls.push_back("AvancaRetrocedeItemComboBox");
    if (!r::isComboStepKey(key)) return std::string(key);
    const int next = r::stepComboSelection(combo.current(), combo.count(), key);
    if (next != combo.current()) combo.select(next);
    return {};
}

std::string FakeHost::GetBuildInfo(std::string_view) { return buildVersion; }

bool FakeHost::AutorizaTransacao(const VksRequestLayout& layout, MessageLine& line, int mode) {
    calls.push_back("AutorizaTransacao");
    authorizations.push_back({layout, mode});
    if (onAuthorize) onAuthorize();
    line.setMessage("Autorizando...");
    progressTexts.push_back("Autorizando...");
    return authorizeResult;
}

std::int16_t FakeHost::LerCartaoTamMax(WindowHandle window, int, std::string_view prompt, int) {
    calls.push_back("LerCartaoTamMax");
    cardReads.emplace_back(window, std::string(prompt));
    if (cardStatus == 0) set(field::Identification, cardNumber);
    return cardStatus;
}

bool FakeHost::ValidarOperador(WindowHandle window, std::string_view) {
    calls.push_back("ValidarOperador");
    operatorChecks.push_back(window);
    return operatorValid;
}

void FakeHost::ColocaJanelaEmPrimeiroPlano(WindowHandle window) {
    calls.push_back("ColocaJanelaEmPrimeiroPlano");
    foregrounds.push_back(window);
}

ScopedFakeHost::ScopedFakeHost() {
    resetModuleState();
    setHostServices(&fake_);
}

ScopedFakeHost::~ScopedFakeHost() {
    setHostServices(nullptr);
    resetModuleState();
}

} // namespace vks::test
