#pragma once

#include <array>

#include <QPushButton>

#include "screens/base/TFrmMod.h"

namespace vks {

class ChequeNumberGrid;
class TFrmVCheque_AutGen;

// The numbers of the cheques of a sale in installments, one row per cheque
// (15 at most, in three grids of five), typed on their own screen opened by
// the cheque sale. Consecutive numbers are offered as the cashier advances;
// on confirmation they become the sale screen's list of cheque numbers.
class TFrmNumChq : public TFrmMod {
public:
    TFrmNumChq();

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
    QFrame* pnBotoes;
    QPushButton* btConfirma;
    QPushButton* btRetorna;

private:
    void gridEnter(std::size_t index);
    bool previewKey(QWidget* focus, const QKeyEvent& event, const QString& key);

    std::array<ChequeNumberGrid*, 3> grids_;
};

} // namespace vks
