#include "screens/base/CaptureControls.h"

#include <algorithm>
#include <limits>

#include <QComboBox>
#include <QLineEdit>

#include "core/FieldText.h"
#include "ui/KeyFilters.h"

namespace vks {
namespace {

// The list as the host's stepping routine sees it.
class ComboList final : public ComboAccess {
public:
    explicit ComboList(QComboBox& combo)
        : combo_(combo) {}
    int count() const override { return combo_.count(); }
    int current() const override { return combo_.currentIndex(); }
    void select(int index) override { combo_.setCurrentIndex(index >= -1 && index < combo_.count() ? index : -1); }

private:
    QComboBox& combo_;
};

// "2" selects the next item (from none the first), "8" the previous one
// (never above the first); true when the key was one of them.
bool stepOwnList(QComboBox& list, const QString& key) {
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

bool stepThroughHost(QComboBox& list, const QString& key) {
    ComboList access(list);
    return host().AvancaRetrocedeItemComboBox(access, fieldBytes(key)).empty();
}

// A list's keys: `step` takes those it steps with; every other key reaches
// the list, which selects the item starting with a typed character. A blank
// is taken too: it would open the pop-up, which a list of the screens never
// does from the keyboard.
void stepListWith(QWidget& control, bool (*step)(QComboBox&, const QString&)) {
    auto* list = qobject_cast<QComboBox*>(&control);
    if (list == nullptr) return;
    new ui::CharHandler(control,
                        [list, step](const QString& key) { return key == QLatin1String(" ") || step(*list, key); });
}

} // namespace

void installKeys(QWidget& control, Keys keys) {
    switch (keys) {
    case Keys::Any:
        break;
    case Keys::Digits:
        new ui::CharFilter(control, ui::isDigitBackspaceEnter);
        break;
    case Keys::HostNumeric:
        new ui::CharFilter(
            control, [](const QString& key) { return !host().PermiteNumerico_BS_Enter(fieldBytes(key)).empty(); });
        break;
    case Keys::OwnSteps:
        stepListWith(control, stepOwnList);
        break;
    case Keys::ListSteps:
        stepListWith(control, stepThroughHost);
        break;
    }
}

void sizeEdit(QLineEdit& edit, int maxLength, bool masked) {
    if (!masked) {
        // Qt's own ceiling (32767) would cut a longer value from the host.
        edit.setMaxLength(std::numeric_limits<int>::max());
        if (maxLength > 0) ui::limitTyping(edit, maxLength);
    }
    const int chars = maxLength > 0 ? std::min(maxLength, 40) : 20;
    edit.setFixedWidth(edit.fontMetrics().horizontalAdvance(QLatin1Char('0')) * (chars + 2) + 12);
}

} // namespace vks
