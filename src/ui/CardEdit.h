#pragma once

#include <string>
#include <vector>

#include <QLineEdit>

#include "core/WipedString.h"

namespace vks::ui {

// Edit field for a card number. The whole number is never on screen once
// it is known: a number the host supplied is shown concealed from the start,
// a typed one is visible while typed and concealed on demand. The field
// keeps the whole number for the program.
//
// No copy of the digits outlives the field unwiped. The number kept is a
// WipedString. The toolkit's control keeps the typed text and a copy of it
// for display (its text layout), and replaces both on every change, freeing
// the old ones: the field holds a reference to each current storage, so
// that a storage the control lets go stays with the field, which overwrites
// it once nothing else refers to it. The field makes every change itself, as
// a new text, so the control's undo history (one command per character
// typed or erased) never records one. The platform's
// input method never gets the text, and neither does the clipboard: no copy,
// cut or context menu, and no X11 primary selection from the mouse.
class CardEdit : public QLineEdit {
public:
    explicit CardEdit(QWidget* parent = nullptr);
    ~CardEdit() override;

    // Keeps `number` (wiped) and shows `concealed` in its place.
    void setConcealedNumber(std::string number, const QString& concealed);
    // Shows `concealed` in place of the number typed so far.
    void conceal(const QString& concealed);
    // The whole number: the kept one, or the text typed. The caller wipes it.
    std::string number() const;
    bool isConcealed() const { return concealed_; }

protected:
    bool event(QEvent* event) override;
    QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;
    void keyPressEvent(QKeyEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void forget();
    // Holds the control's current storages; those it let go are wiped once
    // the field is their last holder.
    void rehold();
    void wipeReleased();

    WipedString number_;
    QString shown_;
    bool concealed_ = false;
    QString heldText_;
    QString heldDisplay_;
    std::vector<QString> released_; // let go by the control, still shared
};

} // namespace vks::ui
