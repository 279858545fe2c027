#include "screens/base/TFrmCaptura.h"

#include <algorithm>
#include <limits>

#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "core/FieldText.h"
#include "core/ModuleState.h"
#include "core/Text.h"
#include "host/Messages.h"
#include "host/ServiceX.h"
#include "screens/base/AmountEdit.h"
#include "screens/base/ButtonPanel.h"
#include "screens/base/FieldStore.h"
#include "screens/base/ScreenGeometry.h"
#include "ui/CardEdit.h"
#include "ui/InputLock.h"
#include "ui/KeyFilters.h"
#include "ui/KeyPreview.h"
#include "ui/MaskedEdit.h"

namespace vks {
namespace {

constexpr MessageId kConfirmHint = 46;
constexpr MessageId kCancelHint = 48;

// The layout of a screen that sends nothing: the header alone.
const VksRequestLayout& emptyLayout() {
    static const VksRequestLayout layout = [] {
        VksRequestLayout empty{};
        empty.entries[0].field = 65535;
        empty.entries[0].fixed_text = "";
        return empty;
    }();
    return layout;
}

} // namespace

TFrmCaptura::TFrmCaptura(std::string_view className)
    : TFrmMod(className) {
    pnCaptura = new QFrame(this);
    pnCaptura->setObjectName(QStringLiteral("pnCaptura"));
    pnCaptura->setGeometry(geometry::kCapturePanel);
    captureGrid_ = new QGridLayout(pnCaptura);
    captureGrid_->setContentsMargins(12, 10, 12, 10);
    captureGrid_->setHorizontalSpacing(10);
    captureGrid_->setVerticalSpacing(8);
    captureGrid_->setColumnStretch(2, 1);
    captureGrid_->setRowStretch(99, 1);

    pnBotoes = new ButtonPanel(*this);
    btConfirma = pnBotoes->btConfirma;
    btRetorna = pnBotoes->btRetorna;
    connect(btConfirma, &QPushButton::clicked, this, [this] { btConfirmaClick(); });
    connect(btRetorna, &QPushButton::clicked, this, [this] { btRetornaClick(); });
    hintOnEntry(*btConfirma, kConfirmHint);
    hintOnEntry(*btRetorna, kCancelHint);

    new ui::KeyPreview(*this, [this](QWidget* focus, const QKeyEvent& event, QString& key) {
        return FormKeyPress(focus, event, key);
    });
    updateTabOrder();
}

void TFrmCaptura::armEnterMovesOn() { state().bControlaKeyPreview = true; }

void TFrmCaptura::disarmEnterMovesOn() { state().bControlaKeyPreview = false; }

void TFrmCaptura::FormCreate() {
    TFrmMod::FormCreate();
    armEnterMovesOn();
    IniciaCamposForm();
}

void TFrmCaptura::setVisible(bool visible) {
    // The buttons appear with the screen, so that its first layout pass
    // places them too and none follows.
    if (visible && !isVisible()) {
        btConfirma->show();
        btRetorna->show();
    }
    TFrmMod::setVisible(visible);
}

void TFrmCaptura::FormShow() {
    pnBotoes->showButtons();
    TFrmMod::FormShow();
}

bool TFrmCaptura::GravaCamposKovar() { return true; }

bool TFrmCaptura::VerificaAutorizaTransacao() { return AutorizaTransacao(1); }

void TFrmCaptura::IniciaCamposForm() {
    pnBotoes->setCaptions();
    for (const auto& [label, caption] : captions_) label->setText(text(caption));
}

bool TFrmCaptura::AutorizaTransacao(int mode) {
    return host().AutorizaTransacao(layout_ != nullptr ? *layout_ : emptyLayout(), messageLine(), mode);
}

void TFrmCaptura::btConfirmaClick() {
    disarmEnterMovesOn();
    if (!ValidaCamposForm()) return;
    if (!GravaCamposKovar()) return;
    lockForRequest();
    // The host holds the event loop while it sends the request: the cashier
    // sees the buttons locked now, not once the answer is in.
    ui::paintPending(*this);
    AutorizaTransacao(0);
    if (toInt(fields::read(field::ConfirmationSwitch), 255) == 0 && toInt(fields::read(field::ServiceXSwitch), 0) > 0 &&
        !TrataServicoX_VKS()) {
        return; // reported to the host; the screen takes no more input
    }
    if (toInt(fields::read(field::ReceiptCopies), 0) > 0) host().KovarSetaViasCupomModulo(1);
    host().KovarGravaArquivo();
    done(kModalOk);
}

void TFrmCaptura::btRetornaClick() { done(kModalCancel); }

void TFrmCaptura::lockForRequest() {
    if (inputLock_ == nullptr) inputLock_ = new ui::InputLock(*this);
    // A disabled button hands its focus on to the next control, whose entry
    // hint and handler would run mid-request; the focus goes nowhere instead,
    // as it does when a window of the screens' original toolkit is disabled.
    if (QWidget* focus = focusWidget(); focus != nullptr && pnBotoes->holds(focus)) focus->clearFocus();
    btConfirma->setEnabled(false);
    btRetorna->setEnabled(false);
}

bool TFrmCaptura::FormKeyPress(QWidget* focus, const QKeyEvent& event, QString& key) {
    if (pnBotoes->takeKeyAnywhere(event, key)) return true;

    key = fieldText(host().ValKeyBoard(fieldBytes(key)));
    const bool onButton = pnBotoes->holds(focus);
    bool used = false;
    if (state().bControlaKeyPreview && key == QLatin1String("\r") && !onButton) {
        focusNextControl();
        used = true;
    }
    armEnterMovesOn();
    if (used || !onButton) return used;
    return pnBotoes->takeKeyOnButton(focus, key);
}

void TFrmCaptura::place(QWidget& control, const Control& declared) {
    control.setObjectName(QLatin1String(declared.name));
    control.setFocusPolicy(Qt::StrongFocus);
    control.setContextMenuPolicy(Qt::NoContextMenu);
    control.setAcceptDrops(false);
    const int row = rows_++;
    if (declared.label != nullptr) {
        auto* label = new QLabel(QString::fromUtf8(declared.design), pnCaptura);
        label->setObjectName(QLatin1String(declared.label));
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        label->setBuddy(nullptr);
        captureGrid_->addWidget(label, row, 0);
        labels_[&control] = label;
        if (declared.caption != 0) captions_.emplace_back(label, declared.caption);
    }
    captureGrid_->addWidget(&control, row, 1);
    if (declared.hint != 0) hintOnEntry(control, declared.hint);
    installKeys(control, declared.keys);
    captureOrder_.push_back(&control);
    updateTabOrder();
}

QLineEdit* TFrmCaptura::addEdit(const Control& control) {
    auto* edit = new QLineEdit(pnCaptura);
    sizeEdit(*edit, control.maxLength);
    place(*edit, control);
    return edit;
}

ui::MaskedEdit* TFrmCaptura::addMaskedEdit(const Control& control) {
    auto* edit = new ui::MaskedEdit(pnCaptura);
    if (control.mask != nullptr) edit->setEditMask(QString::fromUtf8(control.mask));
    sizeEdit(*edit, control.maxLength, control.mask != nullptr);
    place(*edit, control);
    return edit;
}

ui::CardEdit* TFrmCaptura::addCardEdit(const Control& control) {
    auto* edit = new ui::CardEdit(pnCaptura);
    sizeEdit(*edit, control.maxLength);
    place(*edit, control);
    return edit;
}

QComboBox* TFrmCaptura::addList(const Control& control, const QStringList& items) {
    auto* list = new QComboBox(pnCaptura);
    list->setEditable(false);
    list->addItems(items);
    list->setCurrentIndex(-1);
    list->setMinimumWidth(260);
    list->setMaxVisibleItems(items.size());
    place(*list, control);
    return list;
}

QLabel* TFrmCaptura::labelOf(const QWidget& control) const {
    const auto it = labels_.find(&control);
    return it == labels_.end() ? nullptr : it->second;
}

void TFrmCaptura::showWithLabel(QWidget& control, bool shown) {
    control.setVisible(shown);
    if (QLabel* label = labelOf(control)) label->setVisible(shown);
}

void TFrmCaptura::setCaptureTabOrder(std::vector<QWidget*> controls) {
    captureOrder_ = std::move(controls);
    updateTabOrder();
    arrangeRowsInTabOrder();
}

void TFrmCaptura::declareCapture(const CaptureDeclaration& capture) {
    startAsDeclared(capture);
    setCaptureTabOrder(controlsOf(capture));
}

void TFrmCaptura::startAsDeclared(const CaptureDeclaration& capture) {
    for (const auto& [control, start] : capture) {
        if (startsAs(start, Start::Amount)) handleAsAmount(static_cast<QLineEdit&>(*control));
        if (startsAs(start, Start::Hidden)) showWithLabel(*control, false);
        if (startsAs(start, Start::Disabled)) control->setEnabled(false);
    }
}

void TFrmCaptura::arrangeRowsInTabOrder() {
    // Rows follow the tab order, so that Enter always moves down the screen;
    // controls outside the order keep their turn below.
    std::vector<QWidget*> rows = captureOrder_;
    for (int i = 0; i < captureGrid_->count(); ++i) {
        int row = 0, column = 0, rowSpan = 0, columnSpan = 0;
        captureGrid_->getItemPosition(i, &row, &column, &rowSpan, &columnSpan);
        QWidget* control = captureGrid_->itemAt(i)->widget();
        if (column == 1 && control != nullptr && std::find(rows.begin(), rows.end(), control) == rows.end()) {
            rows.push_back(control);
        }
    }
    for (QWidget* control : rows) {
        captureGrid_->removeWidget(control);
        if (QLabel* label = labelOf(*control)) captureGrid_->removeWidget(label);
    }
    int row = 0;
    for (QWidget* control : rows) {
        if (control->parentWidget() != pnCaptura) continue;
        if (QLabel* label = labelOf(*control)) captureGrid_->addWidget(label, row, 0);
        captureGrid_->addWidget(control, row++, 1);
    }
    rows_ = row;
}

void TFrmCaptura::updateTabOrder() {
    std::vector<QWidget*> order = captureOrder_;
    order.push_back(btConfirma);
    order.push_back(btRetorna);
    setTabSequence(std::move(order));
}

} // namespace vks
