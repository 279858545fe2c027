#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include <QDialog>
#include <QFrame>
#include <QLabel>

#include "host/HostServices.h"
#include "screens/base/ScreenGeometry.h"

namespace vks {

// How a control that failed validation is left for the cashier.
enum class Retry {
    EnableClearFocus,    // enabled, emptied and focused
    EnableFocus,         // enabled and focused
    ClearFocusIfEnabled, // emptied and focused when enabled, else the first control
    FocusIfEnabled,      // focused when enabled, else the first control
};

// Root of every screen: frameless, topmost tool window of 623 by 423, the
// background and logo pictures, the title, the message line and the module
// version. Creation is two-step: construct, then FormCreate (which derived
// screens extend to fill their controls); createScreen does both.
class TFrmMod : public QDialog {
    // A class of its own for the toolkit: the screens share their palette
    // (see ui::makeLockedValuesReadable).
    Q_OBJECT

public:
    // `className`: the screen's class name; its reference name (the name
    // without the leading T) becomes the object name and the audit name.
    explicit TFrmMod(std::string_view className = "TFrmMod");
    ~TFrmMod() override;
    TFrmMod(const TFrmMod&) = delete;
    TFrmMod& operator=(const TFrmMod&) = delete;

    virtual void FormCreate();

    const std::string& referenceName() const { return referenceName_; }
    // The controls in tab order, the hidden and disabled ones included.
    const std::vector<QWidget*>& tabSequence() const { return tabSequence_; }
    MessageLine& messageLine() { return messageLine_; }

    static constexpr int kWidth = geometry::kScreenWidth;
    static constexpr int kHeight = geometry::kScreenHeight;
    static constexpr int kModalOk = 1;
    static constexpr int kModalCancel = 2;

protected:
    virtual void FormShow();

    // Catalogue text of `message`.
    static QString text(MessageId message);
    // Entry hint: `control` shows catalogue text `message` on the message
    // line whenever it gets the focus.
    void hintOnEntry(QWidget& control, MessageId message);

    // The screen's tab order (tab stops only; hidden and disabled controls
    // are passed over when moving).
    void setTabSequence(std::vector<QWidget*> controls);
    // The first control in tab order (visible, enabled), focused.
    void focusFirstControl();
    // The next control in tab order after the focused one, focused.
    void focusNextControl();

    // Shows catalogue text `message` in the module's message box.
    void showError(MessageId message, std::initializer_list<std::string_view> args = {});
    // A failed check: the message box, then `control` left as `retry` says.
    // Always false, so that checks read `return rejectInput(...)`.
    // `args` fill the placeholders of a template text.
    bool rejectInput(MessageId message, QWidget& control, Retry retry,
                     std::initializer_list<std::string_view> args = {});

    void showEvent(QShowEvent* event) override;
    // No dialog keys: Enter and Escape mean only what the screen makes them.
    void keyPressEvent(QKeyEvent* event) override;
    // Tab and Backtab follow the screen's tab order.
    bool focusNextPrevChild(bool next) override;
    // Closing from outside (window manager) does not end the screen.
    void reject() override {}

    QLabel* ImgFundo;
    QLabel* lbTitulo;
    QLabel* lbMensagem;
    QFrame* panelLogo;
    QLabel* ImageLogo;
    QLabel* lbVersao;

private:
    class LabelLine final : public MessageLine {
    public:
        explicit LabelLine(TFrmMod& screen)
            : screen_(screen) {}
        void setMessage(const std::string& text) override;

    private:
        TFrmMod& screen_;
    };

    void centre();

    std::string referenceName_;
    LabelLine messageLine_;
    std::vector<QWidget*> tabSequence_;
};

// A label's colour kept when the screen is disabled (the host writes its
// progress on the message line of a disabled screen).
void setFixedColour(QWidget& widget, const QColor& colour);

} // namespace vks
