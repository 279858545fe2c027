#include "screens/base/TFrmCaptura.h"

#include <algorithm>
#include <limits>

#include <QAbstractButton>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "entry/CardReading.h"
#include "entry/ModuleState.h"
#include "host/Messages.h"
#include "ui/CardEdit.h"
#include "ui/KeyFilters.h"
#include "ui/KeyPreview.h"
#include "ui/MaskedEdit.h"

namespace vks {
namespace {

constexpr MessageId kConfirmCaption = 553;
constexpr MessageId kCancelCaption = 554;
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

// The list as the host's stepping routine sees it.
class ComboList final : public ComboAccess {
public:
    explicit ComboList(QComboBox& combo) : combo_(combo) {}
    int count() const override { return combo_.count(); }
    int current() const override { return combo_.currentIndex(); }
    void select(int index) override { combo_.setCurrentIndex(index >= -1 && index < combo_.count() ? index : -1); }

private:
    QComboBox& combo_;
};

// "2" selects the next item (from none the first), "8" the previous one
// (never above the first); true when the key was one of them.
bool stepList(QComboBox& list, const QString& key) {
    const int current = list.currentIndex();
    if (key == QLatin1String("2")) {
        if (current < list.count() - 1) list.setCurrentIndex(current + 1);
        return true;
    }
    if (key == QLatin1String("8")) {
        if (current > 0) list.setCurrentIndex(current - 1);
        return true;
    }
    return key == QLatin1String(" "); // a blank would open the pop-up
}

void installKeys(QWidget& control, Keys keys) {
    switch (keys) {
    case Keys::Any:
        break;
    case Keys::Digits:
        new ui::CharFilter(control, ui::isDigitBackspaceEnter);
        break;
    case Keys::HostNumeric:
        new ui::CharFilter(control, [](const QString& key) {
            return !host().PermiteNumerico_BS_Enter(key.toStdString()).empty();
        });
        break;
    case Keys::OwnSteps:
        if (auto* combo = qobject_cast<QComboBox*>(&control)) {
            new ui::CharHandler(control, [combo](const QString& key) { return stepList(*combo, key); });
        }
        break;
    case Keys::ListSteps:
        if (auto* combo = qobject_cast<QComboBox*>(&control)) {
            new ui::CharHandler(control, [combo](const QString& key) {
                // A blank would open the pop-up, which a list of the screens
                // never does from the keyboard.
                if (key == QLatin1String(" ")) return true;
                ComboList list(*combo);
                // Keys the host does not use up reach the list, which selects
                // the item starting with a typed character.
                return host().AvancaRetrocedeItemComboBox(list, key.toStdString()).empty();
            });
        }
        break;
    }
}

bool isButton(const QWidget* w) { return qobject_cast<const QAbstractButton*>(w) != nullptr; }

} // namespace

void setButtonCaption(QPushButton& button, const QString& caption) {
    button.setText(caption);
    button.setShortcut(QKeySequence());
}

TFrmCaptura::TFrmCaptura(std::string_view className) : TFrmMod(className) {
    pnCaptura = new QFrame(this);
    pnCaptura->setObjectName(QStringLiteral("pnCaptura"));
    pnCaptura->setGeometry(20, 58, 583, 252);
    captureGrid_ = new QGridLayout(pnCaptura);
    captureGrid_->setContentsMargins(12, 10, 12, 10);
    captureGrid_->setHorizontalSpacing(10);
    captureGrid_->setVerticalSpacing(8);
    captureGrid_->setColumnStretch(2, 1);
    captureGrid_->setRowStretch(99, 1);

    pnBotoes = new QFrame(this);
    pnBotoes->setObjectName(QStringLiteral("pnBotoes"));
    pnBotoes->setGeometry(20, 316, 583, 44);
    auto* row = new QHBoxLayout(pnBotoes);
    row->setContentsMargins(0, 4, 0, 4);
    row->setSpacing(24);
    row->addStretch();
    for (auto [button, name, design] : {std::tuple{&btConfirma, "btConfirma", "&1 - Confirma"},
                                         std::tuple{&btRetorna, "btRetorna", "&9 - Cancela"}}) {
        *button = new QPushButton(pnBotoes);
        (*button)->setObjectName(QLatin1String(name));
        (*button)->setAutoDefault(false);
        (*button)->setDefault(false);
        (*button)->setMinimumSize(150, 32);
        (*button)->setFocusPolicy(Qt::StrongFocus);
        setButtonCaption(**button, QString::fromUtf8(design));
        (*button)->hide();
        row->addWidget(*button);
    }
    row->addStretch();
    connect(btConfirma, &QPushButton::clicked, this, [this] { btConfirmaClick(); });
    connect(btRetorna, &QPushButton::clicked, this, [this] { btRetornaClick(); });
    hintOnEntry(*btConfirma, kConfirmHint);
    hintOnEntry(*btRetorna, kCancelHint);

    new ui::KeyPreview(*this, [this](QWidget* focus, const QKeyEvent& event, QString& key) {
        return FormKeyPress(focus, event, key);
    });
    updateTabOrder();
}

void TFrmCaptura::FormCreate() {
    TFrmMod::FormCreate();
    state().bControlaKeyPreview = true;
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
    btConfirma->show();
    btRetorna->show();
    TFrmMod::FormShow();
}

bool TFrmCaptura::GravaCamposKovar() { return true; }

bool TFrmCaptura::VerificaAutorizaTransacao() { return AutorizaTransacao(1); }

void TFrmCaptura::IniciaCamposForm() {
    setButtonCaption(*btConfirma, text(kConfirmCaption));
    setButtonCaption(*btRetorna, text(kCancelCaption));
    for (const auto& [label, caption] : captions_) label->setText(text(caption));
}

bool TFrmCaptura::AutorizaTransacao(int mode) {
    return host().AutorizaTransacao(layout_ != nullptr ? *layout_ : emptyLayout(), messageLine(), mode);
}

void TFrmCaptura::btConfirmaClick() {
    state().bControlaKeyPreview = false;
    if (!ValidaCamposForm()) return;
    if (!GravaCamposKovar()) return;
    setEnabled(false);
    btConfirma->setEnabled(false);
    btRetorna->setEnabled(false);
    AutorizaTransacao(0);
    if (toInt(host().LeCampo(field::ConfirmationSwitch), 255) == 0 &&
        toInt(host().LeCampo(field::ServiceXSwitch), 0) > 0 && !TrataServicoX_VKS()) {
        return; // reported to the host; the screen takes no more input
    }
    if (toInt(host().LeCampo(field::ReceiptCopies), 0) > 0) host().KovarSetaViasCupomModulo(1);
    host().KovarGravaArquivo();
    done(kModalOk);
}

void TFrmCaptura::btRetornaClick() { done(kModalCancel); }

bool TFrmCaptura::FormKeyPress(QWidget* focus, const QKeyEvent& event, QString& key) {
    auto press = [](QPushButton* button) {
        if (button->isEnabled() && button->isVisible()) button->click();
        return true;
    };
    // Escape is the cashier's cancel key and nothing else.
    if (event.key() == Qt::Key_Escape) return press(btRetorna);
    // The buttons' mnemonics: Alt+1 and Alt+9 wherever the focus is.
    if (event.modifiers() & Qt::AltModifier) {
        if (key == QLatin1String("1")) return press(btConfirma);
        if (key == QLatin1String("9")) return press(btRetorna);
        return true;
    }

    key = QString::fromStdString(host().ValKeyBoard(key.toStdString()));
    bool used = false;
    if (state().bControlaKeyPreview && key == QLatin1String("\r") && !isButton(focus)) {
        focusNextControl();
        used = true;
    }
    state().bControlaKeyPreview = true;
    if (used || !isButton(focus)) return used;

    // A button has the focus: Enter presses it, 1 and 9 press theirs.
    if (key == QLatin1String("\r")) return press(static_cast<QPushButton*>(focus));
    if (key == QLatin1String("1")) return press(btConfirma);
    if (key == QLatin1String("9")) return press(btRetorna);
    return false;
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

namespace {

// An edit field wide enough for the longest text the cashier may type, and
// no more typed into it. A mask bounds what is typed by itself.
void sizeEdit(QLineEdit& edit, int maxLength, bool masked = false) {
    if (!masked) {
        // Qt's own ceiling (32767) would cut a longer value from the host.
        edit.setMaxLength(std::numeric_limits<int>::max());
        if (maxLength > 0) ui::limitTyping(edit, maxLength);
    }
    const int chars = maxLength > 0 ? std::min(maxLength, 40) : 20;
    edit.setFixedWidth(edit.fontMetrics().horizontalAdvance(QLatin1Char('0')) * (chars + 2) + 12);
}

} // namespace

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
