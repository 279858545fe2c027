#include "screens/queries/TFrmCartao_VKSAdc.h"

#include "core/Text.h"
#include "core/WipedString.h"
#include "host/Messages.h"
#include "screens/base/CardNumber.h"
#include "screens/base/FieldStore.h"
#include "ui/CardEdit.h"

namespace vks {
namespace {
constexpr MessageId kCardHint = 233;
constexpr MessageId kCardMissing = 198;
constexpr int kHostCodeWidth = 4;
} // namespace

TFrmCartao_VKSAdc::TFrmCartao_VKSAdc(std::string_view className)
    : TFrmVKS_Adc(className),
      edCartao(addCardEdit({.name = "edCartao",
                            .label = "lbCartao",
                            .design = "Cartão:",
                            .hint = kCardHint,
                            .maxLength = 16,
                            .keys = Keys::Digits})) {
    lbCartao = labelOf(*edCartao);
}

void TFrmCartao_VKSAdc::IniciaCamposForm() {
    TFrmVKS_Adc::IniciaCamposForm();
    edCartao->clear();
    const WipedString stored(fields::read(field::Identification));
    const WipedString read(trimmed(stored.view()));
    // Only the concealed form reaches the screen.
    if (!read.empty()) edCartao->setText(concealedCardNumber(read.view()));
    edCartao->setEnabled(edCartao->text().isEmpty());
}

bool TFrmCartao_VKSAdc::ValidaCamposForm() {
    if (edCartao->text().isEmpty()) return rejectInput(kCardMissing, *edCartao, Retry::ClearFocusIfEnabled);
    return TFrmVKS_Adc::ValidaCamposForm();
}

bool TFrmCartao_VKSAdc::takeTypedNumber(WipedString& number) {
    if (!edCartao->isEnabled()) return false;
    const WipedString whole(edCartao->number());
    number.assign(trimmed(whole.view()));
    edCartao->conceal(concealedCardNumber(number.view()));
    return true;
}

bool TFrmCartao_VKSAdc::storeTypedNumber() {
    WipedString typed;
    return !takeTypedNumber(typed) || fields::write(field::DocumentData, typed.view());
}

QWidget* TFrmCartao_VKSAdc::keyControl() const { return edCartao; }

bool storeMissingHostCode() {
    HostServices& h = host();
    const WipedString hostCode(h.LeCampo(field::HostCodeCopy));
    if (!hostCode.empty()) return true;
    const WipedString zeros(h.PreencherZerosEsquerda(hostCode.view(), kHostCodeWidth));
    return h.GravaCampoString(field::HostCode, 0, zeros.view()) == 0;
}

} // namespace vks
