#pragma once

#include <algorithm>
#include <span>
#include <string_view>

#include "screens/base/FieldStore.h"
#include "screens/queries/QueryHeaderScreen.h"
#include "screens/queries/TFrmCPF_VKSAdc.h"
#include "screens/queries/TFrmCartao_VKSAdc.h"
#include "ui/CardEdit.h"
#include "ui/MaskedEdit.h"

namespace vks {

// What a query screen writes after its family's header, in order.
enum class QueryWrite {
    AuthorizerTag,   // 10103 := "36"
    QueryType,       // 1056 as the host gave it
    Output,          // 1057 as the host gave it
    Key,             // card screens: a typed number to 1041; CPF screens: 1007 again
    MissingHostCode, // card screens: 1102 := "0000" when 10147 is empty
};

inline constexpr QueryWrite kTagKeyHostCode[] = {QueryWrite::AuthorizerTag, QueryWrite::Key,
                                                 QueryWrite::MissingHostCode};
inline constexpr QueryWrite kTagKey[] = {QueryWrite::AuthorizerTag, QueryWrite::Key};
inline constexpr QueryWrite kKeyTag[] = {QueryWrite::Key, QueryWrite::AuthorizerTag};
inline constexpr QueryWrite kTag[] = {QueryWrite::AuthorizerTag};

// What sets one query screen apart from the others of its kind.
struct QueryLeaf {
    const VksRequestLayout* layout;
    MessageId title;
    std::string_view entryType; // when field 1061 is blank
    std::string_view code;      // CodigoConsulta when field 1060 is blank
    std::span<const QueryWrite> writes;
    MessageId keyCaption = 0; // caption of the key's label; 0 keeps it
    bool keyChecked = true;   // false: confirmed as it stands, the key unchecked
};

// A query screen the entry point opens, on a header screen keyed by card,
// by CPF or by fiscal coupon: the key first (the card as read, or the CPF
// the host supplied, locked), the hidden entry type, and the request header,
// the tag and the key written on confirmation. The card and CPF twins differ
// only in data; the coupon screens place and write their key themselves.
template <class HeaderScreen>
class QueryScreen : public HeaderScreen {
public:
    QueryScreen(std::string_view className, const QueryLeaf& leaf)
        : HeaderScreen(className),
          leaf_(leaf) {
        if (QWidget* key = this->keyControl()) this->setCaptureTabOrder({key, this->edTipoEntrada});
    }

    void IniciaCamposForm() override {
        HeaderScreen::IniciaCamposForm();
        this->presentQuery(*leaf_.layout, leaf_.title);
        if (QWidget* key = this->keyControl(); key != nullptr && leaf_.keyCaption != 0) {
            if (QLabel* label = this->labelOf(*key)) label->setText(this->text(leaf_.keyCaption));
        }
        // A query type the leaf sends as the host gave it is loaded first.
        if (std::ranges::find(leaf_.writes, QueryWrite::QueryType) != leaf_.writes.end()) {
            query::load(query::TipoConsulta);
        }
        this->loadQueryContext(leaf_.entryType, leaf_.code);
        this->showHostKey();
    }

    bool ValidaCamposForm() override { return !leaf_.keyChecked || HeaderScreen::ValidaCamposForm(); }

    bool GravaCamposKovar() override {
        if (!HeaderScreen::GravaCamposKovar()) return false;
        for (QueryWrite write : leaf_.writes) {
            if (!store(write)) return false;
        }
        return true;
    }

private:
    bool store(QueryWrite write) {
        switch (write) {
        case QueryWrite::AuthorizerTag:
            return fields::writeAuthorizerTag();
        case QueryWrite::QueryType:
            return query::store(query::TipoConsulta);
        case QueryWrite::Output:
            return query::store(query::SaidaConsulta);
        case QueryWrite::Key:
            return this->storeKey();
        case QueryWrite::MissingHostCode:
            return storeMissingHostCode();
        }
        return false;
    }

    const QueryLeaf& leaf_;
};

} // namespace vks
