#pragma once

#include <functional>

#include <QObject>
#include <QPointer>
#include <QString>

class QKeyEvent;
class QWidget;

namespace vks::ui {

// Screen-level key preview: every key typed into a window is shown to the
// window first, before the control that has the focus sees it. The handler
// gets the focused control, the key event and the key's character, which it
// may change (the control then receives the changed character) or cancel
// (return true: the control never sees the key). Keys that type no
// character (arrows, Tab) are not previewed.
class KeyPreview final : public QObject {
public:
    using Handler = std::function<bool(QWidget* focus, const QKeyEvent& event, QString& key)>;

    KeyPreview(QWidget& window, Handler handler);
    ~KeyPreview() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPointer<QWidget> window_;
    Handler handler_;
    bool resending_ = false;
};

// A key the screens treat as a typed character: it carries text and is not
// a focus-movement or editing key (Tab, Delete).
bool isCharacterKey(const QKeyEvent& event);

// A key that types printable text into a field: no Ctrl, Alt or Meta with it.
bool typesText(const QKeyEvent& event);

} // namespace vks::ui
