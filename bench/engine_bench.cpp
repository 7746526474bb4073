// Micro-benchmarks of the engine's hot paths, on the silent host.
#include <benchmark/benchmark.h>

#include "engine/payoff_table.h"

#include "engine/machine.h"
#include "engine/mystery_deal.h"
#include "engine/silent_host.h"

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

// The deal alone, by each way of moving the boxes: 0 portable, 1 SSSE3 where the processor has it.
void BM_DealMysteryPrizes(benchmark::State& state) {
    const auto shuffler = static_cast<zorva::TBoxShuffler>(state.range(0));
    if (shuffler == zorva::TBoxShuffler::Ssse3 && !zorva::Ssse3Available()) {
        state.SkipWithError("no SSSE3 on this processor");
        return;
    }
    zorva::TRandom rng{1};
    const zorva::TMysteryPrizes prizes{100, 25, 25, 10, 10, 10, 10, 10};
    for (auto _ : state)
        benchmark::DoNotOptimize(zorva::DealMysteryPrizes(rng, prizes, shuffler));
}
BENCHMARK(BM_DealMysteryPrizes)->Arg(0)->Arg(1);

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
