#pragma once

#include <string>
#include <string_view>

#include <QString>

namespace vks {

namespace ui {
class MaskedEdit;
}

namespace query {

// A date the host supplied ("ddmmyyyy") shown in a masked date field as
// day/month/year and locked; a blank one leaves the field as it is.
void showHostDate(ui::MaskedEdit& edit, std::string_view stored);

// A date the cashier may leave out: blank or "00/00/0000" passes, anything
// else must be a real day/month/year date.
bool optionalDateAccepted(const QString& text);

// A date the cashier must give: a real day/month/year date of eight digits,
// today (the terminal's local date) at the latest.
bool dateNoLaterThanToday(const QString& text);

// The digits of a date field for the field store, "00000000" when blank.
std::string storedDate(const QString& text);

} // namespace query
} // namespace vks
