#include "ScreenWatcher.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QJsonObject>
#include <QLabel>
#include <QMessageBox>

#include "Simulator.h"

namespace vkshost {

namespace {
constexpr const char* kMessageBoxName = "VksMessageBox";
}

int messageIdOf(const QString& text) {
    const auto id = vks::sim::simulator().messageIdForText(text.toStdString());
    return id ? *id : -1;
}

ScreenWatcher::ScreenWatcher(QObject* parent)
    : QObject(parent) {
    qApp->installEventFilter(this);
}

ScreenWatcher::~ScreenWatcher() {
    if (qApp != nullptr) qApp->removeEventFilter(this);
}

QString ScreenWatcher::referenceName(const QWidget& screen) {
    if (!screen.objectName().isEmpty()) return screen.objectName();
    QString name = QString::fromLatin1(screen.metaObject()->className());
    name = name.mid(name.lastIndexOf(':') + 1);
    return name.startsWith('T') ? name.mid(1) : name;
}

bool ScreenWatcher::isMessageBox(const QWidget& window) {
    return window.objectName() == QLatin1String(kMessageBoxName) || qobject_cast<const QMessageBox*>(&window);
}

bool ScreenWatcher::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::Show || !watched->isWidgetType()) return false;
    auto* window = static_cast<QWidget*>(watched);
    if (!window->isWindow() || !qobject_cast<QDialog*>(window) || seen_.count(window) > 0) return false;
    seen_.insert(window);
    // A later window may be created at the same address.
    connect(window, &QObject::destroyed, this, [this](QObject* gone) { seen_.erase(gone); });
    if (isMessageBox(*window))
        recordBox(*window);
    else
        recordScreen(*window);
    return false;
}

void ScreenWatcher::recordScreen(QWidget& screen) {
    const QString name = referenceName(screen);
    screens_.append(name);
    connect(static_cast<QDialog*>(&screen), &QDialog::finished, this, [this, name](int result) {
        modalResults_.append(QJsonObject{{"screen", name}, {"result", result}});
    });
}

QString ScreenWatcher::boxText(const QWidget& box) {
    if (const auto* standard = qobject_cast<const QMessageBox*>(&box)) return standard->text();
    const auto* label = box.findChild<QLabel*>();
    return label == nullptr ? QString() : label->text();
}

void ScreenWatcher::recordBox(QWidget& box) {
    const QString text = boxText(box);
    const int id = messageIdOf(text);
    boxes_.append(
        QJsonObject{{"id", id < 0 ? QJsonValue() : QJsonValue(id)}, {"caption", box.windowTitle()}, {"text", text}});
}

} // namespace vkshost
