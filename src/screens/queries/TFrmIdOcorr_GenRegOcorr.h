#pragma once

#include <QComboBox>

#include "screens/queries/QueryScreen.h"
#include "screens/queries/SuppliedEdit.h"
#include "screens/queries/TFrmGenerica_RegOcorrVKS.h"

namespace vks {

// Occurrence identification (transaction type 10, selector 9): the kind of
// occurrence, chosen from a list, and its code, recorded against a fiscal
// coupon.
class TFrmIdOcorr_GenRegOcorr : public QueryScreen<TFrmGenerica_RegOcorrVKS> {
public:
    TFrmIdOcorr_GenRegOcorr();

    void IniciaCamposForm() override;
    bool ValidaCamposForm() override;
    bool GravaCamposKovar() override;

protected:
    bool FormKeyPress(QWidget* focus, const QKeyEvent& event, QString& key) override;

    QLabel* lbIdOcorrencia;
    QComboBox* cbIdOcorrencia;
    QLabel* lbCodOcorrencia;
    QLineEdit* edCodOcorrencia;

private:
    SuppliedEdit code_;
};

} // namespace vks
