// Micro-benchmarks of the engine's hot paths, on the silent host.
#include <benchmark/benchmark.h>

#include "engine/payoffs.h"

#include "engine/machine.h"
#include "sim/silent_host.h"

namespace {

void BM_FillMysteryPrizes(benchmark::State& state) {
    zorva::TGameSession session;
    zorva::TSilentHost host(1);
    zorva::TSlotMachine machine(session, host);
    for (auto _ : state) {
        machine.FillMysteryPrizes();
        benchmark::DoNotOptimize(machine.MysteryPrizes);
    }
}
BENCHMARK(BM_FillMysteryPrizes);

void BM_PaidSpin(benchmark::State& state) {
    zorva::TGameSession session;
    zorva::TSilentHost host(1);
    zorva::TSlotMachine machine(session, host);
    session.AutoSpin = true;
    session.Double = false;
    session.PayMode = false;
    for (auto _ : state) {
        if (session.Credits < 64)
            session.Credits = 1'000'000;
        machine.SpinIfBetAccepted();
    }
}
BENCHMARK(BM_PaidSpin);

void BM_NormalLinePayoff(benchmark::State& state) {
    zorva::TStrips strips{};
    zorva::BuildStrips(strips);
    for (auto _ : state)
        benchmark::DoNotOptimize(zorva::LinePayoffOverAllStops(strips, 7, false));
}
BENCHMARK(BM_NormalLinePayoff);

} // namespace

BENCHMARK_MAIN();
