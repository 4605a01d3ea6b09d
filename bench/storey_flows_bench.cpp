// Cost of solving the flow of every grille for the largest building the record holds: 99 storeys
// of fixed grilles, the same with constant-flow grilles and the stack effect, and the three design
// conditions together (aim: well under 1 ms).
#include <benchmark/benchmark.h>

#include "bench/bench_building.h"
#include "model/catalogue_ranking.h"
#include "model/storey_flows.h"

namespace {

// 99 storeys of 3 m, round duct of 0.5 m, grilles 0.15 x 0.15 m of zeta 15, CORVA-4 at 730 1/min.
CalcRecord TallBuilding()
{
    CalcRecord record = BenchRecord({kMaxStoreyCount, 3.0, 0.5, 15.0, 0.15 * 0.15});
    record.FanIndex = 19;
    return record;
}

void BM_StoreyFlows99Fixed(benchmark::State& state)
{
    const CalcRecord record = TallBuilding();
    for (auto _ : state)
        benchmark::DoNotOptimize(SolveStoreyFlows(record, {}));
}
BENCHMARK(BM_StoreyFlows99Fixed)->Unit(benchmark::kMicrosecond);

void BM_StoreyFlows99ConstantFlowWinter(benchmark::State& state)
{
    CalcRecord record = TallBuilding();
    record.InstallationKind = 5;
    record.GrilleSetFlowHourly = 30.0;
    StoreyFlowOptions options;
    options.StackEffect = true;
    options.OutsideTemperature = -20.0;
    for (auto _ : state)
        benchmark::DoNotOptimize(SolveStoreyFlows(record, options));
}
BENCHMARK(BM_StoreyFlows99ConstantFlowWinter)->Unit(benchmark::kMicrosecond);

void BM_StoreyConditions99(benchmark::State& state)
{
    const CalcRecord record = TallBuilding();
    for (auto _ : state)
        benchmark::DoNotOptimize(SolveStoreyConditions(record));
}
BENCHMARK(BM_StoreyConditions99)->Unit(benchmark::kMicrosecond);

// The whole catalogue ranked with the least storey flow of every configuration in the three
// conditions (aim: at most 20 ms).
void BM_SeasonalRanking99(benchmark::State& state)
{
    const CalcRecord record = TallBuilding();
    for (auto _ : state)
        benchmark::DoNotOptimize(RankCatalogue(record, 50.0));
}
BENCHMARK(BM_SeasonalRanking99)->Unit(benchmark::kMillisecond);

}  // namespace
