#pragma once

#include <QString>

class QWidget;

namespace vks::record {

// Letters a to z in upper case; every other character as it stands.
QString upperAToZ(QString text);

// The control as wide as `chars` characters.
void fitChars(QWidget& control, int chars);
// The control at least `chars` characters wide, taking what its column
// leaves.
void stretchFrom(QWidget& control, int chars);

// Two controls side by side on one row of the capture panel, under the
// first one's label.
QWidget* sideBySide(QWidget& panel, QWidget& first, QWidget& second);

} // namespace vks::record
