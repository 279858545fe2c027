#pragma once

#include <memory>
#include <span>
#include <string>
#include <string_view>

#include "screens/ScreenNames.h"

class QDialog;
class QWidget;

namespace vks {

// A screen class the dispatcher and the screens can run: its class name and
// a factory that creates and initialises an instance (nullptr: none).
struct ScreenClass {
    std::string_view className;
    std::unique_ptr<QDialog> (*make)(QDialog* opener);

    // `opener`: the screen that opens the new one, nullptr for the dispatcher.
    std::unique_ptr<QDialog> create(QDialog* opener = nullptr) const { return make(opener); }
};

// The screen class named `className`, nullptr when the module has none.
const ScreenClass* findScreenClass(std::string_view className);

// Every screen class the module can open.
std::span<const ScreenClass> screenClasses();

// Reference name of a screen class: its name without the leading T.
std::string referenceNameOf(std::string_view className);

// A screen created from its class, held in its module-wide reference (its
// reference name) for as long as it exists.
class ReferencedScreen {
public:
    ReferencedScreen(std::string_view className, QDialog* opener);
    ~ReferencedScreen();
    ReferencedScreen(const ReferencedScreen&) = delete;
    ReferencedScreen& operator=(const ReferencedScreen&) = delete;

    // False when no screen resulted.
    explicit operator bool() const { return screen_ != nullptr; }

    // Runs the screen modally; `returnTo` holds the keyboard again once it
    // closes. The modal result.
    int runModal(QWidget* returnTo);

private:
    std::unique_ptr<QDialog> screen_;
    std::string reference_;
};

} // namespace vks
