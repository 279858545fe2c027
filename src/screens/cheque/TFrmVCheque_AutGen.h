#pragma once

#include <array>

#include <QStringList>

#include "screens/cheque/TFrmAutGen_VKSTrn.h"

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
class TFrmVCheque_AutGen : public TFrmAutGen_VKSTrn {
public:
    TFrmVCheque_AutGen();

    bool ValidaCamposForm() override;
    bool GravaCamposKovar() override;
    void IniciaCamposForm() override;

    // What the cheque-number screen reads and fills: the number of cheques
    // as shown, the first cheque's number, and the list of their numbers.
    QString numberOfInstallments() const;
    QString firstChequeNumber() const;
    void replaceChequeNumbers(const QStringList& numbers);

protected:
    bool FormKeyPress(QWidget* focus, const QKeyEvent& event, QString& key) override;

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
    struct MilesControl {
        FieldId field;
        QLineEdit* edit;
        bool amount;
    };
    std::array<MilesControl, 4> milesControls() const;

    void fillMiles();
    void fillSaleKind();
    void fillOtherHolderCard();
    void fillPaymentPlan(int installments, const std::string& installmentsText, const std::string& total,
                         bool firstChequeDateMissing);
    void arrange();
    void showAuthorizer();
    void edValorEntradaExit();
    void cbVendaExit();
    // Enter in edNumChequeEntr; true when the key is used up.
    bool edNumChequeEntrEnter();
    bool storeChequeNumbers(int installments);
    int typedInstallments() const;
};

} // namespace vks
