#include "ClientWindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

#include "ModuleLibrary.h"
#include "Result.h"
#include "ScenarioRun.h"
#include "ScreenWatcher.h"
#include "Summary.h"

namespace vkshost {

namespace {

constexpr int kTransactionTypes = 21;
constexpr int kFieldColumn = 0;
constexpr int kOccurrenceColumn = 1;
constexpr int kTextColumn = 2;

const char* const kTransactionNames[kTransactionTypes + 1] = {
    "0 - none",
    "1 - installment payment",
    "2 - installment payment cancellation",
    "3 - payment value query",
    "4 - statement by card",
    "5 - statement by CPF",
    "6 - miles sale",
    "7 - miles acquisition",
    "8 - miles sale reversal",
    "9 - miles acquisition reversal",
    "10 - miles balance by card and occurrences",
    "11 - miles balance by CPF",
    "12 - mini statement by card",
    "13 - mini statement by CPF",
    "14 - registration inclusion",
    "15 - registration change",
    "16 - free-form query by card",
    "17 - free-form query by CPF",
    "18 - cheque sale",
    "19 - cheque sale cancellation",
    "20 - invoice composition by card",
    "21 - invoice composition by CPF",
};

QString cellText(const QTableWidget& table, int row, int column) {
    const QTableWidgetItem* item = table.item(row, column);
    return item == nullptr ? QString() : item->text();
}

} // namespace

ClientWindow::ClientWindow(ModuleLibrary& module)
    : module_(module) {
    setWindowTitle("vks-host - simulated EFT client");
    auto* layout = new QHBoxLayout(this);
    auto* left = new QVBoxLayout();
    left->addWidget(buildFieldEditor(), 1);
    left->addWidget(buildHostEditor());
    layout->addLayout(left, 3);
    outcome_ = new QPlainTextEdit(this);
    outcome_->setReadOnly(true);
    outcome_->setPlaceholderText("The outcome of each run appears here.");
    layout->addWidget(outcome_, 2);
    resize(1100, 650);
    chooseTransaction(1);
}

ClientWindow::~ClientWindow() = default;

QWidget* ClientWindow::buildFieldEditor() {
    auto* box = new QWidget(this);
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    fields_ = new QTableWidget(0, 3, box);
    fields_->setHorizontalHeaderLabels({"Field", "Occurrence", "Text"});
    fields_->horizontalHeader()->setStretchLastSection(true);
    fields_->verticalHeader()->hide();
    layout->addWidget(fields_, 1);

    auto* buttons = new QHBoxLayout();
    auto* add = new QPushButton("Add field", box);
    auto* remove = new QPushButton("Remove field", box);
    auto* open = new QPushButton("Open scenario...", box);
    connect(add, &QPushButton::clicked, this, [this] { fields_->insertRow(fields_->rowCount()); });
    connect(remove, &QPushButton::clicked, this, [this] {
        if (fields_->currentRow() >= 0) fields_->removeRow(fields_->currentRow());
    });
    connect(open, &QPushButton::clicked, this, &ClientWindow::openScenario);
    buttons->addWidget(add);
    buttons->addWidget(remove);
    buttons->addStretch();
    buttons->addWidget(open);
    layout->addLayout(buttons);
    return box;
}

QWidget* ClientWindow::buildHostEditor() {
    auto* box = new QWidget(this);
    auto* form = new QFormLayout(box);
    type_ = new QComboBox(box);
    for (const char* name : kTransactionNames) type_->addItem(QString::fromLatin1(name));
    connect(type_, &QComboBox::activated, this, &ClientWindow::chooseTransaction);
    form->addRow("Transaction (field 1105)", type_);
    entry_ = new QComboBox(box);
    entry_->addItems(entryPointNames());
    form->addRow("Entry point", entry_);
    operatorValid_ = new QCheckBox("operator validated", box);
    operatorValid_->setChecked(true);
    authorize_ = new QCheckBox("request authorized", box);
    authorize_->setChecked(true);
    auto* checks = new QHBoxLayout();
    checks->addWidget(operatorValid_);
    checks->addWidget(authorize_);
    form->addRow("Host answers", checks);
    cardStatus_ = new QSpinBox(box);
    cardStatus_->setRange(-32768, 32767);
    cardNumber_ = new QLineEdit("6034567890123456", box);
    auto* card = new QHBoxLayout();
    card->addWidget(cardStatus_);
    card->addWidget(cardNumber_, 1);
    form->addRow("PIN pad status, card", card);
    buildVersion_ = new QLineEdit(box);
    buildVersion_->setPlaceholderText("the module file's own");
    form->addRow("Build version", buildVersion_);
    auto* runButton = new QPushButton("Run", box);
    connect(runButton, &QPushButton::clicked, this, &ClientWindow::run);
    form->addRow(runButton);
    return box;
}

void ClientWindow::chooseTransaction(int type) {
    type_->setCurrentIndex(type);
    setField("1105", type == 0 ? QString(kTransactionTypes, '0') : QString(type - 1, '0') + "1");
}

void ClientWindow::setField(const QString& field, const QString& text) {
    for (int row = 0; row < fields_->rowCount(); ++row) {
        if (cellText(*fields_, row, kFieldColumn) == field && cellText(*fields_, row, kOccurrenceColumn).toInt() == 0) {
            fields_->setItem(row, kTextColumn, new QTableWidgetItem(text));
            return;
        }
    }
    const int row = fields_->rowCount();
    fields_->insertRow(row);
    fields_->setItem(row, kFieldColumn, new QTableWidgetItem(field));
    fields_->setItem(row, kOccurrenceColumn, new QTableWidgetItem("0"));
    fields_->setItem(row, kTextColumn, new QTableWidgetItem(text));
}

void ClientWindow::openScenario() {
    const QString path = QFileDialog::getOpenFileName(this, "Open scenario", QString(), "Scenarios (*.json)");
    if (path.isEmpty()) return;
    try {
        const Scenario scenario = loadScenario(path, QDate::currentDate());
        fields_->setRowCount(0);
        for (const FieldSetting& field : scenario.fields) {
            const int row = fields_->rowCount();
            fields_->insertRow(row);
            fields_->setItem(row, kFieldColumn, new QTableWidgetItem(QString::number(field.field)));
            fields_->setItem(row, kOccurrenceColumn, new QTableWidgetItem(QString::number(field.occurrence)));
            fields_->setItem(row, kTextColumn, new QTableWidgetItem(QString::fromStdString(field.text)));
        }
        entry_->setCurrentText(scenario.entry);
        const HostSettings& host = scenario.host;
        operatorValid_->setChecked(host.operatorValid.value_or(true));
        authorize_->setChecked(host.authorize.value_or(true));
        if (host.card) cardStatus_->setValue(host.card->status);
        if (host.card && host.card->number) cardNumber_->setText(QString::fromStdString(*host.card->number));
        buildVersion_->setText(QString::fromStdString(host.buildVersion.value_or("")));
    } catch (const ScenarioError& error) {
        QMessageBox::warning(this, "Scenario not valid", QString::fromUtf8(error.what()));
    }
}

Scenario ClientWindow::scenarioFromForm() const {
    Scenario scenario;
    scenario.name = "client window";
    scenario.entry = entry_->currentText();
    for (int row = 0; row < fields_->rowCount(); ++row) {
        bool idOk = false;
        const int id = cellText(*fields_, row, kFieldColumn).toInt(&idOk);
        const int occurrence = cellText(*fields_, row, kOccurrenceColumn).toInt();
        if (idOk && occurrence >= 0 && occurrence < 65536)
            scenario.fields.push_back(
                {id, occurrence,
                 expandDates(cellText(*fields_, row, kTextColumn), QDate::currentDate()).toStdString()});
    }
    HostSettings& host = scenario.host;
    host.operatorValid = operatorValid_->isChecked();
    host.authorize = authorize_->isChecked();
    host.card = CardSetting{std::int16_t(cardStatus_->value()), cardNumber_->text().toStdString()};
    if (!buildVersion_->text().isEmpty()) host.buildVersion = buildVersion_->text().toStdString();
    return scenario;
}

void ClientWindow::run() {
    // The module's calls are not reentrant: a click during a run is ignored.
    if (running_) return;
    running_ = true;
    const Scenario scenario = scenarioFromForm();
    configureHost(scenario);
    ScreenWatcher watcher;
    module_.entry(scenario.entry)(VksWindow(winId()), 0);
    const QJsonObject result = buildResult(scenario.name, true, watcher);
    outcome_->setPlainText(summarize(result, scenario.entry, {}, false));
    running_ = false;
}

} // namespace vkshost
