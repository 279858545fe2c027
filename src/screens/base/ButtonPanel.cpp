#include "screens/base/ButtonPanel.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPushButton>

#include "core/FieldText.h"
#include "host/Messages.h"
#include "screens/base/ScreenGeometry.h"

namespace vks {
namespace {

constexpr MessageId kConfirmCaption = 553;
constexpr MessageId kCancelCaption = 554;

QPushButton* makeButton(QWidget& panel, const char* name, const char* design) {
    auto* button = new QPushButton(&panel);
    button->setObjectName(QLatin1String(name));
    button->setAutoDefault(false);
    button->setDefault(false);
    button->setMinimumSize(150, 32);
    button->setFocusPolicy(Qt::StrongFocus);
    setButtonCaption(*button, QString::fromUtf8(design));
    button->hide();
    return button;
}

// A hidden or disabled button ignores its key, which is used up all the same.
bool press(QPushButton* button) {
    if (button->isEnabled() && button->isVisible()) button->click();
    return true;
}

} // namespace

void setButtonCaption(QPushButton& button, const QString& caption) {
    button.setText(caption);
    button.setShortcut(QKeySequence());
}

ButtonPanel::ButtonPanel(QWidget& screen)
    : QFrame(&screen),
      btConfirma(makeButton(*this, "btConfirma", "&1 - Confirma")),
      btRetorna(makeButton(*this, "btRetorna", "&9 - Cancela")) {
    setObjectName(QStringLiteral("pnBotoes"));
    setGeometry(geometry::kButtonPanel);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 4, 0, 4);
    row->setSpacing(24);
    row->addStretch();
    row->addWidget(btConfirma);
    row->addWidget(btRetorna);
    row->addStretch();
}

void ButtonPanel::setCaptions() {
    setButtonCaption(*btConfirma, fieldText(catalogueText(kConfirmCaption)));
    setButtonCaption(*btRetorna, fieldText(catalogueText(kCancelCaption)));
}

void ButtonPanel::showButtons() {
    btConfirma->show();
    btRetorna->show();
}

bool ButtonPanel::takeKeyAnywhere(const QKeyEvent& event, const QString& key) const {
    // Escape is the cashier's cancel key and nothing else.
    if (event.key() == Qt::Key_Escape) return press(btRetorna);
    if (!(event.modifiers() & Qt::AltModifier)) return false;
    if (key == QLatin1String("1")) return press(btConfirma);
    if (key == QLatin1String("9")) return press(btRetorna);
    return true;
}

bool ButtonPanel::holds(const QWidget* focus) const { return focus == btConfirma || focus == btRetorna; }

bool ButtonPanel::takeKeyOnButton(QWidget* focus, const QString& key) const {
    if (!holds(focus)) return false;
    if (key == QLatin1String("\r")) return press(static_cast<QPushButton*>(focus));
    if (key == QLatin1String("1")) return press(btConfirma);
    if (key == QLatin1String("9")) return press(btRetorna);
    return false;
}

} // namespace vks
