#pragma once

#include <string>

#include <QLineEdit>

#include "core/WipedString.h"

namespace vks::ui {

// Edit field for a card number. The whole number is never on screen once
// it is known: a number the host supplied is shown concealed from the start,
// a typed one is visible while typed and concealed on demand. The field
// keeps the whole number for the program.
class CardEdit : public QLineEdit {
public:
    explicit CardEdit(QWidget* parent = nullptr);

    // Keeps `number` and shows `concealed` in its place.
    void setConcealedNumber(std::string number, const QString& concealed);
    // Shows `concealed` in place of the number typed so far.
    void conceal(const QString& concealed);
    // The whole number: the kept one, or the text typed.
    std::string number() const;
    bool isConcealed() const { return concealed_; }

private:
    void forget();

    WipedString number_;
    QString shown_;
    bool concealed_ = false;
};

} // namespace vks::ui
