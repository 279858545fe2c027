// Takes the picture of the client window for the documentation: the window
// with a scenario loaded and run, as a person sees it after pressing F5.
// Usage: vks-window-picture SCENARIO.json OUT.png (scripts/screen-gallery.sh)
#include <cstdio>

#include <QApplication>

#include "ClientWindow.h"
#include "module/ModuleLibrary.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fputs("usage: vks-window-picture SCENARIO.json OUT.png\n", stderr);
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    int qtArgc = 1;
    QApplication app(qtArgc, argv);
    try {
        vkshost::ModuleLibrary module(vkshost::ModuleLibrary::defaultPath());
        vkshost::ClientWindow window(module);
        window.show();
        if (!window.openScenarioFile(QString::fromLocal8Bit(argv[1]))) return 2;
        window.run();
        return window.grab().save(QString::fromLocal8Bit(argv[2]), "PNG") ? 0 : 1;
    } catch (const vkshost::ModuleError& error) {
        std::fprintf(stderr, "vks-window-picture: %s\n", error.what());
        return 4;
    }
}
