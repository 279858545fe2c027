#pragma once

#include <QString>

class QLineEdit;

namespace vks {

// The decimal separator the amounts use (that of the host's Dollar format).
inline constexpr char kDecimalSeparator = ',';

// An amount as the host's Dollar format shows it.
QString formattedAmount(const QString& text);

// Digits, Backspace, Enter and one decimal separator (typed as "," or ".")
// reach `edit`, which shows its amount formatted as it is typed.
void handleAsAmount(QLineEdit& edit);

} // namespace vks
