#pragma once

#include <map>
#include <utility>
#include <vector>

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QStringList>

#include "screens/base/CaptureControls.h"
#include "screens/base/CaptureDeclaration.h"
#include "screens/base/TFrmMod.h"

class QGridLayout;

namespace vks {

class ButtonPanel;

namespace ui {
class CardEdit;
class InputLock;
class MaskedEdit;
} // namespace ui

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
    // The screen no longer takes the cashier's input: it is sending its
    // request, or waits for the host after a failed transfer.
    bool inputLocked() const { return inputLock_ != nullptr; }

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
    // Takes the screen's ordered declaration of its capture: each control
    // starts out as declared, in the declared tab order.
    void declareCapture(const CaptureDeclaration& capture);
    // Starts each declared control out as declared; the order stays.
    void startAsDeclared(const CaptureDeclaration& capture);
    // The capture controls in tab order, which is also their order on
    // screen.
    const std::vector<QWidget*>& captureOrder() const { return captureOrder_; }

    // The screen's request layout, handed to the host on confirmation.
    void setRequestLayout(const VksRequestLayout& layout) { layout_ = &layout; }
    bool AutorizaTransacao(int mode);

    // The form key press: true when the key is used up.
    virtual bool FormKeyPress(QWidget* focus, const QKeyEvent& event, QString& key);

    // The screen's Enter handling (the module-wide key-preview switch):
    // armed, Enter moves the focus to the next control; disarmed, the next
    // Enter reaches the focused control, and the switch arms itself again.
    static void armEnterMovesOn();
    static void disarmEnterMovesOn();

    QFrame* pnCaptura;
    ButtonPanel* pnBotoes;
    QPushButton* btConfirma;
    QPushButton* btRetorna;

private:
    // Locks the screen and its buttons while the host sends the request.
    void lockForRequest();
    void place(QWidget& control, const Control& declared);
    void updateTabOrder();
    void arrangeRowsInTabOrder();

    QGridLayout* captureGrid_;
    int rows_ = 0;
    const VksRequestLayout* layout_ = nullptr;
    ui::InputLock* inputLock_ = nullptr; // owned by the screen
    std::vector<QWidget*> captureOrder_;
    std::map<const QWidget*, QLabel*> labels_;
    std::vector<std::pair<QLabel*, MessageId>> captions_;
};

} // namespace vks
