#pragma once

#include <memory>

#include <QDialog>

namespace vks {

// A screen of class `Screen`, created and initialised (C++ cannot run the
// virtual initialisation from the constructor, so creation is two steps).
template <class Screen>
std::unique_ptr<QDialog> createScreen() {
    auto screen = std::make_unique<Screen>();
    screen->FormCreate();
    return screen;
}

} // namespace vks
