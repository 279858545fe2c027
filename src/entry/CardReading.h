#pragma once

#include "host/Fields.h"

namespace vks {

// Puts the customer's card number into field 10104: the number the host
// supplied in field 1059, or one read by the PIN pad with prompt message
// `prompt`. False when the transaction has been ended (the host was told).
bool LeCartaoVKS(MessageId prompt);

} // namespace vks
