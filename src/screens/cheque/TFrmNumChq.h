#pragma once

#include <array>

#include <QStringList>

#include "screens/base/TFrmMod.h"

class QPushButton;

namespace vks {

class ButtonPanel;
class ChequeNumberGrid;

// What the cheque-number screen reads from the sale whose cheques it
// numbers, and fills in it.
class NumberedSale {
public:
    // The number of cheques as shown.
    virtual QString numberOfInstallments() const = 0;
    virtual QString firstChequeNumber() const = 0;
    virtual void replaceChequeNumbers(const QStringList& numbers) = 0;

protected:
    ~NumberedSale() = default;
};

// The numbers of the cheques of a sale in installments, one row per cheque
// (15 at most, in three grids of five), typed on their own screen opened by
// the cheque sale. Consecutive numbers are offered as the cashier advances;
// on confirmation they become the sale's list of cheque numbers.
class TFrmNumChq : public TFrmMod {
public:
    // `opener`: the sale that opens the screen; without one there are no
    // cheques to number.
    explicit TFrmNumChq(QDialog* opener = nullptr);

    void FormCreate() override;

    void IniciaCamposForm();
    bool ValidaCamposForm();
    void GravaCamposForm();

    void btConfirmaClick();
    void btRetornaClick();

protected:
    void FormShow() override;

    QFrame* pnCaptura;
    QLabel* lbCartaoTerceiro;
    ChequeNumberGrid* sg_NumChq1;
    ChequeNumberGrid* sg_NumChq2;
    ChequeNumberGrid* sg_NumChq3;
    ButtonPanel* pnBotoes;
    QPushButton* btConfirma;
    QPushButton* btRetorna;

private:
    void gridEnter(std::size_t index);

    NumberedSale* sale_;
    std::array<ChequeNumberGrid*, 3> grids_;
};

} // namespace vks
