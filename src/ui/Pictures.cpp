#include "ui/Pictures.h"

#include <map>
#include <utility>

#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QSize>

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

// The scaling QLabel does for scaled contents (smooth, aspect ratio ignored,
// at the device pixel ratio), done once.
QPixmap scaledPicture(const char* path, const QSize& size) {
    static std::map<std::pair<const char*, std::pair<int, int>>, QPixmap> prepared;
    QPixmap& shown = prepared[{path, {size.width(), size.height()}}];
    if (shown.isNull()) {
        const qreal ratio = qGuiApp != nullptr ? qGuiApp->devicePixelRatio() : 1.0;
        QImage image = picture(path).toImage().scaled(size * ratio, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        shown = QPixmap::fromImage(std::move(image));
        shown.setDevicePixelRatio(ratio);
    }
    return shown;
}

constexpr const char* kBackground = ":/vks/fundo.png";
constexpr const char* kLogo = ":/vks/logo.png";

} // namespace

QPixmap backgroundPicture() { return picture(kBackground); }
QPixmap logoPicture() { return picture(kLogo); }
QPixmap backgroundPicture(const QSize& size) { return scaledPicture(kBackground, size); }
QPixmap logoPicture(const QSize& size) { return scaledPicture(kLogo, size); }

} // namespace vks::ui
