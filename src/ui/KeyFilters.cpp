#include "ui/KeyFilters.h"

#include <QKeyEvent>
#include <QWidget>

#include "ui/KeyPreview.h"

namespace vks::ui {
namespace {

const QKeyEvent* typedCharacter(QEvent* event) {
    if (event->type() != QEvent::KeyPress) return nullptr;
    const auto* key = static_cast<const QKeyEvent*>(event);
    return isCharacterKey(*key) ? key : nullptr;
}

} // namespace

CharFilter::CharFilter(QWidget& control, Rule accepts) : QObject(&control), accepts_(std::move(accepts)) {
    control.installEventFilter(this);
}

bool CharFilter::eventFilter(QObject*, QEvent* event) {
    const QKeyEvent* key = typedCharacter(event);
    return key != nullptr && !accepts_(key->text());
}

CharHandler::CharHandler(QWidget& control, Handler handler) : QObject(&control), handler_(std::move(handler)) {
    control.installEventFilter(this);
}

bool CharHandler::eventFilter(QObject*, QEvent* event) {
    const QKeyEvent* key = typedCharacter(event);
    return key != nullptr && handler_(key->text());
}

bool isDigitBackspaceEnter(const QString& key) {
    if (key.size() != 1) return false;
    const char16_t c = key.front().unicode();
    return (c >= '0' && c <= '9') || c == '\b' || c == '\r';
}

} // namespace vks::ui
