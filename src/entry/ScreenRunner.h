#pragma once

#include <string_view>

class QDialog;

namespace vks {

// Creates a screen of the class into its reference, shows it modally and
// releases it. False, with nothing else done, when no screen resulted.
// Without a parent a Cancel result hands the field store back; with one,
// OK closes the parent too and any other result gives it the focus back.
bool CriaExecutaForm(std::string_view className, QDialog* parent = nullptr);

// The dispatcher's way to run a screen: CriaExecutaForm, and message 802
// with the reference name when no screen was created.
void runScreen(std::string_view className);

} // namespace vks
