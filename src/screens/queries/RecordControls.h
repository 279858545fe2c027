#pragma once

#include <functional>
#include <vector>

#include <QString>

#include "host/Fields.h"
#include "screens/miles/CaptureColumns.h"
#include "vks/host_abi.h"

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

// How wide a form makes its control.
struct Width {
    enum class Rule { AsPlaced, Fit, StretchFrom };
    Rule rule = Rule::AsPlaced;
    int chars = 0;

    static constexpr Width fitting(int chars) { return {Rule::Fit, chars}; }
    static constexpr Width growingFrom(int chars) { return {Rule::StretchFrom, chars}; }
};

// Where a form places its control.
enum class Place {
    Row,           // a row of its own, in the tab order
    BesideAbove,   // beside the control declared before it, under that one's label
    OutOfTabOrder, // a row of its own, outside the tab order
};

// How the typed letters show.
enum class Typing { AsTyped, InUpper };

// No record field: the control is placed, not filled or stored.
inline constexpr FieldId kNoField = 0;

// One control of a record form, declared once with all the form needs.
struct FormEntry {
    QWidget* control;
    FieldId field = kNoField; // the record field it is filled from and stored to
    Kind kind = Kind::Text;
    Width width = {};
    Typing typing = Typing::AsTyped;
    Place place = Place::Row;
};

// A record screen's capture controls in one ordered declaration. The order
// of the entries is the tab order and the order of the columns (left column
// top to bottom, then the right one); the record is filled and stored in
// the order the screen's request carries its fields.
class Form {
public:
    Form(const VksRequestLayout& request, std::vector<FormEntry> entries);

    // Sizes the controls and joins the side-by-side ones into one row of
    // `panel`; once, when the controls and their labels exist.
    void build(QWidget& panel, const std::function<QLabel*(const QWidget&)>& labelOf);

    const std::vector<QWidget*>& tabOrder() const { return tabOrder_; }
    const std::vector<LabelledControl>& rows() const { return rows_; }

    // Fills each record control from its field; `locks` says, by kind,
    // whether a value the host supplied locks the control.
    void fill(const std::function<bool(Kind)>& locks) const;
    // Stores each record control in turn; false at the first refused write.
    bool store() const;

    bool typedInUpper(const QWidget* control) const;
    // The record's controls of `kind`, in record order.
    std::vector<QWidget*> controlsOf(Kind kind) const;

private:
    std::vector<FormEntry> entries_;
    std::vector<RecordControl> record_;
    std::vector<QWidget*> tabOrder_;
    std::vector<LabelledControl> rows_;
};

} // namespace vks::record
