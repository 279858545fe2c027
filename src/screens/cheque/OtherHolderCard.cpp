#include "screens/cheque/OtherHolderCard.h"

#include "core/Text.h"
#include "core/WipedString.h"
#include "host/HostServices.h"
#include "screens/base/CardNumber.h"
#include "ui/CardEdit.h"

namespace vks {

void fillOtherHolderCard(ui::CardEdit& edit) {
    const WipedString stored(host().LeCampo(field::OtherHolderCard));
    const WipedString card(trimmed(stored.view()));
    edit.clear();
    if (card.empty()) return;
    edit.setText(concealedCardNumber(card.view()));
    edit.setEnabled(false);
}

bool storeOtherHolderCard(ui::CardEdit& edit) {
    if (!edit.isEnabled()) return true;
    const WipedString typed(edit.number());
    const WipedString card(trimmed(typed.view()));
    if (host().GravaCampoString(field::OtherHolderCard, 0, card.view()) != 0) return false;
    edit.conceal(concealedCardNumber(card.view()));
    return true;
}

} // namespace vks
