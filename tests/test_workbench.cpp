// The simulated client's own parts: its catalogues against the module's,
// the field table's checks, the recorder, the scenario it saves and the
// summary a person reads.
#include <gtest/gtest.h>

#include <QDialog>
#include <QJsonArray>
#include <QJsonDocument>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>

#include "CaseName.h"
#include "entry/Dispatch.h"
#include "host/Fields.h"
#include "module/Catalogues.h"
#include "run/Summary.h"
#include "scenario/Expectations.h"
#include "scenario/Scenario.h"
#include "screens/ScreenTable.h"
#include "window/ClientWindow.h"
#include "window/Recorder.h"

namespace {

using vkshost::FieldRow;

TEST(WorkbenchCatalogues, EveryListedScreenIsOneTheModuleCanOpen) {
    ASSERT_EQ(vkshost::transactions().size(), std::size_t(vks::kTransactionTypes));
    static const QRegularExpression screen("TFrm[A-Za-z_]+");
    for (const vkshost::Transaction& row : vkshost::transactions()) {
        auto names = screen.globalMatch(vkshost::screenList(row));
        ASSERT_TRUE(names.hasNext()) << row.type;
        while (names.hasNext()) {
            const std::string name = names.next().captured().toStdString();
            EXPECT_NE(vks::findScreenClass(name), nullptr) << row.type << " " << name;
        }
    }
}

TEST(WorkbenchCatalogues, TransactionTypeReadsField1105AsTheModuleDoes) {
    for (const char* flags : {"", "0", "1", "01", "0001000", "000000000000000000001", "0000000000000000000001", "x1",
                              "000000000000000000000000",
                              "\xc3\xa9"
                              "1",
                              "\xf0\x9f\x98\x80"
                              "01"})
        EXPECT_EQ(vkshost::transactionTypeOf(flags), vks::transactionTypeOf(flags)) << flags;
    for (int type = 0; type <= vks::kTransactionTypes; ++type)
        EXPECT_EQ(vks::transactionTypeOf(vkshost::flagsFor(type).toStdString()), type);
}

TEST(WorkbenchCatalogues, FieldCatalogueHasEachIdentifierOnceInOrder) {
    for (std::size_t i = 1; i < vks::kFieldCatalogue.size(); ++i)
        EXPECT_LT(vks::kFieldCatalogue[i - 1].id, vks::kFieldCatalogue[i].id) << vks::kFieldCatalogue[i].name;
    EXPECT_EQ(vkshost::fieldName(1007), "Cpf");
    EXPECT_TRUE(vkshost::fieldDescription(4242).isEmpty());
    EXPECT_TRUE(vkshost::fieldDescription(-1).isEmpty());
}

struct RowsCase {
    const char* name;
    std::vector<FieldRow> rows;
    std::vector<std::pair<int, int>> cells; // row, column of each problem
    const char* firstText;
};

class FieldRowCheck : public testing::TestWithParam<RowsCase> {};

TEST_P(FieldRowCheck, MarksEveryBadCellWithItsReason) {
    const std::vector<vkshost::RowProblem> problems = vkshost::checkFieldRows(GetParam().rows);
    std::vector<std::pair<int, int>> cells;
    for (const vkshost::RowProblem& problem : problems) cells.emplace_back(problem.row, problem.column);
    EXPECT_EQ(cells, GetParam().cells);
    if (!problems.empty()) {
        EXPECT_EQ(problems.front().text, GetParam().firstText);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, FieldRowCheck,
    testing::Values(
        RowsCase{"valid", {{"1105", "0"}, {"10154", "1"}, {"10154", ""}}, {}, ""},
        RowsCase{"not_a_number", {{"1105", "0"}, {"abc", "0"}}, {{1, 0}}, "field \"abc\" is not a whole number"},
        RowsCase{"empty_field", {{" ", "0"}}, {{0, 0}}, "no field identifier"},
        RowsCase{"negative_occurrence", {{"1007", "-1"}}, {{0, 1}}, "occurrence -1 is negative"},
        RowsCase{"occurrence_too_big",
                 {{"1007", "65536"}},
                 {{0, 1}},
                 "occurrence \"65536\" is not a whole number from 0 to 65535"},
        RowsCase{"field_too_big", {{"2147483648", "0"}}, {{0, 0}}, "field \"2147483648\" is not a whole number"},
        RowsCase{"duplicate",
                 {{"1007", "0"}, {"1003", "0"}, {" 1007", ""}},
                 {{2, 0}},
                 "field 1007 occurrence 0 is already in row 1"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(WorkbenchForm, RefusedWritesAndKeyboardReadBackWhatTheyShow) {
    const auto writes = vkshost::parseRefusedWrites("1007, 10154:1 1003:0:-5");
    ASSERT_EQ(writes.size(), 3u);
    EXPECT_EQ(writes[1].occurrence, 1);
    EXPECT_EQ(writes[2].status, -5);
    EXPECT_EQ(vkshost::refusedWritesText(writes), "1007:0:1 10154:1:1 1003:0:-5");
    const auto keyboard = vkshost::parseKeyboard("a=1 ==x");
    EXPECT_EQ(vkshost::keyboardText(keyboard), "a=1 ==x");
    for (const char* bad : {"x", "1007:0:0", "1007:-1", "1:2:3:4", "1007:0:40000"})
        EXPECT_THROW(vkshost::parseRefusedWrites(bad), vkshost::ScenarioError) << bad;
    EXPECT_THROW(vkshost::parseKeyboard("a"), vkshost::ScenarioError);
}

QKeyEvent key(int code, const QString& text = {}, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    return QKeyEvent(QEvent::KeyPress, code, modifiers, text);
}

TEST(WorkbenchRecorder, JoinsTypingAndNamesKeysAsStepsReplay) {
    QDialog screen;
    screen.setObjectName("FrmPagParcBRQ_VKSTrn");
    QDialog box;
    box.setObjectName("VksMessageBox");
    vkshost::Recorder recorder(nullptr);
    recorder.windowShown(screen);
    for (const char* c : {"5", "2", "9"}) recorder.keyPressed(key(c[0], c), screen);
    recorder.keyPressed(key(Qt::Key_Enter), screen);
    recorder.keyPressed(key(Qt::Key_Space, " "), screen);
    recorder.keyPressed(key(Qt::Key_A, "a"), screen);
    recorder.keyPressed(key(Qt::Key_1, "1", Qt::AltModifier), screen);
    recorder.keyPressed(key(Qt::Key_C, "", Qt::AltModifier | Qt::ShiftModifier), screen);
    recorder.keyPressed(key(Qt::Key_Return), box);
    recorder.keyPressed(key(Qt::Key_C, "\x03", Qt::ControlModifier), screen);
    recorder.keyPressed(key(Qt::Key_Backtab, "", Qt::ShiftModifier), screen);
    recorder.keyPressed(key(Qt::Key_X, "x"), screen);
    EXPECT_EQ(recorder.steps(), (QStringList{"expect screen FrmPagParcBRQ_VKSTrn", "type 529", "key Enter", "key  ",
                                             "type a", "key Alt+1", "key Alt+c", "ok", "key Backtab", "type x"}));
    EXPECT_EQ(recorder.notReplayable(), QStringList{"key Ctrl+C on FrmPagParcBRQ_VKSTrn"});
    for (const QString& step : recorder.steps())
        EXPECT_NO_THROW(vkshost::parseStep(step, "step")) << step.toStdString();
}

TEST(WorkbenchRecorder, ClickOnAButtonIsItsMnemonicAndAnyOtherIsNamedAsNotReplayable) {
    QDialog screen;
    screen.setObjectName("FrmPagParcBRQ_VKSTrn");
    QPushButton confirm("&1 Confirma", &screen);
    QPushButton plain("Limpar", &screen);
    plain.setObjectName("btLimpa");
    QLineEdit edit(&screen);
    edit.setObjectName("edCPF");
    QLabel label("CPF", &screen);
    vkshost::Recorder recorder(nullptr);
    recorder.keyPressed(key(Qt::Key_Control, "", Qt::ControlModifier), screen);
    recorder.keyPressed(key(Qt::Key_Shift, "", Qt::ShiftModifier), screen);
    recorder.clicked(confirm, screen);
    recorder.clicked(label, screen);
    recorder.clicked(edit, screen);
    recorder.clicked(plain, screen);
    EXPECT_EQ(recorder.steps(), QStringList{"key Alt+1"});
    EXPECT_EQ(recorder.notReplayable(),
              (QStringList{"a click on edCPF of FrmPagParcBRQ_VKSTrn", "a click on btLimpa of FrmPagParcBRQ_VKSTrn"}));
}

TEST(WorkbenchForm, FailingCallsReadBackWhatTheyShow) {
    const auto calls = vkshost::parseFailedCalls("GravaCampoString#2, AutorizaTransacao");
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[1].call, 1);
    EXPECT_EQ(vkshost::failedCallsText(calls), "GravaCampoString#2 AutorizaTransacao#1");
    for (const char* bad : {"Nothing", "GravaCampoString#0", "GravaCampoString#x", "LeMensagens#1#2"})
        EXPECT_THROW(vkshost::parseFailedCalls(bad), vkshost::ScenarioError) << bad;
}

TEST(WorkbenchRecorder, SavedScenarioReadsBackAndItsExpectationsHoldForTheRun) {
    const QDate today(2024, 3, 9);
    const vkshost::Scenario run = vkshost::parseScenario(R"({
        "entry": "ExecutaGenerico",
        "fields": { "1105": "1", "10154": ["a", "b"], "1051": "09032024" },
        "ini": "[OPERACAO]\r\nTrataOcorrencia=SIM\r\n",
        "host": { "card": { "status": 3 }, "refuse_write": { "field": 1007 }, "keyboard": { "a": "1" },
                  "progress_text": "..." },
        "operator": [ "type 09/03/2024", "key Enter" ] })",
                                                         today, "x");
    const QJsonObject result = QJsonDocument::fromJson(R"({
        "returned": true, "screens": ["S"], "modal_results": [{ "screen": "S", "result": 1 }],
        "writes": [{ "field": 1007, "occurrence": 0, "text": null }, { "field": 1051, "occurrence": 0, "text": "09032024" }],
        "requests": [{ "code": 64, "flag": 1, "mode": 0, "entries": [], "request": "64" }],
        "boxes": [{ "id": 803, "caption": "c", "text": "t" }, { "id": null, "caption": "c", "text": "odd" }],
        "errors": [], "hand_backs": 1 })")
                                   .object();
    EXPECT_TRUE(vkshost::checkExpectations(vkshost::expectationsOf(result), result).isEmpty());

    vkshost::Scenario saved = run;
    saved.expect = vkshost::expectationsOf(result);
    const QJsonObject json = vkshost::scenarioJson(saved, today);
    EXPECT_EQ(json["fields"]["1051"], "{today}");
    EXPECT_EQ(json["fields"]["10154"], (QJsonArray{"a", "b"}));
    EXPECT_EQ(json["operator"][0], "type {today:dd/mm/yyyy}");
    // Read back on another day, the dates follow that day.
    const vkshost::Scenario back = vkshost::parseScenario(QJsonDocument(json).toJson(), today.addDays(1), "x");
    EXPECT_EQ(back.ini, run.ini);
    EXPECT_EQ(back.host.card->status, 3);
    EXPECT_EQ(back.host.refusedWrites.size(), 1u);
    EXPECT_EQ(back.host.keyboard, run.host.keyboard);
    ASSERT_EQ(back.fields.size(), run.fields.size());
    EXPECT_EQ(back.steps[0].target, "10/03/2024");
    EXPECT_EQ(back.expect["writes"][1]["text"], "10032024");
}

TEST(WorkbenchSummary, ShowsWritesStoreAndEachEntryAtItsOffsetInColumns) {
    const QJsonObject result = QJsonDocument::fromJson(R"({
        "scenario": "s", "returned": true, "screens": [], "modal_results": [], "boxes": [], "errors": [],
        "writes": [{ "field": 1007, "occurrence": 0, "text": "52998224725" }, { "field": 10154, "occurrence": 1, "text": null }],
        "fields": { "1007": "52998224725", "10154": ["x", "y"] },
        "requests": [{ "code": 64, "flag": 1, "mode": 0, "request": "0064abc",
                       "entries": [{ "field": 0, "occurrence": 0, "width": 4, "type": 1, "block": 0, "text": "0064" },
                                   { "field": 1007, "occurrence": 0, "width": 3, "type": 2, "block": 0, "text": "abc" }] }],
        "hand_backs": 1 })")
                                   .object();
    const QString text = vkshost::summarize(result, {}, {}, false);
    for (const char* line :
         {"\n         0    4  fixed text, type 1  \"0064\"", "\n         4    3   1007 Cpf, type 2   \"abc\"",
          "Field writes, in order:\n   1007 Cpf                      = \"52998224725\"\n"
          "  10154 IdentificationWritten[1] = (cleared)",
          "\n  10154 IdentificationWritten[1] = \"y\"", "Expectations: none were given"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(line))) << line << "\n" << text.toStdString();
}

// Card numbers wherever they appear, in the fields that carry one; CPFs,
// cheque numbers and the store's zeros stay as they are.
struct MaskCase {
    const char* name;
    const char* field;
    const char* value;
    const char* shown;
};

class SummaryMasking : public testing::TestWithParam<MaskCase> {};

TEST_P(SummaryMasking, ShowsCardsAsTheScreensDo) {
    const MaskCase& c = GetParam();
    const QString value = QString::fromUtf8(c.value);
    const QJsonObject result{
        {"fields", QJsonObject{{c.field, value}}},
        {"writes", QJsonArray{QJsonObject{{"field", 1003}, {"occurrence", 0}, {"text", "x" + value + "x"}}}},
        {"requests", QJsonArray{QJsonObject{{"request", "00" + value}, {"entries", QJsonArray{}}}}}};
    const QString text = vkshost::summarize(result, {}, {}, false);
    const QString shown = QString::fromUtf8(c.shown);
    EXPECT_GE(text.count(shown), 3) << text.toStdString();
    if (shown != value) {
        EXPECT_FALSE(text.contains(value)) << text.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(Cards, SummaryMasking,
                         testing::Values(MaskCase{"OtherHolderCard", "1201", "4111111111111111", "411111**********"},
                                         MaskCase{"CardNumber", "1059", "6034567890123456", "603456**********"},
                                         MaskCase{"TypedCard", "1041", "5555444433332222111", "555544*************"},
                                         MaskCase{"IdentificationCard", "10104", "603456789012", "603456******"},
                                         MaskCase{"CpfStays", "10104", "52998224725", "52998224725"},
                                         MaskCase{"ZerosStay", "1059", "0000000000000000", "0000000000000000"},
                                         MaskCase{"OtherFieldStays", "1003", "4111111111111111", "4111111111111111"}),
                         vks::test::CaseName{});

TEST(WorkbenchScenario, KeepsAByteOrderMarkThatStartsAText) {
    const vkshost::Scenario scenario = vkshost::parseScenario("\xEF\xBB\xBF{ \"fields\": { \"1102\": \"\xEF\xBB\xBF"
                                                              "abc\" } }",
                                                              QDate(2026, 1, 1));
    ASSERT_EQ(scenario.fields.size(), 1U);
    EXPECT_EQ(scenario.fields[0].text, "\xEF\xBB\xBF"
                                       "abc");
}

TEST(WorkbenchSummary, ElidesLongValuesInTimeLinearInTheStore) {
    // A card that starts before the cut is masked whole, not shown in part.
    const QString huge =
        QString(90, QLatin1Char('7')) + "4111111111111111" + QString(2 * 1024 * 1024, QLatin1Char('7'));
    const QJsonObject result{{"fields", QJsonObject{{"1102", huge}, {"1201", "4111111111111111"}}}};
    const QString text = vkshost::summarize(result, {}, {}, false);
    const QString shown =
        "\"" + QString(90, QLatin1Char('7')) + QString("411111****\"... (%1 characters)").arg(huge.size());
    EXPECT_TRUE(text.contains(shown)) << text.left(2000).toStdString();
    EXPECT_LT(text.size(), 2000);
}

} // namespace
