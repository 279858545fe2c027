#pragma once

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "host/HostServices.h"

namespace vks::test {

// A recording stand-in for the host's libraries. Catalogue texts are
// "Mensagem <id>" (802 and 319 carry "%s" placeholders), so a text maps back
// to its identifier with messageIdOf.
class FakeHost final : public HostServices {
public:
    struct Write {
        FieldId field;
        int occurrence;
        std::optional<std::string> text; // nullopt: the field was cleared
        bool operator==(const Write&) const = default;
    };
    struct Authorization {
        VksRequestLayout layout;
        int mode;
    };

    // Field store, by field and occurrence.
    std::map<std::pair<FieldId, int>, std::string> fields;
    void set(FieldId field, std::string value, int occurrence = 0) { fields[{field, occurrence}] = std::move(value); }
    std::string get(FieldId field, int occurrence = 0) const;
    bool has(FieldId field, int occurrence = 0) const { return fields.count({field, occurrence}) != 0; }

    // Behaviours.
    std::optional<std::pair<FieldId, int>> refuseWrite;
    std::int16_t cardStatus = 0;
    std::string cardNumber = "6034567890123456"; // stored in 10104 by a successful read
    bool operatorValid = true;
    bool authorizeResult = true;
    std::map<std::string, std::string> keyboard; // ValKeyBoard mapping
    std::string buildVersion = "2.1.0.7";
    std::vector<std::string> progressTexts; // set on the message line during AutorizaTransacao
    std::function<void()> onAuthorize;      // runs as AutorizaTransacao is entered, before any progress

    // Records, in call order.
    std::vector<std::string> calls; // function names
    std::vector<Write> writes;      // GravaCampoString, KovarGravaCampo, KovarLimpaCampo
    std::vector<FieldId> reads;     // LeCampo, KovarLeCampoMaxLen
    int handBacks = 0;
    std::vector<std::pair<int, std::string>> errors;
    std::vector<std::string> audit;
    std::vector<int> receiptCopies;
    std::vector<Authorization> authorizations;
    std::vector<std::pair<WindowHandle, std::string>> cardReads; // window, prompt
    std::vector<WindowHandle> operatorChecks;
    std::vector<WindowHandle> foregrounds;

    static std::string messageText(MessageId id);
    // Catalogue identifier of a text made by messageText, -1 for another text.
    static int messageIdOf(const std::string& text);
    std::vector<int> errorIds() const;
    int callCount(const std::string& name) const;
    // Position of the first call of `name` in `calls`, -1 when absent.
    int callIndex(const std::string& name) const;

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
};

// Installs a fresh FakeHost and a fresh module state for one test, and
// restores the production binding afterwards.
class ScopedFakeHost {
public:
    ScopedFakeHost();
    ~ScopedFakeHost();
    FakeHost& operator*() { return fake_; }
    FakeHost* operator->() { return &fake_; }

private:
    FakeHost fake_;
};

} // namespace vks::test
