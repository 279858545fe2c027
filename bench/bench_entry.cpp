// Cost of what runs on every call before a screen appears, and of the text
// routines on the largest values a host may hand over.
#include <benchmark/benchmark.h>

#include <string>

#include <cstdlib>

#include "SimulatedHost.h"
#include "core/WipedString.h"
#include "entry/Dispatch.h"
#include "host/Fields.h"
#include "routines.h"
#include "vks/vks.h"

namespace {

using vks::test::ScopedSimulatedHost;

void BM_TransactionTypeOfLongFlags(benchmark::State& state) {
    const std::string flags(static_cast<std::size_t>(state.range(0)), '0');
    for (auto _ : state) benchmark::DoNotOptimize(vks::transactionTypeOf(flags));
}
BENCHMARK(BM_TransactionTypeOfLongFlags)->Arg(21)->Arg(1 << 20);

// A whole call that ends in its preconditions (rejected sub-option).
void BM_ExecutaGenericoPreconditions(benchmark::State& state) {
    ScopedSimulatedHost fake;
    fake->set(vks::field::EnabledTransactions, "1");
    fake->set(vks::field::EntryType, "7");
    for (auto _ : state) {
        ExecutaGenerico(0, 0);
        fake->clearRecords();
    }
}
BENCHMARK(BM_ExecutaGenericoPreconditions);

void BM_DollarRoundTrip(benchmark::State& state) {
    const std::string amount(static_cast<std::size_t>(state.range(0)), '7');
    for (auto _ : state) {
        benchmark::DoNotOptimize(vks::sim::routines::removeFormato(vks::sim::routines::dollar(amount)));
    }
}
BENCHMARK(BM_DollarRoundTrip)->Arg(12)->Arg(1 << 20);

void BM_WipedCardCopy(benchmark::State& state) {
    for (auto _ : state) {
        vks::WipedString card(std::string("6034567890123456"));
        benchmark::DoNotOptimize(card.view().data());
    }
}
BENCHMARK(BM_WipedCardCopy);

} // namespace

int main(int argc, char** argv) {
    // The module's screens need a QApplication even when none is shown.
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
