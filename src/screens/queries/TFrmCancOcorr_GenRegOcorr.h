#pragma once

#include "screens/queries/QueryScreen.h"
#include "screens/queries/SuppliedEdit.h"
#include "screens/queries/TFrmGenerica_RegOcorrVKS.h"

namespace vks {

// Occurrence cancellation (transaction type 10, selector 10): the
// occurrence registered for a fiscal coupon on a date, at a store and a
// point of sale.
class TFrmCancOcorr_GenRegOcorr : public QueryScreen<TFrmGenerica_RegOcorrVKS> {
public:
    TFrmCancOcorr_GenRegOcorr();

    void IniciaCamposForm() override;
    bool ValidaCamposForm() override;
    bool GravaCamposKovar() override;

protected:
    QLabel* lbDataOcorrencia;
    ui::MaskedEdit* edDataOcorrencia;
    QLabel* lbLojaOcorrencia;
    QLineEdit* edLojaOcorrencia;
    QLabel* lbPDVOcorrencia;
    QLineEdit* edPDVOcorrencia;

private:
    SuppliedEdit store_;
    SuppliedEdit pointOfSale_;
};

} // namespace vks
