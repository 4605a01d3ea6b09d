// Cost of the fan selection's computing part (network, operating-point sweep, both variants) for
// every catalogue entry on a ten-storey building, beside a bare loop that evaluates the fan
// polynomial as many times as the sweeps do: the floor any implementation of the sweep pays.
#include <benchmark/benchmark.h>

#include <cstdint>

#include "model/operating_point.h"

namespace {

constexpr double kPi = 3.141592653589793;

// Ten storeys of 3 m, round steel duct of 0.315 m, grilles of zeta 2.5 and 0.2 x 0.25 m.
CalcRecord ExampleBuilding()
{
    CalcRecord record;
    ResetCalcRecord(record);
    record.AirDensity = 1.2;
    record.DuctRoughness = 1.8;
    record.DuctDiameter = 0.315;
    record.DuctArea = kPi * 0.315 * 0.315 * 0.25;
    record.GrilleLossCoefficient = 2.5;
    record.GrilleArea = 0.2 * 0.25;
    record.StoreyCount = 10;
    record.StoreyHeight = 3.0;
    return record;
}

// Steps the operating-point sweep of one entry takes: up to the end of the range or the first
// negative pressure.
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

// The same number of polynomial evaluations, phi advanced by the same repeated addition.
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

}  // namespace
