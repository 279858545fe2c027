#pragma once

#include <cstddef>
#include <string_view>

// Characters of a host text as the screens show them: a valid UTF-8 sequence
// is one character, and so is each byte that is not part of one (shown
// escaped, see FieldText.h). Lengths given in characters are counted so, and
// a text is never cut inside a character.
namespace vks {

// Length of the valid UTF-8 sequence at `at` and its code point; 0 when the
// byte there does not start one.
int validSequence(std::string_view bytes, std::size_t at, char32_t& codePoint);
// Length in bytes of the character at `at`: a valid sequence, or one byte.
std::size_t characterBytes(std::string_view bytes, std::size_t at);
std::size_t characterCount(std::string_view bytes);
// The byte length of the first `count` characters of `bytes`.
std::size_t characterPrefixBytes(std::string_view bytes, std::size_t count);

} // namespace vks
