#include "CleanHost.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#define VKS_HOST_API __attribute__((visibility("default")))
#include "vks/host_abi.h"

namespace vks::cardtrace {
namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

std::string_view textIn(const char* text) { return text == nullptr ? std::string_view{} : std::string_view(text); }

std::string_view textIn(const char* text, std::int32_t length) {
    if (text == nullptr || length <= 0) return {};
    const auto* end = static_cast<const char*>(std::memchr(text, '\0', static_cast<std::size_t>(length)));
    return {text, end == nullptr ? static_cast<std::size_t>(length) : static_cast<std::size_t>(end - text)};
}

// Writes a text into a VksTextOut character by character: at most
// capacity-1 bytes and a zero, the full length always reported.
class TextOut {
public:
    explicit TextOut(VksTextOut* out)
        : out_(out) {}
    ~TextOut() {
        if (out_ == nullptr) return;
        out_->length = length_;
        if (out_->data != nullptr && out_->capacity > 0)
            out_->data[length_ < out_->capacity ? length_ : out_->capacity - 1] = '\0';
    }
    TextOut(const TextOut&) = delete;
    TextOut& operator=(const TextOut&) = delete;

    void put(char c) {
        if (out_ != nullptr && out_->data != nullptr && length_ + 1 < out_->capacity) out_->data[length_] = c;
        ++length_;
    }
    void put(std::string_view text) {
        for (char c : text) put(c);
    }

private:
    VksTextOut* out_;
    std::uint32_t length_ = 0;
};

FieldSlot* findSlot(std::int32_t field, std::int32_t occurrence) {
    for (FieldSlot& slot : region().fieldSlots) {
        if (slot.used && slot.field == field && slot.occurrence == occurrence) return &slot;
    }
    return nullptr;
}

void store(std::int32_t field, std::int32_t occurrence, std::string_view text) {
    FieldSlot* slot = findSlot(field, occurrence);
    if (slot == nullptr) {
        for (FieldSlot& free : region().fieldSlots) {
            if (!free.used) {
                slot = &free;
                break;
            }
        }
    }
    if (slot == nullptr || text.size() >= kSlotText) {
        std::fprintf(stderr, "card trace host: no room for field %d\n", field);
        std::abort();
    }
    std::memset(slot->text, 0, kSlotText);
    std::memcpy(slot->text, text.data(), text.size());
    slot->field = field;
    slot->occurrence = occurrence;
    slot->length = static_cast<std::uint32_t>(text.size());
    slot->used = true;
}

void checkMessage(std::string_view text) {
    if (carriesCardDigits(text)) ++region().cardInMessages;
}

void putKey(VksKey* key, char c) {
    std::memset(key->utf8, 0, sizeof key->utf8);
    key->utf8[0] = c;
}

char singleKey(const VksKey* key) {
    if (key == nullptr || key->utf8[0] == '\0' || key->utf8[1] != '\0') return '\0';
    return key->utf8[0];
}

} // namespace

void resetHost() {
    HostRegion& r = region();
    for (FieldSlot& slot : r.fieldSlots) {
        std::memset(slot.text, 0, kSlotText);
        slot.used = false;
        slot.length = 0;
    }
    r.handBacks = r.errors = r.authorizations = r.pinPadReads = r.audits = r.cardInMessages = 0;
    r.pinPadStatus = 0;
    r.pinPadLength = 0;
    std::memset(r.pinPad, 0, sizeof r.pinPad);
}

void setField(std::int32_t f, std::string_view text, std::int32_t occurrence) { store(f, occurrence, text); }

std::string_view field(std::int32_t f, std::int32_t occurrence) {
    const FieldSlot* slot = findSlot(f, occurrence);
    return slot == nullptr ? std::string_view{} : std::string_view(slot->text, slot->length);
}

bool hasField(std::int32_t f, std::int32_t occurrence) { return findSlot(f, occurrence) != nullptr; }

void setPinPad(std::int16_t status) {
    HostRegion& r = region();
    r.pinPadStatus = status;
    std::memcpy(r.pinPad, r.card, r.cardLength);
    r.pinPadLength = r.cardLength;
}

void releaseStore() {}

int authorizationsSent() { return region().authorizations; }

int messagesWithCard() { return region().cardInMessages; }

} // namespace vks::cardtrace

using namespace vks::cardtrace;

extern "C" {

// ---- Kovar ----
VKS_HOST_API int32_t VKS_HOSTCALL KovarGravaCampo(VksFieldId f, int32_t, const char* text, int32_t length) {
    store(f, 0, textIn(text, length));
    return 0;
}

VKS_HOST_API void VKS_HOSTCALL KovarLimpaCampo(VksFieldId f) {
    for (FieldSlot& slot : region().fieldSlots) {
        if (slot.used && slot.field == f) {
            std::memset(slot.text, 0, kSlotText);
            slot.used = false;
        }
    }
}

VKS_HOST_API void VKS_HOSTCALL KovarGravaArquivo(void) { ++region().handBacks; }

VKS_HOST_API void VKS_HOSTCALL KovarSetaViasCupomModulo(int32_t) {}

VKS_HOST_API void VKS_HOSTCALL GravaAudit(int32_t, const char* text, int32_t length) {
    ++region().audits;
    checkMessage(textIn(text, length));
}

// ---- Rotlib ----
VKS_HOST_API void VKS_HOSTCALL LeCampo(VksTextOut* value, VksFieldId f, int32_t) {
    TextOut out(value);
    out.put(field(f));
}

VKS_HOST_API int16_t VKS_HOSTCALL GravaCampoString(VksFieldId f, uint16_t occurrence, const char* text) {
    store(f, occurrence, textIn(text));
    return 0;
}

VKS_HOST_API int32_t VKS_HOSTCALL KovarLeCampoMaxLen(VksFieldId f, int32_t, char* buffer, int32_t* length,
                                                     int32_t capacity) {
    if (length != nullptr) *length = 0;
    if (buffer == nullptr || capacity <= 0) return -1;
    const std::string_view value = field(f);
    const std::size_t copied =
        value.size() < static_cast<std::size_t>(capacity) ? value.size() : static_cast<std::size_t>(capacity);
    std::memset(buffer, 0, static_cast<std::size_t>(capacity));
    std::memcpy(buffer, value.data(), copied);
    if (length != nullptr) *length = static_cast<int32_t>(copied);
    return 0;
}

VKS_HOST_API void VKS_HOSTCALL LeMensagens(VksTextOut* text, VksMessageId message) {
    // The test doubles' catalogue: "Mensagem <id>"; 802 and 319 take arguments.
    char buffer[64];
    const char* format = message == 802 ? "Mensagem %d %%s" : message == 319 ? "Mensagem %d %%s a %%s" : "Mensagem %d";
    const int n = std::snprintf(buffer, sizeof buffer, format, message);
    TextOut out(text);
    out.put(std::string_view(buffer, n > 0 ? static_cast<std::size_t>(n) : 0));
}

VKS_HOST_API void VKS_HOSTCALL EnviaArquivoErroPDV(int32_t, const char* text) {
    ++region().errors;
    checkMessage(textIn(text));
}

VKS_HOST_API void VKS_HOSTCALL RemoveFormato(VksTextOut* result, const char* source) {
    TextOut out(result);
    for (char c : textIn(source)) {
        const bool letter = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
        if (isDigit(c) || letter || static_cast<unsigned char>(c) >= 0x80) out.put(c);
    }
}

VKS_HOST_API void VKS_HOSTCALL Dollar(VksTextOut* result, const char* source) {
    // Cents with a decimal comma, leading zeros dropped, at least "0,0d".
    const std::string_view s = textIn(source);
    std::size_t digits = 0, firstSignificant = 0;
    bool significant = false;
    for (char c : s) {
        if (!isDigit(c)) continue;
        if (!significant && c != '0') {
            significant = true;
            firstSignificant = digits;
        }
        ++digits;
    }
    TextOut out(result);
    if (digits == 0) return;
    const std::size_t kept = significant ? digits - firstSignificant : 0;
    const std::size_t shown = kept < 3 ? 3 : kept;
    std::size_t index = 0, written = 0;
    for (std::size_t i = kept; i < shown; ++i) {
        if (written++ == shown - 2) out.put(',');
        out.put('0');
    }
    for (char c : s) {
        if (!isDigit(c)) continue;
        if (index++ < digits - kept) continue;
        if (written++ == shown - 2) out.put(',');
        out.put(c);
    }
}

VKS_HOST_API void VKS_HOSTCALL Replicate(VksTextOut* result, const char* character, int32_t count) {
    TextOut out(result);
    for (int32_t i = 0; i < count && i < 1 << 20; ++i) out.put(textIn(character));
}

VKS_HOST_API void VKS_HOSTCALL PreencherZerosEsquerda(VksTextOut* result, const char* source, int32_t width) {
    const std::string_view s = textIn(source);
    TextOut out(result);
    for (std::size_t i = s.size(); width > 0 && i < static_cast<std::size_t>(width) && i < 1 << 20; ++i) out.put('0');
    out.put(s);
}

VKS_HOST_API VksBool VKS_HOSTCALL VerificaCPF(const char*) { return 1; }

VKS_HOST_API void VKS_HOSTCALL ValKeyBoard(VksKey*) {}

VKS_HOST_API void VKS_HOSTCALL PermiteNumerico_BS_Enter(VksKey* key) {
    const char c = singleKey(key);
    if (key != nullptr && !(isDigit(c) || c == '\b' || c == '\r')) std::memset(key->utf8, 0, sizeof key->utf8);
}

VKS_HOST_API void VKS_HOSTCALL AvancaRetrocedeItemComboBox(VksComboBox* combo, VksKey* key) {
    const char c = singleKey(key);
    if (c != '2' && c != '8') return;
    putKey(key, '\0');
    if (combo == nullptr || combo->count == nullptr || combo->current == nullptr || combo->select == nullptr) return;
    const int32_t count = combo->count(combo->context);
    const int32_t current = combo->current(combo->context);
    if (count <= 0) return;
    const int32_t next = c == '2' ? (current + 1 < count ? current + 1 : count - 1) : (current > 0 ? current - 1 : 0);
    if (next != current) combo->select(combo->context, next);
}

VKS_HOST_API void VKS_HOSTCALL GetBuildInfo(VksTextOut* version, const char*) {
    TextOut out(version);
    out.put("9.9.9.9");
}

VKS_HOST_API VksBool VKS_HOSTCALL AutorizaTransacao(const VksRequestLayout*, VksMessageLabel* label, int32_t) {
    ++region().authorizations;
    if (label != nullptr && label->set_text != nullptr) label->set_text(label->context, "Enviando");
    return 1;
}

// ---- Tavlib ----
VKS_HOST_API int16_t VKS_HOSTCALL LerCartaoTamMax(VksWindow, int32_t, const char*, int32_t) {
    HostRegion& r = region();
    ++r.pinPadReads;
    if (r.pinPadStatus == 0) store(10104, 0, std::string_view(r.pinPad, r.pinPadLength));
    return r.pinPadStatus;
}

// ---- Zelnor ----
VKS_HOST_API VksBool VKS_HOSTCALL ValidarOperador(VksWindow, const char*) { return 1; }

// ---- Quenta ----
VKS_HOST_API void VKS_HOSTCALL ColocaJanelaEmPrimeiroPlano(VksWindow) {}

} // extern "C"
