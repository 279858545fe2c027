#pragma once

#include <string>

#include <QStringList>

class QComboBox;
class QLineEdit;

namespace vks {

namespace ui {
class MaskedEdit;
} // namespace ui

// The payment plan of a cheque sale, chosen by the number of installments
// N the host supplies: cash (0, also none or not a number), a single cheque
// (1) or installments (2 and more, or negative). The total (field 1003) is
// split into the down payment and what is financed in N cheques, one number
// each.
class PaymentPlan {
public:
    struct Controls {
        QLineEdit& total;                // edValor
        QLineEdit& downPayment;          // edValorEntrada
        QLineEdit& downPaymentByCheque;  // edValorEntradaCh
        QLineEdit& milesValue;           // edValorMilhas
        QComboBox& accumulateMiles;      // cbAcMilhas
        QLineEdit& installments;         // edNumParcelas
        QLineEdit& interest;             // edJuros
        QLineEdit& firstChequeNumber;    // edNumChequeEntr
        QComboBox& chequeNumbers;        // cbNumChq
        ui::MaskedEdit& firstChequeDate; // edDataPrimCheque
    };

    explicit PaymentPlan(const Controls& controls)
        : c_(controls) {}

    // Fills the controls from the field store and locks what the plan
    // fixes; the first cheque's number must be filled before.
    void fill();

    // The whole total again (while the down payment is typed).
    void showWholeTotal();
    // The down payment just typed: the total shows what is left to finance
    // and the part paid by cheque repeats it. False when the down payment
    // is above the total.
    bool takeDownPayment();

    // Enter on the first cheque's number: true when the cheques are several
    // and their numbers are typed on their own screen; a single cheque's
    // number is the only one.
    bool firstChequeNumberEntered();
    void replaceChequeNumbers(const QStringList& numbers);

    // N as the screen shows it, 0 when none.
    int installments() const;

    // The first cheque's date is absent or a real date.
    bool firstChequeDateValid() const;
    // Fewer cheque numbers than cheques of the installments.
    bool chequeNumbersMissing() const;

    // Writes N, the financed amount (also into aValorFinanciado), the down
    // payment and the miles; false at the first write the host refuses.
    bool store() const;
    // Writes the first cheque's number and, in installments, one number per
    // cheque; false at the first write the host refuses.
    bool storeCheques() const;

private:
    void fillCash(const std::string& total, bool firstChequeDateMissing);
    void fillSingleCheque();
    void fillInstallments(const std::string& installmentsText);

    Controls c_;
};

} // namespace vks
