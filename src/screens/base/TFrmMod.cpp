#include "screens/base/TFrmMod.h"

#include <QFrame>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>

#include "core/FieldText.h"
#include "core/ModuleFile.h"
#include "core/ModuleState.h"
#include "host/Messages.h"
#include "screens/ScreenTable.h"
#include "screens/base/ScreenGeometry.h"
#include "ui/EntryHint.h"
#include "ui/InputLock.h"
#include "ui/MaskedEdit.h"
#include "ui/MessageBox.h"
#include "ui/OwnerWindow.h"
#include "ui/Pictures.h"
#include "ui/ScreenLook.h"
#include "ui/TabOrder.h"

namespace vks {
namespace {

const QColor kNavy(0x00, 0x00, 0x80);
const QColor kTitleColour(Qt::white);

QLabel* makeLabel(QWidget& parent, const char* name, const QString& text, const QRect& geometry) {
    auto* label = new QLabel(text, &parent);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(geometry);
    return label;
}

void makeBold(QWidget& widget) {
    QFont font = widget.font();
    font.setBold(true);
    widget.setFont(font);
}

} // namespace

void setFixedColour(QWidget& widget, const QColor& colour) {
    QPalette palette = widget.palette();
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        palette.setColor(group, QPalette::WindowText, colour);
    }
    widget.setPalette(palette);
}

void TFrmMod::LabelLine::setMessage(const std::string& text) {
    screen_.lbMensagem->setVisible(true);
    screen_.lbMensagem->setText(fieldText(text));
    // The host writes here while it holds the event loop (authorization
    // progress): shown at once, or the cashier would never see it.
    ui::paintPending(screen_);
}

TFrmMod::TFrmMod(std::string_view className)
    : referenceName_(referenceNameOf(className)),
      messageLine_(*this) {
    setObjectName(fieldText(referenceName_));
    setWindowFlags(Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    setFixedSize(kWidth, kHeight);
    ui::makeLockedValuesReadable(*this);
    new ui::FocusCue(*this);

    ImgFundo = makeLabel(*this, "ImgFundo", QString(), rect());
    ImgFundo->setPixmap(ui::backgroundPicture(ImgFundo->size()));
    // The picture covers the whole screen: nothing under it is painted.
    ImgFundo->setAttribute(Qt::WA_OpaquePaintEvent);

    lbTitulo = makeLabel(*this, "lbTitulo", QStringLiteral("FORMULÁRIO PADRÃO"), geometry::kTitle);
    makeBold(*lbTitulo);
    setFixedColour(*lbTitulo, kTitleColour);

    lbMensagem =
        makeLabel(*this, "lbMensagem", QStringLiteral("Mensagem informativa ao operador"), geometry::kMessageLine);
    makeBold(*lbMensagem);
    setFixedColour(*lbMensagem, kNavy);

    panelLogo = new QFrame(this);
    panelLogo->setObjectName(QStringLiteral("panelLogo"));
    panelLogo->setGeometry(geometry::kLogoPanel);
    ImageLogo = makeLabel(*panelLogo, "ImageLogo", QString(), QRect(QPoint(0, 0), geometry::kLogoPanel.size()));
    ImageLogo->setPixmap(ui::logoPicture(ImageLogo->size()));

    lbVersao = makeLabel(*this, "lbVersao", QString(), geometry::kVersion);
    lbVersao->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    makeBold(*lbVersao);
    setFixedColour(*lbVersao, kNavy);

    ui::attachToOwner(*this);
}

TFrmMod::~TFrmMod() { host().GravaAudit("Destruiu: " + referenceName_); }

void TFrmMod::FormCreate() {
    state().versaoDoModulo = host().GetBuildInfo(moduleFilePath());
    const std::string title = "VKS - v" + state().versaoDoModulo;
    lbVersao->setText(fieldText(title));
    state().tituloAplicacao = title;
    host().GravaAudit("Criou: " + referenceName_);
}

void TFrmMod::FormShow() {
    setFixedSize(kWidth, kHeight);
    centre();
    host().ColocaJanelaEmPrimeiroPlano(state().ownerWindow);
    lbMensagem->clear();
    setFocus();
    focusFirstControl();
}

void TFrmMod::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) FormShow();
}

void TFrmMod::keyPressEvent(QKeyEvent* event) { event->ignore(); }

void TFrmMod::centre() {
    const QScreen* where = screen() != nullptr ? screen() : QGuiApplication::primaryScreen();
    if (where == nullptr) return;
    const QRect area = where->availableGeometry();
    move(area.center() - QPoint(kWidth / 2, kHeight / 2));
}

QString TFrmMod::text(MessageId message) { return fieldText(catalogueText(message)); }

void TFrmMod::hintOnEntry(QWidget& control, MessageId message) {
    new ui::EntryHint(control, *lbMensagem, [message] { return text(message); });
}

void TFrmMod::setTabSequence(std::vector<QWidget*> controls) { tabSequence_ = std::move(controls); }

void TFrmMod::focusFirstControl() {
    if (QWidget* first = ui::firstTabStop(*this, tabSequence_)) first->setFocus(Qt::TabFocusReason);
}

void TFrmMod::focusNextControl() {
    if (QWidget* next = ui::nextTabStop(*this, tabSequence_, focusWidget())) next->setFocus(Qt::TabFocusReason);
}

bool TFrmMod::focusNextPrevChild(bool next) {
    QWidget* to = ui::nextTabStop(*this, tabSequence_, focusWidget(), next);
    if (to != nullptr) to->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    return true;
}

void TFrmMod::showError(MessageId message, std::initializer_list<std::string_view> args) {
    ui::showMessage(catalogueText(message, args), this);
}

bool TFrmMod::rejectInput(MessageId message, QWidget& control, Retry retry,
                          std::initializer_list<std::string_view> args) {
    showError(message, args);
    const bool enable = retry == Retry::EnableClearFocus || retry == Retry::EnableFocus;
    if (enable) control.setEnabled(true);
    const bool usable = control.isEnabled() && control.isVisibleTo(this);
    if (usable && (retry == Retry::EnableClearFocus || retry == Retry::ClearFocusIfEnabled)) {
        if (auto* masked = qobject_cast<ui::MaskedEdit*>(&control)) {
            masked->clearMasked();
        } else if (auto* edit = qobject_cast<QLineEdit*>(&control)) {
            edit->clear();
        }
    }
    if (usable) {
        control.setFocus(Qt::OtherFocusReason);
    } else {
        focusFirstControl();
    }
    return false;
}

} // namespace vks
