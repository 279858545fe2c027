#include "ui/MaskedEdit.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QKeySequence>

#include <algorithm>
#include <initializer_list>

#include "ui/KeyPreview.h"

namespace vks::ui {

namespace {

// Line-edit shortcuts that would shift characters across positions; a
// masked field has no use for them.
constexpr std::initializer_list<QKeySequence::StandardKey> kSwallowedShortcuts = {
    QKeySequence::Undo,
    QKeySequence::Redo,
    QKeySequence::DeleteStartOfWord,
    QKeySequence::DeleteEndOfWord,
    QKeySequence::DeleteEndOfLine,
    QKeySequence::DeleteCompleteLine,
};

bool isSwallowed(const QKeyEvent& event) {
    return std::any_of(kSwallowedShortcuts.begin(), kSwallowedShortcuts.end(),
                       [&event](QKeySequence::StandardKey key) { return event.matches(key); });
}

} // namespace

MaskedEdit::MaskedEdit(QWidget* parent)
    : QLineEdit(parent) {
    // The line edit's own menu and drops would edit around the mask.
    setContextMenuPolicy(Qt::NoContextMenu);
    setAcceptDrops(false);
    connect(this, &QLineEdit::textChanged, this, &MaskedEdit::renormalise);
}

void MaskedEdit::setEditMask(const QString& mask) {
    mask_ = EditMask(mask);
    renormalise();
}

QString MaskedEdit::maskedText() const { return mask_.isEmpty() ? text() : mask_.readText(text()); }

void MaskedEdit::setMaskedText(const QString& text) {
    if (mask_.isEmpty()) {
        setText(text);
        return;
    }
    // The cursor goes to the start, as an assigned text leaves it, so that
    // typing after a clear fills the field from its first position.
    showCells(mask_.format(text), 0);
}

void MaskedEdit::clearMasked() { setMaskedText(QString()); }

bool MaskedEdit::isComplete() const { return mask_.isComplete(text()); }

void MaskedEdit::keyPressEvent(QKeyEvent* event) {
    if (mask_.isEmpty() || isReadOnly()) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    event->accept();
    if (event->matches(QKeySequence::Paste)) {
        typeText(QGuiApplication::clipboard()->text());
    } else if (event->matches(QKeySequence::Cut)) {
        copy();
        blankSelection();
    } else if (isSwallowed(*event)) {
        // Nothing: see kSwallowedShortcuts.
    } else if (event->key() == Qt::Key_Backspace) {
        eraseBefore();
    } else if (event->key() == Qt::Key_Delete) {
        eraseAt();
    } else if (typesText(*event)) {
        typeText(event->text());
    } else {
        // Cursor movement, selection, copy, Enter, Escape: the line edit's
        // own handling, which leaves Enter and Escape to the screen.
        QLineEdit::keyPressEvent(event);
    }
}

void MaskedEdit::inputMethodEvent(QInputMethodEvent* event) {
    if (mask_.isEmpty() || isReadOnly()) {
        QLineEdit::inputMethodEvent(event);
        return;
    }
    typeText(event->commitString());
    event->accept();
}

// Typing replaces a selection, but a rejected key leaves the field and the
// selection as they were.
void MaskedEdit::typeText(const QString& typed) {
    QString displayed = cells();
    qsizetype cursor = cursorPosition();
    if (hasSelectedText()) {
        mask_.blankRange(displayed, selectionStart(), selectionLength());
        cursor = selectionStart();
    }
    if (mask_.type(displayed, cursor, typed)) showCells(displayed, cursor);
}

void MaskedEdit::blankSelection() {
    QString displayed = cells();
    const qsizetype start = selectionStart();
    mask_.blankRange(displayed, start, selectionLength());
    showCells(displayed, start);
}

void MaskedEdit::eraseBefore() {
    if (hasSelectedText()) {
        blankSelection();
        return;
    }
    const qsizetype previous = mask_.previousEditable(cursorPosition());
    if (previous < 0) return;
    QString displayed = cells();
    mask_.blankRange(displayed, previous, 1);
    showCells(displayed, previous);
}

void MaskedEdit::eraseAt() {
    if (hasSelectedText()) {
        blankSelection();
        return;
    }
    const qsizetype cursor = cursorPosition();
    QString displayed = cells();
    mask_.blankRange(displayed, mask_.nextEditable(cursor), 1);
    showCells(displayed, cursor);
}

// The displayed text, one character per position, whatever the line edit
// was left holding (a maximum length may have cut it).
QString MaskedEdit::cells() const { return mask_.format(text()); }

void MaskedEdit::showCells(const QString& cells, qsizetype cursor) {
    updating_ = true;
    setText(cells);
    updating_ = false;
    setCursorPosition(static_cast<int>(std::clamp<qsizetype>(cursor, 0, text().size())));
}

// Text put in by the line edit's own means (setText, clear, insert) is
// placed through the mask like an assigned text.
void MaskedEdit::renormalise() {
    if (updating_ || mask_.isEmpty()) return;
    const QString displayed = cells();
    if (displayed != text()) showCells(displayed, std::min<qsizetype>(cursorPosition(), displayed.size()));
}

} // namespace vks::ui
