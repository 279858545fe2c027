#include "screens/miles/AccountIdentification.h"

#include <array>

#include <QLineEdit>

#include "core/FieldText.h"
#include "core/Text.h"
#include "core/WipedString.h"
#include "host/HostServices.h"
#include "host/Messages.h"
#include "screens/base/CardNumber.h"
#include "screens/base/FieldStore.h"
#include "screens/base/SharedMessages.h"
#include "ui/CardEdit.h"
#include "ui/MaskedEdit.h"

namespace vks {
namespace {

constexpr MessageId kDocumentMissing = 846;
constexpr MessageId kCardMissing = 198;

constexpr std::array<EntryTypeRow, 3> kEntryTypes{{
    {AccountKey::Document, 1, field::DocumentData, 779},
    {AccountKey::Cpf, 4, field::Cpf, 589},
    {AccountKey::Card, 5, field::CardNumber, 782},
}};

std::string cpfDigits(const ui::MaskedEdit& cpf) { return trimmed(host().RemoveFormato(fieldBytes(cpf.maskedText()))); }

// The card number trimmed, through copies that are wiped.
void takeCardNumber(const ui::CardEdit& card, WipedString& into) {
    const WipedString whole(card.number());
    into.assign(trimmed(whole.view()));
}

} // namespace

const EntryTypeRow* readEntryType() {
    const int value = toInt(fields::read(field::EntryType), 0);
    for (const EntryTypeRow& row : kEntryTypes) {
        if (row.value == value) return &row;
    }
    return nullptr;
}

AccountIdentification::AccountIdentification(QLineEdit& document, ui::MaskedEdit& cpf, ui::CardEdit& card)
    : document_(document),
      cpf_(cpf),
      card_(card) {}

QWidget& AccountIdentification::controlFor(const EntryTypeRow& row) const {
    switch (row.key) {
    case AccountKey::Cpf:
        return cpf_;
    case AccountKey::Card:
        return card_;
    default:
        return document_;
    }
}

void AccountIdentification::fill(const EntryTypeRow& row, std::string_view supplied) {
    switch (row.key) {
    case AccountKey::Cpf:
        cpf_.setMaskedText(fieldText(supplied));
        break;
    case AccountKey::Card:
        if (!supplied.empty()) card_.setConcealedNumber(std::string(supplied), concealedCardNumber(supplied));
        break;
    default:
        document_.setText(fieldText(supplied));
        break;
    }
    controlFor(row).setEnabled(supplied.empty());
}

std::optional<AccountIdentification::Rejection> AccountIdentification::rejection(const QWidget& screen) const {
    // Only the first identification shown is checked.
    if (document_.isVisibleTo(&screen)) {
        if (isBlank(fieldBytes(document_.text()))) return Rejection{kDocumentMissing, &document_};
    } else if (cpf_.isVisibleTo(&screen)) {
        if (!host().VerificaCPF(cpfDigits(cpf_))) return Rejection{msg::kInvalidOrMissing, &cpf_};
    } else if (card_.isVisibleTo(&screen)) {
        WipedString number;
        takeCardNumber(card_, number);
        if (number.empty()) return Rejection{kCardMissing, &card_};
    }
    return std::nullopt;
}

bool AccountIdentification::store(const EntryTypeRow* row) {
    WipedString identification;
    if (row != nullptr) {
        switch (row->key) {
        case AccountKey::Cpf:
            identification.assign(cpfDigits(cpf_));
            break;
        case AccountKey::Card:
            takeCardNumber(card_, identification);
            card_.conceal(concealedCardNumber(identification.view()));
            break;
        default:
            identification.assign(trimmed(fieldBytes(document_.text())));
            break;
        }
        if (!fields::write(row->field, identification.view())) return false;
    }
    return fields::write(field::IdentificationWritten, identification.view());
}

} // namespace vks
