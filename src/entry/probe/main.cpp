// Starts the windowing platform the module's application object would start,
// makes one native window and says so on standard output. The module runs
// this in a child process before it creates its own application object:
// where the platform cannot start, the toolkit aborts the process it runs
// in, which must not be the host's.
#include <cstdio>

#include <QGuiApplication>
#include <QScreen>
#include <QWindow>

int main(int argc, char** argv) {
    const QGuiApplication application(argc, argv);
    if (QGuiApplication::primaryScreen() == nullptr) {
        std::fputs("the platform has no screen\n", stderr);
        return 1;
    }
    QWindow window;
    window.create(); // native, never shown
    QCoreApplication::processEvents();
    std::fputs("vks-platform-ready\n", stdout);
    return 0;
}
