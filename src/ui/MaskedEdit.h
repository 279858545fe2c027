#pragma once

#include "ui/EditMask.h"

#include <QLineEdit>

namespace vks::ui {

// The screens' masked edit field. The line edit holds the displayed text
// (every position, blanks shown as the mask's blank character); typing
// fills the next editable position, skipping literals, and Backspace
// blanks the previous one. Without a mask it is a plain edit field.
class MaskedEdit : public QLineEdit {
    Q_OBJECT

public:
    explicit MaskedEdit(QWidget* parent = nullptr);

    void setEditMask(const QString& mask);
    QString editMask() const { return mask_.source(); }
    const EditMask& mask() const { return mask_; }

    // The text the program reads, per the mask (literals kept or not,
    // blanks as spaces).
    QString maskedText() const;
    // Places a text into the editable positions in order.
    void setMaskedText(const QString& text);
    // Every position blank.
    void clearMasked();
    // Every required position filled.
    bool isComplete() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;

private:
    void typeText(const QString& typed);
    void blankSelection();
    void eraseBefore();
    void eraseAt();
    void showCells(const QString& cells, qsizetype cursor);
    QString cells() const;
    void renormalise();

    EditMask mask_;
    bool updating_ = false;
};

} // namespace vks::ui
