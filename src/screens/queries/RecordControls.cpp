#include "screens/queries/RecordControls.h"

#include <limits>

#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>

#include "ui/KeyFilters.h"
#include "ui/KeyPreview.h"

namespace vks::record {
namespace {

constexpr int kSideBySideSpacing = 4;

class TypingLimit final : public QObject {
public:
    explicit TypingLimit(QLineEdit& edit) : QObject(&edit), edit_(edit), limit_(edit.maxLength()) {
        edit.setMaxLength(std::numeric_limits<int>::max());
        edit.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != QEvent::KeyPress) return false;
        const auto* key = static_cast<const QKeyEvent*>(event);
        const qsizetype room = limit_ - (edit_.text().size() - edit_.selectedText().size());
        if (key->matches(QKeySequence::Paste)) {
            if (room > 0) edit_.insert(QGuiApplication::clipboard()->text().left(room));
            return true;
        }
        const bool typing = ui::isCharacterKey(*key) && key->text().front().isPrint() &&
                            !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
        return typing && room <= 0;
    }

private:
    QLineEdit& edit_;
    int limit_;
};

bool step(QComboBox& list, const QString& key) {
    const int current = list.currentIndex();
    if (key == QLatin1String("2")) {
        if (current < list.count() - 1) list.setCurrentIndex(current + 1);
        return true;
    }
    if (key == QLatin1String("8")) {
        if (current > 0) list.setCurrentIndex(current - 1);
        return true;
    }
    return false;
}

int widthOf(const QWidget& control, int chars) {
    // As the capture panel sizes its edits: the characters and the frame.
    return control.fontMetrics().horizontalAdvance(QLatin1Char('0')) * chars + 12;
}

} // namespace

QString upperAToZ(QString text) {
    for (QChar& c : text) {
        if (c >= QLatin1Char('a') && c <= QLatin1Char('z')) c = QChar(c.unicode() - ('a' - 'A'));
    }
    return text;
}

void stepWithTwoAndEight(QComboBox& list) {
    new ui::CharHandler(list, [&list](const QString& key) { return step(list, key); });
}

void limitTypingOnly(QLineEdit& edit) { new TypingLimit(edit); }

void fitChars(QWidget& control, int chars) {
    control.setMinimumWidth(0);
    control.setFixedWidth(widthOf(control, chars));
}

void stretchFrom(QWidget& control, int chars) {
    control.setMinimumWidth(widthOf(control, chars));
    control.setMaximumWidth(QWIDGETSIZE_MAX);
    control.setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

QWidget* sideBySide(QWidget& panel, QWidget& first, QWidget& second) {
    auto* row = new QWidget(&panel);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(kSideBySideSpacing);
    layout->addWidget(&first);
    layout->addWidget(&second);
    layout->addStretch();
    return row;
}

} // namespace vks::record
