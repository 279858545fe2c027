#pragma once

#include <QStringList>

#include "screens/cheque/MilesCodes.h"
#include "screens/cheque/PaymentPlan.h"
#include "screens/cheque/SaleKind.h"
#include "screens/cheque/TFrmAutGen_VKSTrn.h"
#include "screens/cheque/TFrmNumChq.h"

class QComboBox;

namespace vks {

namespace ui {
class CardEdit;
} // namespace ui

// Cheque sale with generic authorization (transaction type 18): the sale
// the host put in the field store (total, installments, interest, down
// payment, bank, miles, sale kind) shown locked where supplied, completed by
// the cashier, and sent with the financed amount and one cheque number per
// installment.
class TFrmVCheque_AutGen : public TFrmAutGen_VKSTrn, public NumberedSale {
public:
    TFrmVCheque_AutGen();

    bool ValidaCamposForm() override;
    bool GravaCamposKovar() override;
    void IniciaCamposForm() override;

    QString numberOfInstallments() const override { return edNumParcelas->text(); }
    QString firstChequeNumber() const override { return edNumChequeEntr->text(); }
    void replaceChequeNumbers(const QStringList& numbers) override { plan_.replaceChequeNumbers(numbers); }

protected:
    bool FormKeyPress(QWidget* focus, const QKeyEvent& event, QString& key) override;

    // The sale's own controls, created in the order the cashier tabs
    // through them.
    QComboBox* cbVenda;
    QLineEdit* edValorEntrada;
    QLineEdit* edValorMilhas;
    QLineEdit* edCodConsulta;
    QComboBox* cbAcMilhas;
    QLineEdit* edNumParcelas;
    QLineEdit* edJuros;
    QLabel* Label1;
    QLineEdit* edNumChequeEntr;
    QComboBox* cbNumChq;
    ui::MaskedEdit* edDataPrimCheque;
    QLineEdit* edValorEntradaCh;
    QLineEdit* edBanco;
    QLineEdit* edAgencia;
    QLineEdit* edConta;
    QLineEdit* edAutorizador;
    QLineEdit* edVendedor;
    ui::CardEdit* edCartaoTerceiro;
    QLineEdit* edPrimeiroCodMilhas;
    QLineEdit* edPrimeiroValorMilhas;
    QLineEdit* edSegundoCodMilhas;
    QLineEdit* edSegundoValorMilhas;

private:
    void arrange();
    void edValorEntradaExit();
    // Enter in edNumChequeEntr; true when the key is used up.
    bool edNumChequeEntrEnter();

    PaymentPlan plan_;
    SaleKind saleKind_;
    MilesCodes miles_;
};

} // namespace vks
