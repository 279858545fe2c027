#include "screens/base/FiscalCoupon.h"

#include <QLineEdit>

#include "core/FieldText.h"
#include "core/Text.h"
#include "host/Fields.h"
#include "host/Messages.h"
#include "screens/base/FieldStore.h"
#include "screens/base/SharedMessages.h"
#include "ui/MaskedEdit.h"
#include "ui/StoredDates.h"

namespace vks {
namespace {

constexpr MessageId kTimeInvalid = 788;

// A supplied date or time, blanks round it aside, goes into its control,
// which is then locked; false when the host supplies none.
bool fillLocked(ui::MaskedEdit& edit, FieldId field) {
    const std::string value = trimmed(fields::read(field));
    ui::showStoredLocked(edit, value);
    return !value.empty();
}

} // namespace

bool showSuppliedDate(ui::MaskedEdit& edit, FieldId field) { return fillLocked(edit, field); }

FiscalCoupon::FiscalCoupon(QLineEdit& number, ui::MaskedEdit& date, ui::MaskedEdit& time)
    : number_(number),
      date_(date),
      time_(time) {}

void FiscalCoupon::fill() {
    number_.setText(fieldText(fields::read(field::CouponNumber)));
    if (!number_.text().isEmpty()) number_.setEnabled(false);
    fillLocked(date_, field::CouponDate);
    fillLocked(time_, field::CouponTime);
}

std::optional<FiscalCoupon::Rejection> FiscalCoupon::rejection() const {
    if (isBlank(fieldBytes(number_.text()))) return Rejection{msg::kCouponMissing, &number_};
    if (!ui::holdsDateOrNothing(date_)) return Rejection{msg::kInvalidDate, &date_};
    if (!ui::holdsTimeOrNothing(time_)) return Rejection{kTimeInvalid, &time_};
    return std::nullopt;
}

bool FiscalCoupon::store() const {
    return fields::writeAll({{field::CouponNumber, fieldBytes(number_.text())},
                             {field::CouponDate, ui::storedText(date_, ui::kNoDate)},
                             {field::CouponTime, ui::storedText(time_, ui::kNoTime)}});
}

} // namespace vks
