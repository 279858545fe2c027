#pragma once

#include "screens/base/TFrmVKS_Adc.h"

namespace vks {

// Payment value query by document (transaction type 3): the document passed
// in field 1041, or typed, labelled by the entry type of field 1100.
class TFrmValorBRQ_VKSAdc : public TFrmVKS_Adc {
public:
    TFrmValorBRQ_VKSAdc();

    bool ValidaCamposForm() override;
    bool GravaCamposKovar() override;
    void IniciaCamposForm() override;

protected:
    QLabel* lbDadosDocumento;
    QLineEdit* edDadosDocumento;
};

} // namespace vks
