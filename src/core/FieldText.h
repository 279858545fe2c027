#pragma once

#include <string>
#include <string_view>

#include <QString>
#include <QStringView>

namespace vks {

// The module's one conversion between the bytes of a host text (UTF-8 by the
// contract) and the toolkit's strings, lossless both ways: any byte that is
// not part of a valid UTF-8 sequence becomes the lone surrogate U+DC80 to
// U+DCFF of its value (the "surrogate escape" mapping), which never comes
// from valid UTF-8 or from the keyboard, and goes back to that byte. So a
// value the module shows and writes back unchanged stays byte for byte what
// the host supplied, even when it is not valid UTF-8; on screen an escaped
// byte shows as the replacement glyph. Valid text converts as UTF-8 does.
//
// Both make their result in one allocation and no temporary, so they are
// safe on card numbers (the caller wipes the result).
QString fieldText(std::string_view bytes);
std::string fieldBytes(QStringView text);

} // namespace vks
