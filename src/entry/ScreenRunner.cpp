#include "entry/ScreenRunner.h"

#include <QApplication>
#include <QDialog>

#include "core/ModuleState.h"
#include "screens/ScreenTable.h"
#include "host/HostServices.h"
#include "host/Messages.h"
#include "ui/Activation.h"
#include "ui/MessageBox.h"

namespace vks {
namespace {
constexpr MessageId kScreenNotCreated = 802;

// Keeps the screen in its module-wide reference for as long as it exists.
class ScreenReference {
public:
    ScreenReference(std::string name, QDialog* screen) : name_(std::move(name)) { state().screens[name_] = screen; }
    ~ScreenReference() { state().screens.erase(name_); }
    ScreenReference(const ScreenReference&) = delete;
    ScreenReference& operator=(const ScreenReference&) = delete;

private:
    std::string name_;
};
} // namespace

bool CriaExecutaForm(std::string_view className, QDialog* parent) {
    const ScreenClass* screenClass = findScreenClass(className);
    std::unique_ptr<QDialog> screen = screenClass != nullptr ? screenClass->create() : nullptr;
    if (!screen) return false;
    {
        const ScreenReference reference(referenceNameOf(className), screen.get());
        const int result = ui::runModal(*screen, parent != nullptr ? parent : QApplication::activeWindow());
        if (parent == nullptr) {
            if (result == kModalCancel) host().KovarGravaArquivo();
        } else if (result == kModalOk) {
            parent->done(kModalOk);
        }
    }
    screen.reset();
    return true;
}

void runScreen(std::string_view className) {
    if (!CriaExecutaForm(className)) {
        ui::showMessage(catalogueText(kScreenNotCreated, {referenceNameOf(className)}));
    }
}

} // namespace vks
