// Cost of the fan selection's computing part (network, operating-point search, both variants) for
// every catalogue entry on a ten-storey building, beside a bare loop that evaluates the fan
// polynomial as many times as the plain sweeps do; and the ranking of the catalogue and one fan
// selection with the fast search against the same work done by the plain sweep.
#include <benchmark/benchmark.h>

#include <cstdint>

#include "bench/bench_building.h"
#include "model/catalogue_ranking.h"
#include "model/operating_point.h"

namespace {

// Ten storeys of 3 m, round steel duct of 0.315 m, grilles of zeta 2.5 and 0.2 x 0.25 m.
CalcRecord ExampleBuilding() { return BenchRecord({10, 3.0, 0.315, 2.5, 0.2 * 0.25}); }

// Steps the plain operating-point sweep of one entry takes, up to the end of the range or the first
// negative pressure (the fast search visits few of them).
int64_t SweepSteps(const FanEntry& entry)
{
    int64_t steps = 0;
    for (double phi = entry.FlowCoefficientRange.Min; phi <= entry.FlowCoefficientRange.Max;
         phi += 0.000001) {
        ++steps;
        if (PressureCoefficient(entry.PressureCoefficients, phi) < 0.0)
            break;
    }
    return steps;
}

void BM_SelectEveryFan(benchmark::State& state)
{
    CalcRecord record = ExampleBuilding();
    int64_t steps = 0;
    for (int i = 0; i < kFanCount; ++i)
        steps += SweepSteps(FanCatalogue()[i]);
    for (auto _ : state) {
        for (int32_t index = 1; index <= kFanCount; ++index) {
            record.FanIndex = index;
            FanSelection selection = SelectFan(record);
            benchmark::DoNotOptimize(selection);
        }
        benchmark::ClobberMemory();
    }
    state.counters["steps"] = static_cast<double>(steps);
    state.counters["ns_per_step"] = benchmark::Counter(
        static_cast<double>(steps) * static_cast<double>(state.iterations()),
        benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_SelectEveryFan)->Unit(benchmark::kMillisecond);

// The same number of polynomial evaluations, phi advanced by the same repeated addition: the floor
// of any search that visits every step.
void BM_BarePolynomialSteps(benchmark::State& state)
{
    int64_t steps[kFanCount];
    int64_t total = 0;
    for (int i = 0; i < kFanCount; ++i) {
        steps[i] = SweepSteps(FanCatalogue()[i]);
        total += steps[i];
    }
    for (auto _ : state) {
        double sum = 0.0;
        for (int i = 0; i < kFanCount; ++i) {
            const FanEntry& entry = FanCatalogue()[i];
            double phi = entry.FlowCoefficientRange.Min;
            for (int64_t k = 0; k < steps[i]; ++k, phi += 0.000001)
                sum += PressureCoefficient(entry.PressureCoefficients, phi);
        }
        benchmark::DoNotOptimize(sum);
    }
    state.counters["steps"] = static_cast<double>(total);
    state.counters["ns_per_step"] = benchmark::Counter(
        static_cast<double>(total) * static_cast<double>(state.iterations()),
        benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_BarePolynomialSteps)->Unit(benchmark::kMillisecond);

// The ranking's work with the plain sweep: every chooser entry's operating point and variants.
void BM_RankCatalogueBySweep(benchmark::State& state)
{
    const CalcRecord record = ExampleBuilding();
    for (auto _ : state) {
        for (int i = 0; i < kFanCount; ++i) {
            const FanEntry& entry = FanCatalogue()[i];
            if (!entry.ChooserCaption)
                continue;
            const NetworkModel network = BuildNetwork(record, entry.ConnectionDiameter);
            const FanScales scales = ComputeScales(entry, record.AirDensity, record.StoreyCount);
            const OperatingPoint point = FindOperatingPointBySweep(entry, network, scales, record.AirDensity);
            const double r = 100.0;
            benchmark::DoNotOptimize(point);
            benchmark::DoNotOptimize(EvaluateVariant(entry.BaseCharacteristic, entry, r, record.AirDensity));
            benchmark::DoNotOptimize(EvaluateVariant(entry.SilencerCharacteristic, entry, r, record.AirDensity));
        }
    }
}
BENCHMARK(BM_RankCatalogueBySweep)->Unit(benchmark::kMillisecond);

// The argument is the number of storeys: one storey makes most differences jump across the
// window, 99 storeys make the network the steepest.
void BM_RankCatalogue(benchmark::State& state)
{
    CalcRecord record = ExampleBuilding();
    record.StoreyCount = static_cast<int32_t>(state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(RankCatalogue(record, 50.0));
}
BENCHMARK(BM_RankCatalogue)->Arg(1)->Arg(10)->Arg(99)->Unit(benchmark::kMillisecond);

// The operating point of one fan (CORVA-4/1440, one of the widest ranges) by the plain sweep and by
// the fast search, then the whole computing part of one fan selection (with storey pressures,
// trace text and variants) on the fast search.
template <OperatingPoint (*search)(const FanEntry&, const NetworkModel&, const FanScales&, double)>
void BM_SearchOneFan(benchmark::State& state)
{
    const CalcRecord record = ExampleBuilding();
    const FanEntry& entry = *LookupFan(17);
    for (auto _ : state) {
        const NetworkModel network = BuildNetwork(record, entry.ConnectionDiameter);
        const FanScales scales = ComputeScales(entry, record.AirDensity, record.StoreyCount);
        benchmark::DoNotOptimize(search(entry, network, scales, record.AirDensity));
    }
}
BENCHMARK(BM_SearchOneFan<FindOperatingPointBySweep>)->Name("BM_SearchOneFanBySweep")->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SearchOneFan<FindOperatingPoint>)->Name("BM_SearchOneFan")->Unit(benchmark::kMicrosecond);

void BM_SelectOneFan(benchmark::State& state)
{
    CalcRecord record = ExampleBuilding();
    record.FanIndex = 17;
    for (auto _ : state)
        benchmark::DoNotOptimize(SelectFan(record));
}
BENCHMARK(BM_SelectOneFan)->Unit(benchmark::kMicrosecond);

}  // namespace
