#include "screens/miles/TFrmMilhas_VKSTrn.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QFocusEvent>
#include <QWidget>

#include "core/FieldText.h"
#include "core/ModuleState.h"
#include "host/Fields.h"
#include "host/IniFile.h"
#include "screens/base/FieldStore.h"

namespace vks {
namespace {

class CashierExit final : public QObject {
public:
    CashierExit(QWidget& control, std::function<void()> handler)
        : QObject(&control),
          handler_(std::move(handler)) {
        control.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::FocusOut && byCashier(static_cast<QFocusEvent*>(event)->reason())) handler_();
        return QObject::eventFilter(watched, event);
    }

private:
    static bool byCashier(Qt::FocusReason reason) {
        return reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason || reason == Qt::MouseFocusReason ||
               reason == Qt::ShortcutFocusReason;
    }

    std::function<void()> handler_;
};

} // namespace

void readOccurrenceSwitch() {
    const QString path = QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("VKS.INI"));
    if (!QFileInfo(path).isFile()) return;
    const QString value = readIniValue(path, QStringLiteral("OPERACAO"), QStringLiteral("TrataOcorrencia"))
                              .value_or(QStringLiteral("NAO"));
    state().TrataOcorrencia = fieldBytes(value.toUpper());
}

TFrmMilhas_VKSTrn::TFrmMilhas_VKSTrn(std::string_view className)
    : TFrmVKS_TrnMod(className) {}

bool TFrmMilhas_VKSTrn::treatsOccurrences() { return state().TrataOcorrencia == "SIM"; }

void TFrmMilhas_VKSTrn::onCashierExit(QWidget& control, std::function<void()> handler) {
    new CashierExit(control, std::move(handler));
}

bool TFrmMilhas_VKSTrn::GravaCamposKovar() {
    if (!TFrmVKS_TrnMod::GravaCamposKovar()) return false;
    return fields::writeAuthorizerTag();
}

void TFrmMilhas_VKSTrn::IniciaCamposForm() {
    TFrmVKS_TrnMod::IniciaCamposForm();
    readOccurrenceSwitch();
}

} // namespace vks
