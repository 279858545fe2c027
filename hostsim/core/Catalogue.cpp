#include "Catalogue.h"

#include <charconv>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "Platform.h"

namespace vks::sim {
namespace {

constexpr std::string_view Placeholder = "%s";
constexpr const char* CatalogueFileName = "mensagens.tsv";

std::string_view withoutCarriageReturn(std::string_view line) {
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    return line;
}

std::string folderOfThisLibrary() {
    const auto file = platform::fileOfModuleContaining(reinterpret_cast<const void*>(&folderOfThisLibrary));
    return file.empty() ? "." : platform::folderOf(file);
}

} // namespace

bool matchesTemplate(std::string_view pattern, std::string_view text) {
    auto hole = pattern.find(Placeholder);
    if (hole == std::string_view::npos) return pattern == text;
    // Literal head and tail anchor both ends; the pieces between them are
    // found left to right, which is enough when holes match any run.
    const auto head = pattern.substr(0, hole);
    const auto lastHole = pattern.rfind(Placeholder);
    const auto tail = pattern.substr(lastHole + Placeholder.size());
    if (text.size() < head.size() + tail.size() || !text.starts_with(head) || !text.ends_with(tail)) return false;
    auto middle = text.substr(head.size(), text.size() - head.size() - tail.size());
    while (hole < lastHole) {
        const auto start = hole + Placeholder.size();
        const auto next = pattern.find(Placeholder, start);
        const auto piece = pattern.substr(start, next - start);
        const auto at = middle.find(piece);
        if (at == std::string_view::npos) return false;
        middle.remove_prefix(at + piece.size());
        hole = next;
    }
    return true;
}

bool MessageCatalogue::loadFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) return false;
    std::ostringstream content;
    content << file.rdbuf();
    loadText(content.str());
    return true;
}

void MessageCatalogue::loadText(std::string_view content) {
    while (!content.empty()) {
        const auto newline = content.find('\n');
        const auto line = withoutCarriageReturn(content.substr(0, newline));
        content.remove_prefix(newline == std::string_view::npos ? content.size() : newline + 1);
        const auto tab = line.find('\t');
        if (line.empty() || line.front() == '#' || tab == std::string_view::npos) continue;
        std::int32_t id = 0;
        const auto [end, error] = std::from_chars(line.data(), line.data() + tab, id);
        if (error != std::errc{} || end != line.data() + tab) continue;
        texts_[id] = std::string(line.substr(tab + 1));
    }
}

std::optional<std::string> MessageCatalogue::text(std::int32_t id) const {
    const auto found = texts_.find(id);
    if (found == texts_.end()) return std::nullopt;
    return found->second;
}

std::optional<std::int32_t> MessageCatalogue::idForText(std::string_view text) const {
    std::optional<std::int32_t> templateMatch;
    for (const auto& [id, stored] : texts_) {
        if (stored == text) return id;
        if (!templateMatch && stored.find(Placeholder) != std::string::npos && matchesTemplate(stored, text)) {
            templateMatch = id;
        }
    }
    return templateMatch;
}

std::string MessageCatalogue::defaultPath() {
    if (const char* configured = std::getenv("VKS_CATALOGUE"); configured != nullptr && *configured != '\0') {
        return configured;
    }
    return folderOfThisLibrary() + "/" + CatalogueFileName;
}

} // namespace vks::sim
