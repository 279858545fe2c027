#pragma once

#include <functional>

#include <QElapsedTimer>
#include <QObject>

class QDialog;

namespace vks::bench {

// Watches every window of the process. When a dialog other than a message
// box has been shown, painted and holds the keyboard focus, it reports the
// time on `clock` and hands the dialog to `then` (e.g. to close it). The
// report waits for the event that painted to finish, so the time includes
// the whole first paint and its flush.
class FirstPaintProbe final : public QObject {
public:
    using Then = std::function<void(QDialog&)>;

    FirstPaintProbe();
    ~FirstPaintProbe() override;

    // Starts waiting for the next dialog; `clock` must be started.
    void arm(const QElapsedTimer& clock, Then then);
    // Nanoseconds from the clock's start to the first paint; -1 before.
    qint64 elapsedNs() const { return elapsedNs_; }
    // Whether the focus was inside the dialog when it was painted.
    bool focused() const { return focused_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void report(QDialog* dialog);

    const QElapsedTimer* clock_ = nullptr;
    Then then_;
    bool armed_ = false;
    bool pending_ = false;
    bool focused_ = false;
    qint64 elapsedNs_ = -1;
};

// A module message box or a standard one.
bool isMessageBox(const QObject& window);

} // namespace vks::bench
