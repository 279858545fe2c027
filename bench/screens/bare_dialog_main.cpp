// The floor program: a bare Qt program that opens one dialog of a screen's
// widget count, waits for it to be shown, painted and focused, closes it and
// ends. Prints the milliseconds from before the dialog's creation to its
// first paint.
#include <cstdio>
#include <cstdlib>

#include <QApplication>
#include <QElapsedTimer>

#include "BareDialog.h"
#include "Probe.h"

int main(int argc, char** argv) {
    const int widgets = argc > 1 ? std::atoi(argv[1]) : 23;
    QApplication app(argc, argv);
    vks::bench::FirstPaintProbe probe;
    QElapsedTimer clock;
    clock.start();
    vks::bench::BareDialog dialog(widgets);
    probe.arm(clock, [](QDialog& shown) { shown.done(QDialog::Rejected); });
    dialog.exec();
    std::printf("%.3f\n", double(probe.elapsedNs()) / 1e6);
    return probe.elapsedNs() < 0 ? 1 : 0;
}
