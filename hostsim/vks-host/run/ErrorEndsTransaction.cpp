#include "ErrorEndsTransaction.h"

#include <QDialog>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include "Simulator.h"
#include "cashier/Cashier.h"

namespace vkshost {

namespace {

// The modal result of a screen cancelled by its Cancel button.
constexpr int kScreenCancelled = 2;

} // namespace

ErrorEndsTransaction::ErrorEndsTransaction()
    : ended_(std::make_shared<bool>(false)) {
    vks::sim::simulator().onErrorReported([ended = ended_] {
        const QPointer<QWidget> screen = vks::cashier::activeScreen();
        if (screen.isNull()) return; // the module ends the call itself
        QTimer::singleShot(0, screen.data(), [screen, ended] {
            auto* dialog = qobject_cast<QDialog*>(screen.data());
            if (dialog == nullptr || !dialog->isVisible()) return;
            *ended = true;
            dialog->done(kScreenCancelled);
        });
    });
}

ErrorEndsTransaction::~ErrorEndsTransaction() { vks::sim::simulator().onErrorReported(nullptr); }

} // namespace vkshost
