#include "screens/base/FiscalCoupon.h"

#include <algorithm>
#include <initializer_list>

#include <QDate>
#include <QLineEdit>
#include <QTime>

#include "core/Text.h"
#include "host/Fields.h"
#include "host/Messages.h"
#include "ui/MaskedEdit.h"

namespace vks {
namespace {

constexpr MessageId kNumberMissing = 810;
constexpr MessageId kDateInvalid = 787;
constexpr MessageId kTimeInvalid = 788;

constexpr const char* kNoDate = "00000000";
constexpr const char* kNoTime = "000000";

std::string bare(const ui::MaskedEdit& edit) { return host().RemoveFormato(edit.maskedText().toStdString()); }

// A date or time as the field store keeps it: the bare digits, or the
// zeros that stand for "not given".
std::string stored(const ui::MaskedEdit& edit, const char* absent) {
    std::string digits = bare(edit);
    return isBlank(digits) ? std::string(absent) : digits;
}

bool allDigits(const std::string& text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// Absent (blank or all zeros) or every position typed and forming a value
// that `valid` accepts from its numbers (two digits each, the last
// `lastWidth`).
template <class Valid>
bool absentOrValid(const ui::MaskedEdit& edit, const char* absent, std::size_t lastWidth, Valid valid) {
    const std::string digits = bare(edit);
    if (isBlank(digits) || digits == absent) return true;
    if (digits.size() != 4 + lastWidth || !allDigits(digits)) return false;
    return valid(std::stoi(digits.substr(0, 2)), std::stoi(digits.substr(2, 2)), std::stoi(digits.substr(4)));
}

// A field of the store shown through a mask: its characters taken in
// groups of `widths` and joined by `separator`.
QString grouped(const std::string& value, QChar separator, std::initializer_list<int> widths) {
    const QString text = QString::fromStdString(value);
    QString shown;
    int at = 0;
    for (int width : widths) {
        if (at > 0) shown += separator;
        shown += text.mid(at, width);
        at += width;
    }
    return shown;
}

// A supplied date or time goes into its control, which is then locked.
bool fillLocked(ui::MaskedEdit& edit, FieldId field, QChar separator, std::initializer_list<int> widths) {
    const std::string value = trimmed(host().LeCampo(field));
    if (value.empty()) return false;
    edit.setMaskedText(grouped(value, separator, widths));
    edit.setEnabled(false);
    return true;
}

} // namespace

bool showSuppliedDate(ui::MaskedEdit& edit, FieldId field) { return fillLocked(edit, field, u'/', {2, 2, 4}); }

std::string storedDate(const ui::MaskedEdit& edit) { return stored(edit, kNoDate); }

FiscalCoupon::FiscalCoupon(QLineEdit& number, ui::MaskedEdit& date, ui::MaskedEdit& time)
    : number_(number), date_(date), time_(time) {}

void FiscalCoupon::fill() {
    number_.setText(QString::fromStdString(host().LeCampo(field::CouponNumber)));
    if (!number_.text().isEmpty()) number_.setEnabled(false);
    showSuppliedDate(date_, field::CouponDate);
    fillLocked(time_, field::CouponTime, u':', {2, 2, 2});
}

std::optional<FiscalCoupon::Rejection> FiscalCoupon::rejection() const {
    if (isBlank(number_.text().toStdString())) return Rejection{kNumberMissing, &number_};
    const bool dateValid = absentOrValid(date_, kNoDate, 4, [](int day, int month, int year) {
        return QDate::isValid(year, month, day);
    });
    if (!dateValid) return Rejection{kDateInvalid, &date_};
    const bool timeValid = absentOrValid(time_, kNoTime, 2, [](int hours, int minutes, int seconds) {
        return QTime::isValid(hours, minutes, seconds);
    });
    if (!timeValid) return Rejection{kTimeInvalid, &time_};
    return std::nullopt;
}

bool FiscalCoupon::store() const {
    return host().GravaCampoString(field::CouponNumber, 0, number_.text().toStdString()) == 0 &&
           host().GravaCampoString(field::CouponDate, 0, stored(date_, kNoDate)) == 0 &&
           host().GravaCampoString(field::CouponTime, 0, stored(time_, kNoTime)) == 0;
}

} // namespace vks
