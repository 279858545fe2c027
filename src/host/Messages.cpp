#include "host/Messages.h"

namespace vks {

std::string catalogueText(MessageId message, std::initializer_list<std::string_view> args) {
    std::string text = host().LeMensagens(message);
    std::size_t from = 0;
    for (std::string_view arg : args) {
        const auto at = text.find("%s", from);
        if (at == std::string::npos) break;
        text.replace(at, 2, arg);
        from = at + arg.size();
    }
    return text;
}

void reportError(MessageId message) { host().EnviaArquivoErroPDV(255, catalogueText(message)); }

} // namespace vks
