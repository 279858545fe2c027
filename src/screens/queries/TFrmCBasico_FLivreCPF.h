#pragma once

#include <utility>
#include <vector>

#include <QComboBox>
#include <QLineEdit>

#include "host/Fields.h"
#include "screens/queries/RecordControls.h"
#include "screens/queries/TFrmFLivre_CPFVKS.h"

namespace vks {

namespace ui {
class MaskedEdit;
}

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
    QLineEdit* edIdentidade;
    QLineEdit* edOrgao;
    QComboBox* cbUFIdentidade;
    ui::MaskedEdit* edExpedicao;
    QLineEdit* edNome;
    ui::MaskedEdit* edNascimento;
    QComboBox* cbSexo;
    QLineEdit* edNomeMae;
    QLineEdit* edEndereco;
    QLineEdit* edBairro;
    QLineEdit* edCidade;
    QComboBox* cbUF;
    ui::MaskedEdit* edCep;
    QLineEdit* edDDDRes;
    ui::MaskedEdit* edTelResid;
    QLineEdit* edRamalRes;
    QLineEdit* edDDDCom;
    ui::MaskedEdit* edTelCom;
    QLineEdit* edRamalCom;
    QLineEdit* edMatrOper;
    QLineEdit* edMatrConf;

private:
    // The record in the order it is filled; it is written in the same
    // order, the key apart.
    std::vector<record::RecordControl> record_;
    // Controls whose typed letters show in upper case.
    std::vector<QWidget*> typedInUpper_;
    // The capture panel's rows in tab order, an area code beside its number.
    std::vector<std::pair<QLabel*, QWidget*>> rows_;
};

} // namespace vks
