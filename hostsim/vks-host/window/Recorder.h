#pragma once

#include <set>
#include <utility>

#include <QDate>
#include <QJsonObject>
#include <QObject>
#include <QStringList>

class QKeyEvent;
class QWidget;

namespace vkshost {

struct Scenario;

// Writes down what a person does on the module's screens as the operator
// steps of a scenario: typed characters joined into "type" steps, named keys
// as "key" steps, every screen and message box as it appears as "expect"
// steps (so that a replay waits for it), and the key that closes a message
// box as "ok". Only the person's keys count, once each: keys the module or
// the toolkit make up or send on are not recorded. The client's own window
// is left out.
class Recorder : public QObject {
    Q_OBJECT
public:
    explicit Recorder(const QWidget* client, QObject* parent = nullptr);
    ~Recorder() override;

    // The steps so far, pending typed text included.
    QStringList steps() const;
    // What the person did that no step can replay (clicks other than on a
    // message box's button or a button with a mnemonic, keys with Ctrl).
    const QStringList& notReplayable() const { return notReplayable_; }

    // One key the person pressed on `window` (a screen or message box).
    void keyPressed(const QKeyEvent& key, const QWidget& window);
    void windowShown(const QWidget& window);
    // A click of the person's on `widget` of `window`.
    void clicked(const QWidget& widget, const QWidget& window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void flushTyping();

    const QWidget* client_;
    QStringList steps_;
    QString typing_;
    QStringList notReplayable_;
    std::set<const QObject*> seen_;
    std::pair<quint64, int> lastKey_{0, 0}; // timestamp and key of the last key taken
    quint64 lastClick_ = 0;                 // timestamp of the last click taken
};

// A scenario as its file holds it. Values that are today's date become
// {today}, so that the scenario passes on another day.
QJsonObject scenarioJson(const Scenario& scenario, const QDate& today);

// An "expect" block of everything a run's result shows the module did:
// whether it returned, screens and their results, boxes, errors, writes in
// order, request codes and texts, hand-backs.
QJsonObject expectationsOf(const QJsonObject& result);

} // namespace vkshost
