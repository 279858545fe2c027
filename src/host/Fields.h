#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace vks {

using FieldId = std::int32_t;
using MessageId = std::int32_t;

// Identifiers of the host's field store. 1003-1330: transaction data exchanged
// with the authorizer; 10102-10227: values that steer the host and its request;
// 20033-20143: host switches the module only reads.
//
// One list gives both the constants the module uses and the catalogue with
// what each field carries, which the simulated client shows beside numbers.
// X(name, identifier, what it carries)
#define VKS_FIELD_LIST(X)                                                                                              \
    X(Amount, 1003, "transaction amount, bare digits")                                                                 \
    X(Cpf, 1007, "customer's CPF, 11 digits")                                                                          \
    X(ConfirmationSwitch, 1009, "confirmation switch; 0 lets field 20143 start service X")                             \
    X(Nsu, 1013, "host sequence number (NSU) of the transaction cancelled")                                            \
    X(InstallmentCount, 1017, "number of installments, \"01\" cash")                                                   \
    X(TransactionDate, 1020, "date of the transaction cancelled; occurrence date")                                     \
    X(ChequeBank, 1029, "cheque bank")                                                                                 \
    X(ChequeAgency, 1030, "cheque agency")                                                                             \
    X(ChequeAccount, 1032, "cheque account")                                                                           \
    X(HomePhoneArea, 1038, "home telephone area code")                                                                 \
    X(HomePhone, 1039, "home telephone")                                                                               \
    X(DocumentData, 1041, "summary document code, document data or typed card number")                                 \
    X(IdentityNumber, 1044, "identity document number (RG)")                                                           \
    X(CouponNumber, 1050, "fiscal coupon number")                                                                      \
    X(CouponDate, 1051, "fiscal coupon date, ddmmyyyy")                                                                \
    X(QueryType, 1056, "query type, default \"01\"")                                                                   \
    X(QueryOutput, 1057, "query output, default \"I\"")                                                                \
    X(RegistrationOperation, 1058, "registration operation: 1 inclusion, 2 change")                                    \
    X(CardNumber, 1059, "card number")                                                                                 \
    X(QueryCode, 1060, "query code, default \"001\"")                                                                  \
    X(QueryEntryType, 1061, "query entry type; selects the query of transaction type 10")                              \
    X(MiniStatementStart, 1062, "mini statement start date")                                                           \
    X(OperationCode, 1063, "operation code: 01 sale, 02 acquisition, 03 generic, 11/12 reversals")                     \
    X(ForcedSaleAuthorizer, 1064, "who authorised a forced sale")                                                      \
    X(ContractNumber, 1065, "contract number")                                                                         \
    X(SaleKind, 1066, "sale kind: 0 contingency, 1 normal, 2 forced")                                                  \
    X(ConstantZero, 1067, "constant \"0\"")                                                                            \
    X(FirstInstallmentDate, 1068, "date of the first installment or cheque")                                           \
    X(ContractLocation, 1069, "contract location")                                                                     \
    X(ContractCheckDigit, 1070, "contract check digit")                                                                \
    X(PaymentTerm, 1071, "miles sale term: 1 cash, 2 without interest, 3 with interest")                               \
    X(Salesperson, 1072, "salesperson registration")                                                                   \
    X(ChequeConstant3, 1073, "\"001\" cheque sale, \"002\" its cancellation")                                          \
    X(ChequeConstant2, 1074, "\"01\" cheque sale, \"02\" its cancellation")                                            \
    X(MiniStatementScope, 1075, "mini statement scope: 0 partial, 1 total")                                            \
    X(DownPaymentByCheque, 1076, "part of the down payment paid by cheque")                                            \
    X(MappingVersion, 1077, "mapping version, \"0000\" when empty")                                                    \
    X(PaymentForm, 1078, "payment form code, 2 digits")                                                                \
    X(CouponTime, 1079, "fiscal coupon time, hhmmss")                                                                  \
    X(Operator, 1080, "operator registration")                                                                         \
    X(CustomerName, 1081, "customer name")                                                                             \
    X(IdentityIssuer, 1082, "identity document issuer")                                                                \
    X(IdentityState, 1083, "identity document state")                                                                  \
    X(IdentityIssueDate, 1084, "identity document issue date")                                                         \
    X(BirthDate, 1085, "birth date")                                                                                   \
    X(Sex, 1086, "sex, F or M")                                                                                        \
    X(MotherName, 1087, "mother's name")                                                                               \
    X(Address, 1088, "address")                                                                                        \
    X(District, 1089, "district")                                                                                      \
    X(PostalCode, 1090, "postal code (CEP)")                                                                           \
    X(City, 1091, "city")                                                                                              \
    X(AddressState, 1092, "address state")                                                                             \
    X(WorkPhone, 1093, "work telephone")                                                                               \
    X(WorkPhoneExtension, 1094, "work telephone extension")                                                            \
    X(Supervisor, 1095, "supervisor registration")                                                                     \
    X(InterestRate, 1096, "interest rate; 0 without interest")                                                         \
    X(DownPayment, 1097, "down payment amount")                                                                        \
    X(FirstChequeNumber, 1098, "number of the first cheque")                                                           \
    X(ServiceXRequest, 1099, "service-X data handed on at confirmation")                                               \
    X(EntryType, 1100, "entry type or sub-option: 1 document, 4 CPF, 5 card")                                          \
    X(AccumulateMiles, 1101, "accumulate miles: 0 yes, 1 no")                                                          \
    X(HostCode, 1102, "four-character code from the host")                                                             \
    X(EnabledTransactions, 1105, "enabled-transaction flags; the first \"1\" is the type")                             \
    X(InvoiceDueDate, 1113, "invoice due date")                                                                        \
    X(MilesValue, 1119, "miles value")                                                                                 \
    X(HomePhoneExtension, 1175, "home telephone extension")                                                            \
    X(WorkPhoneArea, 1180, "work telephone area code")                                                                 \
    X(OccurrenceKind, 1181, "occurrence kind")                                                                         \
    X(OccurrenceCode, 1182, "occurrence code")                                                                         \
    X(PointOfSale, 1183, "point-of-sale number")                                                                       \
    X(StoreNumber, 1184, "store number")                                                                               \
    X(CashValue, 1185, "cash value")                                                                                   \
    X(OtherHolderCard, 1201, "card of another holder")                                                                 \
    X(FirstMilesCode, 1327, "first miles code")                                                                        \
    X(FirstMilesValue, 1328, "first miles value")                                                                      \
    X(SecondMilesCode, 1329, "second miles code")                                                                      \
    X(SecondMilesValue, 1330, "second miles value")                                                                    \
    X(ChequeQueryCode, 10102, "query code of the cheque sale")                                                         \
    X(AuthorizerTag, 10103, "authorizer tag \"36\", written first on confirmation")                                    \
    X(Identification, 10104, "identification: card read or customer identification")                                   \
    X(ModuleTag, 10112, "module tag \"36\", written first by ExecutaGenerico")                                         \
    X(HostCodeCopy, 10147, "copy of field 1102")                                                                       \
    X(IdentificationWritten, 10154, "identification written; cheque numbers by occurrence")                            \
    X(ChequeLayoutOnly, 10162, "listed in the cheque-sale request layout only")                                        \
    X(LayoutOnly, 10171, "listed in every request layout only")                                                        \
    X(CardReadRequested, 10227, "\"1\" written before the PIN-pad card read")                                          \
    X(ServiceXData, 20033, "service-X data")                                                                           \
    X(ReceiptCopies, 20128, "receipt-copies switch")                                                                   \
    X(ServiceXSwitch, 20143, "service-X switch")

namespace field {
#define VKS_FIELD_CONSTANT(name, id, text) inline constexpr FieldId name = id;
VKS_FIELD_LIST(VKS_FIELD_CONSTANT)
#undef VKS_FIELD_CONSTANT
} // namespace field

struct FieldInfo {
    FieldId id;
    std::string_view name;
    std::string_view carries;
};

#define VKS_FIELD_INFO(name, id, text) FieldInfo{id, #name, text},
inline constexpr std::array kFieldCatalogue{VKS_FIELD_LIST(VKS_FIELD_INFO)};
#undef VKS_FIELD_INFO

// The catalogue row of a field, null for a field the module does not use.
constexpr const FieldInfo* findField(FieldId id) {
    for (const FieldInfo& info : kFieldCatalogue)
        if (info.id == id) return &info;
    return nullptr;
}

} // namespace vks
