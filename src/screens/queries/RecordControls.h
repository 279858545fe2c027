#pragma once

#include <QString>

#include "host/Fields.h"

class QWidget;

namespace vks::record {

// How a record control is filled from its field and written back.
enum class Kind {
    Key,         // edCPF: filled as text, written with the header
    Text,        // as typed
    Upper,       // letters a to z in upper case
    Masked,      // the mask's digits, without its literals
    Date,        // "ddmmyyyy", "00000000" when blank
    List,        // the selected entry; supplied when the field is not empty
    TrimmedList, // the same; supplied when the field is not blank
};

// One control of a record and the field it is filled from and written to.
struct RecordControl {
    FieldId field;
    QWidget* control;
    Kind kind;
};

// The control filled from its field; a value the host supplied locks it
// when `lockSupplied` (a supplied date is shown locked in any case).
void fill(const RecordControl& row, bool lockSupplied);
// The control's value written to its field as its kind says; true when
// stored or when there is nothing to write.
bool store(const RecordControl& row);

// Letters a to z in upper case; every other character as it stands.
QString upperAToZ(QString text);
// Every letter in upper case, accented ones included, as a field that shows
// its typed letters in upper case does.
QString upperLetters(QString text);

// The control as wide as `chars` characters.
void fitChars(QWidget& control, int chars);
// The control at least `chars` characters wide, taking what its column
// leaves.
void stretchFrom(QWidget& control, int chars);

// Two controls side by side on one row of the capture panel, under the
// first one's label.
QWidget* sideBySide(QWidget& panel, QWidget& first, QWidget& second);

} // namespace vks::record
