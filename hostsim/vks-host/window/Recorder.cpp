#include "Recorder.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QJsonArray>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMouseEvent>

#include "cashier/Cashier.h"
#include "run/ScreenWatcher.h"
#include "scenario/Scenario.h"

namespace vkshost {

namespace {

bool isModifierOnly(int key) {
    return key == Qt::Key_Shift || key == Qt::Key_Control || key == Qt::Key_Alt || key == Qt::Key_Meta ||
           key == Qt::Key_AltGr || key == Qt::Key_CapsLock || key == Qt::Key_NumLock;
}

// The key as a person reads it ("Ctrl+C", "F2").
QString shownKey(const QKeyEvent& key) {
    return QKeySequence(QKeyCombination(key.modifiers() & ~Qt::KeypadModifier, Qt::Key(key.key())))
        .toString(QKeySequence::PortableText);
}

// The "key Alt+C" step that presses a button as its click does, empty when
// the button has no mnemonic.
QString mnemonicStep(const QAbstractButton& button) {
    const QKeySequence mnemonic = QKeySequence::mnemonic(button.text());
    if (mnemonic.isEmpty()) return {};
    const int code = mnemonic[0].key();
    if (code <= ' ' || code >= 0x7f) return {};
    return QString("key Alt+") + QChar(code).toLower();
}

bool closesBox(int key) {
    return key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space || key == Qt::Key_Escape;
}

// The step name of a key, empty when no step can press it.
QString keyName(const QKeyEvent& key) {
    const Qt::KeyboardModifiers modifiers = key.modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier);
    if (modifiers & (Qt::ControlModifier | Qt::MetaModifier)) return {};
    if (modifiers & Qt::AltModifier) {
        // Alt+letter types no text on most keyboards; mnemonics ignore case.
        const int code = key.key();
        if (code > ' ' && code < 0x7f) return QString("Alt+") + QChar(code).toLower();
        return {};
    }
    vks::cashier::KeyStroke stroke{key.key(), Qt::NoModifier, key.text().toStdString()};
    if (key.key() == Qt::Key_Enter) stroke.key = Qt::Key_Return;
    const QString name = QString::fromStdString(stroke.name());
    return name.startsWith("key ") ? QString() : name;
}

// A whole value, or the whole text of a "type" step, that is today's date.
QJsonValue todayForm(const QJsonValue& value, const QDate& today) {
    const QString text = value.toString();
    const QString typed = text.startsWith("type ") ? text.mid(5) : text;
    const QString step = text.startsWith("type ") ? "type " : "";
    if (typed == today.toString("ddMMyyyy")) return step + "{today}";
    if (typed == today.toString("dd/MM/yyyy")) return step + "{today:dd/mm/yyyy}";
    return value;
}

QJsonValue todayFormIn(const QJsonValue& value, const QDate& today) {
    if (value.isArray()) {
        QJsonArray list;
        for (const QJsonValue& item : value.toArray()) list.append(todayFormIn(item, today));
        return list;
    }
    if (value.isObject()) {
        QJsonObject object = value.toObject();
        for (auto it = object.begin(); it != object.end(); ++it) *it = todayFormIn(*it, today);
        return object;
    }
    return todayForm(value, today);
}

QJsonObject hostObject(const HostSettings& host) {
    QJsonObject object;
    const auto utf8 = [](const std::string& text) { return QString::fromStdString(text); };
    if (host.buildVersion) object["build_version"] = utf8(*host.buildVersion);
    if (host.operatorValid) object["operator_valid"] = *host.operatorValid;
    if (host.card) {
        QJsonObject card{{"status", host.card->status}};
        if (host.card->number) card["number"] = utf8(*host.card->number);
        object["card"] = card;
    }
    if (!host.refusedWrites.empty()) {
        QJsonArray refusals;
        for (const RefusedWrite& write : host.refusedWrites)
            refusals.append(
                QJsonObject{{"field", write.field}, {"occurrence", write.occurrence}, {"status", write.status}});
        object["refuse_write"] = refusals;
    }
    if (host.authorize) object["authorize"] = *host.authorize;
    if (!host.keyboard.empty()) {
        QJsonObject keyboard;
        for (const auto& [typed, meant] : host.keyboard) keyboard[utf8(typed)] = utf8(meant);
        object["keyboard"] = keyboard;
    }
    if (host.progressText) object["progress_text"] = utf8(*host.progressText);
    if (!host.failedCalls.empty()) {
        QJsonArray failures;
        for (const FailedCall& failure : host.failedCalls)
            failures.append(QJsonObject{{"function", utf8(failure.function)}, {"call", failure.call}});
        object["fail_call"] = failures;
    }
    return object;
}

// A box by its catalogue identifier, or by its whole text when the text is
// not in the catalogue.
QJsonArray messageExpectations(const QJsonArray& messages) {
    QJsonArray list;
    for (const QJsonValue& message : messages)
        list.append(message["id"].isNull() ? QJsonValue(QJsonObject{{"text", message["text"]}}) : message["id"]);
    return list;
}

} // namespace

Recorder::Recorder(const QWidget* client, QObject* parent)
    : QObject(parent),
      client_(client) {
    qApp->installEventFilter(this);
}

Recorder::~Recorder() {
    if (qApp != nullptr) qApp->removeEventFilter(this);
}

QStringList Recorder::steps() const { return typing_.isEmpty() ? steps_ : steps_ + QStringList{"type " + typing_}; }

void Recorder::flushTyping() {
    if (typing_.isEmpty()) return;
    steps_ << "type " + typing_;
    typing_.clear();
}

void Recorder::keyPressed(const QKeyEvent& key, const QWidget& window) {
    if (ScreenWatcher::isMessageBox(window) && closesBox(key.key())) {
        flushTyping();
        steps_ << "ok";
        return;
    }
    // Shift, Ctrl and Alt alone press nothing; what they modify is the key.
    if (isModifierOnly(key.key())) return;
    const QString name = keyName(key);
    if (name.isEmpty()) {
        if (!key.text().isEmpty() || key.modifiers() & Qt::ControlModifier)
            notReplayable_ << QString("key %1 on %2").arg(shownKey(key), ScreenWatcher::referenceName(window));
        return;
    }
    // A "type" step takes its text to the end, so a blank typed first would
    // be lost; it goes as a key of its own.
    if (name.size() == 1 && !(name == " " && typing_.isEmpty())) {
        typing_ += name;
        return;
    }
    flushTyping();
    steps_ << "key " + name;
}

void Recorder::windowShown(const QWidget& window) {
    flushTyping();
    if (!ScreenWatcher::isMessageBox(window)) {
        steps_ << "expect screen " + ScreenWatcher::referenceName(window);
        return;
    }
    if (const int id = messageIdOf(ScreenWatcher::boxText(window)); id >= 0) steps_ << QString("expect box %1").arg(id);
}

bool Recorder::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type == QEvent::ShortcutOverride || type == QEvent::KeyPress) {
        // A key reaches the shortcut map (mnemonics such as Alt+1), the
        // window and the focused control, and the module's filters may eat
        // it at any of them: each key is taken once, where it is first seen,
        // by its timestamp. Keys the module or the toolkit make up carry
        // none.
        const auto& key = static_cast<const QKeyEvent&>(*event);
        const std::pair stamp{key.timestamp(), key.key()};
        QWidget* window = QApplication::activeWindow();
        if (key.timestamp() == 0 || stamp == lastKey_ || window == nullptr || window == client_) return false;
        lastKey_ = stamp;
        keyPressed(key, *window);
        return false;
    }
    if (!watched->isWidgetType()) return false;
    auto* widget = static_cast<QWidget*>(watched);
    QWidget* window = widget->window();
    if (window == client_) return false;
    if (type == QEvent::Show && widget->isWindow() && qobject_cast<QDialog*>(widget) && seen_.insert(widget).second) {
        connect(widget, &QObject::destroyed, this, [this](QObject* gone) { seen_.erase(gone); });
        windowShown(*widget);
    } else if (type == QEvent::MouseButtonRelease && event->spontaneous()) {
        // One click may be offered to the widget and its parents: taken once.
        const auto& mouse = static_cast<const QMouseEvent&>(*event);
        if (mouse.timestamp() == lastClick_) return false;
        lastClick_ = mouse.timestamp();
        clicked(*widget, *window);
    }
    return false;
}

void Recorder::clicked(const QWidget& widget, const QWidget& window) {
    const auto* button = qobject_cast<const QAbstractButton*>(&widget);
    if (button != nullptr && ScreenWatcher::isMessageBox(window)) {
        flushTyping();
        steps_ << "ok";
        return;
    }
    // A button is pressed by its mnemonic as by its click, focus included.
    if (const QString step = button != nullptr ? mnemonicStep(*button) : QString(); !step.isEmpty()) {
        flushTyping();
        steps_ << step;
        return;
    }
    // Clicks elsewhere that do nothing a replay would miss are left out.
    if (button == nullptr && !(widget.focusPolicy() & Qt::ClickFocus)) return;
    const QString name =
        widget.objectName().isEmpty() ? QString::fromLatin1(widget.metaObject()->className()) : widget.objectName();
    notReplayable_ << QString("a click on %1 of %2").arg(name, ScreenWatcher::referenceName(window));
}

QJsonObject scenarioJson(const Scenario& scenario, const QDate& today) {
    QJsonObject json;
    if (!scenario.description.isEmpty()) json["description"] = scenario.description;
    json["entry"] = scenario.entry;
    QJsonObject fields;
    for (const FieldSetting& field : scenario.fields) {
        const QString key = QString::number(field.field);
        const QString text = QString::fromStdString(field.text);
        if (field.occurrence == 0 && !fields.contains(key)) {
            fields[key] = text;
            continue;
        }
        QJsonArray list = fields[key].isArray() ? fields[key].toArray() : QJsonArray{fields[key].toString()};
        while (list.size() <= field.occurrence) list.append(QString());
        list[field.occurrence] = text;
        fields[key] = list;
    }
    json["fields"] = fields;
    if (scenario.ini) json["ini"] = QString::fromUtf8(*scenario.ini);
    json["host"] = hostObject(scenario.host);
    QJsonArray steps;
    for (const ScenarioStep& step : scenario.steps) steps.append(step.source);
    json["operator"] = steps;
    if (!scenario.expect.isEmpty()) json["expect"] = scenario.expect;
    return todayFormIn(json, today).toObject();
}

QJsonObject expectationsOf(const QJsonObject& result) {
    QJsonArray requests;
    for (const QJsonValue& request : result["requests"].toArray())
        requests.append(QJsonObject{{"code", request["code"]}, {"request", request["request"]}});
    return QJsonObject{
        {"returned", result["returned"]},
        {"screens", result["screens"]},
        {"modal_results", result["modal_results"]},
        {"boxes", messageExpectations(result["boxes"].toArray())},
        {"errors", messageExpectations(result["errors"].toArray())},
        {"writes", result["writes"]},
        {"requests", requests},
        {"hand_backs", result["hand_backs"]},
    };
}

} // namespace vkshost
