#include "screens/miles/TFrmMilhas_VKSTrn.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include "core/FieldText.h"
#include "core/ModuleState.h"
#include "host/Fields.h"
#include "host/IniFile.h"
#include "screens/base/FieldStore.h"

namespace vks {

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

bool TFrmMilhas_VKSTrn::GravaCamposKovar() {
    if (!TFrmVKS_TrnMod::GravaCamposKovar()) return false;
    return fields::writeAuthorizerTag();
}

void TFrmMilhas_VKSTrn::IniciaCamposForm() {
    TFrmVKS_TrnMod::IniciaCamposForm();
    readOccurrenceSwitch();
}

} // namespace vks
