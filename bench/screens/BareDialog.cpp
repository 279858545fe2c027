#include "BareDialog.h"

#include <algorithm>

#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

namespace vks::bench {
namespace {

constexpr int kWidth = 623;
constexpr int kHeight = 423;

// Starts the 10 ms confirmation on the dialog's first activation, from the
// event loop once the activation is done (as the screens do).
class ConfirmOnActivation final : public QObject {
public:
    ConfirmOnActivation(QDialog& dialog, QPushButton& button)
        : QObject(&dialog),
          dialog_(dialog),
          button_(button) {
        timer_.setSingleShot(true);
        timer_.setInterval(10);
        connect(&timer_, &QTimer::timeout, &dialog_, [this] {
            if (button_.isEnabled()) dialog_.accept();
        });
        dialog.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::WindowActivate) {
            QTimer::singleShot(0, this, [this] {
                if (dialog_.focusWidget() == &button_) timer_.start();
            });
        }
        return false;
    }

private:
    QDialog& dialog_;
    QPushButton& button_;
    QTimer timer_;
};

} // namespace

BareDialog::BareDialog(int widgets) {
    setFixedSize(kWidth, kHeight);
    const int children = std::max(widgets - 1, 1);
    int y = 4;
    int x = 4;
    for (int i = 0; i + 1 < children; ++i) {
        QWidget* child = nullptr;
        if (i % 2 == 0) {
            child = new QLabel(QStringLiteral("Rótulo %1:").arg(i), this);
        } else {
            child = new QLineEdit(this);
        }
        child->setGeometry(x, y, 140, 20);
        x += 150;
        if (x + 140 > kWidth) {
            x = 4;
            y = (y + 22) % (kHeight - 60);
        }
    }
    button_ = new QPushButton(QStringLiteral("&Confirmar"), this);
    button_->setGeometry(kWidth - 110, kHeight - 40, 100, 28);
}

void BareDialog::confirmItself() {
    for (QWidget* child : findChildren<QWidget*>()) {
        if (child != button_) child->setEnabled(false);
    }
    button_->setFocus();
    new ConfirmOnActivation(*this, *button_);
}

int widgetCount(const QWidget& window) { return int(window.findChildren<QWidget*>().size()) + 1; }

} // namespace vks::bench
