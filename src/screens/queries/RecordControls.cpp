#include "screens/queries/RecordControls.h"

#include <QHBoxLayout>
#include <QWidget>

namespace vks::record {
namespace {

constexpr int kSideBySideSpacing = 4;

int widthOf(const QWidget& control, int chars) {
    // As the capture panel sizes its edits: the characters and the frame.
    return control.fontMetrics().horizontalAdvance(QLatin1Char('0')) * chars + 12;
}

} // namespace

QString upperAToZ(QString text) {
    for (QChar& c : text) {
        if (c >= QLatin1Char('a') && c <= QLatin1Char('z')) c = QChar(c.unicode() - ('a' - 'A'));
    }
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

} // namespace vks::record
