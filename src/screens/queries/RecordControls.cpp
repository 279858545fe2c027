#include "screens/queries/RecordControls.h"

#include <algorithm>

#include <QComboBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QWidget>

#include "core/FieldText.h"
#include "core/Text.h"
#include "screens/base/FieldStore.h"
#include "ui/MaskedEdit.h"
#include "ui/StoredDates.h"

namespace vks::record {
namespace {

constexpr int kSideBySideSpacing = 4;

int widthOf(const QWidget& control, int chars) {
    // As the capture panel sizes its edits: the characters and the frame.
    return control.fontMetrics().horizontalAdvance(QLatin1Char('0')) * chars + 12;
}

// The text the program reads: a masked field's per its mask.
QString textOf(const QWidget& control) {
    if (const auto* masked = qobject_cast<const ui::MaskedEdit*>(&control)) return masked->maskedText();
    if (const auto* edit = qobject_cast<const QLineEdit*>(&control)) return edit->text();
    return {};
}

// The position of `field` in the request, past the end when it carries none.
std::size_t positionIn(const VksRequestLayout& request, FieldId field) {
    for (std::size_t i = 0; i < VKS_LAYOUT_ENTRIES && request.entries[i].field != VKS_FIELD_END; ++i) {
        if (request.entries[i].field == field) return i;
    }
    return VKS_LAYOUT_ENTRIES;
}

void size(QWidget& control, Width width) {
    switch (width.rule) {
    case Width::Rule::AsPlaced:
        return;
    case Width::Rule::Fit:
        fitChars(control, width.chars);
        return;
    case Width::Rule::StretchFrom:
        stretchFrom(control, width.chars);
        return;
    }
}

} // namespace

QString upperAToZ(QString text) {
    for (QChar& c : text) {
        if (c >= QLatin1Char('a') && c <= QLatin1Char('z')) c = QChar(c.unicode() - ('a' - 'A'));
    }
    return text;
}

QString upperLetters(QString text) {
    for (QChar& c : text) c = c.toUpper();
    return text;
}

void fitChars(QWidget& control, int chars) {
    control.setMinimumWidth(0);
    control.setFixedWidth(widthOf(control, chars));
}

void stretchFrom(QWidget& control, int chars) {
    control.setMinimumWidth(widthOf(control, chars));
    control.setMaximumWidth(QWIDGETSIZE_MAX);
    control.setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

QWidget* sideBySide(QWidget& panel, QWidget& first, QWidget& second) {
    auto* row = new QWidget(&panel);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(kSideBySideSpacing);
    layout->addWidget(&first);
    layout->addWidget(&second);
    layout->addStretch();
    return row;
}

void fill(const RecordControl& row, bool lockSupplied) {
    const std::string value = fields::read(row.field);
    const QString text = fieldText(value);
    switch (row.kind) {
    case Kind::Date:
        if (isBlank(value)) return;
        ui::showStoredLocked(static_cast<ui::MaskedEdit&>(*row.control), value);
        row.control->setEnabled(!lockSupplied);
        return;
    case Kind::List:
    case Kind::TrimmedList: {
        if (row.kind == Kind::List ? value.empty() : isBlank(value)) return;
        auto& list = static_cast<QComboBox&>(*row.control);
        list.setCurrentIndex(list.findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive));
        if (lockSupplied) list.setEnabled(false);
        return;
    }
    case Kind::Key:
    case Kind::Masked:
        static_cast<ui::MaskedEdit&>(*row.control).setMaskedText(text);
        break;
    case Kind::Text:
    case Kind::Upper: {
        auto& edit = static_cast<QLineEdit&>(*row.control);
        edit.setText(text);
        edit.setCursorPosition(0); // a long value shows its beginning
        break;
    }
    }
    if (!textOf(*row.control).isEmpty() && lockSupplied) row.control->setEnabled(false);
}

bool store(const RecordControl& row) {
    std::string value;
    switch (row.kind) {
    case Kind::Key:
        return true; // already written with the header
    case Kind::Text:
    case Kind::Masked:
        value = fieldBytes(textOf(*row.control));
        break;
    case Kind::Upper:
        value = fieldBytes(upperAToZ(textOf(*row.control)));
        break;
    case Kind::Date:
        value = ui::storedText(static_cast<const ui::MaskedEdit&>(*row.control), ui::kNoDate);
        break;
    case Kind::List:
    case Kind::TrimmedList: {
        const auto& list = static_cast<const QComboBox&>(*row.control);
        if (list.currentIndex() < 0) return true; // nothing chosen, nothing sent
        value = fieldBytes(list.currentText());
        break;
    }
    }
    return fields::write(row.field, value);
}

Form::Form(const VksRequestLayout& request, std::vector<FormEntry> entries)
    : entries_(std::move(entries)) {
    for (const FormEntry& entry : entries_) {
        if (entry.field != kNoField) record_.push_back({entry.field, entry.control, entry.kind});
        if (entry.place != Place::OutOfTabOrder) tabOrder_.push_back(entry.control);
    }
    std::ranges::stable_sort(record_, {},
                             [&request](const RecordControl& row) { return positionIn(request, row.field); });
}

void Form::build(QWidget& panel, const std::function<QLabel*(const QWidget&)>& labelOf) {
    for (const FormEntry& entry : entries_) size(*entry.control, entry.width);
    for (const FormEntry& entry : entries_) {
        if (entry.place == Place::BesideAbove && !rows_.empty()) {
            LabelledControl& above = rows_.back();
            above.second = sideBySide(panel, *above.second, *entry.control);
        } else {
            rows_.emplace_back(labelOf(*entry.control), entry.control);
        }
    }
}

void Form::fill(const std::function<bool(Kind)>& locks) const {
    for (const RecordControl& row : record_) record::fill(row, locks(row.kind));
}

bool Form::store() const {
    return std::ranges::all_of(record_, [](const RecordControl& row) { return record::store(row); });
}

bool Form::typedInUpper(const QWidget* control) const {
    return std::ranges::any_of(entries_, [control](const FormEntry& entry) {
        return entry.control == control && entry.typing == Typing::InUpper;
    });
}

std::vector<QWidget*> Form::controlsOf(Kind kind) const {
    std::vector<QWidget*> controls;
    for (const RecordControl& row : record_) {
        if (row.kind == kind) controls.push_back(row.control);
    }
    return controls;
}

} // namespace vks::record
