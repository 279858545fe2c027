#pragma once

#include <cstdint>

namespace vks {

using FieldId = std::int32_t;
using MessageId = std::int32_t;

// Identifiers of the host's field store. 1003-1330: transaction data exchanged
// with the authorizer; 10102-10227: values that steer the host and its request;
// 20033-20143: host switches the module only reads.
namespace field {
inline constexpr FieldId Amount = 1003;
inline constexpr FieldId Cpf = 1007;
inline constexpr FieldId ConfirmationSwitch = 1009;
inline constexpr FieldId Nsu = 1013;
inline constexpr FieldId InstallmentCount = 1017;
inline constexpr FieldId TransactionDate = 1020;
inline constexpr FieldId ChequeBank = 1029;
inline constexpr FieldId ChequeAgency = 1030;
inline constexpr FieldId ChequeAccount = 1032;
inline constexpr FieldId HomePhoneArea = 1038;
inline constexpr FieldId HomePhone = 1039;
inline constexpr FieldId DocumentData = 1041;
inline constexpr FieldId IdentityNumber = 1044;
inline constexpr FieldId CouponNumber = 1050;
inline constexpr FieldId CouponDate = 1051;
inline constexpr FieldId QueryType = 1056;
inline constexpr FieldId QueryOutput = 1057;
inline constexpr FieldId RegistrationOperation = 1058;
inline constexpr FieldId CardNumber = 1059;
inline constexpr FieldId QueryCode = 1060;
inline constexpr FieldId QueryEntryType = 1061;
inline constexpr FieldId MiniStatementStart = 1062;
inline constexpr FieldId OperationCode = 1063;
inline constexpr FieldId ForcedSaleAuthorizer = 1064;
inline constexpr FieldId ContractNumber = 1065;
inline constexpr FieldId SaleKind = 1066;
inline constexpr FieldId ConstantZero = 1067;
inline constexpr FieldId FirstInstallmentDate = 1068;
inline constexpr FieldId ContractLocation = 1069;
inline constexpr FieldId ContractCheckDigit = 1070;
inline constexpr FieldId PaymentTerm = 1071;
inline constexpr FieldId Salesperson = 1072;
inline constexpr FieldId ChequeConstant3 = 1073;
inline constexpr FieldId ChequeConstant2 = 1074;
inline constexpr FieldId MiniStatementScope = 1075;
inline constexpr FieldId DownPaymentByCheque = 1076;
inline constexpr FieldId MappingVersion = 1077;
inline constexpr FieldId PaymentForm = 1078;
inline constexpr FieldId CouponTime = 1079;
inline constexpr FieldId Operator = 1080;
inline constexpr FieldId CustomerName = 1081;
inline constexpr FieldId IdentityIssuer = 1082;
inline constexpr FieldId IdentityState = 1083;
inline constexpr FieldId IdentityIssueDate = 1084;
inline constexpr FieldId BirthDate = 1085;
inline constexpr FieldId Sex = 1086;
inline constexpr FieldId MotherName = 1087;
inline constexpr FieldId Address = 1088;
inline constexpr FieldId District = 1089;
inline constexpr FieldId PostalCode = 1090;
inline constexpr FieldId City = 1091;
inline constexpr FieldId AddressState = 1092;
inline constexpr FieldId WorkPhone = 1093;
inline constexpr FieldId WorkPhoneExtension = 1094;
inline constexpr FieldId Supervisor = 1095;
inline constexpr FieldId InterestRate = 1096;
inline constexpr FieldId DownPayment = 1097;
inline constexpr FieldId FirstChequeNumber = 1098;
inline constexpr FieldId ServiceXRequest = 1099;
inline constexpr FieldId EntryType = 1100;
inline constexpr FieldId AccumulateMiles = 1101;
inline constexpr FieldId HostCode = 1102;
inline constexpr FieldId EnabledTransactions = 1105;
inline constexpr FieldId InvoiceDueDate = 1113;
inline constexpr FieldId MilesValue = 1119;
inline constexpr FieldId HomePhoneExtension = 1175;
inline constexpr FieldId WorkPhoneArea = 1180;
inline constexpr FieldId OccurrenceKind = 1181;
inline constexpr FieldId OccurrenceCode = 1182;
inline constexpr FieldId PointOfSale = 1183;
inline constexpr FieldId StoreNumber = 1184;
inline constexpr FieldId CashValue = 1185;
inline constexpr FieldId OtherHolderCard = 1201;
inline constexpr FieldId FirstMilesCode = 1327;
inline constexpr FieldId FirstMilesValue = 1328;
inline constexpr FieldId SecondMilesCode = 1329;
inline constexpr FieldId SecondMilesValue = 1330;

inline constexpr FieldId ChequeQueryCode = 10102;
inline constexpr FieldId AuthorizerTag = 10103;
inline constexpr FieldId Identification = 10104;
inline constexpr FieldId ModuleTag = 10112;
inline constexpr FieldId HostCodeCopy = 10147;
inline constexpr FieldId IdentificationWritten = 10154;
inline constexpr FieldId ChequeLayoutOnly = 10162;
inline constexpr FieldId LayoutOnly = 10171;
inline constexpr FieldId CardReadRequested = 10227;

inline constexpr FieldId ServiceXData = 20033;
inline constexpr FieldId ReceiptCopies = 20128;
inline constexpr FieldId ServiceXSwitch = 20143;
} // namespace field

} // namespace vks
