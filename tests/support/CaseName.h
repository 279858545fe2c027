#pragma once

// Readable names for parameterised rows, so that a failure names its case:
// the generator for INSTANTIATE_TEST_SUITE_P and the printing of a case.

#include <cctype>
#include <concepts>
#include <ostream>
#include <string>
#include <string_view>
#include <tuple>
#include <type_traits>

namespace vks::test {

// A case name as a test name: letters and digits kept, the rest '_'.
inline std::string testName(std::string name) {
    for (char& ch : name) ch = std::isalnum(static_cast<unsigned char>(ch)) != 0 ? ch : '_';
    return name;
}

// A case's name: its `name`, or the names of a combination's parts in turn.
template <class Case>
std::string caseName(const Case& c) {
    if constexpr (requires { std::tuple_size<Case>::value; }) {
        return std::apply(
            [](const auto&... parts) {
                std::string joined;
                ((joined += (joined.empty() ? "" : " ") + caseName(parts)), ...);
                return joined;
            },
            c);
    } else if constexpr (std::is_pointer_v<Case>) {
        return caseName(*c);
    } else {
        return std::string(c.name);
    }
}

// Name generator for INSTANTIATE_TEST_SUITE_P over cases with a `name`, or
// over testing::Combine of such cases.
struct CaseName {
    template <class Info>
    std::string operator()(const Info& info) const {
        return testName(caseName(info.param));
    }
};

} // namespace vks::test

// Parameter cases of the test files (each in its file's unnamed namespace)
// print as their names instead of as bytes.
namespace {
template <class Case>
requires requires(const Case& c) {
    { c.name } -> std::convertible_to<std::string_view>;
}
void PrintTo(const Case& c, std::ostream* os) { *os << c.name; }
} // namespace
