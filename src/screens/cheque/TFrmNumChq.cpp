#include "screens/cheque/TFrmNumChq.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/FieldText.h"
#include "core/Text.h"
#include "host/Messages.h"
#include "screens/ScreenNames.h"
#include "screens/base/ButtonPanel.h"
#include "screens/base/ScreenGeometry.h"
#include "screens/base/SharedMessages.h"
#include "screens/cheque/ChequeNumberGrid.h"
#include "ui/KeyPreview.h"

namespace vks {
namespace {

constexpr MessageId kInstallmentCaption = 1020;
constexpr MessageId kGridHint = 1021;
constexpr MessageId kRepeatedNumber = 1022;

// The number that follows `number` ("000123": "124"), without leading zeros.
QString followingNumber(const QString& number) {
    bool ok = false;
    const qlonglong value = number.toLongLong(&ok);
    return QString::number(ok && value >= 0 ? value + 1 : 1);
}

} // namespace

TFrmNumChq::TFrmNumChq(QDialog* opener)
    : TFrmMod(screen::TFrmNumChq),
      sale_(dynamic_cast<NumberedSale*>(opener)) {
    pnCaptura = new QFrame(this);
    pnCaptura->setObjectName(QStringLiteral("pnCaptura"));
    pnCaptura->setGeometry(geometry::kCapturePanel);
    auto* capture = new QVBoxLayout(pnCaptura);
    capture->setContentsMargins(12, 10, 12, 10);
    lbCartaoTerceiro = new QLabel(QStringLiteral("Números dos Cheques:"), pnCaptura);
    lbCartaoTerceiro->setObjectName(QStringLiteral("lbCartaoTerceiro"));
    capture->addWidget(lbCartaoTerceiro);
    auto* gridRow = new QHBoxLayout();
    gridRow->setSpacing(14);
    sg_NumChq1 = new ChequeNumberGrid("sg_NumChq1", pnCaptura);
    sg_NumChq2 = new ChequeNumberGrid("sg_NumChq2", pnCaptura);
    sg_NumChq3 = new ChequeNumberGrid("sg_NumChq3", pnCaptura);
    grids_ = {sg_NumChq1, sg_NumChq2, sg_NumChq3};
    for (std::size_t index = 0; index < grids_.size(); ++index) {
        gridRow->addWidget(grids_[index], 0, Qt::AlignTop);
        grids_[index]->onEnter = [this, index] { gridEnter(index); };
        hintOnEntry(*grids_[index], kGridHint);
    }
    gridRow->addStretch();
    capture->addLayout(gridRow);
    capture->addStretch();

    pnBotoes = new ButtonPanel(*this);
    btConfirma = pnBotoes->btConfirma;
    btRetorna = pnBotoes->btRetorna;
    connect(btConfirma, &QPushButton::clicked, this, [this] { btConfirmaClick(); });
    connect(btRetorna, &QPushButton::clicked, this, [this] { btRetornaClick(); });

    setTabSequence({sg_NumChq1, sg_NumChq2, sg_NumChq3, btConfirma, btRetorna});
    new ui::KeyPreview(*this, [this](QWidget* focus, const QKeyEvent& event, QString& key) {
        return pnBotoes->takeKeyAnywhere(event, key) || pnBotoes->takeKeyOnButton(focus, key);
    });
}

void TFrmNumChq::FormCreate() {
    TFrmMod::FormCreate();
    IniciaCamposForm();
}

void TFrmNumChq::IniciaCamposForm() {
    pnBotoes->setCaptions();
    pnBotoes->showButtons();

    const int cheques = sale_ != nullptr ? toInt(fieldBytes(sale_->numberOfInstallments()), 0) : 0;
    sg_NumChq2->setVisible(cheques > ChequeNumberGrid::kMaxRows);
    sg_NumChq3->setVisible(cheques > 2 * ChequeNumberGrid::kMaxRows);

    const QString caption = text(kInstallmentCaption);
    int ordinal = 0;
    for (ChequeNumberGrid* grid : grids_) {
        QStringList captions;
        for (int row = 0; row < ChequeNumberGrid::kMaxRows; ++row) {
            captions << QStringLiteral("%1ª %2").arg(++ordinal).arg(caption);
        }
        grid->setCaptions(captions);
    }
    // Only the grid where the cheques end is shortened.
    constexpr int kRows = ChequeNumberGrid::kMaxRows;
    if (cheques < kRows) {
        sg_NumChq1->setRows(cheques);
    } else if (cheques < 2 * kRows) {
        sg_NumChq2->setRows(cheques - kRows);
    } else if (cheques < 3 * kRows) {
        sg_NumChq3->setRows(cheques - 2 * kRows);
    }
}

void TFrmNumChq::FormShow() {
    TFrmMod::FormShow();
    if (sale_ == nullptr || sg_NumChq1->rowCount() == 0) return;
    sg_NumChq1->setNumber(0, sale_->firstChequeNumber());
    sg_NumChq1->setCurrent(0);
}

// Enter on a number: completed to six digits, refused when it repeats the
// one above, and the next number offered in the row that follows.
void TFrmNumChq::gridEnter(std::size_t index) {
    ChequeNumberGrid& grid = *grids_[index];
    const int row = grid.currentRow();
    if (row < 0) return;
    grid.setNumber(row,
                   fieldText(host().PreencherZerosEsquerda(fieldBytes(grid.number(row)), ChequeNumberGrid::kDigits)));
    if (row > 0 && grid.number(row) == grid.number(row - 1)) {
        messageLine().setMessage(catalogueText(kRepeatedNumber));
        grid.setNumber(row, QString());
        grid.setFocus();
        return;
    }
    const QString following = followingNumber(grid.number(row));
    if (row + 1 < grid.rowCount()) {
        grid.setCurrent(row + 1);
        grid.setNumber(row + 1, following);
        return;
    }
    ChequeNumberGrid* next = index + 1 < grids_.size() ? grids_[index + 1] : nullptr;
    if (next != nullptr && next->isVisibleTo(this) && next->rowCount() > 0) {
        next->setCurrent(0);
        next->setNumber(0, following);
        next->setFocus();
        return;
    }
    btConfirma->setFocus();
}

bool TFrmNumChq::ValidaCamposForm() {
    for (ChequeNumberGrid* grid : grids_) {
        if (!grid->isVisibleTo(this)) continue;
        for (int row = 0; row < grid->rowCount(); ++row) {
            const QString number = grid->number(row);
            if (!number.isEmpty() && toInt(fieldBytes(number), 0) != 0) continue;
            showError(msg::kChequeNumberInvalid);
            grid->setCurrent(row);
            grid->setFocus();
            return false;
        }
    }
    return true;
}

void TFrmNumChq::GravaCamposForm() {
    if (sale_ == nullptr) return;
    QStringList numbers = sg_NumChq1->numbers();
    if (sg_NumChq2->isVisibleTo(this)) {
        numbers << sg_NumChq2->numbers();
        if (sg_NumChq3->isVisibleTo(this)) numbers << sg_NumChq3->numbers();
    }
    sale_->replaceChequeNumbers(numbers);
}

void TFrmNumChq::btConfirmaClick() {
    if (!ValidaCamposForm()) return;
    GravaCamposForm();
    done(kModalOk);
}

void TFrmNumChq::btRetornaClick() { done(kModalCancel); }

} // namespace vks
