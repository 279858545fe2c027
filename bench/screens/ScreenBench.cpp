// What a cashier waits for: the real module (libvks.so opened with dlopen,
// its host calls answered by the simulated host libraries, as vks-host does)
// against bare Qt dialogs of the same widget count, side by side in one run.
// Each row gives the median of the module and of its floor, and the median
// of the ratios of samples taken in pairs.
//
//   build/default/bin/vks_screens_bench [--reps N] [--transactions N]
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include <dlfcn.h>
#include <malloc.h>

#include <QApplication>
#include <QDate>
#include <QDialog>
#include <QElapsedTimer>
#include <QTimer>

#include "BareDialog.h"
#include "ChildProcess.h"
#include "Probe.h"
#include "vks/vks.h"
#include "vks/vkssim.h"

namespace {

using vks::bench::BareDialog;
using vks::bench::FirstPaintProbe;

constexpr int kModalCancel = 2;
// A call that has not returned by then is stuck: the benchmark stops.
constexpr int kStuckMs = 10000;

// ---- The module, as a host loads it --------------------------------------

class Module {
public:
    Module()
        : handle_(dlopen(VKS_MODULE_FILE, RTLD_NOW | RTLD_LOCAL)) {
        if (handle_ == nullptr) fail(std::string("cannot load the module: ") + dlerror());
        executa_ = reinterpret_cast<Entry>(symbol("ExecutaGenerico"));
        initialize_ = reinterpret_cast<void(VKS_HOSTCALL*)()>(symbol("Initialize"));
        finalize_ = reinterpret_cast<void(VKS_HOSTCALL*)()>(symbol("Finalize"));
        initialize_();
    }
    ~Module() {
        finalize_();
        dlclose(handle_);
    }
    Module(const Module&) = delete;
    Module& operator=(const Module&) = delete;

    void executaGenerico() const { executa_(0, 0); }

    [[noreturn]] static void fail(const std::string& why) {
        std::fprintf(stderr, "vks_screens_bench: %s\n", why.c_str());
        std::exit(2);
    }

private:
    using Entry = void(VKS_HOSTCALL*)(VksWindow, int32_t);
    void* symbol(const char* name) const {
        void* found = dlsym(handle_, name);
        if (found == nullptr) fail(std::string("the module lacks ") + name);
        return found;
    }

    void* handle_;
    Entry executa_ = nullptr;
    void(VKS_HOSTCALL* initialize_)() = nullptr;
    void(VKS_HOSTCALL* finalize_)() = nullptr;
};

// ---- Transactions, with the fields of the examples -------------------------

struct Transaction {
    const char* what;
    std::vector<std::pair<int, std::string>> fields;
};

std::string today() { return QDate::currentDate().toString(QStringLiteral("ddMMyyyy")).toStdString(); }

const Transaction kInstallment{"installment payment", {{1105, "1"}, {1100, "4"}, {1078, "01"}, {1003, "1500"}}};
// Every value supplied by the host: the screen confirms itself.
const Transaction kSelfConfirming{"installment payment, values supplied",
                                  {{1105, "1"}, {1100, "4"}, {1078, "01"}, {1003, "1500"}, {1007, "52998224725"}}};
const Transaction kMiles{"miles sale",
                         {{1105, "000001"},
                          {1071, "1"},
                          {1003, "10000"},
                          {1102, "0042"},
                          {1077, "020304"},
                          {1327, "11"},
                          {1328, "99998888"},
                          {1329, "22"},
                          {1330, "123456789"}}};
const Transaction kQuery{"statement by CPF (query)", {{1105, "00001"}, {1007, "529.982.247-25"}, {1057, "P"}}};
const Transaction kRegistration{
    "basic registration (largest)",
    {{1105, "00000000000001"}, {1007, "52998224725"}, {1081, "maria josé da silva"}, {1083, "SP"}, {1085, "15031980"}}};
Transaction chequeSale() {
    return {"cheque sale",
            {{1105, "000000000000000001"},
             {1007, "52998224725"},
             {1003, "30000"},
             {1017, "0"},
             {1029, "341"},
             {1030, "1234"},
             {1032, "567890"},
             {1066, "1"},
             {1119, "1500"},
             {1101, "0"},
             {1050, "4711"},
             {1051, today()},
             {1079, "101500"},
             {1098, "321"}}};
}

void prepare(const Transaction& transaction) {
    vkssim_reset();
    for (const auto& [field, text] : transaction.fields) vkssim_set_field(field, 0, text.c_str());
}

// ---- One measurement --------------------------------------------------------

struct Sample {
    double ms = 0;
    int widgets = 0;
};

// Stops the benchmark when a call does not come back.
class StuckGuard {
public:
    explicit StuckGuard(const char* what) {
        timer_.setSingleShot(true);
        QObject::connect(&timer_, &QTimer::timeout, [what] { Module::fail(std::string(what) + " did not return"); });
        timer_.start(kStuckMs);
    }

private:
    QTimer timer_;
};

void flushDeletes() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

Sample checked(const FirstPaintProbe& probe, int widgets, const char* what) {
    if (probe.elapsedNs() < 0) Module::fail(std::string(what) + ": no screen was painted");
    if (!probe.focused()) Module::fail(std::string(what) + ": the screen was painted without the focus");
    return {double(probe.elapsedNs()) / 1e6, widgets};
}

// ExecutaGenerico to the first screen shown, painted and focused; the screen
// is then cancelled.
Sample openScreen(const Module& module, const Transaction& transaction, FirstPaintProbe& probe) {
    prepare(transaction);
    int widgets = 0;
    QElapsedTimer clock;
    clock.start();
    probe.arm(clock, [&widgets](QDialog& screen) {
        widgets = vks::bench::widgetCount(screen);
        screen.done(kModalCancel);
    });
    {
        StuckGuard guard(transaction.what);
        module.executaGenerico();
    }
    flushDeletes();
    return checked(probe, widgets, transaction.what);
}

Sample openBare(int widgets, FirstPaintProbe& probe) {
    QElapsedTimer clock;
    clock.start();
    {
        BareDialog dialog(widgets);
        probe.arm(clock, [](QDialog& shown) { shown.done(QDialog::Rejected); });
        dialog.exec();
    }
    return checked(probe, widgets, "bare dialog");
}

// A whole transaction whose screen confirms itself.
Sample selfConfirmingTransaction(const Module& module) {
    prepare(kSelfConfirming);
    QElapsedTimer clock;
    clock.start();
    {
        StuckGuard guard(kSelfConfirming.what);
        module.executaGenerico();
    }
    const double ms = double(clock.nsecsElapsed()) / 1e6;
    flushDeletes();
    if (vkssim_hand_back_count() != 1) Module::fail("the self-confirming transaction was not handed back");
    return {ms, 0};
}

Sample selfConfirmingBare(int widgets) {
    QElapsedTimer clock;
    clock.start();
    int result = 0;
    {
        BareDialog dialog(widgets);
        dialog.confirmItself();
        StuckGuard guard("the self-confirming bare dialog");
        result = dialog.exec();
    }
    if (result != QDialog::Accepted) Module::fail("the bare dialog did not confirm itself");
    return {double(clock.nsecsElapsed()) / 1e6, widgets};
}

// ---- Statistics and the table -------------------------------------------------

double median(std::vector<double> values) {
    if (values.empty()) return 0;
    std::sort(values.begin(), values.end());
    const std::size_t mid = values.size() / 2;
    return values.size() % 2 ? values[mid] : (values[mid - 1] + values[mid]) / 2;
}

struct Row {
    std::string what;
    std::string widgets;
    std::string value;
    std::string floor;
    double ratio = 0; // 0: no floor
    std::string target;
    bool met = true;
};

std::string format(const char* pattern, double value) {
    char text[64];
    std::snprintf(text, sizeof text, pattern, value);
    return text;
}

std::string ms(double value) { return format("%.2f ms", value); }
std::string mib(double kib) { return format("%.1f MiB", kib / 1024.0); }

// Paired samples of the module and its floor, alternated so that drift on a
// shared machine touches both alike.
struct Paired {
    std::vector<double> module, floor, ratios;
    void add(double m, double f) {
        module.push_back(m);
        floor.push_back(f);
        ratios.push_back(m / f);
    }
};

void printTable(const std::vector<Row>& rows) {
    std::printf("| What | Widgets | Module | Floor | Ratio | Target | Met |\n");
    std::printf("|---|---|---|---|---|---|---|\n");
    for (const Row& row : rows) {
        std::printf("| %s | %s | %s | %s | %s | %s | %s |\n", row.what.c_str(), row.widgets.c_str(), row.value.c_str(),
                    row.floor.c_str(), row.ratio > 0 ? format("%.2fx", row.ratio).c_str() : "", row.target.c_str(),
                    row.target.empty() ? "" : (row.met ? "yes" : "no"));
    }
    std::fflush(stdout);
}

long residentKiB() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("VmRSS:", 0) == 0) return std::strtol(line.c_str() + 6, nullptr, 10);
    }
    return 0;
}

QtMessageHandler defaultHandler = nullptr;

// The offscreen platform warns about every window it cannot raise.
void withoutPlatformNoise(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message.startsWith(QLatin1String("This plugin does not support"))) return;
    if (defaultHandler != nullptr) defaultHandler(type, context, message);
}

// For a profiler: `count` warm opens of one family's screen (0 installment
// payment, 1 miles sale, 2 cheque sale, 3 query, 4 basic registration).
int repeatOpen(int family, int count) {
    const Transaction cheque = chequeSale();
    const std::vector<const Transaction*> families{&kInstallment, &kMiles, &cheque, &kQuery, &kRegistration};
    if (family < 0 || family >= int(families.size())) return 2;
    FirstPaintProbe probe;
    Module module;
    for (int i = 0; i < count; ++i) openScreen(module, *families[std::size_t(family)], probe);
    return 0;
}

// ---- Child processes ---------------------------------------------------------

// The first screen of a fresh process, from before the module is loaded.
int firstScreenChild() {
    FirstPaintProbe probe;
    QElapsedTimer clock;
    clock.start();
    Module module;
    prepare(kInstallment);
    probe.arm(clock, [](QDialog& screen) { screen.done(kModalCancel); });
    module.executaGenerico();
    std::printf("%.3f\n", double(probe.elapsedNs()) / 1e6);
    return probe.elapsedNs() < 0 || !probe.focused() ? 1 : 0;
}

// Resident memory after `first` and after `last` transactions; the floor
// runs bare self-confirming dialogs instead.
// What the process's allocations hold now, in KiB: unlike the resident size,
// it does not depend on when the allocator first touches the free space it
// keeps (which moved the resident size by a one-off 1 MiB step anywhere
// between the 100th and the 5,000th transaction, from run to run).
long heapInUseKiB() {
    const struct mallinfo2 info = mallinfo2();
    return static_cast<long>((info.uordblks + info.hblkhd) / 1024);
}

// Prints the resident size and the heap in use after `first` and after
// `last` transactions.
int memoryChild(bool floor, int first, int last, int widgets) {
    std::unique_ptr<Module> module = floor ? nullptr : std::make_unique<Module>();
    long residentFirst = 0, heapFirst = 0;
    for (int i = 1; i <= last; ++i) {
        if (module)
            selfConfirmingTransaction(*module);
        else
            selfConfirmingBare(widgets);
        if (i == first) {
            residentFirst = residentKiB();
            heapFirst = heapInUseKiB();
        }
    }
    std::printf("%ld %ld %ld %ld\n", residentFirst, residentKiB(), heapFirst, heapInUseKiB());
    return 0;
}

double childMs(const std::vector<std::string>& argv) {
    const vks::bench::ChildRun run = vks::bench::runChild(argv);
    if (run.status != 0) Module::fail(argv[0] + " failed");
    return std::strtod(run.output.c_str(), nullptr);
}

// Wall milliseconds and peak KiB of a whole program run.
std::pair<double, double> measuredRun(const std::vector<std::string>& argv) {
    const vks::bench::ChildRun run = vks::bench::runChild(argv);
    double wall = 0, peak = 0;
    if (run.status != 0 || std::sscanf(run.output.c_str(), "%lf %lf", &wall, &peak) != 2)
        Module::fail(argv[1] + " failed");
    return {wall, peak};
}

// ---- The whole run -------------------------------------------------------------

struct Options {
    int reps = 31;
    int processReps = 11;
    int transactions = 10000;
};

int runAll(const Options& options, const std::string& self) {
    std::vector<Row> rows;
    FirstPaintProbe probe;
    std::vector<int> widgets; // of each family's screen
    {
        Module module;
        const Transaction cheque = chequeSale();
        const std::vector<const Transaction*> families{&kInstallment, &kMiles, &cheque, &kQuery, &kRegistration};

        // Warm both sides (fonts, styles, the module's first use), and learn
        // each screen's widget count.
        for (const Transaction* family : families) {
            Sample sample;
            for (int i = 0; i < 3; ++i) sample = openScreen(module, *family, probe);
            widgets.push_back(sample.widgets);
            for (int i = 0; i < 3; ++i) openBare(sample.widgets, probe);
        }
        for (int i = 0; i < 3; ++i) {
            selfConfirmingTransaction(module);
            selfConfirmingBare(widgets[0]);
        }

        for (int size : {20, 50, 100}) {
            std::vector<double> open, confirm;
            for (int i = 0; i < options.reps; ++i) {
                open.push_back(openBare(size, probe).ms);
                confirm.push_back(selfConfirmingBare(size).ms);
            }
            rows.push_back({"floor: bare dialog, open", std::to_string(size), ms(median(open)), "", 0, "", true});
            rows.push_back({"floor: bare dialog, confirms itself after 10 ms", std::to_string(size),
                            ms(median(confirm)), "", 0, "", true});
        }

        for (std::size_t f = 0; f < families.size(); ++f) {
            Paired paired;
            for (int i = 0; i < options.reps; ++i)
                paired.add(openScreen(module, *families[f], probe).ms, openBare(widgets[f], probe).ms);
            const double ratio = median(paired.ratios);
            const double value = median(paired.module);
            rows.push_back({std::string("warm open: ") + families[f]->what, std::to_string(widgets[f]), ms(value),
                            ms(median(paired.floor)), ratio, "<= 1.5x and < 3 ms", ratio <= 1.5 && value < 3.0});
        }

        Paired confirm;
        for (int i = 0; i < options.reps; ++i)
            confirm.add(selfConfirmingTransaction(module).ms, selfConfirmingBare(widgets[0]).ms);
        const double ratio = median(confirm.ratios);
        rows.push_back({"self-confirming transaction (installment payment)", std::to_string(widgets[0]),
                        ms(median(confirm.module)), ms(median(confirm.floor)), ratio, "<= 1.1x", ratio <= 1.1});
    }
    printTable(rows);

    const std::string firstWidgets = std::to_string(widgets.front());
    {
        const std::vector<std::string> firstScreen{self, "--first-screen"};
        const std::vector<std::string> firstDialog{VKS_BARE_DIALOG, firstWidgets};
        Paired paired;
        for (int i = 0; i < options.processReps; ++i) paired.add(childMs(firstScreen), childMs(firstDialog));
        const double ratio = median(paired.ratios);
        rows.push_back({"first screen in a process (module load included)", firstWidgets, ms(median(paired.module)),
                        ms(median(paired.floor)), ratio, "<= 2x", ratio <= 2.0});
    }
    {
        const std::vector<std::string> hostRun{VKS_RUN_MEASURED, VKS_HOST_PROGRAM, "run",
                                               VKS_SCENARIO,     "--offscreen",    "--quiet"};
        const std::vector<std::string> bareRun{VKS_RUN_MEASURED, VKS_BARE_DIALOG, firstWidgets};
        Paired wall, peak;
        for (int i = 0; i < options.processReps; ++i) {
            const auto host = measuredRun(hostRun);
            const auto bare = measuredRun(bareRun);
            wall.add(host.first, bare.first);
            peak.add(host.second, bare.second);
        }
        const double wallRatio = median(wall.ratios);
        const double peakRatio = median(peak.ratios);
        rows.push_back({"whole `vks-host run` of installment-payment-cpf.json", firstWidgets, ms(median(wall.module)),
                        ms(median(wall.floor)), wallRatio, "<= 1.5x", wallRatio <= 1.5});
        rows.push_back({"peak memory of that run", firstWidgets, mib(median(peak.module)), mib(median(peak.floor)),
                        peakRatio, "<= 1.3x", peakRatio <= 1.3});
    }
    {
        const int first = std::min(100, options.transactions);
        const std::string last = std::to_string(options.transactions);
        const auto module = vks::bench::runChild({self, "--memory", std::to_string(first), last, firstWidgets});
        const auto floor = vks::bench::runChild({self, "--memory-floor", std::to_string(first), last, firstWidgets});
        long m[4] = {}, f[4] = {}; // resident after first and last, heap in use after first and last
        if (std::sscanf(module.output.c_str(), "%ld %ld %ld %ld", &m[0], &m[1], &m[2], &m[3]) != 4 ||
            std::sscanf(floor.output.c_str(), "%ld %ld %ld %ld", &f[0], &f[1], &f[2], &f[3]) != 4)
            Module::fail("a memory run failed");
        const auto row = [&](const std::string& what, int at, const char* target, bool met) {
            rows.push_back({what, firstWidgets, mib(double(m[at])), mib(double(f[at])), double(m[at]) / double(f[at]),
                            target, met});
        };
        row("memory after " + std::to_string(first) + " transactions", 0, "", true);
        row("memory after " + last + " transactions", 1, "", true);
        row("heap in use after " + std::to_string(first) + " transactions", 2, "", true);
        row("heap in use after " + last + " transactions (" + std::to_string(m[3] - m[2]) + " KiB more)", 3,
            "flat (grows < 256 KiB)", m[3] - m[2] < 256);
    }
    std::printf("\n");
    printTable(rows);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    defaultHandler = qInstallMessageHandler(withoutPlatformNoise);
    int qtArgc = 1;
    QApplication app(qtArgc, argv);
    QApplication::setQuitOnLastWindowClosed(false);

    Options options;
    const std::string mode = argc > 1 ? argv[1] : "";
    if (mode == "--first-screen") return firstScreenChild();
    if ((mode == "--memory" || mode == "--memory-floor") && argc == 5)
        return memoryChild(mode == "--memory-floor", std::atoi(argv[2]), std::atoi(argv[3]), std::atoi(argv[4]));
    if (mode == "--repeat-open" && argc == 4) return repeatOpen(std::atoi(argv[2]), std::atoi(argv[3]));
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string option = argv[i];
        const int value = std::atoi(argv[i + 1]);
        if (option == "--reps" && value > 0) {
            options.reps = value;
        } else if (option == "--transactions" && value > 0) {
            options.transactions = value;
        } else {
            std::fprintf(stderr, "usage: %s [--reps N] [--transactions N]\n", argv[0]);
            return 2;
        }
    }
    if (argc % 2 == 0) {
        std::fprintf(stderr, "usage: %s [--reps N] [--transactions N]\n", argv[0]);
        return 2;
    }
    return runAll(options, argv[0]);
}
