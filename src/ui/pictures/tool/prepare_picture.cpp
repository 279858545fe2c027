// Build tool: a picture smooth-scaled to the size a screen shows it, as a
// label with scaled contents draws it, written as the pixmap's own pixels so
// that the module only copies them (decoding and scaling the original on a
// cashier's first screen cost more than the rest of that screen).
//
//   prepare_picture IN.png WIDTH HEIGHT OUT
// OUT: "VKSP", then width, height, QImage format and bytes per line as
// little-endian 32-bit numbers, then the rows.
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>

namespace {

void put32(QByteArray& out, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) out.append(char((value >> (8 * i)) & 0xff));
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 5) {
        std::fputs("usage: prepare_picture IN.png WIDTH HEIGHT OUT\n", stderr);
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    int qtArgc = 1;
    QGuiApplication app(qtArgc, argv);
    const QPixmap original(QString::fromLocal8Bit(argv[1]));
    const QSize size(std::atoi(argv[2]), std::atoi(argv[3]));
    if (original.isNull() || size.isEmpty()) {
        std::fprintf(stderr, "prepare_picture: cannot read %s\n", argv[1]);
        return 1;
    }
    const QImage shown =
        QPixmap::fromImage(original.toImage().scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)).toImage();

    QByteArray out("VKSP");
    put32(out, std::uint32_t(shown.width()));
    put32(out, std::uint32_t(shown.height()));
    put32(out, std::uint32_t(shown.format()));
    put32(out, std::uint32_t(shown.bytesPerLine()));
    out.append(reinterpret_cast<const char*>(shown.constBits()), shown.sizeInBytes());
    QFile file(QString::fromLocal8Bit(argv[4]));
    if (!file.open(QIODevice::WriteOnly) || file.write(out) != out.size()) {
        std::fprintf(stderr, "prepare_picture: cannot write %s\n", argv[4]);
        return 1;
    }
    return 0;
}
