// The storey flows: the riser is marched upwards from the lowest storey's duct pressure, each
// grille passing what the pressure across it drives, each duct segment adding the friction of the
// flow it carries, and the lowest duct pressure is bisected until the network's pressure at the
// fan equals the fan's pressure at the summed flow.
#include "model/storey_flows.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "model/fan_catalogue.h"
#include "model/installation_kinds.h"
#include "model/network.h"
#include "model/operating_point.h"

const char kStoreyFlowOffCatalogueMessage[] =
    "Wentylator pracuje poza skatalogowanym zakresem swojej charakterystyki.";
const char kStoreyFlowNoSolutionMessage[] =
    "Przy rzeczywistym rozkładzie przepływu charakterystyka wentylatora nie przecina\n"
    "charakterystyki sieci w skatalogowanym zakresie: brak rozwiązania.\n"
    "Proszę wybrać większy wentylator albo kratki o większym oporze.";
const char kStoreyFlowNoNetworkMessage[] = "Brak wentylatora lub kondygnacji do obliczenia przepływów.";

namespace {

// A residual jump larger than this across the final bracket is no crossing but the end of the
// fan's catalogued curve, where its pressure drops to zero.
constexpr double kCrossingJump = 0.5;  // Pa

// How far either side of a hinted lowest duct pressure the bracket is first tried, as its share.
constexpr double kHintReach = 1e-3;  // -

// dp = k * q * |q| for every element, so a reversed flow meets a reversed pressure.
double SignedSquare(double q) { return q * std::fabs(q); }

// The network's elements as loss factors k [Pa/(m3/s)^2] and the fan's curve.
struct Riser {
    int32_t Storeys;
    std::vector<double> GrilleFactors;  // zeta_kr * rho/2 / A_kr^2 of each storey
    double SegmentFactor;     // f * L1 * rho/2 / A^2
    double TransitionFactor;  // zeta_p * rho/2 / A^2
    bool ConstantFlow;        // kinds 4 and 5 hold SetFlow while the pressure allows it
    double SetFlow;           // m3/s : Qs
    bool EqualFlows;
    std::vector<double> Stack;  // Pa : extra driving pressure of each storey's grille
    const FanEntry* Fan;
    double TotalFlowScale;      // m3/s : Q = phi * scale
    double PressureScale;       // Pa : dp = psi(phi) * scale
};

// The flow a grille passes at the pressure across it.
double GrilleFlow(const Riser& riser, int32_t storey, double pressure)
{
    const double factor = riser.GrilleFactors[static_cast<size_t>(storey)];
    if (riser.ConstantFlow && pressure >= factor * riser.SetFlow * riser.SetFlow)
        return riser.SetFlow;
    const double q = std::sqrt(std::fabs(pressure) / factor);
    return pressure < 0.0 ? -q : q;
}

// The fan's pressure at flow Q: the catalogue polynomial, extended below its range down to zero
// flow (and held at its zero-flow value for a reversed flow); nothing beyond the range's upper
// end or where the polynomial turns negative.
double FanPressureAt(const Riser& riser, double flow)
{
    const double phi = std::max(flow, 0.0) / riser.TotalFlowScale;
    if (phi > riser.Fan->FlowCoefficientRange.Max)
        return 0.0;
    return std::max(PressureCoefficient(riser.Fan->PressureCoefficients, phi), 0.0) * riser.PressureScale;
}

struct March {
    double FanFlow;      // m3/s
    double FanPressure;  // Pa : the network's at the fan
    double Residual;     // Pa : the fan's pressure minus the network's
};

// Marches from the lowest storey's duct pressure up to the fan. The fan pressure the network
// needs grows strictly with the starting pressure, which is what makes the bisection sound.
March MarchUp(const Riser& riser, double lowestDuctPressure, std::vector<StoreyFlowRow>* rows)
{
    double p = lowestDuctPressure;
    double carried = 0.0;  // m3/s : flow of the segment above the current storey
    double firstFlow = 0.0;
    for (int32_t i = 0; i < riser.Storeys; ++i) {
        const double across = p + riser.Stack[static_cast<size_t>(i)];
        double q = GrilleFlow(riser, i, across);
        if (i == 0)
            firstFlow = q;
        else if (riser.EqualFlows)
            q = firstFlow;
        if (rows)
            (*rows)[static_cast<size_t>(i)] = {q, p, across};
        carried += q;
        p += riser.SegmentFactor * SignedSquare(carried);
    }
    const double atFan = p + riser.TransitionFactor * SignedSquare(carried);
    return {carried, atFan, FanPressureAt(riser, carried) - atFan};
}

// The network's inputs, and a grille that resists the flow: its flow follows from its pressure.
bool RecordHasNetwork(const CalcRecord& record)
{
    return HasNetworkInputs(record) && record.GrilleLossCoefficient > 0.0 &&
           std::isfinite(record.GrilleLossCoefficient) && record.StoreyHeight >= 0.0;
}

// An upper bound of the fan's pressure over its curve: sum of |c_k| * phi_max^k (phi_max >= 1 or not).
double FanPressureBound(const Riser& riser)
{
    const double phiMax = std::max(std::fabs(riser.Fan->FlowCoefficientRange.Max), 1.0);
    double bound = 0.0;
    double power = 1.0;
    for (double c : riser.Fan->PressureCoefficients) {
        bound += std::fabs(c) * power;
        power *= phiMax;
    }
    return bound * riser.PressureScale;
}

}  // namespace

StoreyFlowOptions StoreyFlowOptionsOf(const CalcRecord& record)
{
    StoreyFlowOptions options;
    options.StackEffect = record.StoreyStackEffect != 0;
    options.OutsideTemperature = record.OutsideTemperature;
    options.FanSpeed = record.StoreyFanSpeed;
    return options;
}

StoreyFlows SolveStoreyFlows(const CalcRecord& record, const StoreyFlowOptions& options)
{
    StoreyFlows result;
    const FanEntry* fan = LookupFan(record.FanIndex);
    if (!fan || !RecordHasNetwork(record))
        return result;

    const int32_t storeys = record.StoreyCount;
    const double rho = record.AirDensity;
    const NetworkModel network = BuildNetwork(record, fan->ConnectionDiameter);
    const double ductArea2 = record.DuctArea * record.DuctArea;

    Riser riser;
    riser.Storeys = storeys;
    const double grilleArea2 = record.GrilleArea * record.GrilleArea;
    if (options.GrilleLossCoefficients.empty()) {
        riser.GrilleFactors.assign(static_cast<size_t>(storeys), record.GrilleLossCoefficient * rho / 2.0 / grilleArea2);
    } else {
        if (options.GrilleLossCoefficients.size() != static_cast<size_t>(storeys))
            return result;
        for (double zeta : options.GrilleLossCoefficients) {
            if (!(zeta > 0.0) || !std::isfinite(zeta))
                return result;
            riser.GrilleFactors.push_back(zeta * rho / 2.0 / grilleArea2);
        }
    }
    riser.SegmentFactor = network.FrictionPerMetre * record.StoreyHeight * rho / 2.0 / ductArea2;
    riser.TransitionFactor = network.TransitionLoss * rho / 2.0 / ductArea2;
    riser.ConstantFlow = IsConstantFlowKind(record.InstallationKind) && record.GrilleSetFlowHourly > 0.0;
    riser.SetFlow = record.GrilleSetFlowHourly / 3600.0;
    riser.EqualFlows = options.EqualFlows;
    riser.Fan = fan;
    // The fan laws: flow with the speed, pressure with its square.
    const FanScales scales = ComputeScales(*fan, rho, storeys);
    const double speedRatio = options.FanSpeed > 0.0 ? options.FanSpeed / fan->FanSpeed : 1.0;
    riser.TotalFlowScale = scales.TotalFlow * speedRatio;
    riser.PressureScale = scales.Pressure * speedRatio * speedRatio;

    // Stack effect: the flat at height h stands at the outside pressure of its height, the duct
    // holds indoor air up to the fan at H = N * L1, so the grille sees g (H - h) (rho_o - rho_i) more.
    result.OutsideDensity = rho;
    riser.Stack.assign(static_cast<size_t>(storeys), 0.0);
    if (options.StackEffect) {
        const double indoor = record.DensitySource == 0 ? record.AirTemperature : kIndoorTemperature;
        result.OutsideDensity =
            rho * (indoor + kCelsiusToKelvin) / (options.OutsideTemperature + kCelsiusToKelvin);
        for (int32_t i = 0; i < storeys; ++i)
            riser.Stack[static_cast<size_t>(i)] =
                kGravity * (storeys - i) * record.StoreyHeight * (result.OutsideDensity - rho);
    }
    if (!std::isfinite(riser.SegmentFactor) || !std::isfinite(riser.TransitionFactor) ||
        !std::isfinite(result.OutsideDensity) || !(result.OutsideDensity > 0.0) || !(riser.TotalFlowScale > 0.0))
        return result;

    // Bracket: at lo every grille pushes air back, so the network's fan pressure is below -1 Pa
    // while the fan's is never negative; at hi every grille draws, so the network's fan pressure
    // exceeds anything the fan's curve reaches.
    const double stackBound = riser.Stack.empty() ? 0.0 : std::fabs(riser.Stack.front());
    double lo = -stackBound - 1.0;
    double hi = FanPressureBound(riser) + stackBound + 1.0;
    double loResidual = MarchUp(riser, lo, nullptr).Residual;
    double hiResidual = MarchUp(riser, hi, nullptr).Residual;
    // A hint replaces either end by a pressure just beside it, on the side its residual tells.
    if (options.LowestPressureHint != 0.0 && std::isfinite(options.LowestPressureHint)) {
        const double reach = std::fabs(options.LowestPressureHint) * kHintReach;
        for (const double probe : {options.LowestPressureHint - reach, options.LowestPressureHint + reach}) {
            if (!(probe > lo && probe < hi))
                continue;
            const double residual = MarchUp(riser, probe, nullptr).Residual;
            (residual > 0.0 ? lo : hi) = probe;
            (residual > 0.0 ? loResidual : hiResidual) = residual;
        }
    }
    int iterations = 0;
    bool converged = false;
    double solved = 0.0;  // the lowest duct pressure whose residual is within the tolerance
    while (!converged && iterations < kStoreyFlowIterationLimit) {
        const double mid = 0.5 * (lo + hi);
        if (mid <= lo || mid >= hi)
            break;  // neighbouring doubles
        const double residual = MarchUp(riser, mid, nullptr).Residual;
        if (residual > 0.0) {
            lo = mid;
            loResidual = residual;
        } else {
            hi = mid;
            hiResidual = residual;
        }
        converged = std::fabs(residual) <= kStoreyFlowTolerance;
        solved = mid;
        ++iterations;
    }
    result.Iterations = iterations;

    result.Storeys.resize(static_cast<size_t>(storeys));
    const March march = MarchUp(riser, converged ? solved : 0.5 * (lo + hi), &result.Storeys);
    result.FanFlow = march.FanFlow;
    result.FanPressure = march.FanPressure;
    result.FlowCoefficient = march.FanFlow / riser.TotalFlowScale;

    if ((!converged && loResidual - hiResidual > kCrossingJump) || march.FanFlow < 0.0) {
        result.Status = StoreyFlowStatus::NoSolution;
        return result;
    }
    const FlowRange& range = fan->FlowCoefficientRange;
    const bool catalogued = result.FlowCoefficient >= range.Min && result.FlowCoefficient <= range.Max &&
                            PressureCoefficient(fan->PressureCoefficients, result.FlowCoefficient) >= 0.0;
    result.Status = catalogued ? StoreyFlowStatus::Solved : StoreyFlowStatus::OffCatalogue;
    return result;
}

double StoreyFlowSpread(const StoreyFlows& flows)
{
    if (flows.Storeys.empty())
        return 0.0;
    const auto [smallest, largest] = std::minmax_element(
        flows.Storeys.begin(), flows.Storeys.end(),
        [](const StoreyFlowRow& a, const StoreyFlowRow& b) { return a.GrilleFlow < b.GrilleFlow; });
    if (!(smallest->GrilleFlow > 0.0))
        return 0.0;
    return largest->GrilleFlow / smallest->GrilleFlow;
}
