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

// Integer value of a field text: the leading decimal number after blanks,
// `fallback` when the text does not start with one (or overflows).
int toInt(std::string_view text, int fallback = 0);

// Text without leading and trailing blanks.
std::string trimmed(std::string_view text);

} // namespace vks

namespace vks {
// True when the text holds nothing but blanks (no copy is made, so it is safe
// on card numbers).
bool isBlank(std::string_view text);
} // namespace vks
