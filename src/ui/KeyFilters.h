#pragma once

#include <functional>

#include <QObject>
#include <QString>

class QLineEdit;
class QWidget;

namespace vks::ui {

// A control's key filter: a typed character the rule does not accept is
// discarded before the control sees it. The character tested is the one the
// screen's key preview handed on (the host's reading of the key).
class CharFilter final : public QObject {
public:
    using Rule = std::function<bool(const QString& key)>;
    CharFilter(QWidget& control, Rule accepts);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Rule accepts_;
};

// A control's key handler: gets every typed character first and returns
// true when it has dealt with it (the control then does not see it).
class CharHandler final : public QObject {
public:
    using Handler = std::function<bool(const QString& key)>;
    CharHandler(QWidget& control, Handler handler);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Handler handler_;
};

// Limits what the cashier types into `edit` to `maxLength` characters, as
// the original toolkit's maximum length does: typed characters and pasted
// text beyond it are refused, while text the program assigns is shown and
// kept whole, however long.
void limitTyping(QLineEdit& edit, int maxLength);

// Replaces characters [from, to) of `edit`'s text with `typed`, the cursor
// after them, as one new text built in one allocation: the control records
// no undo command (each would keep one character in storage nobody can
// wipe) and no intermediate copy is left behind.
void replaceTyped(QLineEdit& edit, qsizetype from, qsizetype to, QStringView typed);
// `typed` over the selection, or at the cursor when nothing is selected.
void typeOver(QLineEdit& edit, QStringView typed);

// Digits "0" to "9", Backspace and Enter.
bool isDigitBackspaceEnter(const QString& key);

} // namespace vks::ui
