#include "screens/cheque/OtherHolderCard.h"

#include "core/Text.h"
#include "core/WipedString.h"
#include "host/HostServices.h"
#include "screens/base/CardNumber.h"
#include "screens/base/FieldStore.h"
#include "ui/CardEdit.h"

namespace vks {

void fillOtherHolderCard(ui::CardEdit& edit) {
    const WipedString stored(fields::read(field::OtherHolderCard));
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
    if (!fields::write(field::OtherHolderCard, card.view())) return false;
    edit.conceal(concealedCardNumber(card.view()));
    return true;
}

} // namespace vks
