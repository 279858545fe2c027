#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "Simulator.h"
#include "host/HostServices.h"

namespace vks::test {

// The simulated host the scenarios run against, answering the module's calls
// in process: each call is recorded and served as the host libraries do.
// Catalogue texts are "Mensagem <id>" (802 and 319 carry "%s"
// placeholders), so a text maps back to its identifier with messageIdOf.
class SimulatedHost final : public HostServices, public sim::Simulator {
public:
    using Write = sim::FieldWrite;

    SimulatedHost();

    // The field store at occurrence 0 unless told; not recorded as writes.
    void set(FieldId id, std::string_view value, int occurrence = 0) { setField(id, occurrence, value); }
    std::string get(FieldId id, int occurrence = 0) const { return field(id, occurrence); }
    bool has(FieldId id, int occurrence = 0) const { return hasField(id, occurrence); }

    // Each layout handed to AutorizaTransacao as the module passed it: the
    // simulator keeps the request built from it, not the table itself.
    std::vector<VksRequestLayout> requestLayouts;

    static std::string messageText(MessageId id);
    // Catalogue identifier of a text made by messageText, -1 for another text.
    static int messageIdOf(const std::string& text);
    std::vector<int> errorIds() const;
    // Position of the first call of `function` among all calls, -1 when absent.
    int callIndex(std::string_view function) const;
    // What the call records hold of these calls, in call order.
    std::vector<std::pair<WindowHandle, std::string>> cardReads() const; // window, prompt
    std::vector<WindowHandle> operatorChecks() const;
    std::vector<FieldId> reads() const; // LeCampo, KovarLeCampoMaxLen

    void KovarGravaCampo(FieldId field, std::string_view text) override;
    void KovarLimpaCampo(FieldId field) override;
    void KovarGravaArquivo() override;
    void KovarSetaViasCupomModulo(int copies) override;
    void GravaAudit(std::string_view text) override;
    std::string LeCampo(FieldId field) override;
    std::int16_t GravaCampoString(FieldId field, std::uint16_t occurrence, std::string_view text) override;
    std::string KovarLeCampoMaxLen(FieldId field, std::size_t capacity) override;
    std::string LeMensagens(MessageId message) override;
    void EnviaArquivoErroPDV(int code, std::string_view text) override;
    std::string RemoveFormato(std::string_view source) override;
    std::string Dollar(std::string_view source) override;
    std::string Replicate(std::string_view character, int count) override;
    std::string PreencherZerosEsquerda(std::string_view source, int width) override;
    bool VerificaCPF(std::string_view cpf) override;
    std::string ValKeyBoard(std::string_view key) override;
    std::string PermiteNumerico_BS_Enter(std::string_view key) override;
    std::string AvancaRetrocedeItemComboBox(ComboAccess& combo, std::string_view key) override;
    std::string GetBuildInfo(std::string_view moduleFile) override;
    bool AutorizaTransacao(const VksRequestLayout& layout, MessageLine& line, int mode) override;
    std::int16_t LerCartaoTamMax(WindowHandle window, int mode, std::string_view prompt, int maxLength) override;
    bool ValidarOperador(WindowHandle window, std::string_view level) override;
    void ColocaJanelaEmPrimeiroPlano(WindowHandle window) override;

private:
    std::vector<sim::CallRecord> callsOf(std::initializer_list<std::string_view> functions) const;
};

// Installs a fresh SimulatedHost and a fresh module state for one test, and
// restores the production binding afterwards.
class ScopedSimulatedHost {
public:
    ScopedSimulatedHost();
    ~ScopedSimulatedHost();
    SimulatedHost& operator*() { return host_; }
    SimulatedHost* operator->() { return &host_; }

private:
    SimulatedHost host_;
};

} // namespace vks::test
