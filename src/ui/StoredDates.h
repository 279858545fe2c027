#pragma once

#include <optional>
#include <string>
#include <string_view>

#include <QDate>

namespace vks::ui {

class MaskedEdit;

// How the field store writes a date or a time that was not given.
inline constexpr std::string_view kNoDate = "00000000";
inline constexpr std::string_view kNoTime = "000000";

// A date ("ddmmyyyy") or time ("hhmmss") of the field store into its masked
// field, which shows it through its mask ("dd/mm/yyyy", "hh:mm:ss") and is
// then locked. A blank value leaves the field as it is.
void showStoredLocked(MaskedEdit& edit, std::string_view stored);

// The field's text for the field store: its digits without the mask's
// literals (the host's RemoveFormato), or `absent` when nothing was given.
std::string storedText(const MaskedEdit& edit, std::string_view absent);

// The eight digits of a real day/month/year date, nullopt otherwise.
std::optional<QDate> fullDate(const MaskedEdit& edit);

// Nothing given (blank, or the zeros that stand for it), or a real date.
bool holdsDateOrNothing(const MaskedEdit& edit);
// Blank, or a real date (zeros are not a date here).
bool holdsDateOrBlank(const MaskedEdit& edit);
// Nothing given, or a real time of day (hours 00-23, minutes and seconds
// 00-59).
bool holdsTimeOrNothing(const MaskedEdit& edit);

} // namespace vks::ui
