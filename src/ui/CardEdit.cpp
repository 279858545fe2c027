#include "ui/CardEdit.h"

#include <algorithm>

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QSignalBlocker>
#include <QVariant>

#include "core/FieldText.h"
#include "ui/KeyFilters.h"
#include "ui/KeyPreview.h"

namespace vks::ui {
CardEdit::CardEdit(QWidget* parent)
    : QLineEdit(parent) {
    // The platform's input method would get the text to work on; digits
    // need none.
    setAttribute(Qt::WA_InputMethodEnabled, false);
    setContextMenuPolicy(Qt::NoContextMenu);
    connect(this, &QLineEdit::textChanged, this, [this](const QString& now) {
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

namespace {

// Keys the control may handle itself: they move the cursor or the selection,
// or leave the control, and change no character.
bool movesOnly(const QKeyEvent& event) {
    switch (event.key()) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Alt:
    case Qt::Key_Meta:
        return true;
    default:
        return event.matches(QKeySequence::SelectAll);
    }
}

} // namespace

void CardEdit::keyPressEvent(QKeyEvent* event) {
    if (movesOnly(*event)) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    // Every change is made here as a new text: the control's own editing
    // would record each character typed or erased in its undo history.
    const qsizetype cursor = cursorPosition();
    if (hasSelectedText() && (event->key() == Qt::Key_Backspace || event->key() == Qt::Key_Delete)) {
        typeOver(*this, QStringView());
    } else if (event->matches(QKeySequence::DeleteStartOfWord)) {
        replaceTyped(*this, 0, cursor, QStringView());
    } else if (event->matches(QKeySequence::DeleteEndOfWord) || event->matches(QKeySequence::DeleteEndOfLine)) {
        replaceTyped(*this, cursor, text().size(), QStringView());
    } else if (event->matches(QKeySequence::DeleteCompleteLine)) {
        replaceTyped(*this, 0, text().size(), QStringView());
    } else if (event->key() == Qt::Key_Backspace) {
        if (cursor > 0) replaceTyped(*this, cursor - 1, cursor, QStringView());
    } else if (event->key() == Qt::Key_Delete) {
        replaceTyped(*this, cursor, cursor + 1, QStringView());
    } else if (typesText(*event)) {
        typeOver(*this, event->text());
    } else if (event->matches(QKeySequence::Paste)) {
        typeOver(*this, QGuiApplication::clipboard()->text());
    } else if (!event->matches(QKeySequence::Copy) && !event->matches(QKeySequence::Cut) &&
               !event->matches(QKeySequence::Undo) && !event->matches(QKeySequence::Redo)) {
        // Not the field's: the screen may want it, as with any edit field.
        event->ignore();
        return;
    }
    // Copying would hand the digits to the clipboard; undo has nothing to
    // undo.
    event->accept();
}

void CardEdit::mouseReleaseEvent(QMouseEvent* event) {
    // Where the platform has a primary selection (X11), the base class copies
    // what the mouse selected into it on release, and pastes it on a middle
    // click.
    if (event->button() == Qt::LeftButton || event->button() == Qt::MiddleButton) {
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
