#include "screens/queries/TFrmCPF_VKSAdc.h"

#include "core/FieldText.h"
#include "screens/base/FieldStore.h"
#include "screens/base/SharedControls.h"
#include "screens/base/SharedMessages.h"
#include "ui/MaskedEdit.h"

namespace vks {
namespace {} // namespace

TFrmCPF_VKSAdc::TFrmCPF_VKSAdc(std::string_view className)
    : TFrmVKS_Adc(className),
      edCPF(addMaskedEdit(controls::cpf(msg::kCpfHint))) {
    lbCPF = labelOf(*edCPF);
}

bool TFrmCPF_VKSAdc::ValidaCamposForm() {
    if (!TFrmVKS_Adc::ValidaCamposForm()) return false;
    if (!host().VerificaCPF(cpfDigits())) return rejectInput(msg::kInvalidOrMissing, *edCPF, Retry::EnableClearFocus);
    return true;
}

QWidget* TFrmCPF_VKSAdc::keyControl() const { return edCPF; }

bool TFrmCPF_VKSAdc::GravaCamposKovar() {
    if (!TFrmVKS_Adc::GravaCamposKovar()) return false;
    return storeCpf();
}

void TFrmCPF_VKSAdc::showHostCpf() {
    const QString cpf = fieldText(fields::read(field::Cpf));
    edCPF->setMaskedText(cpf);
    if (!cpf.isEmpty()) edCPF->setEnabled(false);
}

bool TFrmCPF_VKSAdc::storeCpf() { return fields::write(field::Cpf, cpfDigits()); }

std::string TFrmCPF_VKSAdc::cpfDigits() const { return host().RemoveFormato(fieldBytes(edCPF->maskedText())); }

} // namespace vks
