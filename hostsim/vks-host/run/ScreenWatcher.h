#pragma once

#include <set>

#include <QJsonArray>
#include <QObject>

namespace vkshost {

// Watches every window the module opens: the screens in the order they
// were shown (with their modal results) and each message box with its
// catalogue identifier. Installed on the application for one run.
class ScreenWatcher : public QObject {
    Q_OBJECT
public:
    explicit ScreenWatcher(QObject* parent = nullptr);
    ~ScreenWatcher() override;

    const QJsonArray& screens() const { return screens_; }
    const QJsonArray& modalResults() const { return modalResults_; }
    const QJsonArray& boxes() const { return boxes_; }

    // Reference name of a screen: its object name, else the class name
    // without the leading T.
    static QString referenceName(const QWidget& screen);
    static bool isMessageBox(const QWidget& window);
    // The text a message box shows.
    static QString boxText(const QWidget& box);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void recordScreen(QWidget& screen);
    void recordBox(QWidget& box);

    std::set<const QObject*> seen_;
    QJsonArray screens_;
    QJsonArray modalResults_;
    QJsonArray boxes_;
};

// Catalogue identifier of a text shown by the module, -1 when unknown.
int messageIdOf(const QString& text);

} // namespace vkshost
