#include "ui/KeyPreview.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

namespace vks::ui {
namespace {

// Key code matching a character, so that a control receiving a changed
// character acts on it as if it had been typed.
int keyCodeOf(const QString& key) {
    if (key.isEmpty()) return 0;
    switch (key.front().unicode()) {
    case '\r':
    case '\n':
        return Qt::Key_Return;
    case '\b':
        return Qt::Key_Backspace;
    case 0x1b:
        return Qt::Key_Escape;
    case '\t':
        return Qt::Key_Tab;
    default:
        break;
    }
    const QChar upper = key.front().toUpper();
    return upper.unicode() < 0x100 ? static_cast<int>(upper.unicode()) : static_cast<int>(Qt::Key_unknown);
}

} // namespace

bool isCharacterKey(const QKeyEvent& event) {
    // Delete carries a character on some platforms (X11), but it edits like
    // the arrows: no character filter may swallow it.
    const int key = event.key();
    return !event.text().isEmpty() && key != Qt::Key_Tab && key != Qt::Key_Backtab && key != Qt::Key_Delete;
}

bool typesText(const QKeyEvent& event) {
    constexpr Qt::KeyboardModifiers kCommandModifiers = Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;
    const QString text = event.text();
    return !text.isEmpty() && text.front().isPrint() && !(event.modifiers() & kCommandModifiers);
}

KeyPreview::KeyPreview(QWidget& window, Handler handler)
    : QObject(&window),
      window_(&window),
      handler_(std::move(handler)) {
    qApp->installEventFilter(this);
}

KeyPreview::~KeyPreview() {
    if (qApp != nullptr) qApp->removeEventFilter(this);
}

bool KeyPreview::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress || resending_ || window_ == nullptr || !watched->isWidgetType()) return false;
    auto* target = static_cast<QWidget*>(watched);
    // Once per key: at the control that has the focus (a key a control
    // ignores travels on to its parents, which must not preview it again).
    QWidget* focus = window_->focusWidget();
    if (target->window() != window_ || target != (focus != nullptr ? focus : window_.data())) return false;
    auto* keyEvent = static_cast<QKeyEvent*>(event);
    if (!isCharacterKey(*keyEvent)) return false;

    QString key = keyEvent->text();
    QPointer<QWidget> guard(target);
    if (handler_(focus, *keyEvent, key)) return true;
    if (key == keyEvent->text()) return false;
    if (key.isEmpty() || guard == nullptr) return true;
    QKeyEvent changed(QEvent::KeyPress, keyCodeOf(key), keyEvent->modifiers(), key);
    resending_ = true;
    QCoreApplication::sendEvent(target, &changed);
    resending_ = false;
    return true;
}

} // namespace vks::ui
