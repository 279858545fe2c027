#pragma once

#include <string_view>

#include <QLabel>
#include <QLineEdit>

#include "core/FieldText.h"
#include "host/HostServices.h"
#include "screens/queries/QueryContext.h"

namespace vks {

namespace query {

// How a query code goes into field 1060.
enum class CodeWrite {
    Filled,     // left-filled with "0" to three characters, in the context too
    AsItStands, // sent as loaded
    None,       // the family has no query code
};

// The request header a family of queries writes after its key: the query
// type (1056), the output (1057) and the query code (1060). A family with
// no query type writes no header: its leaves write what they send.
struct Header {
    std::string_view queryType;
    CodeWrite code;
    bool entryTypeFromHost = true; // false: the leaf's entry type, whatever field 1061 holds
};

inline constexpr Header GenericHeader{"04", CodeWrite::Filled};
inline constexpr Header FreeFormCardHeader{"05", CodeWrite::Filled};
inline constexpr Header FreeFormCpfHeader{"05", CodeWrite::AsItStands};
// The statement: its leaves write the query type and the output as the host
// gave them.
inline constexpr Header StatementHeader{{}, CodeWrite::None, false};

// Writes 1056, 1057 and 1060; false at the first write the host refuses.
bool storeHeader(const Header& header);
// The entry type of field 1061, or `fallback` when that is blank.
QString entryTypeOr(std::string_view fallback);

} // namespace query

// A query screen on a key screen (card, CPF or coupon) that heads its
// request with one family's header. Never opened itself: the screens the
// entry point opens derive from it and use the helpers below.
template <class KeyScreen>
class QueryHeaderScreen : public KeyScreen {
public:
    QueryHeaderScreen(std::string_view className, const query::Header& header)
        : KeyScreen(className),
          header_(header) {}

    bool GravaCamposKovar() override {
        if (!KeyScreen::GravaCamposKovar()) return false;
        return query::storeHeader(header_);
    }

protected:
    // The screen's request layout and title; the entry type is never typed.
    void presentQuery(const VksRequestLayout& layout, MessageId title) {
        this->setRequestLayout(layout);
        this->showWithLabel(*this->edTipoEntrada, false);
        this->lbTitulo->setText(this->text(title));
    }

    // The output and the query code from the host (`code` when field 1060
    // is blank), and the entry type of field 1061 (`entryType` when blank).
    void loadQueryContext(std::string_view entryType, std::string_view code) {
        query::load(query::SaidaConsulta);
        this->edTipoEntrada->setText(header_.entryTypeFromHost ? query::entryTypeOr(entryType) : fieldText(entryType));
        if (header_.code != query::CodeWrite::None) query::load(query::CodigoConsulta, code);
    }

private:
    query::Header header_;
};

// The statement's header on a key screen.
template <class KeyScreen>
class StatementHeaderScreen : public QueryHeaderScreen<KeyScreen> {
public:
    explicit StatementHeaderScreen(std::string_view className)
        : QueryHeaderScreen<KeyScreen>(className, query::StatementHeader) {}
};

} // namespace vks
