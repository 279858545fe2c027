#pragma once

#include <QLineEdit>

#include "host/Fields.h"
#include "screens/queries/RecordControls.h"
#include "screens/queries/TFrmFLivre_CPFVKS.h"

namespace vks {

// The customer's basic registration record, keyed by CPF, for inclusion
// (transaction type 14) or alteration (type 15) at the authorizer. On an
// inclusion whatever the host supplied is fixed and only the rest is typed;
// on an alteration the supplied values are open for change, but for the
// two dates.
class TFrmCBasico_FLivreCPF : public TFrmFLivre_CPFVKS {
public:
    TFrmCBasico_FLivreCPF();

    bool ValidaCamposForm() override;
    bool GravaCamposKovar() override;
    void IniciaCamposForm() override;

    // The operation field 1105 names: fixed supplied values or open ones.
    enum class Operation { None, Inclusion, Alteration };

protected:
    void FormShow() override;
    bool FormKeyPress(QWidget* focus, const QKeyEvent& event, QString& key) override;

    QLabel* lbIncluiAltera;
    QLineEdit* edTipoOperacao;

private:
    // Every capture control once, with its field, width and row.
    record::Form form_;
};

} // namespace vks
