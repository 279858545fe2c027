#include "screens/cheque/PaymentPlan.h"

#include <algorithm>
#include <cstring>

#include <QComboBox>
#include <QDate>
#include <QLineEdit>

#include "core/FieldText.h"
#include "core/Text.h"
#include "host/HostServices.h"
#include "host/RequestLayouts.h"
#include "screens/base/FieldStore.h"
#include "screens/base/FiscalCoupon.h"
#include "screens/cheque/ChequeFields.h"
#include "screens/cheque/ChequeNumberGrid.h"
#include "ui/MaskedEdit.h"

namespace vks {
namespace {

constexpr int kFinancedWidth = static_cast<int>(ValorFinanciadoLength);
constexpr int kAccumulates = 0;
constexpr int kDoesNotAccumulate = 1;

// The bare amount of an amount field as a number (0 when it is none).
int amountOf(const QLineEdit& edit) { return toInt(host().RemoveFormato(fields::textOf(edit)), 0); }

} // namespace

void PaymentPlan::fill() {
    const std::string installmentsText = trimmed(fields::read(field::InstallmentCount));
    const int installments = toInt(installmentsText, 0);
    const bool firstChequeDateMissing = !showSuppliedDate(c_.firstChequeDate, field::FirstInstallmentDate);
    const std::string total = fields::read(field::Amount);
    const std::string interest = fields::read(field::InterestRate);
    if (!interest.empty()) c_.interest.setText(shownAmount(interest));
    c_.interest.setEnabled(false);

    // Without a total the plan keeps the controls as they were created.
    if (!total.empty()) {
        c_.total.clear();
        if (installments == 0) {
            fillCash(total, firstChequeDateMissing);
        } else {
            c_.total.setText(shownAmount(total));
            c_.total.setEnabled(false);
            if (installments == 1) {
                fillSingleCheque();
            } else {
                fillInstallments(installmentsText);
            }
        }
    }
    // Only a cash sale accumulates miles.
    if (installments != 0) {
        c_.accumulateMiles.setCurrentIndex(-1);
        c_.accumulateMiles.setEnabled(false);
    }
}

// The down payment is the whole total; nothing is financed.
void PaymentPlan::fillCash(const std::string& total, bool firstChequeDateMissing) {
    c_.total.setText(shownAmount("0"));
    c_.total.setEnabled(false);
    for (QLineEdit* downPayment : {&c_.downPayment, &c_.downPaymentByCheque}) {
        downPayment->setText(shownAmount(total));
        downPayment->setEnabled(downPayment->text().isEmpty());
    }
    c_.installments.setText(QStringLiteral("0"));
    if (firstChequeDateMissing) {
        c_.firstChequeDate.setMaskedText(QDate::currentDate().toString(QStringLiteral("dd/MM/yyyy")));
        c_.firstChequeDate.setEnabled(false);
    }
    const std::string miles = host().RemoveFormato(fields::read(field::MilesValue));
    c_.milesValue.setText(shownAmount(miles));
    c_.milesValue.setEnabled(trimmed(miles).empty());
    const bool accumulates = fields::read(field::AccumulateMiles) == "0";
    c_.accumulateMiles.setCurrentIndex(accumulates ? kAccumulates : kDoesNotAccumulate);
    c_.accumulateMiles.setEnabled(false);
}

// The whole total in one cheque, whose number is not sent.
void PaymentPlan::fillSingleCheque() {
    for (QLineEdit* locked : {&c_.downPayment, &c_.downPaymentByCheque, &c_.milesValue}) {
        locked->setText(shownAmount("0"));
        locked->setEnabled(false);
    }
    c_.installments.setText(QStringLiteral("1"));
    c_.firstChequeNumber.setEnabled(false);
}

// The total less the down payment, financed in cheques numbered one by one.
void PaymentPlan::fillInstallments(const std::string& installmentsText) {
    c_.installments.setText(fieldText(installmentsText));
    c_.chequeNumbers.setEnabled(true);
    const std::string downPayment = fields::read(field::DownPayment);
    if (!trimmed(downPayment).empty()) {
        c_.downPayment.setText(shownAmount(downPayment));
        c_.total.setText(shownAmount(std::to_string(amountOf(c_.total) - amountOf(c_.downPayment))));
    }
    c_.milesValue.setEnabled(false);
}

bool PaymentPlan::firstChequeNumberEntered() {
    const int cheques = installments();
    if (cheques == 1) replaceChequeNumbers({c_.firstChequeNumber.text()});
    if (cheques <= 1) return false;
    if (!trimmed(fields::textOf(c_.firstChequeNumber)).empty()) {
        c_.firstChequeNumber.setText(
            fieldText(host().PreencherZerosEsquerda(fields::textOf(c_.firstChequeNumber), ChequeNumberGrid::kDigits)));
    }
    return true;
}

void PaymentPlan::replaceChequeNumbers(const QStringList& numbers) {
    c_.chequeNumbers.clear();
    c_.chequeNumbers.addItems(numbers);
}

void PaymentPlan::showWholeTotal() { c_.total.setText(shownAmount(fields::read(field::Amount))); }

bool PaymentPlan::takeDownPayment() {
    showWholeTotal();
    const int total = amountOf(c_.total);
    const int downPayment = amountOf(c_.downPayment);
    const int rest = total - downPayment;
    if (downPayment > 0 && rest >= 0) c_.total.setText(shownAmount(std::to_string(rest)));
    if (rest < 0) return false;
    c_.downPaymentByCheque.setText(shownAmount(fields::textOf(c_.downPayment)));
    if (downPayment == 0) {
        c_.downPaymentByCheque.setText(shownAmount("0"));
        c_.downPaymentByCheque.setEnabled(false);
    }
    return true;
}

int PaymentPlan::installments() const { return toInt(fields::textOf(c_.installments), 0); }

bool PaymentPlan::firstChequeDateValid() const {
    const QString date = c_.firstChequeDate.maskedText();
    return trimmed(fields::bare(date)).empty() || QDate::fromString(date, QStringLiteral("dd/MM/yyyy")).isValid();
}

// One number per cheque is sent; without them the sale cannot go.
bool PaymentPlan::chequeNumbersMissing() const {
    const int cheques = installments();
    return cheques > 1 && c_.chequeNumbers.count() < cheques;
}

bool PaymentPlan::store() const {
    if (!fields::writeAll({{field::InstallmentCount, fields::textOf(c_.installments)}})) return false;
    // The financed amount: what is left of the total in installments, none
    // otherwise.
    std::string financed(kFinancedWidth, '0');
    if (installments() > 1) {
        financed = host().PreencherZerosEsquerda(fields::bare(c_.total.text()), kFinancedWidth);
        if (financed.size() > ValorFinanciadoLength) return false;
        if (!fields::writeAll({{field::Amount, financed}, {field::InterestRate, fields::bare(c_.interest.text())}}))
            return false;
    }
    std::memcpy(aValorFinanciado, financed.data(), financed.size());
    return fields::writeAll({{field::DownPayment, fields::bare(c_.downPayment.text())},
                             {field::DownPaymentByCheque, fields::bare(c_.downPaymentByCheque.text())},
                             {field::AccumulateMiles, leadingCode(c_.accumulateMiles)},
                             {field::MilesValue, fields::bare(c_.milesValue.text())}});
}

bool PaymentPlan::storeCheques() const {
    defaultIfEmpty(c_.firstChequeNumber, "000000");
    if (!fields::writeAll({{field::FirstChequeNumber, fields::textOf(c_.firstChequeNumber)}})) return false;
    const int cheques = installments();
    TrnVChequeAutGenVKS.entries[ChequeInstallmentsEntry].occurrence =
        static_cast<std::uint16_t>(std::clamp(cheques, 0, 0xFFFF));
    // One number per cheque of the installments (field 10154); none otherwise.
    if (cheques <= 1) {
        host().KovarLimpaCampo(field::IdentificationWritten);
        return true;
    }
    for (int i = 0; i < cheques && i < c_.chequeNumbers.count(); ++i) {
        const std::string number =
            host().PreencherZerosEsquerda(fieldBytes(c_.chequeNumbers.itemText(i)), ChequeNumberGrid::kDigits);
        if (!fields::write(field::IdentificationWritten, number, static_cast<std::uint16_t>(i))) return false;
    }
    return true;
}

} // namespace vks
