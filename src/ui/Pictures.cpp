#include "ui/Pictures.h"

#include <QPixmap>

// The resources live in the module's own objects; registering them once by
// name works whether the module is a shared library or linked statically.
static void registerPictures() { Q_INIT_RESOURCE(pictures); }

namespace vks::ui {
namespace {

QPixmap picture(const char* path) {
    static const bool registered = (registerPictures(), true);
    (void)registered;
    return QPixmap(QString::fromLatin1(path));
}

} // namespace

QPixmap backgroundPicture() { return picture(":/vks/fundo.png"); }
QPixmap logoPicture() { return picture(":/vks/logo.png"); }

} // namespace vks::ui
