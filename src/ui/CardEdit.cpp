#include "ui/CardEdit.h"

namespace vks::ui {

CardEdit::CardEdit(QWidget* parent)
    : QLineEdit(parent) {
    // Any change to a concealed number starts the field afresh: the hidden
    // digits cannot be corrected one by one.
    connect(this, &QLineEdit::textChanged, this, [this](const QString& now) {
        if (concealed_ && now != shown_) {
            forget();
            clear();
        }
    });
}

void CardEdit::setConcealedNumber(std::string number, const QString& concealed) {
    concealed_ = false; // the text shown next is the concealed one
    setText(concealed);
    number_.assign(std::move(number));
    shown_ = concealed;
    concealed_ = true;
}

void CardEdit::conceal(const QString& concealed) {
    if (concealed_) return;
    QString typed = text();
    setConcealedNumber(typed.toStdString(), concealed);
    typed.fill(QLatin1Char('*'));
}

std::string CardEdit::number() const { return concealed_ ? number_.str() : text().toStdString(); }

void CardEdit::forget() {
    number_.assign(std::string());
    shown_.clear();
    concealed_ = false;
}

} // namespace vks::ui
