#include "entry/ScreenRunner.h"

#include <QApplication>
#include <QDialog>

#include "host/HostServices.h"
#include "host/Messages.h"
#include "screens/ScreenTable.h"
#include "screens/base/TFrmMod.h"
#include "ui/MessageBox.h"

namespace vks {
namespace {
constexpr MessageId kScreenNotCreated = 802;
} // namespace

bool CriaExecutaForm(std::string_view className, QDialog* parent) {
    ReferencedScreen screen(className, parent);
    if (!screen) return false;
    const int result = screen.runModal(parent != nullptr ? parent : QApplication::activeWindow());
    if (parent == nullptr) {
        if (result == TFrmMod::kModalCancel) host().KovarGravaArquivo();
    } else if (result == TFrmMod::kModalOk) {
        parent->done(TFrmMod::kModalOk);
    }
    return true;
}

void runScreen(std::string_view className) {
    if (!CriaExecutaForm(className)) {
        ui::showMessage(catalogueText(kScreenNotCreated, {referenceNameOf(className)}));
    }
}

} // namespace vks
