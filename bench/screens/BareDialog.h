#pragma once

#include <QDialog>

class QPushButton;

namespace vks::bench {

// The floor: a plain dialog of the screens' size holding `widgets` widgets in
// all (itself included), labels and line edits in rows and a button last,
// with nothing of the module in it.
class BareDialog : public QDialog {
public:
    explicit BareDialog(int widgets);

    // Once active with the focus on its button, the dialog accepts itself
    // through a 10 ms one-shot timer, as a screen with nothing left to type.
    void confirmItself();

private:
    QPushButton* button_ = nullptr;
};

// Widgets in `window`, itself included.
int widgetCount(const QWidget& window);

} // namespace vks::bench
