#include "ui/StoredDates.h"

#include <algorithm>
#include <array>

#include <QTime>

#include "core/FieldText.h"
#include "core/Text.h"
#include "host/HostServices.h"
#include "ui/MaskedEdit.h"

namespace vks::ui {
namespace {

// More than a date or a time holds, however its characters are encoded; the
// mask drops whatever is beyond its positions anyway.
constexpr std::size_t kLongestShown = 64;

std::string digitsOf(const MaskedEdit& edit) { return host().RemoveFormato(fieldBytes(edit.maskedText())); }

bool allDigits(std::string_view text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// Two-digit groups, the last one `lastWidth` wide, when every position holds
// a digit; nullopt otherwise.
std::optional<std::array<int, 3>> groups(std::string_view digits, std::size_t lastWidth) {
    if (digits.size() != 4 + lastWidth || !allDigits(digits)) return std::nullopt;
    auto number = [&](std::size_t at, std::size_t width) { return toInt(digits.substr(at, width)); };
    return std::array<int, 3>{number(0, 2), number(2, 2), number(4, lastWidth)};
}

} // namespace

void showStoredLocked(MaskedEdit& edit, std::string_view stored) {
    if (isBlank(stored)) return;
    const std::string_view head = stored.substr(0, kLongestShown);
    edit.setMaskedText(fieldText(head));
    edit.setEnabled(false);
}

std::string storedText(const MaskedEdit& edit, std::string_view absent) {
    std::string digits = digitsOf(edit);
    return isBlank(digits) ? std::string(absent) : digits;
}

std::optional<QDate> fullDate(const MaskedEdit& edit) {
    const auto day = groups(digitsOf(edit), 4);
    if (!day) return std::nullopt;
    const QDate date((*day)[2], (*day)[1], (*day)[0]);
    return date.isValid() ? std::optional<QDate>(date) : std::nullopt;
}

bool holdsDateOrNothing(const MaskedEdit& edit) {
    const std::string digits = digitsOf(edit);
    return isBlank(digits) || digits == kNoDate || fullDate(edit).has_value();
}

bool holdsDateOrBlank(const MaskedEdit& edit) { return isBlank(digitsOf(edit)) || fullDate(edit).has_value(); }

bool holdsTimeOrNothing(const MaskedEdit& edit) {
    const std::string digits = digitsOf(edit);
    if (isBlank(digits) || digits == kNoTime) return true;
    const auto time = groups(digits, 2);
    return time && QTime::isValid((*time)[0], (*time)[1], (*time)[2]);
}

} // namespace vks::ui
