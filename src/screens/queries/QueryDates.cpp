#include "screens/queries/QueryDates.h"

#include <QDate>

#include "core/Text.h"
#include "host/HostServices.h"
#include "host/Messages.h"
#include "ui/MaskedEdit.h"

namespace vks::query {
namespace {
constexpr std::string_view kNoDate = "00000000";
// Enough bytes for the first eight characters, however they are encoded.
constexpr std::size_t kDateBytes = 32;
} // namespace

void showHostDate(ui::MaskedEdit& edit, std::string_view stored) {
    if (isBlank(stored)) return;
    const std::string_view head = stored.substr(0, kDateBytes);
    const QString digits = QString::fromUtf8(head.data(), static_cast<qsizetype>(head.size()));
    edit.setMaskedText(digits.mid(0, 2) + QLatin1Char('/') + digits.mid(2, 2) + QLatin1Char('/') + digits.mid(4, 4));
    edit.setEnabled(false);
}

bool optionalDateAccepted(const QString& text) {
    const std::string digits = host().RemoveFormato(text.toStdString());
    if (isBlank(digits) || digits == kNoDate) return true;
    return QDate::fromString(text, QStringLiteral("dd/MM/yyyy")).isValid();
}

bool dateNoLaterThanToday(const QString& text) {
    const QDate date = QDate::fromString(text, QStringLiteral("dd/MM/yyyy"));
    return date.isValid() && date <= QDate::currentDate() &&
           trimmed(host().RemoveFormato(text.toStdString())).size() >= 8;
}

std::string storedDate(const QString& text) {
    std::string digits = host().RemoveFormato(text.toStdString());
    return isBlank(digits) ? std::string(kNoDate) : digits;
}

} // namespace vks::query
