#include "ScenarioScript.h"

#include <chrono>
#include <memory>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPainter>
#include <QPixmap>
#include <QPointer>
#include <QWidget>

#include "ScreenWatcher.h"

namespace vkshost {

namespace cashier = vks::cashier;
using std::chrono::milliseconds;

namespace {

constexpr qint64 kCancelKeyPaceMs = 100;

// The open message box as a person reads it: identifier and text.
QString boxDescription() {
    const QString text = QString::fromStdString(cashier::messageBoxText());
    const int id = messageIdOf(text);
    return QString("message box %1 \"%2\"").arg(id < 0 ? QString("?") : QString::number(id), text.left(200));
}

QString sceneDescription() {
    QString scene =
        QString("active screen \"%1\", focus \"%2\"")
            .arg(QString::fromStdString(cashier::screenName()), QString::fromStdString(cashier::focusedControl()));
    if (cashier::activeModal() != nullptr && !cashier::screenHoldsKeyboard()) {
        scene += QString(" (\"%1\" is not the active window: the keyboard is elsewhere)")
                     .arg(cashier::activeModal()->objectName());
    }
    if (cashier::messageBoxUp()) scene += ", " + boxDescription() + " is up";
    return scene;
}

// Steps that may act while a message box is up: the box's own.
bool mayMeetBox(StepKind kind) {
    return kind == StepKind::ExpectBox || kind == StepKind::Ok || kind == StepKind::Wait || kind == StepKind::Shot;
}

// Enabled/disabled/visible/hidden: the state read and the value wanted.
bool controlInState(const ScenarioStep& step) {
    const std::string name = step.target.toStdString();
    const bool wantEnabled = step.kind == StepKind::ExpectEnabled || step.kind == StepKind::ExpectDisabled;
    const std::optional<bool> state = wantEnabled ? cashier::controlEnabled(name) : cashier::controlVisible(name);
    const bool wanted = step.kind == StepKind::ExpectEnabled || step.kind == StepKind::ExpectVisible;
    return state.has_value() && *state == wanted;
}

cashier::Script::Condition conditionOf(const ScenarioStep& step) {
    const std::string target = step.target.toStdString();
    switch (step.kind) {
    case StepKind::ExpectScreen:
        return [target] { return cashier::screenName() == target && !cashier::messageBoxUp(); };
    case StepKind::ExpectFocus:
        return [target] { return cashier::focusedControl() == target && !cashier::messageBoxUp(); };
    case StepKind::ExpectText: {
        const std::string text = step.text.toStdString();
        return [target, text] { return cashier::controlText(target) == text; };
    }
    case StepKind::ExpectBox: {
        const int id = step.number;
        return [id] {
            return cashier::messageBoxUp() && messageIdOf(QString::fromStdString(cashier::messageBoxText())) == id;
        };
    }
    default:
        return [step] { return controlInState(step); };
    }
}

// What the step's control shows, for the failure message.
QString controlDescription(const ScenarioStep& step) {
    if (step.kind == StepKind::ExpectScreen || step.kind == StepKind::ExpectFocus || step.kind == StepKind::ExpectBox)
        return {};
    const std::string name = step.target.toStdString();
    if (cashier::control(name) == nullptr) return QString("; the active screen has no control %1").arg(step.target);
    const auto state = [](std::optional<bool> on, const char* yes, const char* no) {
        return on.value_or(false) ? yes : no;
    };
    return QString("; %1 shows \"%2\", %3, %4")
        .arg(step.target, QString::fromStdString(cashier::controlText(name).value_or("")).left(200),
             state(cashier::controlEnabled(name), "enabled", "disabled"),
             state(cashier::controlVisible(name), "visible", "hidden"));
}

} // namespace

ScenarioScript::ScenarioScript(const std::vector<ScenarioStep>& steps, const QString& shotsDir, int returnTimeoutMs,
                               int stepTimeoutMs, bool cashierCancel)
    : steps_(steps),
      shotsDir_(shotsDir),
      returnTimeoutMs_(returnTimeoutMs),
      stepTimeoutMs_(stepTimeoutMs),
      script_(milliseconds(stepTimeoutMs)) {
    if (cashierCancel) script_.onCancel([this] { cancelAsCashier(); });
    for (int i = 0; i < int(steps_.size()); ++i) add(steps_[size_t(i)], i);
    script_.then("every step done", [this] { stepsDone_ = true; });
    script_.waitFor(
        "the call to return", [] { return false; }, milliseconds(returnTimeoutMs_));
    script_.onFailure([this](const std::string& why) { fail(why); });
}

QString ScenarioScript::place(int index) const {
    return QString("operator[%1] \"%2\"").arg(index).arg(steps_[size_t(index)].source.left(200));
}

void ScenarioScript::add(const ScenarioStep& step, int index) {
    script_.then(place(index).toStdString(), [this, index] { current_ = index; });
    // A box that is up when a step wants to act fails the run at once.
    if (!mayMeetBox(step.kind))
        script_.waitFor(
            "no message box", [] { return !cashier::messageBoxUp(); }, milliseconds(0));
    switch (step.kind) {
    case StepKind::Type: {
        const std::string text = step.target.toStdString();
        addAction(index, [text] { cashier::type(text); });
        return;
    }
    case StepKind::Key: {
        const cashier::KeyStroke key = *cashier::KeyStroke::parse(step.target.toStdString());
        addAction(index, [key] { cashier::press(key); });
        return;
    }
    case StepKind::Ok: {
        // Done once OK is pressed: the module may return as soon as the box closes.
        script_.waitFor("a message box", [] { return cashier::messageBoxUp(); });
        auto box = std::make_shared<QPointer<QWidget>>();
        addAction(index, [box] {
            *box = cashier::messageBox();
            cashier::acceptMessageBox();
        });
        script_.waitFor("the message box to close", [box] { return box->isNull() || !(*box)->isVisible(); });
        return;
    }
    case StepKind::Wait:
        script_.pause(milliseconds(step.number));
        addAction(index, [] {});
        return;
    case StepKind::Shot: {
        const QString name = step.target;
        addAction(index, [this, name] { takeShot(name); });
        return;
    }
    default:
        addExpectation(index, conditionOf(step));
        return;
    }
}

void ScenarioScript::addAction(int index, std::function<void()> action) {
    script_.then(place(index).toStdString(), [this, index, action] {
        action();
        completed_ = index + 1;
    });
}

void ScenarioScript::addExpectation(int index, cashier::Script::Condition condition) {
    // Counted done as it holds, so that the next step may follow in the same tick.
    script_.waitFor(place(index).toStdString(), [this, index, condition = std::move(condition)] {
        if (!condition()) return false;
        completed_ = index + 1;
        return true;
    });
}

void ScenarioScript::start(FailureHandler onFailure) {
    onFailure_ = std::move(onFailure);
    script_.start();
}

void ScenarioScript::fail(const std::string& why) {
    if (script_.keyLost()) {
        failure_ = place(current_) + ": " + QString::fromStdString(why);
    } else if (stepsDone_) {
        timedOut_ = true;
        failure_ = QString("the call did not return within %1 ms after the last step; %2; the screen was cancelled")
                       .arg(returnTimeoutMs_)
                       .arg(sceneDescription());
    } else {
        const ScenarioStep& step = steps_[size_t(current_)];
        failure_ = place(current_) + ": " +
                   (!mayMeetBox(step.kind) && cashier::messageBoxUp()
                        ? boxDescription() + " is up"
                        : QString("not met within %1 ms; %2%3")
                              .arg(stepTimeoutMs_)
                              .arg(sceneDescription(), controlDescription(step)));
    }
    if (onFailure_) onFailure_();
}

QString ScenarioScript::unfinishedStep() const {
    for (int i = completed_; i < int(steps_.size()); ++i)
        if (steps_[size_t(i)].kind != StepKind::Wait) return place(i) + ": the call returned before this step was done";
    return {};
}

void ScenarioScript::cancelAsCashier() {
    // One key at a time, so that each is handled before the next is sent.
    if (lastCancelKey_.isValid() && lastCancelKey_.elapsed() < kCancelKeyPaceMs) return;
    lastCancelKey_.start();
    if (cashier::messageBoxUp())
        cashier::acceptMessageBox();
    else if (cashier::activeScreen() != nullptr)
        cashier::press(cashier::KeyStroke::escape());
}

namespace {

// A message box pictured over the screen it came from, as the cashier sees
// it: the picture shows which message was given on which screen. Without a
// window manager's frame, a thin border marks the box.
QPixmap pictureOf(QWidget& window) {
    QWidget* screen = cashier::activeScreen();
    if (!ScreenWatcher::isMessageBox(window) || screen == nullptr || screen == &window) return window.grab();
    const QRect area = screen->geometry().united(window.geometry());
    QPixmap picture(area.size());
    picture.fill(screen->palette().color(QPalette::Window));
    QPainter painter(&picture);
    painter.drawPixmap(screen->geometry().topLeft() - area.topLeft(), screen->grab());
    const QRect box(window.geometry().topLeft() - area.topLeft(), window.size());
    painter.drawPixmap(box.topLeft(), window.grab());
    painter.setPen(QPen(screen->palette().color(QPalette::Shadow), 1));
    painter.drawRect(box.adjusted(0, 0, -1, -1));
    return picture;
}

} // namespace

void ScenarioScript::takeShot(const QString& name) const {
    if (shotsDir_.isEmpty()) return;
    QWidget* window = cashier::activeModal();
    if (window == nullptr) window = QApplication::activeWindow();
    if (window == nullptr) return;
    QDir().mkpath(shotsDir_);
    pictureOf(*window).save(QDir(shotsDir_).filePath(name + ".png"), "PNG");
    // The named controls beside the picture, for a gallery to list.
    QJsonArray controls;
    for (const QWidget* control : window->findChildren<QWidget*>()) {
        if (control->objectName().isEmpty() || control->objectName().startsWith("qt_")) continue;
        controls.append(QJsonObject{{"name", control->objectName()},
                                    {"class", QString::fromLatin1(control->metaObject()->className())},
                                    {"visible", control->isVisibleTo(window)}});
    }
    QFile list(QDir(shotsDir_).filePath(name + ".controls.json"));
    if (list.open(QIODevice::WriteOnly))
        list.write(QJsonDocument(QJsonObject{{"window", ScreenWatcher::referenceName(*window)}, {"controls", controls}})
                       .toJson(QJsonDocument::Compact));
}

} // namespace vkshost
