#pragma once

namespace vks {

namespace ui {
class CardEdit;
} // namespace ui

// The card of someone other than the customer (field 1201): shown concealed
// and locked when the host supplies it; otherwise typed by the cashier,
// written and then concealed.
void fillOtherHolderCard(ui::CardEdit& edit);
// Writes a typed card only; false when the host refuses it.
bool storeOtherHolderCard(ui::CardEdit& edit);

} // namespace vks
