#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

#include "host/HostServices.h"

namespace vks {

// Catalogue text of `message` with each "%s" replaced, in order, by the next
// argument; placeholders without an argument are left as they stand.
std::string catalogueText(MessageId message, std::initializer_list<std::string_view> args = {});

// Reports an error that ends the transaction: EnviaArquivoErroPDV(255, text).
void reportError(MessageId message);

} // namespace vks
