#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// The host's text and key routines, shared by the replacement libraries and
// the test doubles so that both answer alike.
namespace vks::sim::routines {

// Display formatting stripped: every character that is not a letter or a
// digit goes ("1.234,56" -> "123456", "05/12/2026" -> "05122026").
std::string removeFormato(std::string_view source);
// Bare amount in cents shown with a decimal comma and no grouping
// ("1500" -> "15,00", "5" -> "0,05"); only the digits of the source count,
// and a source without digits gives an empty text.
std::string dollar(std::string_view source);
// Outputs never grow past MaxGeneratedText: an absurd count or width gives
// an empty text (replicate) or the source unchanged (preencherZerosEsquerda).
inline constexpr std::size_t MaxGeneratedText = 64u * 1024u * 1024u;
std::string replicate(std::string_view character, int count);
std::string preencherZerosEsquerda(std::string_view source, int width);
// The check-digit rule; exactly eleven digits, not all equal.
bool verificaCpf(std::string_view cpf);
// Digits, Backspace and Enter pass; anything else gives an empty key.
std::string permiteNumericoBsEnter(std::string_view key);
// The new selection after key on a list of count items ("2" next, "8"
// previous), or current when the key does not move it.
int stepComboSelection(int current, int count, std::string_view key);
// "2" and "8", the keys the list consumes.
bool isComboStepKey(std::string_view key);

} // namespace vks::sim::routines
