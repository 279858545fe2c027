#include "routines.h"

#include <algorithm>
#include <cctype>

namespace vks::sim::routines {
namespace {
bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isAsciiAlnum(char c) { return isDigit(c) || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
} // namespace

std::string removeFormato(std::string_view source) {
    std::string out;
    out.reserve(source.size());
    for (char c : source) {
        // Bytes of multi-byte UTF-8 characters are letters, not formatting.
        if (isAsciiAlnum(c) || static_cast<unsigned char>(c) >= 0x80) out.push_back(c);
    }
    return out;
}

std::string dollar(std::string_view source) {
    std::string digits;
    for (char c : source) {
        if (isDigit(c)) digits.push_back(c);
    }
    if (digits.empty()) return {};
    const auto firstSignificant = digits.find_first_not_of('0');
    digits.erase(0, std::min(firstSignificant, digits.size()));
    if (digits.size() < 3) digits.insert(0, 3 - digits.size(), '0');
    digits.insert(digits.size() - 2, 1, ',');
    return digits;
}

std::string replicate(std::string_view character, int count) {
    std::string out;
    if (count <= 0 || character.size() > MaxGeneratedText / static_cast<std::size_t>(count)) return out;
    out.reserve(character.size() * static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) out.append(character);
    return out;
}

std::string preencherZerosEsquerda(std::string_view source, int width) {
    std::string out(source);
    if (width > 0 && out.size() < static_cast<std::size_t>(width) &&
        static_cast<std::size_t>(width) <= MaxGeneratedText) {
        out.insert(0, static_cast<std::size_t>(width) - out.size(), '0');
    }
    return out;
}

bool verificaCpf(std::string_view cpf) {
    if (cpf.size() != 11 || !std::all_of(cpf.begin(), cpf.end(), isDigit)) return false;
    if (std::all_of(cpf.begin(), cpf.end(), [&](char c) { return c == cpf[0]; })) return false;
    auto checkDigit = [&](std::size_t length) {
        int sum = 0;
        for (std::size_t i = 0; i < length; ++i) sum += (cpf[i] - '0') * static_cast<int>(length + 1 - i);
        const int rest = (sum * 10) % 11;
        return rest == 10 ? 0 : rest;
    };
    return checkDigit(9) == cpf[9] - '0' && checkDigit(10) == cpf[10] - '0';
}

std::string permiteNumericoBsEnter(std::string_view key) {
    if (key.size() == 1 && (isDigit(key[0]) || key[0] == '\b' || key[0] == '\r')) return std::string(key);
    return {};
}

int stepComboSelection(int current, int count, std::string_view key) {
    if (count <= 0) return current;
    if (key == "2") return std::min(current + 1, count - 1);
    if (key == "8") return std::max(current - 1, 0);
    return current;
}

bool isComboStepKey(std::string_view key) { return key == "2" || key == "8"; }

} // namespace vks::sim::routines
