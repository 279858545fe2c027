#include "ui/KeyFilters.h"

#include <algorithm>

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QWidget>

#include "ui/KeyPreview.h"

namespace vks::ui {
namespace {

const QKeyEvent* typedCharacter(QEvent* event) {
    if (event->type() != QEvent::KeyPress) return nullptr;
    const auto* key = static_cast<const QKeyEvent*>(event);
    return isCharacterKey(*key) ? key : nullptr;
}

} // namespace

CharFilter::CharFilter(QWidget& control, Rule accepts)
    : QObject(&control),
      accepts_(std::move(accepts)) {
    control.installEventFilter(this);
}

bool CharFilter::eventFilter(QObject*, QEvent* event) {
    const QKeyEvent* key = typedCharacter(event);
    return key != nullptr && !accepts_(key->text());
}

CharHandler::CharHandler(QWidget& control, Handler handler)
    : QObject(&control),
      handler_(std::move(handler)) {
    control.installEventFilter(this);
}

bool CharHandler::eventFilter(QObject*, QEvent* event) {
    const QKeyEvent* key = typedCharacter(event);
    return key != nullptr && handler_(key->text());
}

namespace {

// Refuses typed characters and pastes that would make the text longer than
// the limit. Replacing a selection frees its characters first.
class TypingLimit final : public QObject {
public:
    TypingLimit(QLineEdit& edit, int maxLength)
        : QObject(&edit),
          edit_(edit),
          maxLength_(maxLength) {
        edit.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != QEvent::KeyPress) return false;
        const auto* key = static_cast<const QKeyEvent*>(event);
        // Lengths only: the text may be a card number, and a copy of the
        // selection would be one more copy of its digits.
        const qsizetype room = maxLength_ - (edit_.text().size() - edit_.selectionLength());
        if (key->matches(QKeySequence::Paste)) {
            // As much of the clipboard as fits.
            if (room > 0) typeOver(edit_, QStringView(QGuiApplication::clipboard()->text()).left(room));
            return true;
        }
        return typesText(*key) && room <= 0;
    }

private:
    QLineEdit& edit_;
    int maxLength_;
};

} // namespace

void limitTyping(QLineEdit& edit, int maxLength) { new TypingLimit(edit, maxLength); }

void replaceTyped(QLineEdit& edit, qsizetype from, qsizetype to, QStringView typed) {
    const QString current = edit.text();
    from = std::clamp<qsizetype>(from, 0, current.size());
    to = std::clamp<qsizetype>(to, from, current.size());
    QString next;
    next.reserve(current.size() - (to - from) + typed.size());
    next.append(QStringView(current).left(from)).append(typed).append(QStringView(current).mid(to));
    edit.setText(next);
    edit.setCursorPosition(static_cast<int>(from + typed.size()));
}

void typeOver(QLineEdit& edit, QStringView typed) {
    if (edit.hasSelectedText()) {
        const qsizetype start = edit.selectionStart();
        replaceTyped(edit, start, start + edit.selectionLength(), typed);
    } else {
        replaceTyped(edit, edit.cursorPosition(), edit.cursorPosition(), typed);
    }
}

bool isDigitBackspaceEnter(const QString& key) {
    if (key.size() != 1) return false;
    const char16_t c = key.front().unicode();
    return (c >= '0' && c <= '9') || c == '\b' || c == '\r';
}

} // namespace vks::ui
