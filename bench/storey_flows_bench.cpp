// Cost of solving the flow of every grille for the largest building the record holds: 99 storeys
// of fixed grilles, the same with constant-flow grilles and the stack effect, and the three design
// conditions together (aim: well under 1 ms); and the commissioning settings of 99 storeys of
// adjustable grilles (aim: within 5 ms).
#include <benchmark/benchmark.h>

#include "bench/bench_building.h"
#include "model/adjustable_grilles.h"
#include "model/catalogue_ranking.h"
#include "model/commissioning.h"
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

// 99 storeys of LUMA 200 grilles first set at 10 turns, every flat asking 30 m3/h.
void BM_Commissioning99Adjustable(benchmark::State& state)
{
    CalcRecord record = TallBuilding();
    const AdjustableGrille& luma200 = kAdjustableGrilles[4];
    record.InstallationKind = kAdjustableRoundGrille;
    record.GrilleSizeA = luma200.Diameter;
    record.GrilleArea = 3.141592653589793 * luma200.Diameter * luma200.Diameter * 0.25;
    record.GrilleLossCoefficient = LossCoefficientAtTurns(luma200, 10);
    for (auto _ : state)
        benchmark::DoNotOptimize(ComputeCommissioning(record, {30.0}));
}
BENCHMARK(BM_Commissioning99Adjustable)->Unit(benchmark::kMillisecond);

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
