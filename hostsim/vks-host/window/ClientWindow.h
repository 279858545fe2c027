#pragma once

#include <vector>

#include <QJsonObject>
#include <QWidget>

#include "FormText.h"
#include "scenario/Scenario.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;
class QTableWidget;

namespace vkshost {

class ModuleLibrary;

// The window of a small EFT client: the field store as an editable table,
// the transaction type, the host's answers, VKS.INI, and Run, which calls
// the module with this window as owner while the person acts as the
// cashier (or plays the scenario's steps, or records them), and shows what
// the module did beside.
class ClientWindow : public QWidget {
    Q_OBJECT
public:
    explicit ClientWindow(ModuleLibrary& module);
    ~ClientWindow() override;

    // Loads a scenario file into the window; false (and a message at the
    // problem) when it is not valid.
    bool openScenarioFile(const QString& path);
    // The scenario the form describes; throws ScenarioError.
    Scenario scenarioFromForm() const;
    // Run (F5): the module called through the same playback as
    // "vks-host run", with this window as its owner.
    void run();
    const QJsonObject& lastResult() const { return lastResult_; }
    const QStringList& lastFailures() const { return lastFailures_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* buildFieldEditor();
    QWidget* buildHostEditor();
    QWidget* buildButtons();
    void chooseTransaction(int type);
    void setField(const QString& field, const QString& text);
    void addFieldRow(const QString& field, int occurrence, const QString& text);
    void fieldEdited(int row, int column);
    bool validateFields();
    void resetForm();
    void openScenario();
    void saveScenario();
    void saveResult();
    // A file dialog starting in the folder last used, adding ".json" to a
    // name typed without it; empty when cancelled.
    QString chooseFile(const QString& title, const QString& filter, bool saving);
    void writeJson(const QString& path, const QJsonObject& json);
    void showStepsLine();
    // Without a window manager nobody gives a window the keyboard: this one
    // takes it when shown and whenever a window of its own closes.
    void takeKeyboard();

    ModuleLibrary& module_;
    QTableWidget* fields_ = nullptr;
    QLabel* fieldProblems_ = nullptr;
    QComboBox* type_ = nullptr;
    QComboBox* entry_ = nullptr;
    QCheckBox* operatorValid_ = nullptr;
    QCheckBox* authorize_ = nullptr;
    QSpinBox* cardStatus_ = nullptr;
    QLineEdit* cardNumber_ = nullptr;
    QLineEdit* buildVersion_ = nullptr;
    QLineEdit* progressText_ = nullptr;
    QLineEdit* refusedWrites_ = nullptr;
    QLineEdit* keyboard_ = nullptr;
    QLineEdit* failedCalls_ = nullptr;
    QCheckBox* writeIni_ = nullptr;
    QPlainTextEdit* ini_ = nullptr;
    QLabel* stepsLine_ = nullptr;
    QCheckBox* playSteps_ = nullptr;
    QCheckBox* record_ = nullptr;
    QPlainTextEdit* outcome_ = nullptr;
    // What the form does not show: the loaded or recorded scenario's
    // description, steps and expectations.
    QString name_;
    QString description_;
    bool iniCrLf_ = true; // the loaded VKS.INI's line ends, kept on save
    std::vector<ScenarioStep> steps_;
    QJsonObject expect_;
    // What the last recording did that no step can replay: Save refuses it.
    QStringList notReplayable_;
    QJsonObject lastResult_;
    QStringList lastFailures_;
    QString folder_; // where the last scenario was opened or saved
    bool running_ = false;
    bool filling_ = false; // the table is being filled, not edited
};

} // namespace vkshost
