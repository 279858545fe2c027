#include "screens/queries/ListSteps.h"

#include <QComboBox>

#include "host/HostServices.h"
#include "ui/KeyFilters.h"

namespace vks {
namespace {

// The list as the host's stepping routine sees it.
class StepAccess final : public ComboAccess {
public:
    explicit StepAccess(QComboBox& list) : list_(list) {}
    int count() const override { return list_.count(); }
    int current() const override { return list_.currentIndex(); }
    void select(int index) override { list_.setCurrentIndex(index >= -1 && index < list_.count() ? index : -1); }

private:
    QComboBox& list_;
};

} // namespace

void stepWithTwoAndEight(QComboBox& list) {
    new ui::CharHandler(list, [&list](const QString& key) {
        if (key != QLatin1String("2") && key != QLatin1String("8")) return false;
        StepAccess access(list);
        host().AvancaRetrocedeItemComboBox(access, key.toStdString());
        return true;
    });
}

} // namespace vks
