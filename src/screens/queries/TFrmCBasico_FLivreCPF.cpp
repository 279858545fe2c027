#include "screens/queries/TFrmCBasico_FLivreCPF.h"

#include <array>

#include <QLabel>

#include "core/FieldText.h"
#include "core/Text.h"
#include "host/Messages.h"
#include "host/RequestLayouts.h"
#include "screens/ScreenNames.h"
#include "screens/base/FieldStore.h"
#include "screens/base/ScreenGeometry.h"
#include "screens/base/SharedMessages.h"
#include "screens/miles/CaptureColumns.h"
#include "screens/queries/RecordControls.h"
#include "screens/queries/RegistrationControls.h"
#include "ui/KeyFilters.h"
#include "ui/MaskedEdit.h"
#include "ui/StoredDates.h"

namespace vks {
namespace {

constexpr MessageId kOperationsCaption = 736;
constexpr std::string_view kEntryType = "05";
constexpr std::string_view kCode = "003";

using Operation = TFrmCBasico_FLivreCPF::Operation;
using record::Kind;
using record::Place;
using record::Typing;

constexpr auto fit = record::Width::fitting;
constexpr auto growFrom = record::Width::growingFrom;

// The operation is named by a flag of field 1105, the same flag that made
// the entry point open this screen.
struct OperationFlag {
    std::size_t position; // 1-based, in the flag string
    Operation operation;
    MessageId title;
    const char* code; // field 1058
};
constexpr std::array<OperationFlag, 2> kOperations{{
    {14, Operation::Inclusion, 508, "1"},
    {15, Operation::Alteration, 509, "2"},
}};

const QStringList kStates{QStringLiteral("AL"), QStringLiteral("AM"), QStringLiteral("BA"), QStringLiteral("CE"),
                          QStringLiteral("DF"), QStringLiteral("ES"), QStringLiteral("GO"), QStringLiteral("MA"),
                          QStringLiteral("MG"), QStringLiteral("MS"), QStringLiteral("MT"), QStringLiteral("PA"),
                          QStringLiteral("PB"), QStringLiteral("PE"), QStringLiteral("PI"), QStringLiteral("PR"),
                          QStringLiteral("RJ"), QStringLiteral("RN"), QStringLiteral("RS"), QStringLiteral("SC"),
                          QStringLiteral("SE"), QStringLiteral("SP"), QStringLiteral("TO")};
const QStringList kSexes{QStringLiteral("F"), QStringLiteral("M")};

const OperationFlag* operationOf(std::string_view flags) {
    for (const OperationFlag& row : kOperations) {
        if (flags.size() >= row.position && flags[row.position - 1] == '1') return &row;
    }
    return nullptr;
}

bool isOperationKey(const QString& key) {
    return key == QLatin1String("1") || key == QLatin1String("2") || key == QLatin1String("\b") ||
           key == QLatin1String("\r");
}

// Whether a value the host supplied locks its control, by kind of control
// and operation: on an inclusion every supplied value is fixed, otherwise
// only a supplied date is.
struct Locking {
    Kind kind;
    bool onInclusion;
    bool otherwise;
};
constexpr std::array<Locking, 7> kLocking{{
    {Kind::Key, true, false},
    {Kind::Text, true, false},
    {Kind::Upper, true, false},
    {Kind::Masked, true, false},
    {Kind::Date, true, true},
    {Kind::List, true, false},
    {Kind::TrimmedList, true, false},
}};

bool locks(Kind kind, Operation operation) {
    for (const Locking& row : kLocking) {
        if (row.kind == kind) return operation == Operation::Inclusion ? row.onInclusion : row.otherwise;
    }
    return false;
}

} // namespace

TFrmCBasico_FLivreCPF::TFrmCBasico_FLivreCPF()
    : TFrmFLivre_CPFVKS(screen::TFrmCBasico_FLivreCPF),
      edTipoOperacao(addEdit(registration::kTipoOperacao)),
      // The issuer is stored in upper case but shows as typed; the names
      // and the address show their letters in upper case as they are typed.
      form_(TrnConsultaLivreBasico,
            {
                {edCPF, field::Cpf, Kind::Key},
                {addEdit(registration::kIdentidade), field::IdentityNumber},
                {addEdit(registration::kOrgao), field::IdentityIssuer, Kind::Upper},
                {addList(registration::kUFIdentidade, kStates), field::IdentityState, Kind::TrimmedList, fit(5)},
                {addMaskedEdit(registration::kExpedicao), field::IdentityIssueDate, Kind::Date},
                {addEdit(registration::kNome), field::CustomerName, Kind::Upper, growFrom(12), Typing::InUpper},
                {addMaskedEdit(registration::kNascimento), field::BirthDate, Kind::Date},
                {addList(registration::kSexo, kSexes), field::Sex, Kind::TrimmedList, fit(5)},
                {addEdit(registration::kNomeMae), field::MotherName, Kind::Upper, growFrom(12), Typing::InUpper},
                {addEdit(registration::kEndereco), field::Address, Kind::Upper, growFrom(12), Typing::InUpper},
                {addEdit(registration::kBairro), field::District, Kind::Upper, growFrom(12), Typing::InUpper},
                {addEdit(registration::kCidade), field::City, Kind::Upper, growFrom(12), Typing::InUpper},
                {addList(registration::kUF, kStates), field::AddressState, Kind::List, fit(5)},
                {addMaskedEdit(registration::kCep), field::PostalCode, Kind::Masked, fit(9)},
                {addEdit(registration::kDDDRes), field::HomePhoneArea, Kind::Text, fit(4)},
                {addMaskedEdit(registration::kTelResid), field::HomePhone, Kind::Masked, fit(9), Typing::AsTyped,
                 Place::BesideAbove},
                {addEdit(registration::kRamalRes), field::HomePhoneExtension, Kind::Text, fit(4)},
                {addEdit(registration::kDDDCom), field::WorkPhoneArea, Kind::Text, fit(4)},
                {addMaskedEdit(registration::kTelCom), field::WorkPhone, Kind::Masked, fit(9), Typing::AsTyped,
                 Place::BesideAbove},
                {addEdit(registration::kRamalCom), field::WorkPhoneExtension, Kind::Text, fit(4)},
                {addEdit(registration::kMatrOper), field::Operator},
                {addEdit(registration::kMatrConf), field::Supervisor},
                {edTipoOperacao},
                {edTipoEntrada, record::kNoField, Kind::Text, {}, Typing::AsTyped, Place::OutOfTabOrder},
            }) {
    lbIncluiAltera = new QLabel(QStringLiteral("1- Inclusão 2- Alteração"), pnCaptura);
    lbIncluiAltera->setObjectName(QStringLiteral("lbIncluiAltera"));
    new ui::CharFilter(*edTipoOperacao, isOperationKey);
    // The long texts scroll in what the two columns leave.
    pnCaptura->setGeometry(geometry::kRegistrationCapturePanel);
    form_.build(*pnCaptura, [this](const QWidget& control) { return labelOf(control); });
    setCaptureTabOrder(form_.tabOrder());
}

void TFrmCBasico_FLivreCPF::IniciaCamposForm() {
    TFrmFLivre_CPFVKS::IniciaCamposForm();
    setRequestLayout(TrnConsultaLivreBasico);
    lbIncluiAltera->setText(text(kOperationsCaption));
    showWithLabel(*edTipoEntrada, false);
    showWithLabel(*edTipoOperacao, false);
    lbIncluiAltera->hide();
    loadQueryContext(kEntryType, kCode);

    Operation operation = Operation::None;
    if (const OperationFlag* flag = operationOf(fields::read(field::EnabledTransactions))) {
        operation = flag->operation;
        lbTitulo->setText(text(flag->title));
        edTipoOperacao->setText(QLatin1String(flag->code));
    }
    form_.fill([operation](Kind kind) { return locks(kind, operation); });
}

bool TFrmCBasico_FLivreCPF::ValidaCamposForm() {
    if (!TFrmFLivre_CPFVKS::ValidaCamposForm()) return false;
    for (QWidget* date : form_.controlsOf(Kind::Date)) {
        if (!ui::holdsDateOrNothing(static_cast<ui::MaskedEdit&>(*date))) {
            return rejectInput(msg::kInvalidDate, *date, Retry::EnableClearFocus);
        }
    }
    return true;
}

bool TFrmCBasico_FLivreCPF::GravaCamposKovar() {
    if (!TFrmFLivre_CPFVKS::GravaCamposKovar()) return false;
    if (!fields::write(field::RegistrationOperation, fieldBytes(edTipoOperacao->text()))) {
        return false;
    }
    if (!storeCpf() || !fields::writeAuthorizerTag()) return false;
    return form_.store();
}

bool TFrmCBasico_FLivreCPF::FormKeyPress(QWidget* focus, const QKeyEvent& event, QString& key) {
    if (TFrmFLivre_CPFVKS::FormKeyPress(focus, event, key)) return true;
    if (form_.typedInUpper(focus)) key = record::upperLetters(key);
    return false;
}

void TFrmCBasico_FLivreCPF::FormShow() {
    arrangeInColumns(*pnCaptura, form_.rows(), ColumnSlack::Controls);
    TFrmFLivre_CPFVKS::FormShow();
}

} // namespace vks
