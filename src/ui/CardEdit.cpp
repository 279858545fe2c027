#include "ui/CardEdit.h"

#include <algorithm>

#include <QKeyEvent>
#include <QMouseEvent>
#include <QSignalBlocker>
#include <QVariant>

#include "core/FieldText.h"

namespace vks::ui {
namespace {
constexpr qsizetype kMostHistory = qsizetype{1} << 16;
}

CardEdit::CardEdit(QWidget* parent)
    : QLineEdit(parent) {
    // The platform's input method would get the text to work on; digits
    // need none.
    setAttribute(Qt::WA_InputMethodEnabled, false);
    setContextMenuPolicy(Qt::NoContextMenu);
    connect(this, &QLineEdit::textChanged, this, [this](const QString& now) {
        // One change records at most one command per character removed and
        // inserted, plus a separator and a selection.
        historyBound_ = std::min(historyBound_ + heldText_.size() + now.size() + 2, kMostHistory);
        rehold();
        // Any change to a concealed number starts the field afresh: the
        // hidden digits cannot be corrected one by one.
        if (concealed_ && now != shown_) {
            forget();
            setText(QString());
        }
    });
    // A selection or a cursor move may redo the display copy without a
    // change of text.
    connect(this, &QLineEdit::selectionChanged, this, &CardEdit::rehold);
    connect(this, &QLineEdit::cursorPositionChanged, this, &CardEdit::rehold);
    rehold();
}

CardEdit::~CardEdit() {
    // Nothing else hears of the last changes: the screen is going.
    const QSignalBlocker quiet(this);
    setText(QString());
    rehold();
    // The history's list is emptied by setText but keeps its storage: a
    // filler typed over it overwrites every command recorded, then goes.
    insert(QString(std::max<qsizetype>(historyBound_, 1), QLatin1Char('*')));
    setText(QString());
    rehold();
    wipeText(heldText_);
    wipeText(heldDisplay_);
    wipeReleased();
}

bool CardEdit::event(QEvent* event) {
    // Style, font and focus changes redo the display copy too.
    const bool handled = QLineEdit::event(event);
    rehold();
    return handled;
}

QVariant CardEdit::inputMethodQuery(Qt::InputMethodQuery query) const {
    switch (query) {
    case Qt::ImSurroundingText:
    case Qt::ImCurrentSelection:
    case Qt::ImTextBeforeCursor:
    case Qt::ImTextAfterCursor:
        return QVariant();
    default:
        return QLineEdit::inputMethodQuery(query);
    }
}

void CardEdit::keyPressEvent(QKeyEvent* event) {
    // Copying would hand the digits to the clipboard.
    if (event->matches(QKeySequence::Copy) || event->matches(QKeySequence::Cut)) {
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void CardEdit::mouseReleaseEvent(QMouseEvent* event) {
    // Where the platform has a primary selection (X11), the base class copies
    // what the mouse selected into it on release.
    if (event->button() == Qt::LeftButton) {
        event->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

void CardEdit::rehold() {
    const QString text = this->text();
    const QString display = displayText();
    if (!heldText_.isSharedWith(text)) {
        released_.push_back(std::move(heldText_));
        heldText_ = text;
    }
    if (!heldDisplay_.isSharedWith(display)) {
        released_.push_back(std::move(heldDisplay_));
        heldDisplay_ = display;
    }
    wipeReleased();
}

void CardEdit::wipeReleased() {
    // A storage the control let go may still be referred to for a moment
    // (the control keeps the old text until its change is complete): it is
    // wiped at a later call, once the field is its only holder.
    std::erase_if(released_, [](QString& old) {
        if (old.data_ptr().d_ptr() != nullptr && !old.isDetached()) return false;
        wipeText(old);
        return true;
    });
}

void CardEdit::setConcealedNumber(std::string number, const QString& concealed) {
    number_.assign(std::move(number));
    concealed_ = false; // the text shown next is the concealed one
    setText(concealed);
    shown_ = concealed;
    concealed_ = true;
}

void CardEdit::conceal(const QString& concealed) {
    if (concealed_) return;
    setConcealedNumber(fieldBytes(text()), concealed);
}

std::string CardEdit::number() const { return concealed_ ? number_.str() : fieldBytes(text()); }

void CardEdit::forget() {
    number_.assign(std::string());
    shown_ = QString();
    concealed_ = false;
}

} // namespace vks::ui
