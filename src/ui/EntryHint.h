#pragma once

#include <functional>

#include <QObject>
#include <QPointer>
#include <QString>

class QLabel;
class QWidget;

namespace vks::ui {

// Entry hint: whenever the control receives the focus, the screen's message
// line is made visible and shows the hint text (read when it is shown).
class EntryHint final : public QObject {
public:
    EntryHint(QWidget& control, QLabel& messageLine, std::function<QString()> text);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPointer<QLabel> line_;
    std::function<QString()> text_;
};

} // namespace vks::ui
