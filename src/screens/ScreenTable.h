#pragma once

#include <memory>
#include <span>
#include <string>
#include <string_view>

class QDialog;

namespace vks {

// A screen class the dispatcher and the screens can run: its class name and
// a factory that creates and initialises an instance (nullptr: none).
struct ScreenClass {
    std::string_view className;
    std::unique_ptr<QDialog> (*create)();
};

// The screen class named `className`, nullptr when the module has none.
const ScreenClass* findScreenClass(std::string_view className);

// Every screen class the module can open.
std::span<const ScreenClass> screenClasses();

// Reference name of a screen class: its name without the leading T.
std::string referenceNameOf(std::string_view className);

} // namespace vks
