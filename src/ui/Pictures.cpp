#include "ui/Pictures.h"

#include <cstdint>
#include <cstring>
#include <map>
#include <utility>

#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QResource>
#include <QSize>

// The resources live in the module's own objects; registering them once by
// name works whether the module is a shared library or linked statically.
static void registerPictures() {
    Q_INIT_RESOURCE(pictures);
    Q_INIT_RESOURCE(shown_pictures);
}

namespace vks::ui {
namespace {

void ensureRegistered() {
    static const bool registered = (registerPictures(), true);
    (void)registered;
}

QPixmap picture(const char* name) {
    ensureRegistered();
    return QPixmap(QStringLiteral(":/vks/%1.png").arg(QLatin1String(name)));
}

std::uint32_t read32(const uchar* data) {
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i) value = (value << 8) | data[i];
    return value;
}

// The picture as the build prepared it for `size` (the picture tool's
// pixels, stored uncompressed in the module); null when there is none of
// that size. The pixmap reads the pixels where the module keeps them:
// nothing is decoded, decompressed or copied.
QPixmap preparedPicture(const char* name, const QSize& size) {
    ensureRegistered();
    const QResource resource(
        QStringLiteral(":/vks/shown/%1_%2x%3.vksp").arg(QLatin1String(name)).arg(size.width()).arg(size.height()));
    constexpr qint64 kHeader = 20;
    const uchar* data = resource.data();
    if (data == nullptr || resource.compressionAlgorithm() != QResource::NoCompression || resource.size() < kHeader ||
        std::memcmp(data, "VKSP", 4) != 0) {
        return {};
    }
    const auto width = static_cast<int>(read32(data + 4));
    const auto height = static_cast<int>(read32(data + 8));
    const auto format = static_cast<QImage::Format>(read32(data + 12));
    const qint64 bytesPerLine = read32(data + 16);
    const uchar* pixels = data + kHeader;
    if (QSize(width, height) != size || format <= QImage::Format_Invalid || format >= QImage::NImageFormats ||
        resource.size() != kHeader + bytesPerLine * height ||
        reinterpret_cast<std::uintptr_t>(pixels) % alignof(std::uint32_t) != 0) {
        return {};
    }
    const QImage image(pixels, width, height, static_cast<qsizetype>(bytesPerLine), format);
    if (image.isNull() || image.bytesPerLine() != bytesPerLine) return {};
    return QPixmap::fromImage(image);
}

// The scaling QLabel does for scaled contents (smooth, aspect ratio ignored,
// at the device pixel ratio), once per process and size. At the usual ratio
// of 1 the build has done it already.
QPixmap scaledPicture(const char* name, const QSize& size) {
    static std::map<std::pair<const char*, std::pair<int, int>>, QPixmap> prepared;
    QPixmap& shown = prepared[{name, {size.width(), size.height()}}];
    if (!shown.isNull()) return shown;
    const qreal ratio = qGuiApp != nullptr ? qGuiApp->devicePixelRatio() : 1.0;
    if (ratio == 1.0) shown = preparedPicture(name, size);
    if (shown.isNull()) {
        QImage image = picture(name).toImage().scaled(size * ratio, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        shown = QPixmap::fromImage(std::move(image));
        shown.setDevicePixelRatio(ratio);
    }
    return shown;
}

constexpr const char* kBackground = "fundo";
constexpr const char* kLogo = "logo";

} // namespace

QPixmap backgroundPicture() { return picture(kBackground); }
QPixmap logoPicture() { return picture(kLogo); }
QPixmap backgroundPicture(const QSize& size) { return scaledPicture(kBackground, size); }
QPixmap logoPicture(const QSize& size) { return scaledPicture(kLogo, size); }

} // namespace vks::ui
