#pragma once

#include <map>
#include <utility>
#include <vector>

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QStringList>

#include "screens/base/TFrmMod.h"

class QGridLayout;

namespace vks {

namespace ui {
class CardEdit;
class MaskedEdit;
} // namespace ui

// What a capture control accepts from the keyboard (tested on the character
// the screen's key preview hands on).
enum class Keys {
    Any,
    Digits,      // "0" to "9", Backspace, Enter
    HostNumeric, // what the host's PermiteNumerico_BS_Enter lets through
    ListSteps,   // "2" and "8" step the list through the host; other keys reach it
    OwnSteps,    // "2" (next; from none the first) and "8" (previous) step the
                 // list by the screen itself; other keys reach it
};

// One capture control as a screen declares it.
struct Control {
    const char* name;            // object name, e.g. "edCPF"
    const char* label = nullptr; // object name of its label, e.g. "lbCPF"
    const char* design = "";     // label text until the catalogue text is set
    MessageId caption = 0;       // label text from the catalogue (0: keeps `design`)
    MessageId hint = 0;          // entry hint on the message line (0: none)
    int maxLength = 0;           // 0: no limit
    Keys keys = Keys::Any;
    const char* mask = nullptr;  // edit mask of a masked edit field
};

// The part the transaction capture screen and the additional-data screen
// share: the capture panel, the confirm and cancel buttons, the key preview,
// the confirm and cancel flows and the template methods.
class TFrmCaptura : public TFrmMod {
public:
    explicit TFrmCaptura(std::string_view className);

    void FormCreate() override;
    void setVisible(bool visible) override;

    // Template methods.
    virtual bool ValidaCamposForm() = 0;
    virtual bool GravaCamposKovar();
    virtual bool VerificaAutorizaTransacao();
    virtual void IniciaCamposForm();

    // The confirm flow (the click of btConfirma).
    void btConfirmaClick();
    // The cancel flow (the click of btRetorna).
    void btRetornaClick();

protected:
    void FormShow() override;

    // Capture controls, placed one per row in pnCaptura, in tab order of
    // declaration (before the buttons).
    QLineEdit* addEdit(const Control& control);
    ui::MaskedEdit* addMaskedEdit(const Control& control);
    ui::CardEdit* addCardEdit(const Control& control);
    QComboBox* addList(const Control& control, const QStringList& items);

    // The label declared with `control`, nullptr when none.
    QLabel* labelOf(const QWidget& control) const;
    // Shows or hides a control together with its label.
    void showWithLabel(QWidget& control, bool shown);
    // Replaces the tab order of the capture controls (the buttons follow).
    void setCaptureTabOrder(std::vector<QWidget*> controls);

    // The screen's request layout, handed to the host on confirmation.
    void setRequestLayout(const VksRequestLayout& layout) { layout_ = &layout; }
    bool AutorizaTransacao(int mode);

    // The form key press: true when the key is used up.
    virtual bool FormKeyPress(QWidget* focus, const QKeyEvent& event, QString& key);

    QFrame* pnCaptura;
    QFrame* pnBotoes;
    QPushButton* btConfirma;
    QPushButton* btRetorna;

private:
    void place(QWidget& control, const Control& declared);
    void updateTabOrder();
    void arrangeRowsInTabOrder();

    QGridLayout* captureGrid_;
    int rows_ = 0;
    const VksRequestLayout* layout_ = nullptr;
    std::vector<QWidget*> captureOrder_;
    std::map<const QWidget*, QLabel*> labels_;
    std::vector<std::pair<QLabel*, MessageId>> captions_;
};

// A button's caption; its mnemonic is the screen's to handle, not the
// toolkit's.
void setButtonCaption(QPushButton& button, const QString& caption);

} // namespace vks
