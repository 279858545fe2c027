#include "screens/queries/TFrmCBasico_FLivreCPF.h"

#include <algorithm>
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
using record::RecordControl;

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
      edIdentidade(addEdit(registration::kIdentidade)),
      edOrgao(addEdit(registration::kOrgao)),
      cbUFIdentidade(addList(registration::kUFIdentidade, kStates)),
      edExpedicao(addMaskedEdit(registration::kExpedicao)),
      edNome(addEdit(registration::kNome)),
      edNascimento(addMaskedEdit(registration::kNascimento)),
      cbSexo(addList(registration::kSexo, kSexes)),
      edNomeMae(addEdit(registration::kNomeMae)),
      edEndereco(addEdit(registration::kEndereco)),
      edBairro(addEdit(registration::kBairro)),
      edCidade(addEdit(registration::kCidade)),
      cbUF(addList(registration::kUF, kStates)),
      edCep(addMaskedEdit(registration::kCep)),
      edDDDRes(addEdit(registration::kDDDRes)),
      edTelResid(addMaskedEdit(registration::kTelResid)),
      edRamalRes(addEdit(registration::kRamalRes)),
      edDDDCom(addEdit(registration::kDDDCom)),
      edTelCom(addMaskedEdit(registration::kTelCom)),
      edRamalCom(addEdit(registration::kRamalCom)),
      edMatrOper(addEdit(registration::kMatrOper)),
      edMatrConf(addEdit(registration::kMatrConf)),
      record_{{
          {field::CustomerName, edNome, Kind::Upper},
          {field::Cpf, edCPF, Kind::Key},
          {field::IdentityNumber, edIdentidade, Kind::Text},
          {field::IdentityIssuer, edOrgao, Kind::Upper},
          {field::IdentityState, cbUFIdentidade, Kind::TrimmedList},
          {field::IdentityIssueDate, edExpedicao, Kind::Date},
          {field::BirthDate, edNascimento, Kind::Date},
          {field::Sex, cbSexo, Kind::TrimmedList},
          {field::MotherName, edNomeMae, Kind::Upper},
          {field::Address, edEndereco, Kind::Upper},
          {field::District, edBairro, Kind::Upper},
          {field::City, edCidade, Kind::Upper},
          {field::AddressState, cbUF, Kind::List},
          {field::PostalCode, edCep, Kind::Masked},
          {field::HomePhoneArea, edDDDRes, Kind::Text},
          {field::HomePhone, edTelResid, Kind::Masked},
          {field::HomePhoneExtension, edRamalRes, Kind::Text},
          {field::WorkPhoneArea, edDDDCom, Kind::Text},
          {field::WorkPhone, edTelCom, Kind::Masked},
          {field::WorkPhoneExtension, edRamalCom, Kind::Text},
          {field::Operator, edMatrOper, Kind::Text},
          {field::Supervisor, edMatrConf, Kind::Text},
      }},
      typedInUpper_{edNome, edNomeMae, edEndereco, edBairro, edCidade} {
    lbIncluiAltera = new QLabel(QStringLiteral("1- Inclusão 2- Alteração"), pnCaptura);
    lbIncluiAltera->setObjectName(QStringLiteral("lbIncluiAltera"));
    new ui::CharFilter(*edTipoOperacao, isOperationKey);
    // The long texts scroll in what the two columns leave.
    pnCaptura->setGeometry(geometry::kRegistrationCapturePanel);
    for (QWidget* text : {edNome, edNomeMae, edEndereco, edBairro, edCidade}) record::stretchFrom(*text, 12);
    for (QWidget* digits : {edDDDRes, edDDDCom, edRamalRes, edRamalCom}) record::fitChars(*digits, 4);
    for (QWidget* digits : {edTelResid, edTelCom, edCep}) record::fitChars(*digits, 9);
    for (QWidget* list : {cbUFIdentidade, cbUF, cbSexo}) record::fitChars(*list, 5);
    auto labelled = [this](QWidget* control) { return LabelledControl{labelOf(*control), control}; };
    rows_ = {labelled(edCPF),
             labelled(edIdentidade),
             labelled(edOrgao),
             labelled(cbUFIdentidade),
             labelled(edExpedicao),
             labelled(edNome),
             labelled(edNascimento),
             labelled(cbSexo),
             labelled(edNomeMae),
             labelled(edEndereco),
             labelled(edBairro),
             labelled(edCidade),
             labelled(cbUF),
             labelled(edCep),
             {labelOf(*edDDDRes), record::sideBySide(*pnCaptura, *edDDDRes, *edTelResid)},
             labelled(edRamalRes),
             {labelOf(*edDDDCom), record::sideBySide(*pnCaptura, *edDDDCom, *edTelCom)},
             labelled(edRamalCom),
             labelled(edMatrOper),
             labelled(edMatrConf),
             labelled(edTipoOperacao),
             labelled(edTipoEntrada)};
    setCaptureTabOrder({edCPF,        edIdentidade, edOrgao,    cbUFIdentidade, edExpedicao,   edNome,
                        edNascimento, cbSexo,       edNomeMae,  edEndereco,     edBairro,      edCidade,
                        cbUF,         edCep,        edDDDRes,   edTelResid,     edRamalRes,    edDDDCom,
                        edTelCom,     edRamalCom,   edMatrOper, edMatrConf,     edTipoOperacao});
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
    for (const RecordControl& row : record_) record::fill(row, locks(row.kind, operation));
}

bool TFrmCBasico_FLivreCPF::ValidaCamposForm() {
    if (!TFrmFLivre_CPFVKS::ValidaCamposForm()) return false;
    for (ui::MaskedEdit* date : {edExpedicao, edNascimento}) {
        if (!ui::holdsDateOrNothing(*date)) {
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
    return std::all_of(record_.begin(), record_.end(), [](const RecordControl& row) { return record::store(row); });
}

bool TFrmCBasico_FLivreCPF::FormKeyPress(QWidget* focus, const QKeyEvent& event, QString& key) {
    if (TFrmFLivre_CPFVKS::FormKeyPress(focus, event, key)) return true;
    if (std::ranges::find(typedInUpper_, focus) != typedInUpper_.end()) key = record::upperLetters(key);
    return false;
}

void TFrmCBasico_FLivreCPF::FormShow() {
    arrangeInColumns(*pnCaptura, rows_, ColumnSlack::Controls);
    TFrmFLivre_CPFVKS::FormShow();
}

} // namespace vks
