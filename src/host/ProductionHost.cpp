#include <cstring>
#include <vector>

#include "host/HostServices.h"
#include "host/TextCodec.h"

namespace vks {
namespace {

// Calls a host function that fills a VksTextOut, growing the buffer until
// the whole text fits.
template <typename Call>
std::string readText(Call&& call) {
    std::vector<char> buffer(256);
    for (;;) {
        VksTextOut out{buffer.data(), static_cast<std::uint32_t>(buffer.size()), 0};
        call(&out);
        if (out.length < out.capacity) {
            return codec::fromHost(std::string_view(buffer.data(), std::strlen(buffer.data())));
        }
        buffer.assign(static_cast<std::size_t>(out.length) + 1, '\0');
    }
}

VksKey toKey(std::string_view text) {
    VksKey key{};
    const std::string encoded = codec::toHost(text);
    std::memcpy(key.utf8, encoded.data(), std::min(encoded.size(), sizeof key.utf8 - 1));
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
        const std::string t = codec::toHost(text);
        ::KovarGravaCampo(field, 0, t.c_str(), static_cast<int32_t>(t.size()));
    }
    void KovarLimpaCampo(FieldId field) override { ::KovarLimpaCampo(field); }
    void KovarGravaArquivo() override { ::KovarGravaArquivo(); }
    void KovarSetaViasCupomModulo(int copies) override { ::KovarSetaViasCupomModulo(copies); }
    void GravaAudit(std::string_view text) override {
        const std::string t = codec::toHost(text);
        ::GravaAudit(0, t.c_str(), static_cast<int32_t>(t.size()));
    }

    std::string LeCampo(FieldId field) override {
        return readText([&](VksTextOut* out) { ::LeCampo(out, field, 0); });
    }
    std::int16_t GravaCampoString(FieldId field, std::uint16_t occurrence, std::string_view text) override {
        return ::GravaCampoString(field, occurrence, codec::toHost(text).c_str());
    }
    std::string KovarLeCampoMaxLen(FieldId field, std::size_t capacity) override {
        std::vector<char> buffer(capacity + 1, '\0');
        int32_t length = 0;
        ::KovarLeCampoMaxLen(field, 0, buffer.data(), &length, static_cast<int32_t>(capacity));
        return codec::fromHost(std::string_view(buffer.data(), strnlen(buffer.data(), capacity)));
    }
    std::string LeMensagens(MessageId message) override {
        return readText([&](VksTextOut* out) { ::LeMensagens(out, message); });
    }
    void EnviaArquivoErroPDV(int code, std::string_view text) override {
        ::EnviaArquivoErroPDV(code, codec::toHost(text).c_str());
    }
    std::string RemoveFormato(std::string_view source) override {
        const std::string s = codec::toHost(source);
        return readText([&](VksTextOut* out) { ::RemoveFormato(out, s.c_str()); });
    }
    std::string Dollar(std::string_view source) override {
        const std::string s = codec::toHost(source);
        return readText([&](VksTextOut* out) { ::Dollar(out, s.c_str()); });
    }
    std::string Replicate(std::string_view character, int count) override {
        const std::string c = codec::toHost(character);
        return readText([&](VksTextOut* out) { ::Replicate(out, c.c_str(), count); });
    }
    std::string PreencherZerosEsquerda(std::string_view source, int width) override {
        const std::string s = codec::toHost(source);
        return readText([&](VksTextOut* out) { ::PreencherZerosEsquerda(out, s.c_str(), width); });
    }
    bool VerificaCPF(std::string_view cpf) override { return ::VerificaCPF(codec::toHost(cpf).c_str()) != 0; }
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
        const std::string f = codec::toHost(moduleFile);
        return readText([&](VksTextOut* out) { ::GetBuildInfo(out, f.c_str()); });
    }
    bool AutorizaTransacao(const VksRequestLayout& layout, MessageLine& line, int mode) override {
        VksMessageLabel label{&line, &LabelBridge::setText};
        return ::AutorizaTransacao(&layout, &label, mode) != 0;
    }
    std::int16_t LerCartaoTamMax(WindowHandle window, int mode, std::string_view prompt, int maxLength) override {
        return ::LerCartaoTamMax(window, mode, codec::toHost(prompt).c_str(), maxLength);
    }
    bool ValidarOperador(WindowHandle window, std::string_view level) override {
        return ::ValidarOperador(window, codec::toHost(level).c_str()) != 0;
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
