#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

#include "host/Fields.h"

class QLineEdit;
class QString;

namespace vks::fields {

// The screens' side of the host's field store: reads, and writes that tell
// whether the host stored the text.

// The authorizer's tag, written to field 10103 by every screen that sends.
inline constexpr std::string_view kAuthorizerTag = "36";

std::string read(FieldId field);
// GravaCampoString; true when the host stored the text.
bool write(FieldId field, std::string_view text, std::uint16_t occurrence = 0);

struct Write {
    FieldId field;
    std::string_view text;
};
// The writes in order; false at the first one the host refuses (those
// before it stay written, none after it is made).
bool writeAll(std::initializer_list<Write> writes);

// Field `to` := field `from`, through a copy wiped afterwards (card
// numbers pass this way).
bool copy(FieldId to, FieldId from);

// Field 10103 := the authorizer's tag.
bool writeAuthorizerTag();

// What a control sends: a shown text without its formatting (the host's
// RemoveFormato), or an edit field's text as it stands.
std::string bare(const QString& shown);
std::string textOf(const QLineEdit& edit);

} // namespace vks::fields
