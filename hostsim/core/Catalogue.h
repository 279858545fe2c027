#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace vks::sim {

// The host's numbered texts. Templates carry "%s" placeholders that the
// module fills in order.
class MessageCatalogue {
public:
    // Reads "<id>\t<text>" lines; blank lines and lines starting with "#"
    // are skipped. Returns false when the file cannot be read.
    bool loadFile(const std::string& path);
    void loadText(std::string_view content);
    void set(std::int32_t id, std::string text) { texts_[id] = std::move(text); }

    std::optional<std::string> text(std::int32_t id) const;
    // The identifier whose text equals `text`, placeholders matching any
    // run of characters; exact texts win over template matches.
    std::optional<std::int32_t> idForText(std::string_view text) const;
    const std::map<std::int32_t, std::string>& entries() const { return texts_; }

    // VKS_CATALOGUE when set, else mensagens.tsv beside libvkshostsim.so.
    static std::string defaultPath();

private:
    std::map<std::int32_t, std::string> texts_;
};

// "%s" matches any (possibly empty) run of characters.
bool matchesTemplate(std::string_view pattern, std::string_view text);

} // namespace vks::sim
