#pragma once

#include <optional>
#include <string>

#include "screens/base/TFrmCaptura.h"

class QLineEdit;
class QWidget;

namespace vks {

namespace ui {
class MaskedEdit;
} // namespace ui

// The fiscal coupon of a sale: its number, date and time.
// Each comes from the host when it is known there (fields 1050, 1051 and
// 1079, the date as "ddmmyyyy", the time as six digits) and is then locked;
// otherwise the cashier types it.
class FiscalCoupon {
public:
    // The three controls as a screen declares them.
    static constexpr Control numberControl(Keys keys) {
        return {.name = "edCupom",
                .label = "lbCupom",
                .design = "Cupom:",
                .caption = 599,
                .hint = 73,
                .maxLength = 7,
                .keys = keys};
    }
    static constexpr Control kDateControl{.name = "edDataCupom",
                                          .label = "lbDataCupom",
                                          .design = "Data do Cupom:",
                                          .caption = 600,
                                          .hint = 78,
                                          .maxLength = 10,
                                          .mask = "!99/99/9999;1;_"};
    static constexpr Control kTimeControl{.name = "edHoraCupom",
                                          .label = "lbHoraCupom",
                                          .design = "Hora do Cupom:",
                                          .caption = 601,
                                          .hint = 79,
                                          .maxLength = 8,
                                          .mask = "!90:00:00;1;_"};

    FiscalCoupon(QLineEdit& number, ui::MaskedEdit& date, ui::MaskedEdit& time);

    // Fills the controls from the field store, locking what it supplies.
    void fill();

    // The first part of the coupon that cannot be sent, in the order number
    // (missing), date, time (each absent or a real date or time of day).
    struct Rejection {
        MessageId message;
        QWidget* control;
    };
    std::optional<Rejection> rejection() const;

    // Writes number, date ("00000000" when absent) and time ("000000" when
    // absent); false at the first write the host refuses.
    bool store() const;

private:
    QLineEdit& number_;
    ui::MaskedEdit& date_;
    ui::MaskedEdit& time_;
};

// A date of the field store ("ddmmyyyy") shown in `edit` and locked when
// the host supplies one; false when it does not.
bool showSuppliedDate(ui::MaskedEdit& edit, FieldId field);

} // namespace vks
