#pragma once

#include <QString>

class QComboBox;
class QLineEdit;
class QWidget;

namespace vks::record {

// Letters a to z in upper case; every other character as it stands.
QString upperAToZ(QString text);

// The list steps with "2" (the next entry; the first from none) and "8"
// (the previous one, never above the first); every other key is the list's
// own, so a typed letter selects the entry it begins.
void stepWithTwoAndEight(QComboBox& list);

// The edit's maximum length then limits only what the cashier types: a
// longer value the program assigns is kept whole.
void limitTypingOnly(QLineEdit& edit);

// The control as wide as `chars` characters.
void fitChars(QWidget& control, int chars);
// The control at least `chars` characters wide, taking what its column
// leaves.
void stretchFrom(QWidget& control, int chars);

// Two controls side by side on one row of the capture panel, under the
// first one's label.
QWidget* sideBySide(QWidget& panel, QWidget& first, QWidget& second);

} // namespace vks::record
