#include "screens/base/SelfConfirm.h"

#include <QCoreApplication>
#include <QPushButton>
#include <QTimer>

#include "ui/Activation.h"

namespace vks {

SelfConfirm::SelfConfirm(QWidget& screen, QPushButton& confirm, std::function<void()> confirmFlow)
    : TClique(new QTimer(&screen)),
      screen_(screen),
      confirm_(confirm),
      confirmFlow_(std::move(confirmFlow)) {
    TClique->setObjectName(QStringLiteral("TClique"));
    TClique->setInterval(10);
    TClique->setSingleShot(true);
    QObject::connect(TClique, &QTimer::timeout, &screen, [this] { tick(); });
    new ui::ActivationWatcher(screen, [this] { activated(); });
}

void SelfConfirm::activated() {
    if (screen_.focusWidget() == &confirm_ && confirm_.isEnabled()) TClique->start();
}

void SelfConfirm::tick() {
    TClique->stop();
    QCoreApplication::processEvents();
    if (confirm_.isEnabled()) confirmFlow_();
}

} // namespace vks
