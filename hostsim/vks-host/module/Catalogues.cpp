#include "Catalogues.h"

#include <array>

#include <QStringList>

#include "core/FlagString.h"
#include "host/Fields.h"
#include "screens/ScreenNames.h"

namespace vkshost {

namespace {

namespace screen = vks::screen;

constexpr int kTypes = 21;

constexpr std::array<Transaction, kTypes> kTransactions{{
    {1, "installment payment", "sub-option of field 1100", {{{screen::TFrmPagParcBRQ_VKSTrn}}}},
    {2, "installment payment cancellation", "sub-option, operator", {{{screen::TFrmPagParcBRQ_CncTrn}}}},
    {3, "payment value query", "", {{{screen::TFrmValorBRQ_VKSAdc}}}},
    {4, "statement by card", "card read", {{{screen::TFrmExtrato_CartaoVKS}}}},
    {5, "statement by CPF", "", {{{screen::TFrmExtrato_CPFVKS}}}},
    {6,
     "miles sale with card",
     "card read; field 1071 picks the screen",
     {{{screen::TFrmAVista_VendaCartaoMilhas, "1071=1"},
       {screen::TFrmSJuros_ParcMilhas, "2"},
       {screen::TFrmCJuros_ParcMilhas, "3"}}}},
    {7, "miles acquisition", "card read", {{{screen::TFrmAquis_MilhasVKS}}}},
    {8, "miles sale reversal", "operator, card read", {{{screen::TFrmEstVenda_EstVenAquis}}}},
    {9, "miles acquisition reversal", "operator, card read", {{{screen::TFrmEstAquis_EstVenAquis}}}},
    {10,
     "queries by field 1061",
     "card read for 1061=1; 1061=0 hands back",
     {{{screen::TFrmMilhas_GenCartao, "1061=1"},
       {screen::TFrmIdOcorr_GenRegOcorr, "9"},
       {screen::TFrmCancOcorr_GenRegOcorr, "10"}}}},
    {11, "miles balance by CPF", "", {{{screen::TFrmMilhas_GenCPF}}}},
    {12, "mini statement by card", "card read", {{{screen::TFrmMExtrato_GenCartao}}}},
    {13, "mini statement by CPF", "", {{{screen::TFrmMExtrato_GenCPF}}}},
    {14, "basic registration, inclusion", "", {{{screen::TFrmCBasico_FLivreCPF}}}},
    {15, "basic registration, alteration", "", {{{screen::TFrmCBasico_FLivreCPF}}}},
    {16, "free-form query by card", "card read", {{{screen::TFrmCartao_FLivreCartao}}}},
    {17, "free-form query by CPF", "", {{{screen::TFrmCPF_FLivreCPF}}}},
    {18, "cheque sale", "customer identification", {{{screen::TFrmVCheque_AutGen}, {screen::TFrmNumChq}}}},
    {19, "cheque sale cancellation", "operator, customer identification", {{{screen::TFrmCancVCheque_AutGen}}}},
    {20, "invoice composition by card", "card read", {{{screen::TFrmCompFatura_GenCartao}}}},
    {21, "invoice composition by CPF", "", {{{screen::TFrmCompFatura_GenCPF}}}},
}};

QString latin1(std::string_view text) { return QString::fromLatin1(text.data(), qsizetype(text.size())); }

const vks::FieldInfo* catalogued(qint64 field) {
    return field < 0 || field > 0x7fffffff ? nullptr : vks::findField(vks::FieldId(field));
}

} // namespace

std::span<const Transaction> transactions() { return kTransactions; }

// Positions are characters, as the module counts them.
int transactionTypeOf(const QString& flags) { return vks::firstFlagPosition(flags, kTypes); }

QString flagsFor(int type) { return type <= 0 ? QString(kTypes, '0') : QString(type - 1, '0') + "1"; }

QString fieldName(qint64 field) {
    const vks::FieldInfo* info = catalogued(field);
    return info == nullptr ? QString() : latin1(info->name);
}

QString fieldDescription(qint64 field) {
    const vks::FieldInfo* info = catalogued(field);
    return info == nullptr ? QString() : latin1(info->carries);
}

QString screenList(const Transaction& row) {
    QStringList names;
    for (const ListedScreen& screen : row.screens) {
        if (screen.className.empty()) break;
        QString name = latin1(screen.className);
        if (*screen.when != '\0') name += QString(" (%1)").arg(QString::fromLatin1(screen.when));
        names << name;
    }
    return names.join(", ");
}

QString transactionListing() {
    QString text = "Transaction types (field 1105: the position of its first \"1\")\n";
    for (const Transaction& row : kTransactions) {
        text += QString("%1  %2\n").arg(row.type, 2).arg(QString::fromLatin1(row.name));
        if (*row.before != '\0') text += QString("    before: %1\n").arg(QString::fromLatin1(row.before));
        text += QString("    screens: %1\n").arg(screenList(row));
    }
    return text;
}

QString fieldListing() {
    QString text = "Fields the module reads or writes (identifier, name, what it carries)\n";
    for (const vks::FieldInfo& info : vks::kFieldCatalogue)
        text += QString("%1  %2  %3\n").arg(info.id, 5).arg(latin1(info.name), -22).arg(latin1(info.carries));
    return text;
}

} // namespace vkshost
