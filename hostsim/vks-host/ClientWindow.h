#pragma once

#include <memory>

#include <QWidget>

#include "Scenario.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QSpinBox;
class QTableWidget;

namespace vkshost {

class ModuleLibrary;

// The window of a small EFT client: the field store as an editable table,
// the transaction type, the host's behaviours, and a Run button that calls
// the module with this window as owner and shows the outcome beside.
class ClientWindow : public QWidget {
    Q_OBJECT
public:
    explicit ClientWindow(ModuleLibrary& module);
    ~ClientWindow() override;

private:
    QWidget* buildFieldEditor();
    QWidget* buildHostEditor();
    void chooseTransaction(int type);
    void setField(const QString& field, const QString& text);
    void openScenario();
    Scenario scenarioFromForm() const;
    void run();

    ModuleLibrary& module_;
    QTableWidget* fields_ = nullptr;
    QComboBox* type_ = nullptr;
    QComboBox* entry_ = nullptr;
    QCheckBox* operatorValid_ = nullptr;
    QCheckBox* authorize_ = nullptr;
    QSpinBox* cardStatus_ = nullptr;
    QLineEdit* cardNumber_ = nullptr;
    QLineEdit* buildVersion_ = nullptr;
    QPlainTextEdit* outcome_ = nullptr;
    bool running_ = false;
};

} // namespace vkshost
