#include "Keyboard.h"

#include <utility>

#include <QApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QPointer>
#include <QWidget>

#include "Scene.h"
#include "Text.h"

namespace vks::cashier {
namespace {

// What went wrong with the last key that reached no control, "" when none.
std::string& keyboardFaultSlot() {
    static std::string fault;
    return fault;
}

// Carries one key, the way a platform does: to the control that has the focus
// in the active window when the key arrives, so that a typed sequence follows
// focus moves made by earlier keys. A modal window that is open but not
// active would not get the key on a real terminal either: the key is lost
// and the fault recorded.
class KeyCourier final : public QObject {
public:
    static KeyCourier& instance() {
        static auto* courier = new KeyCourier(); // lives as long as the application
        return *courier;
    }

    void post(const KeyStroke& key) { QCoreApplication::postEvent(this, new Delivery(key)); }

protected:
    bool event(QEvent* event) override {
        if (event->type() != kDeliveryType) return QObject::event(event);
        const KeyStroke& key = static_cast<Delivery*>(event)->key;
        QWidget* active = QApplication::activeWindow();
        if (QWidget* modal = activeModal(); modal != nullptr && active != modal) {
            keyboardFaultSlot() = "key " + key.name() + " was lost: \"" + utf8(modal->objectName()) +
                                  "\" is open but not the active window (active: " +
                                  (active == nullptr ? std::string("none") : "\"" + utf8(active->objectName()) + "\"") +
                                  ")";
            return true;
        }
        QWidget* target = QApplication::focusWidget() != nullptr ? QApplication::focusWidget() : active;
        if (target == nullptr) return true;
        QPointer<QWidget> guard(target);
        QKeyEvent press(QEvent::KeyPress, key.key, key.modifiers, qs(key.text));
        QCoreApplication::sendEvent(target, &press);
        if (guard) {
            QKeyEvent release(QEvent::KeyRelease, key.key, key.modifiers, qs(key.text));
            QCoreApplication::sendEvent(guard, &release);
        }
        return true;
    }

private:
    static inline const QEvent::Type kDeliveryType = static_cast<QEvent::Type>(QEvent::registerEventType());
    struct Delivery final : QEvent {
        explicit Delivery(KeyStroke k)
            : QEvent(kDeliveryType),
              key(std::move(k)) {}
        KeyStroke key;
    };
    KeyCourier() {
        if (QCoreApplication::instance() != nullptr) moveToThread(QCoreApplication::instance()->thread());
    }
};

int keyCodeOf(const QString& character) {
    if (character.isEmpty()) return 0;
    const QChar c = character.front().toUpper();
    // Qt's key codes for Latin-1 characters are their upper-case code points.
    return c.unicode() < 0x100 ? static_cast<int>(c.unicode()) : static_cast<int>(Qt::Key_unknown);
}

} // namespace

// --- KeyStroke -----------------------------------------------------------------

KeyStroke KeyStroke::enter() { return {Qt::Key_Return, Qt::NoModifier, "\r"}; }
KeyStroke KeyStroke::tab() { return {Qt::Key_Tab, Qt::NoModifier, "\t"}; }
KeyStroke KeyStroke::backtab() { return {Qt::Key_Backtab, Qt::ShiftModifier, ""}; }
KeyStroke KeyStroke::backspace() { return {Qt::Key_Backspace, Qt::NoModifier, "\b"}; }
KeyStroke KeyStroke::escape() { return {Qt::Key_Escape, Qt::NoModifier, "\x1b"}; }
KeyStroke KeyStroke::up() { return {Qt::Key_Up, Qt::NoModifier, ""}; }
KeyStroke KeyStroke::down() { return {Qt::Key_Down, Qt::NoModifier, ""}; }

KeyStroke KeyStroke::character(std::string_view utf8Char) {
    const QString text = qs(utf8Char);
    return {keyCodeOf(text), Qt::NoModifier, std::string(utf8Char)};
}

KeyStroke KeyStroke::alt(char c) {
    const QString text(QChar::fromLatin1(c));
    return {keyCodeOf(text), Qt::AltModifier, std::string(1, c)};
}

namespace {

// The keys that type no character of their own, by the names scripts use.
struct NamedKey {
    std::string_view name;
    KeyStroke (*make)();
};
constexpr NamedKey kNamedKeys[] = {{"Enter", KeyStroke::enter},     {"Tab", KeyStroke::tab},
                                   {"Backtab", KeyStroke::backtab}, {"Backspace", KeyStroke::backspace},
                                   {"Escape", KeyStroke::escape},   {"Up", KeyStroke::up},
                                   {"Down", KeyStroke::down}};

} // namespace

std::optional<KeyStroke> KeyStroke::parse(std::string_view name) {
    for (const NamedKey& n : kNamedKeys) {
        if (n.name == name) return n.make();
    }
    if (name.size() == 5 && name.substr(0, 4) == "Alt+") return alt(name[4]);
    if (qs(name).toUcs4().size() == 1) return character(name);
    return std::nullopt;
}

std::string KeyStroke::name() const {
    if (!text.empty() && static_cast<unsigned char>(text[0]) >= ' ') {
        return (modifiers & Qt::AltModifier ? "Alt+" : "") + text;
    }
    for (const NamedKey& n : kNamedKeys) {
        if (n.make().key == key) return std::string(n.name);
    }
    return "key " + std::to_string(key);
}

void type(std::string_view text) {
    for (uint c : qs(text).toUcs4()) {
        const char32_t codePoint = c;
        const QString one = QString::fromUcs4(&codePoint, 1);
        if (one == QLatin1String("\r") || one == QLatin1String("\n")) {
            press(KeyStroke::enter());
        } else if (one == QLatin1String("\b")) {
            press(KeyStroke::backspace());
        } else {
            press(KeyStroke::character(utf8(one)));
        }
    }
}

void press(const KeyStroke& key) { KeyCourier::instance().post(key); }

std::string takeKeyboardFault() { return std::exchange(keyboardFaultSlot(), std::string()); }

} // namespace vks::cashier
