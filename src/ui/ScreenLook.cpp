#include "ui/ScreenLook.h"

#include <QApplication>
#include <QEvent>
#include <QPainter>
#include <QPalette>
#include <QWidget>

namespace vks::ui {
namespace {

// Dark grey on the toolkit's light grey of a disabled field: about 10:1.
const QColor kLockedText(0x30, 0x30, 0x30);
const QColor kCueColour(0x00, 0x00, 0x80);
constexpr int kCueWidth = 2;

// The frame: a ring drawn just outside the control, through which clicks pass.
class FocusFrame final : public QWidget {
public:
    explicit FocusFrame(QWidget* parent)
        : QWidget(parent) {
        setObjectName(QStringLiteral("focusCue"));
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setFocusPolicy(Qt::NoFocus);
        hide();
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        QPen pen(kCueColour, kCueWidth);
        pen.setJoinStyle(Qt::MiterJoin);
        painter.setPen(pen);
        painter.drawRect(QRectF(rect()).adjusted(kCueWidth / 2.0, kCueWidth / 2.0, -kCueWidth / 2.0, -kCueWidth / 2.0));
    }
};

} // namespace

void makeLockedValuesReadable(QWidget& screen) {
    // One palette for every screen, registered with the application for the
    // screens' class, which the screen takes when it is polished (shown). A
    // palette set on each screen is a new palette every time: the style's
    // cache of drawn controls, keyed by palette, then never served a later
    // screen and kept growing, transaction after transaction.
    const char* screenClass = screen.metaObject()->className();
    if (QApplication::palette(screenClass).color(QPalette::Disabled, QPalette::Text) == kLockedText) return;
    QPalette palette = QApplication::palette();
    for (auto role : {QPalette::Text, QPalette::ButtonText, QPalette::WindowText}) {
        palette.setColor(QPalette::Disabled, role, kLockedText);
    }
    // Taken whole (no roles marked as set), so that each screen and its
    // controls hold this very palette rather than a copy resolved from it.
    palette.setResolveMask(0);
    QApplication::setPalette(palette, screenClass);
}

FocusCue::FocusCue(QWidget& screen)
    : QObject(&screen),
      screen_(&screen),
      frame_(new FocusFrame(&screen)) {
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) { focusMoved(now); });
}

bool FocusCue::eventFilter(QObject* watched, QEvent* event) {
    if (watched == control_) {
        switch (event->type()) {
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::Show:
        case QEvent::Hide:
        case QEvent::EnabledChange:
            follow();
            break;
        default:
            break;
        }
    }
    return false;
}

void FocusCue::focusMoved(QWidget* now) {
    if (screen_ == nullptr || (now != nullptr && now->window() != screen_)) return;
    if (now == screen_) now = nullptr; // the screen itself shows no frame
    if (now == control_) return;
    if (control_ != nullptr) control_->removeEventFilter(this);
    control_ = now;
    if (control_ != nullptr) control_->installEventFilter(this);
    follow();
}

void FocusCue::follow() {
    if (control_ == nullptr || !control_->isVisible() || !control_->isEnabled()) {
        frame_->hide();
        return;
    }
    QWidget* host = control_->parentWidget();
    if (frame_->parentWidget() != host) frame_->setParent(host);
    frame_->setGeometry(control_->geometry().adjusted(-kCueWidth, -kCueWidth, kCueWidth, kCueWidth));
    frame_->raise();
    frame_->show();
}

} // namespace vks::ui
