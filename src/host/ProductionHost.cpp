#include <cstring>
#include <vector>

#include "core/WipedString.h"
#include "host/HostServices.h"
#include "host/TextCodec.h"

namespace vks {
namespace {

// Any text crossing the host contract may be a card number or the host code
// of field 1102, and this binding cannot tell which: every buffer and
// conversion it makes for one is wiped before it is released. The text it
// returns belongs to the caller, who wipes it when it is a card's.

// A read buffer wiped before it is released or replaced.
class ReadBuffer {
public:
    explicit ReadBuffer(std::size_t size)
        : bytes_(size, '\0') {}
    ~ReadBuffer() { wipeMemory(bytes_.data(), bytes_.size()); }
    ReadBuffer(const ReadBuffer&) = delete;
    ReadBuffer& operator=(const ReadBuffer&) = delete;

    char* data() { return bytes_.data(); }
    std::size_t size() const { return bytes_.size(); }
    void grow(std::size_t size) {
        wipeMemory(bytes_.data(), bytes_.size());
        std::vector<char>(size, '\0').swap(bytes_);
    }

private:
    std::vector<char> bytes_;
};

// A text converted for the host, wiped once the call that reads it is over.
class HostText {
public:
    explicit HostText(std::string_view moduleText)
        : text_(codec::toHost(moduleText)) {}
    ~HostText() { WipedString::overwrite(text_); }
    HostText(const HostText&) = delete;
    HostText& operator=(const HostText&) = delete;

    const char* c_str() const { return text_.c_str(); }
    std::size_t size() const { return text_.size(); }

private:
    std::string text_;
};

// Calls a host function that fills a VksTextOut, growing the buffer until
// the whole text fits.
template <typename Call>
std::string readText(Call&& call) {
    ReadBuffer buffer(256);
    for (;;) {
        VksTextOut out{buffer.data(), static_cast<std::uint32_t>(buffer.size()), 0};
        call(&out);
        if (out.length < out.capacity) {
            return codec::fromHost(std::string_view(buffer.data(), std::strlen(buffer.data())));
        }
        buffer.grow(static_cast<std::size_t>(out.length) + 1);
    }
}

VksKey toKey(std::string_view text) {
    VksKey key{};
    const HostText encoded(text);
    std::memcpy(key.utf8, encoded.c_str(), std::min(encoded.size(), sizeof key.utf8 - 1));
    return key;
}

std::string fromKey(const VksKey& key) {
    return codec::fromHost(std::string_view(key.utf8, strnlen(key.utf8, sizeof key.utf8)));
}

struct LabelBridge {
    static void VKS_HOSTCALL setText(void* context, const char* utf8) {
        if (utf8 != nullptr) static_cast<MessageLine*>(context)->setMessage(codec::fromHost(utf8));
    }
};

struct ComboBridge {
    static int32_t VKS_HOSTCALL count(void* context) { return static_cast<ComboAccess*>(context)->count(); }
    static int32_t VKS_HOSTCALL current(void* context) { return static_cast<ComboAccess*>(context)->current(); }
    static void VKS_HOSTCALL select(void* context, int32_t index) { static_cast<ComboAccess*>(context)->select(index); }
};

class ProductionHost final : public HostServices {
public:
    void KovarGravaCampo(FieldId field, std::string_view text) override {
        const HostText t(text);
        ::KovarGravaCampo(field, 0, t.c_str(), static_cast<int32_t>(t.size()));
    }
    void KovarLimpaCampo(FieldId field) override { ::KovarLimpaCampo(field); }
    void KovarGravaArquivo() override { ::KovarGravaArquivo(); }
    void KovarSetaViasCupomModulo(int copies) override { ::KovarSetaViasCupomModulo(copies); }
    void GravaAudit(std::string_view text) override {
        const HostText t(text);
        ::GravaAudit(0, t.c_str(), static_cast<int32_t>(t.size()));
    }

    std::string LeCampo(FieldId field) override {
        return readText([&](VksTextOut* out) { ::LeCampo(out, field, 0); });
    }
    std::int16_t GravaCampoString(FieldId field, std::uint16_t occurrence, std::string_view text) override {
        return ::GravaCampoString(field, occurrence, HostText(text).c_str());
    }
    std::string KovarLeCampoMaxLen(FieldId field, std::size_t capacity) override {
        ReadBuffer buffer(capacity + 1);
        int32_t length = 0;
        ::KovarLeCampoMaxLen(field, 0, buffer.data(), &length, static_cast<int32_t>(capacity));
        return codec::fromHost(std::string_view(buffer.data(), strnlen(buffer.data(), capacity)));
    }
    std::string LeMensagens(MessageId message) override {
        return readText([&](VksTextOut* out) { ::LeMensagens(out, message); });
    }
    void EnviaArquivoErroPDV(int code, std::string_view text) override {
        ::EnviaArquivoErroPDV(code, HostText(text).c_str());
    }
    std::string RemoveFormato(std::string_view source) override {
        const HostText s(source);
        return readText([&](VksTextOut* out) { ::RemoveFormato(out, s.c_str()); });
    }
    std::string Dollar(std::string_view source) override {
        const HostText s(source);
        return readText([&](VksTextOut* out) { ::Dollar(out, s.c_str()); });
    }
    std::string Replicate(std::string_view character, int count) override {
        const HostText c(character);
        return readText([&](VksTextOut* out) { ::Replicate(out, c.c_str(), count); });
    }
    std::string PreencherZerosEsquerda(std::string_view source, int width) override {
        const HostText s(source);
        return readText([&](VksTextOut* out) { ::PreencherZerosEsquerda(out, s.c_str(), width); });
    }
    bool VerificaCPF(std::string_view cpf) override { return ::VerificaCPF(HostText(cpf).c_str()) != 0; }
    std::string ValKeyBoard(std::string_view keyText) override {
        VksKey k = toKey(keyText);
        ::ValKeyBoard(&k);
        return fromKey(k);
    }
    std::string PermiteNumerico_BS_Enter(std::string_view keyText) override {
        VksKey k = toKey(keyText);
        ::PermiteNumerico_BS_Enter(&k);
        return fromKey(k);
    }
    std::string AvancaRetrocedeItemComboBox(ComboAccess& combo, std::string_view keyText) override {
        VksComboBox box{&combo, &ComboBridge::count, &ComboBridge::current, &ComboBridge::select};
        VksKey k = toKey(keyText);
        ::AvancaRetrocedeItemComboBox(&box, &k);
        return fromKey(k);
    }
    std::string GetBuildInfo(std::string_view moduleFile) override {
        const HostText f(moduleFile);
        return readText([&](VksTextOut* out) { ::GetBuildInfo(out, f.c_str()); });
    }
    bool AutorizaTransacao(const VksRequestLayout& layout, MessageLine& line, int mode) override {
        VksMessageLabel label{&line, &LabelBridge::setText};
        return ::AutorizaTransacao(&layout, &label, mode) != 0;
    }
    std::int16_t LerCartaoTamMax(WindowHandle window, int mode, std::string_view prompt, int maxLength) override {
        return ::LerCartaoTamMax(window, mode, HostText(prompt).c_str(), maxLength);
    }
    bool ValidarOperador(WindowHandle window, std::string_view level) override {
        return ::ValidarOperador(window, HostText(level).c_str()) != 0;
    }
    void ColocaJanelaEmPrimeiroPlano(WindowHandle window) override { ::ColocaJanelaEmPrimeiroPlano(window); }
};

ProductionHost& production() {
    static ProductionHost instance;
    return instance;
}

HostServices* installed = nullptr;

} // namespace

HostServices& host() { return installed != nullptr ? *installed : production(); }

void setHostServices(HostServices* services) { installed = services; }

} // namespace vks
