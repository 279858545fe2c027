#include "ClientWindow.h"

#include <memory>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFormLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QJsonDocument>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QShortcut>
#include <QSpinBox>
#include <QSplitter>
#include <QStyledItemDelegate>
#include <QTabWidget>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

#include "Recorder.h"
#include "Simulator.h"
#include "module/Catalogues.h"
#include "module/ModuleLibrary.h"
#include "run/Playback.h"
#include "run/ScenarioIni.h"
#include "run/ScenarioRun.h"
#include "run/Summary.h"

namespace vkshost {

namespace {

constexpr int kTextColumn = 2;
constexpr int kCarriesColumn = 3;

QString cellText(const QTableWidget& table, int row, int column) {
    const QTableWidgetItem* item = table.item(row, column);
    return item == nullptr ? QString() : item->text();
}

// Tab in a cell being edited keeps the text and leaves the table, as Tab
// does anywhere else in the window (the item views' own editors would move
// on to the next cell).
class LeavingDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    bool eventFilter(QObject* object, QEvent* event) override {
        if (event->type() != QEvent::KeyPress) return QStyledItemDelegate::eventFilter(object, event);
        const auto* key = static_cast<const QKeyEvent*>(event);
        if (key->key() != Qt::Key_Tab && key->key() != Qt::Key_Backtab)
            return QStyledItemDelegate::eventFilter(object, event);
        auto* editor = static_cast<QWidget*>(object);
        QWidget* view = editor->parentWidget() != nullptr ? editor->parentWidget()->parentWidget() : nullptr;
        emit commitData(editor);
        emit closeEditor(editor, QAbstractItemDelegate::NoHint);
        if (view != nullptr)
            QCoreApplication::postEvent(view, new QKeyEvent(QEvent::KeyPress, key->key(), key->modifiers()));
        return true;
    }
};

} // namespace

ClientWindow::ClientWindow(ModuleLibrary& module)
    : module_(module) {
    setWindowTitle("vks-host - simulated EFT client");
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(buildButtons());
    auto* split = new QSplitter(Qt::Horizontal, this);
    auto* left = new QWidget(split);
    auto* leftLayout = new QVBoxLayout(left);
    leftLayout->setContentsMargins(0, 0, 0, 0);
    leftLayout->addWidget(buildFieldEditor(), 1);
    leftLayout->addWidget(buildHostEditor());
    outcome_ = new QPlainTextEdit(split);
    outcome_->setReadOnly(true);
    outcome_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    outcome_->setLineWrapMode(QPlainTextEdit::NoWrap);
    outcome_->setPlaceholderText("What the module did on each run appears here.");
    split->addWidget(left);
    split->addWidget(outcome_);
    split->setSizes({520, 480});
    layout->addWidget(split, 1);
    // The smallest terminal screen it must serve is 1024 by 768.
    resize(1000, 700);
    resetForm();
    type_->setFocus();
    qApp->installEventFilter(this);
}

ClientWindow::~ClientWindow() { qApp->removeEventFilter(this); }

namespace {

// A window of the person's: not a popup, tooltip or the like.
bool isDialogOrWindow(const QWidget& widget) {
    const Qt::WindowType type = widget.windowType();
    return widget.isWindow() && (type == Qt::Dialog || type == Qt::Window);
}

} // namespace

bool ClientWindow::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if ((type != QEvent::Show && type != QEvent::Hide) || !watched->isWidgetType()) return false;
    auto* widget = static_cast<QWidget*>(watched);
    if (!isDialogOrWindow(*widget)) return false;
    if (widget == this) {
        if (type == QEvent::Show) QTimer::singleShot(0, this, &ClientWindow::takeKeyboard);
        return false;
    }
    // The module's screens take the keyboard themselves; this window's own
    // dialogs (files, messages) are given it, and it comes back here when
    // they close.
    const bool ours = widget->parentWidget() != nullptr && widget->parentWidget()->window() == this;
    if (type == QEvent::Show && ours && !running_) {
        const QPointer<QWidget> dialog(widget);
        QTimer::singleShot(0, this, [dialog] {
            if (dialog != nullptr && dialog->isVisible()) dialog->activateWindow();
        });
    } else if (type == QEvent::Hide && !running_) {
        QTimer::singleShot(0, this, &ClientWindow::takeKeyboard);
    }
    return false;
}

void ClientWindow::takeKeyboard() {
    if (!isVisible() || running_ || QApplication::activeModalWidget() != nullptr) return;
    // The offscreen platform has no stacking, and says so on every call.
    if (QGuiApplication::platformName() != QLatin1String("offscreen")) raise();
    activateWindow();
}

QWidget* ClientWindow::buildButtons() {
    auto* box = new QWidget(this);
    auto* row = new QHBoxLayout(box);
    row->setContentsMargins(0, 0, 0, 0);
    auto* open = new QPushButton("&Open scenario... (Ctrl+O)", box);
    auto* save = new QPushButton("&Save scenario... (Ctrl+S)", box);
    auto* saveResult = new QPushButton("Save r&esult...", box);
    auto* runButton = new QPushButton("&Run (F5)", box);
    runButton->setDefault(true);
    record_ = new QCheckBox("Recor&d the cashier", box);
    record_->setToolTip("Run records the keys typed on the module's screens as the scenario's steps, and what the "
                        "module did as its expectations; Save scenario then writes a scenario that replays it.");
    playSteps_ = new QCheckBox("&Play the steps", box);
    playSteps_->setToolTip("Run types the scenario's operator steps instead of waiting for the person.");
    connect(open, &QPushButton::clicked, this, &ClientWindow::openScenario);
    connect(save, &QPushButton::clicked, this, &ClientWindow::saveScenario);
    connect(saveResult, &QPushButton::clicked, this, &ClientWindow::saveResult);
    connect(runButton, &QPushButton::clicked, this, &ClientWindow::run);
    connect(record_, &QCheckBox::toggled, this, [this](bool on) {
        if (on) playSteps_->setChecked(false);
    });
    connect(playSteps_, &QCheckBox::toggled, this, [this](bool on) {
        if (on) record_->setChecked(false);
    });
    connect(new QShortcut(QKeySequence(Qt::Key_F5), this), &QShortcut::activated, this, &ClientWindow::run);
    connect(new QShortcut(QKeySequence::Open, this), &QShortcut::activated, this, &ClientWindow::openScenario);
    connect(new QShortcut(QKeySequence::Save, this), &QShortcut::activated, this, &ClientWindow::saveScenario);
    row->addWidget(open);
    row->addWidget(save);
    row->addWidget(saveResult);
    row->addStretch();
    row->addWidget(playSteps_);
    row->addWidget(record_);
    row->addWidget(runButton);
    return box;
}

QWidget* ClientWindow::buildFieldEditor() {
    auto* box = new QWidget(this);
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* form = new QFormLayout();
    type_ = new QComboBox(box);
    for (int type = 0; type <= int(transactions().size()); ++type)
        type_->addItem(type == 0 ? QString("0 - none")
                                 : QString("%1 - %2").arg(type).arg(transactions()[type - 1].name));
    connect(type_, &QComboBox::activated, this, &ClientWindow::chooseTransaction);
    form->addRow("&Transaction (field 1105)", type_);
    entry_ = new QComboBox(box);
    entry_->addItems(entryPointNames());
    form->addRow("E&ntry point", entry_);
    layout->addLayout(form);

    fields_ = new QTableWidget(0, 4, box);
    fields_->setHorizontalHeaderLabels({"Field", "Occurrence", "Text", "What it carries"});
    fields_->horizontalHeader()->setSectionResizeMode(kTextColumn, QHeaderView::Stretch);
    fields_->horizontalHeader()->setSectionResizeMode(kCarriesColumn, QHeaderView::Stretch);
    fields_->setColumnWidth(kFieldColumn, 60);
    fields_->setColumnWidth(kOccurrenceColumn, 80);
    fields_->verticalHeader()->setDefaultSectionSize(fields_->fontMetrics().height() + 6);
    // Tab moves on to the next control; the arrows move between cells.
    fields_->setTabKeyNavigation(false);
    fields_->setItemDelegate(new LeavingDelegate(fields_));
    connect(fields_, &QTableWidget::cellChanged, this, &ClientWindow::fieldEdited);
    auto* label = new QLabel("&Fields before the call (dates: {today}, {today+N}, {today:dd/mm/yyyy})", box);
    label->setBuddy(fields_);
    layout->addWidget(label);
    layout->addWidget(fields_, 1);
    fieldProblems_ = new QLabel(box);
    fieldProblems_->setStyleSheet("color: #b00020");
    fieldProblems_->setWordWrap(true);
    fieldProblems_->hide();
    layout->addWidget(fieldProblems_);

    auto* buttons = new QHBoxLayout();
    auto* add = new QPushButton("&Add field", box);
    auto* remove = new QPushButton("Remo&ve field", box);
    connect(add, &QPushButton::clicked, this, [this] {
        addFieldRow(QString(), 0, QString());
        fields_->setCurrentCell(fields_->rowCount() - 1, kFieldColumn);
        fields_->setFocus();
    });
    connect(remove, &QPushButton::clicked, this, [this] {
        if (fields_->currentRow() < 0) return;
        fields_->removeRow(fields_->currentRow());
        validateFields();
    });
    buttons->addWidget(add);
    buttons->addWidget(remove);
    buttons->addStretch();
    layout->addLayout(buttons);
    return box;
}

QWidget* ClientWindow::buildHostEditor() {
    auto* tabs = new QTabWidget(this);
    auto* answers = new QWidget(tabs);
    auto* form = new QFormLayout(answers);
    operatorValid_ = new QCheckBox("operator va&lidated", answers);
    authorize_ = new QCheckBox("request authori&zed", answers);
    auto* checks = new QHBoxLayout();
    checks->addWidget(operatorValid_);
    checks->addWidget(authorize_);
    checks->addStretch();
    form->addRow("Host answers", checks);
    cardStatus_ = new QSpinBox(answers);
    cardStatus_->setRange(-32768, 32767);
    cardNumber_ = new QLineEdit(answers);
    auto* card = new QHBoxLayout();
    card->addWidget(cardStatus_);
    card->addWidget(cardNumber_, 1);
    auto* cardLabel = new QLabel("PIN pad status, &card", answers);
    cardLabel->setBuddy(cardStatus_);
    form->addRow(cardLabel, card);
    buildVersion_ = new QLineEdit(answers);
    buildVersion_->setPlaceholderText("the module file's own");
    form->addRow("&Build version", buildVersion_);
    progressText_ = new QLineEdit(answers);
    progressText_->setPlaceholderText("the simulator's");
    form->addRow("Pro&gress text", progressText_);
    tabs->addTab(answers, "&Host answers");

    auto* more = new QWidget(tabs);
    auto* moreForm = new QFormLayout(more);
    refusedWrites_ = new QLineEdit(more);
    refusedWrites_->setPlaceholderText("field:occurrence:status ..., e.g. 1007:0:1");
    moreForm->addRow("Refused &writes", refusedWrites_);
    keyboard_ = new QLineEdit(more);
    keyboard_->setPlaceholderText("typed=meant ..., e.g. a=1 b=2");
    moreForm->addRow("Keyboard &map", keyboard_);
    failedCalls_ = new QLineEdit(more);
    failedCalls_->setPlaceholderText("function#call ..., e.g. GravaCampoString#2 AutorizaTransacao");
    failedCalls_->setToolTip(
        "Host calls that fail, counted from the start of the run: " +
        QStringList(std::begin(vks::sim::kFailableFunctions), std::end(vks::sim::kFailableFunctions)).join(", "));
    // Alt+F is the field table's; C is free on this tab.
    moreForm->addRow("Failing &calls", failedCalls_);
    tabs->addTab(more, "Refusals, &keyboard");

    auto* ini = new QWidget(tabs);
    auto* iniLayout = new QVBoxLayout(ini);
    writeIni_ = new QCheckBox("&Use this VKS.INI for the run", ini);
    ini_ = new QPlainTextEdit(ini);
    ini_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    ini_->setPlaceholderText("[OPERACAO]\nTrataOcorrencia=SIM");
    ini_->setTabChangesFocus(true);
    connect(writeIni_, &QCheckBox::toggled, ini_, &QWidget::setEnabled);
    iniLayout->addWidget(writeIni_);
    iniLayout->addWidget(ini_);
    tabs->addTab(ini, "VKS.&INI");

    auto* steps = new QWidget(tabs);
    auto* stepsLayout = new QVBoxLayout(steps);
    stepsLine_ = new QLabel(steps);
    stepsLine_->setWordWrap(true);
    stepsLine_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    stepsLayout->addWidget(stepsLine_);
    stepsLayout->addStretch();
    tabs->addTab(steps, "Steps, e&xpectations");
    tabs->setMaximumHeight(200);
    return tabs;
}

void ClientWindow::chooseTransaction(int type) {
    type_->setCurrentIndex(type);
    setField("1105", flagsFor(type));
}

void ClientWindow::setField(const QString& field, const QString& text) {
    for (int row = 0; row < fields_->rowCount(); ++row) {
        if (cellText(*fields_, row, kFieldColumn).trimmed() == field &&
            cellText(*fields_, row, kOccurrenceColumn).toInt() == 0) {
            fields_->setItem(row, kTextColumn, new QTableWidgetItem(text));
            return;
        }
    }
    addFieldRow(field, 0, text);
}

void ClientWindow::addFieldRow(const QString& field, int occurrence, const QString& text) {
    filling_ = true;
    const int row = fields_->rowCount();
    fields_->insertRow(row);
    fields_->setItem(row, kFieldColumn, new QTableWidgetItem(field));
    fields_->setItem(row, kOccurrenceColumn, new QTableWidgetItem(QString::number(occurrence)));
    fields_->setItem(row, kTextColumn, new QTableWidgetItem(text));
    filling_ = false;
    fieldEdited(row, kFieldColumn);
}

// The name beside each number, the transaction list following field 1105,
// and every problem marked at its row as soon as it is typed.
void ClientWindow::fieldEdited(int row, int column) {
    if (filling_) return;
    filling_ = true;
    if (column == kFieldColumn) {
        auto* carries = new QTableWidgetItem(fieldDescription(cellText(*fields_, row, kFieldColumn).toLongLong()));
        carries->setFlags(carries->flags() & ~Qt::ItemIsEditable);
        fields_->setItem(row, kCarriesColumn, carries);
    }
    if (cellText(*fields_, row, kFieldColumn).trimmed() == "1105" &&
        cellText(*fields_, row, kOccurrenceColumn).toInt() == 0)
        type_->setCurrentIndex(transactionTypeOf(cellText(*fields_, row, kTextColumn)));
    filling_ = false;
    validateFields();
}

bool ClientWindow::validateFields() {
    std::vector<FieldRow> rows;
    for (int row = 0; row < fields_->rowCount(); ++row)
        rows.push_back({cellText(*fields_, row, kFieldColumn), cellText(*fields_, row, kOccurrenceColumn)});
    const std::vector<RowProblem> problems = checkFieldRows(rows);
    filling_ = true;
    for (int row = 0; row < fields_->rowCount(); ++row)
        for (int column : {kFieldColumn, kOccurrenceColumn})
            if (QTableWidgetItem* item = fields_->item(row, column)) {
                item->setBackground(QBrush());
                item->setToolTip(QString());
            }
    QStringList lines;
    for (const RowProblem& problem : problems) {
        if (QTableWidgetItem* item = fields_->item(problem.row, problem.column)) {
            item->setBackground(QColor(255, 205, 210));
            item->setToolTip(problem.text);
        }
        lines << QString("Row %1: %2").arg(problem.row + 1).arg(problem.text);
    }
    filling_ = false;
    fieldProblems_->setText(lines.join('\n'));
    fieldProblems_->setVisible(!lines.isEmpty());
    return problems.empty();
}

void ClientWindow::resetForm() {
    fields_->setRowCount(0);
    entry_->setCurrentIndex(0);
    operatorValid_->setChecked(true);
    authorize_->setChecked(true);
    cardStatus_->setValue(0);
    cardNumber_->setText(QString::fromStdString(vks::sim::Behaviour{}.cardNumber));
    buildVersion_->clear();
    progressText_->clear();
    refusedWrites_->clear();
    keyboard_->clear();
    failedCalls_->clear();
    writeIni_->setChecked(false);
    ini_->clear();
    ini_->setEnabled(false);
    name_ = "client window";
    description_.clear();
    iniCrLf_ = true;
    steps_.clear();
    expect_ = {};
    notReplayable_.clear();
    chooseTransaction(1);
    showStepsLine();
}

void ClientWindow::openScenario() {
    const QString path = chooseFile("Open scenario", "Scenarios (*.json)", false);
    if (!path.isEmpty()) openScenarioFile(path);
}

bool ClientWindow::openScenarioFile(const QString& path) {
    Scenario scenario;
    try {
        scenario = loadScenario(path, QDate::currentDate());
    } catch (const ScenarioError& error) {
        QMessageBox::warning(this, "Scenario not valid", QString::fromUtf8(error.what()));
        return false;
    }
    // Nothing of the previous scenario stays behind.
    resetForm();
    fields_->setRowCount(0);
    for (const FieldSetting& field : scenario.fields)
        addFieldRow(QString::number(field.field), field.occurrence, QString::fromStdString(field.text));
    type_->setCurrentIndex(0);
    for (int row = 0; row < fields_->rowCount(); ++row) fieldEdited(row, kTextColumn);
    entry_->setCurrentText(scenario.entry);
    const HostSettings& host = scenario.host;
    operatorValid_->setChecked(host.operatorValid.value_or(true));
    authorize_->setChecked(host.authorize.value_or(true));
    if (host.card) cardStatus_->setValue(host.card->status);
    if (host.card && host.card->number) cardNumber_->setText(QString::fromStdString(*host.card->number));
    buildVersion_->setText(QString::fromStdString(host.buildVersion.value_or("")));
    progressText_->setText(QString::fromStdString(host.progressText.value_or("")));
    refusedWrites_->setText(refusedWritesText(host.refusedWrites));
    keyboard_->setText(keyboardText(host.keyboard));
    failedCalls_->setText(failedCallsText(host.failedCalls));
    writeIni_->setChecked(scenario.ini.has_value());
    iniCrLf_ = !scenario.ini || scenario.ini->contains("\r\n") || !scenario.ini->contains('\n');
    ini_->setPlainText(scenario.ini ? QString::fromUtf8(*scenario.ini).replace("\r\n", "\n") : QString());
    name_ = scenario.name;
    folder_ = QFileInfo(path).absolutePath();
    description_ = scenario.description;
    steps_ = scenario.steps;
    expect_ = scenario.expect;
    playSteps_->setChecked(!steps_.empty());
    setWindowTitle(QString("vks-host - %1").arg(QFileInfo(path).fileName()));
    showStepsLine();
    return true;
}

void ClientWindow::showStepsLine() {
    QStringList steps;
    for (const ScenarioStep& step : steps_) steps << step.source;
    stepsLine_->setText(QString("%1\nOperator steps (%2): %3\nExpectations: %4")
                            .arg(description_.isEmpty() ? QString("No description.") : description_)
                            .arg(steps.size())
                            .arg(steps.isEmpty() ? QString("none; you act as the cashier") : steps.join(" | "))
                            .arg(expect_.isEmpty() ? QString("none") : expect_.keys().join(", ")));
    playSteps_->setEnabled(!steps_.empty());
}

Scenario ClientWindow::scenarioFromForm() const {
    Scenario scenario;
    scenario.name = name_;
    scenario.description = description_;
    scenario.entry = entry_->currentText();
    for (int row = 0; row < fields_->rowCount(); ++row)
        scenario.fields.push_back(
            {std::int32_t(cellText(*fields_, row, kFieldColumn).trimmed().toLongLong()),
             cellText(*fields_, row, kOccurrenceColumn).trimmed().toInt(),
             expandDates(cellText(*fields_, row, kTextColumn), QDate::currentDate()).toStdString()});
    HostSettings& host = scenario.host;
    // Only what differs from the simulator's answers is written down.
    const vks::sim::Behaviour defaults;
    if (operatorValid_->isChecked() != defaults.operatorValid) host.operatorValid = operatorValid_->isChecked();
    if (authorize_->isChecked() != defaults.authorizeResult) host.authorize = authorize_->isChecked();
    if (cardStatus_->value() != defaults.cardStatus || cardNumber_->text().toStdString() != defaults.cardNumber)
        host.card = CardSetting{std::int16_t(cardStatus_->value()), cardNumber_->text().toStdString()};
    if (!buildVersion_->text().isEmpty()) host.buildVersion = buildVersion_->text().toStdString();
    if (!progressText_->text().isEmpty()) host.progressText = progressText_->text().toStdString();
    host.refusedWrites = parseRefusedWrites(refusedWrites_->text());
    host.keyboard = parseKeyboard(keyboard_->text());
    host.failedCalls = parseFailedCalls(failedCalls_->text());
    if (writeIni_->isChecked()) {
        QString ini = ini_->toPlainText();
        if (iniCrLf_) ini.replace("\n", "\r\n");
        scenario.ini = ini.toUtf8();
    }
    scenario.steps = steps_;
    scenario.expect = expect_;
    return scenario;
}

void ClientWindow::saveScenario() {
    if (!validateFields()) return;
    if (!notReplayable_.isEmpty()) {
        QMessageBox::warning(this, "Cannot save",
                             "The recording holds what no step can replay; record it again with the keyboard:\n" +
                                 notReplayable_.join("\n"));
        return;
    }
    Scenario scenario;
    try {
        scenario = scenarioFromForm();
    } catch (const ScenarioError& error) {
        QMessageBox::warning(this, "Cannot save", QString::fromUtf8(error.what()));
        return;
    }
    const QString path = chooseFile("Save scenario", "Scenarios (*.json)", true);
    if (path.isEmpty()) return;
    writeJson(path, scenarioJson(scenario, QDate::currentDate()));
}

void ClientWindow::saveResult() {
    if (lastResult_.isEmpty()) {
        QMessageBox::information(this, "Save result", "Run first: there is no result yet.");
        return;
    }
    const QString path = chooseFile("Save result", "Results (*.json)", true);
    if (!path.isEmpty()) writeJson(path, lastResult_);
}

QString ClientWindow::chooseFile(const QString& title, const QString& filter, bool saving) {
    QFileDialog dialog(this, title, folder_.isEmpty() ? QDir::homePath() : folder_, filter);
    dialog.setAcceptMode(saving ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(saving ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setDefaultSuffix("json");
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    const QString path = dialog.selectedFiles().constFirst();
    folder_ = QFileInfo(path).absolutePath();
    return path;
}

void ClientWindow::writeJson(const QString& path, const QJsonObject& json) {
    QFile file(path);
    const QByteArray bytes = QJsonDocument(json).toJson();
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        QMessageBox::warning(this, "Cannot save", QString("%1: %2").arg(path, file.errorString()));
}

void ClientWindow::run() {
    // The module's calls are not reentrant: a key or click during a run is
    // ignored.
    if (running_) return;
    if (!validateFields()) {
        fields_->setFocus();
        return;
    }
    Scenario scenario;
    try {
        scenario = scenarioFromForm();
    } catch (const ScenarioError& error) {
        outcome_->setPlainText(QString("Not run: %1\n").arg(QString::fromUtf8(error.what())));
        return;
    }
    const bool recording = record_->isChecked();
    const bool playing = playSteps_->isChecked() && !steps_.empty();
    // A person acting or recording plays no steps; a recording replaces the
    // expectations.
    if (!playing) scenario.steps.clear();
    if (recording) scenario.expect = {};
    // The run's VKS.INI, in this window's private host folder.
    const ScenarioIni ini(scenario.ini);
    if (!ini.problem().isEmpty()) {
        QMessageBox::warning(this, "Cannot run", ini.problem());
        return;
    }
    running_ = true;
    Outcome outcome;
    QStringList recordedSteps;
    {
        const RunOptions options{};
        Playback playback(scenario, options, playing);
        std::unique_ptr<Recorder> recorder = recording ? std::make_unique<Recorder>(this) : nullptr;
        playback.call(module_, ownerHandle(*this), [this] {
            outcome_->setPlainText(
                "The module did not return after its windows were cancelled; close them to go on.\n");
        });
        outcome = playback.outcome(module_);
        if (recorder) {
            recordedSteps = recorder->steps();
            notReplayable_ = recorder->notReplayable();
        }
    }
    lastResult_ = outcome.result;
    lastFailures_ = outcome.failures;
    if (recording) {
        // The recording becomes the scenario's steps and expectations.
        steps_.clear();
        for (int i = 0; i < recordedSteps.size(); ++i)
            steps_.push_back(parseStep(recordedSteps[i], QString("operator[%1]").arg(i)));
        expect_ = expectationsOf(outcome.result);
        description_ = "recorded in the vks-host window on " + QDate::currentDate().toString("yyyy-MM-dd");
        showStepsLine();
    }
    QString text = summarize(outcome.result, description_, outcome.failures, outcome.hadExpectations);
    if (recording) {
        text += QString("\nRecorded %1 step(s) and the expectations of this run; Save scenario writes them.\n")
                    .arg(recordedSteps.size());
        if (!notReplayable_.isEmpty())
            text +=
                "Not replayable, so Save refuses it (use the keyboard instead): " + notReplayable_.join("; ") + "\n";
    }
    outcome_->setPlainText(text);
    running_ = false;
    takeKeyboard();
}

} // namespace vkshost
