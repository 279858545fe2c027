#pragma once

#include <memory>
#include <type_traits>

#include <QDialog>

namespace vks {

// A screen of class `Screen`, created and initialised (C++ cannot run the
// virtual initialisation from the constructor, so creation is two steps).
// `opener`: the screen that opens it, handed to the screens that work on it.
template <class Screen>
std::unique_ptr<QDialog> createScreen(QDialog* opener) {
    std::unique_ptr<Screen> screen;
    if constexpr (std::is_constructible_v<Screen, QDialog*>) {
        screen = std::make_unique<Screen>(opener);
    } else {
        screen = std::make_unique<Screen>();
    }
    screen->FormCreate();
    return screen;
}

template <class Screen>
std::unique_ptr<QDialog> createScreen() {
    return createScreen<Screen>(nullptr);
}

} // namespace vks
