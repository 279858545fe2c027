#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "core/WindowHandle.h"
#include "host/Fields.h"
#include "vks/host_abi.h"

namespace vks {

// Special key characters as the host's key routines see them.
namespace key {
inline constexpr std::string_view Backspace = "\b";
inline constexpr std::string_view Enter = "\r";
inline constexpr std::string_view Escape = "\x1b";
} // namespace key

// The screen's message line, where the host shows authorization progress.
class MessageLine {
public:
    virtual ~MessageLine() = default;
    virtual void setMessage(const std::string& text) = 0;
};

// A drop-down list the host may step through (-1: nothing selected).
class ComboAccess {
public:
    virtual ~ComboAccess() = default;
    virtual int count() const = 0;
    virtual int current() const = 0;
    virtual void select(int index) = 0;
};

// One typed method per function of the host's five libraries. Texts are
// UTF-8. The production implementation calls the libraries; unit tests
// answer from the simulated host in process.
class HostServices {
public:
    virtual ~HostServices() = default;

    // Kovar
    virtual void KovarGravaCampo(FieldId field, std::string_view text) = 0;
    virtual void KovarLimpaCampo(FieldId field) = 0;
    virtual void KovarGravaArquivo() = 0;
    virtual void KovarSetaViasCupomModulo(int copies) = 0;
    virtual void GravaAudit(std::string_view text) = 0;

    // Rotlib
    virtual std::string LeCampo(FieldId field) = 0;
    virtual std::int16_t GravaCampoString(FieldId field, std::uint16_t occurrence, std::string_view text) = 0;
    // The field's text cut to at most `capacity` bytes, up to its first zero.
    virtual std::string KovarLeCampoMaxLen(FieldId field, std::size_t capacity) = 0;
    virtual std::string LeMensagens(MessageId message) = 0;
    virtual void EnviaArquivoErroPDV(int code, std::string_view text) = 0;
    virtual std::string RemoveFormato(std::string_view source) = 0;
    virtual std::string Dollar(std::string_view source) = 0;
    virtual std::string Replicate(std::string_view character, int count) = 0;
    virtual std::string PreencherZerosEsquerda(std::string_view source, int width) = 0;
    virtual bool VerificaCPF(std::string_view cpf) = 0;
    // The character the typed key stands for; empty for none.
    virtual std::string ValKeyBoard(std::string_view key) = 0;
    // The key when it is a digit, Backspace or Enter; empty otherwise.
    virtual std::string PermiteNumerico_BS_Enter(std::string_view key) = 0;
    // Steps the list's selection when the key is one of the host's step keys
    // and returns the key the list should still see: empty when the step
    // used it up, the key itself otherwise.
    virtual std::string AvancaRetrocedeItemComboBox(ComboAccess& combo, std::string_view key) = 0;
    virtual std::string GetBuildInfo(std::string_view moduleFile) = 0;
    virtual bool AutorizaTransacao(const VksRequestLayout& layout, MessageLine& line, int mode) = 0;

    // Tavlib
    virtual std::int16_t LerCartaoTamMax(WindowHandle window, int mode, std::string_view prompt, int maxLength) = 0;

    // Zelnor
    virtual bool ValidarOperador(WindowHandle window, std::string_view level) = 0;

    // Quenta
    virtual void ColocaJanelaEmPrimeiroPlano(WindowHandle window) = 0;
};

// The host services the module uses now; the production binding unless a
// test installed another.
HostServices& host();
// Installs `services` (not owned) for tests; nullptr restores production.
void setHostServices(HostServices* services);

} // namespace vks
