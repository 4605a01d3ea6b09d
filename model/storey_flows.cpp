// The storey flows: the riser is marched upwards from the lowest storey's duct pressure, each
// grille passing what the pressure across it drives, each duct segment adding the friction of the
// flow it carries, and the lowest duct pressure is narrowed in until the network's pressure at the
// fan equals the fan's pressure at the summed flow.
#include "model/storey_flows.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <utility>

#include "model/adjustable_grilles.h"
#include "model/installation_kinds.h"
#include "model/network.h"
#include "model/operating_point.h"

const char kStoreyFlowOffCatalogueMessage[] =
    "Wentylator pracuje poza skatalogowanym zakresem charakterystyki (φ = %1.3f, katalog: %1.3f do %1.3f); "
    "wynik szacunkowy.";
const char kStoreyFlowTooWeakMessage[] =
    "Przy rzeczywistym rozkładzie przepływu charakterystyka wentylatora nie przecina\n"
    "charakterystyki sieci w skatalogowanym zakresie: brak rozwiązania.\n"
    "Wentylator jest za słaby: proszę wybrać większy wentylator albo kratki o mniejszym oporze.";
const char kStoreyFlowTooLargeMessage[] =
    "Przy rzeczywistym rozkładzie przepływu charakterystyka wentylatora nie przecina\n"
    "charakterystyki sieci w skatalogowanym zakresie: brak rozwiązania.\n"
    "Wentylator jest za duży: proszę wybrać mniejszy wentylator albo kratki o większym oporze.";
const char kStoreyFlowNoNetworkMessage[] = "Brak wentylatora lub kondygnacji do obliczenia przepływów.";

namespace {

// A residual jump larger than this across the final bracket is no crossing but the end of the
// fan's curve, where its pressure drops to zero.
constexpr double kCrossingJump = 0.5;  // Pa

// dp = k * q * |q| for every element, so a reversed flow meets a reversed pressure.
double SignedSquare(double q) { return q * std::fabs(q); }

// psi'(phi) of c0 + c1 phi + c2 phi^2 + c3 phi^3 + c4 phi^4.
double PressureCoefficientSlope(const double c[5], double phi)
{
    return c[1] + 2.0 * c[2] * phi + 3.0 * c[3] * phi * phi + 4.0 * c[4] * phi * phi * phi;
}

// The characteristic of a configuration: the plain fan's or a silencer variant's.
struct Curve {
    FlowRange Range;
    const double* Coefficients;
};

Curve CurveOf(const FanEntry& fan, FanConfiguration configuration)
{
    switch (configuration) {
    case FanConfiguration::Base: return {fan.BaseCharacteristic.Range, fan.BaseCharacteristic.Coefficients};
    case FanConfiguration::Silencer:
        return {fan.SilencerCharacteristic.Range, fan.SilencerCharacteristic.Coefficients};
    case FanConfiguration::Fan: break;
    }
    return {fan.FlowCoefficientRange, fan.PressureCoefficients};
}

// The network's elements as loss factors k [Pa/(m3/s)^2] and the fan's curve.
struct Riser {
    int32_t Storeys;
    std::vector<double> GrilleFactor;  // zeta_kr * rho/2 / A_kr^2 of each storey
    double SegmentFactor;     // f * L1 * rho/2 / A^2
    double TransitionFactor;  // zeta_p * rho/2 / A^2
    bool ConstantFlow;        // kinds 4 and 5 hold SetFlow while the pressure allows it
    double SetFlow;           // m3/s : Qs
    bool EqualFlows;
    std::vector<double> Stack;  // Pa : extra driving pressure of each storey's grille
    Curve Fan;
    double EndPressureCoefficient;  // - : psi at the catalogued upper end
    double EndSlope;                // - : psi' there; the tangent continues the curve when negative
    double TotalFlowScale;      // m3/s : Q = phi * scale
    double PressureScale;       // Pa : dp = psi(phi) * scale
};

// The flow the grille of storey i passes at the pressure across it.
double GrilleFlow(const Riser& riser, size_t i, double pressure)
{
    const double k = riser.GrilleFactor[i];
    if (riser.ConstantFlow && pressure >= k * riser.SetFlow * riser.SetFlow)
        return riser.SetFlow;
    const double q = std::sqrt(std::fabs(pressure) / k);
    return pressure < 0.0 ? -q : q;
}

// The fan's pressure at flow Q: the catalogue polynomial, extended below its range down to zero
// flow (and held at its zero-flow value for a reversed flow), beyond its upper end along the
// tangent there while that falls; never negative.
double FanPressureAt(const Riser& riser, double flow)
{
    const double phi = std::max(flow, 0.0) / riser.TotalFlowScale;
    if (phi > riser.Fan.Range.Max) {
        if (!(riser.EndSlope < 0.0))
            return 0.0;
        const double psi = riser.EndPressureCoefficient + riser.EndSlope * (phi - riser.Fan.Range.Max);
        return std::max(psi, 0.0) * riser.PressureScale;
    }
    return std::max(PressureCoefficient(riser.Fan.Coefficients, phi), 0.0) * riser.PressureScale;
}

struct March {
    double FanFlow;      // m3/s
    double FanPressure;  // Pa : the network's at the fan
    double Residual;     // Pa : the fan's pressure minus the network's
};

// Marches from the lowest storey's duct pressure up to the fan. The fan pressure the network
// needs grows strictly with the starting pressure, which is what makes the bracketing sound.
March MarchUp(const Riser& riser, double lowestDuctPressure, std::vector<StoreyFlowRow>* rows)
{
    double p = lowestDuctPressure;
    double carried = 0.0;  // m3/s : flow of the segment above the current storey
    double firstFlow = 0.0;
    for (int32_t i = 0; i < riser.Storeys; ++i) {
        const size_t s = static_cast<size_t>(i);
        const double across = p + riser.Stack[s];
        double q = GrilleFlow(riser, s, across);
        if (i == 0)
            firstFlow = q;
        else if (riser.EqualFlows)
            q = firstFlow;
        if (rows)
            (*rows)[s] = {q, p, across};
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

// An upper bound of the fan's pressure over its curve: sum of |c_k| * phi_max^k (phi_max >= 1 or
// not); the tangent beyond the end only falls from the end's value.
double FanPressureBound(const Riser& riser)
{
    const double phiMax = std::max(std::fabs(riser.Fan.Range.Max), 1.0);
    double bound = 0.0;
    double power = 1.0;
    for (int k = 0; k < 5; ++k) {
        bound += std::fabs(riser.Fan.Coefficients[k]) * power;
        power *= phiMax;
    }
    return bound * riser.PressureScale;
}

StoreyFlowOptions ConditionOptions(StoreyCondition condition, double temperature, double fanSpeed,
                                   FanConfiguration configuration)
{
    StoreyFlowOptions options;
    options.StackEffect = condition != StoreyCondition::Still;
    options.OutsideTemperature = options.StackEffect ? temperature : 0.0;
    options.FanSpeed = fanSpeed;
    options.Configuration = configuration;
    return options;
}

}  // namespace

StoreyFlows SolveStoreyFlows(const CalcRecord& record, const StoreyFlowOptions& options)
{
    const FanEntry* fan = LookupFan(record.FanIndex);
    return fan ? SolveStoreyFlows(*fan, record, options) : StoreyFlows{};
}

StoreyFlows SolveStoreyFlows(const FanEntry& fan, const CalcRecord& record, const StoreyFlowOptions& options)
{
    StoreyFlows result;
    if (!RecordHasNetwork(record))
        return result;

    const int32_t storeys = record.StoreyCount;
    const double rho = record.AirDensity;
    const NetworkModel network = BuildNetwork(record, fan.ConnectionDiameter);
    const double ductArea2 = record.DuctArea * record.DuctArea;

    Riser riser;
    riser.Storeys = storeys;
    const double grilleDynamic = rho / 2.0 / (record.GrilleArea * record.GrilleArea);
    riser.GrilleFactor.assign(static_cast<size_t>(storeys), record.GrilleLossCoefficient * grilleDynamic);
    for (size_t i = 0; i < options.GrilleLossCoefficients.size() && i < riser.GrilleFactor.size(); ++i) {
        const double zeta = options.GrilleLossCoefficients[i];
        if (!(zeta > 0.0) || !std::isfinite(zeta))
            return result;  // a grille without resistance has no flow that follows from its pressure
        riser.GrilleFactor[i] = zeta * grilleDynamic;
    }
    riser.SegmentFactor = network.FrictionPerMetre * record.StoreyHeight * rho / 2.0 / ductArea2;
    riser.TransitionFactor = network.TransitionLoss * rho / 2.0 / ductArea2;
    riser.ConstantFlow = IsConstantFlowKind(record.InstallationKind) && record.GrilleSetFlowHourly > 0.0;
    riser.SetFlow = record.GrilleSetFlowHourly / 3600.0;
    riser.EqualFlows = options.EqualFlows;
    riser.Fan = CurveOf(fan, options.Configuration);
    result.CatalogueRange = riser.Fan.Range;
    if (!(riser.Fan.Range.Max > 0.0))
        return result;  // a configuration the catalogue does not give for this fan
    riser.EndPressureCoefficient = PressureCoefficient(riser.Fan.Coefficients, riser.Fan.Range.Max);
    riser.EndSlope = PressureCoefficientSlope(riser.Fan.Coefficients, riser.Fan.Range.Max);
    // The fan laws: flow with the speed, pressure with its square.
    const FanScales scales = ComputeScales(fan, rho, storeys);
    const double speedRatio = options.FanSpeed > 0.0 ? options.FanSpeed / fan.FanSpeed : 1.0;
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
    // The bracket is narrowed by false position with the Illinois weighting (the weights halve an
    // end that stays put, so that it moves too), and halved instead whenever two steps together
    // failed to halve it: superlinear on the smooth residual, never slower than bisection where
    // the residual kinks (a constant-flow grille reaching its setting, a flow turning back) or
    // jumps (the end of the fan's curve).
    double loWeight = loResidual;
    double hiWeight = hiResidual;
    int lastSide = 0;               // +1 lo moved last, -1 hi moved last
    double widthBefore = hi - lo;   // Pa : the bracket two steps ago
    bool bisect = false;            // the next step halves the bracket
    int iterations = 0;
    bool converged = false;
    double solved = 0.0;  // the lowest duct pressure whose residual is within the tolerance
    while (!converged && iterations < kStoreyFlowIterationLimit) {
        const double half = 0.5 * (lo + hi);
        if (half <= lo || half >= hi)
            break;  // neighbouring doubles
        double next = half;
        if (!bisect) {
            const double secant = lo + loWeight * (hi - lo) / (loWeight - hiWeight);
            if (secant > lo && secant < hi)
                next = secant;
        }
        const double residual = MarchUp(riser, next, nullptr).Residual;
        if (residual > 0.0) {
            lo = next;
            loResidual = residual;
            loWeight = residual;
            if (lastSide == 1)
                hiWeight *= 0.5;
            lastSide = 1;
        } else {
            hi = next;
            hiResidual = residual;
            hiWeight = residual;
            if (lastSide == -1)
                loWeight *= 0.5;
            lastSide = -1;
        }
        converged = std::fabs(residual) <= kStoreyFlowTolerance;
        solved = next;
        ++iterations;
        bisect = false;
        if (iterations % 2 == 0) {
            bisect = hi - lo > 0.5 * widthBefore;
            widthBefore = hi - lo;
        }
    }
    result.Iterations = iterations;

    result.Storeys.resize(static_cast<size_t>(storeys));
    const March march = MarchUp(riser, converged ? solved : 0.5 * (lo + hi), &result.Storeys);
    result.FanFlow = march.FanFlow;
    result.FanPressure = march.FanPressure;
    result.FlowCoefficient = march.FanFlow / riser.TotalFlowScale;

    // A residual that jumps is the fan's curve ending above the network: the crossing lies past
    // the catalogued range. A flow drawn backwards is a fan the network overpowers.
    const bool pastCurveEnd = !converged && loResidual - hiResidual > kCrossingJump;
    if (pastCurveEnd || march.FanFlow < 0.0) {
        result.Status = StoreyFlowStatus::NoSolution;
        result.FanTooLarge = pastCurveEnd && march.FanFlow >= 0.0;
        return result;
    }
    const FlowRange& range = riser.Fan.Range;
    const bool catalogued = result.FlowCoefficient >= range.Min && result.FlowCoefficient <= range.Max &&
                            PressureCoefficient(riser.Fan.Coefficients, result.FlowCoefficient) >= 0.0;
    result.Status = catalogued ? StoreyFlowStatus::Solved : StoreyFlowStatus::OffCatalogue;
    return result;
}

bool HasStoreyRows(const StoreyFlows& flows)
{
    return flows.Status == StoreyFlowStatus::Solved || flows.Status == StoreyFlowStatus::OffCatalogue;
}

const char* StoreyFlowStatusMessage(const StoreyFlows& flows)
{
    switch (flows.Status) {
    case StoreyFlowStatus::Solved: return nullptr;
    case StoreyFlowStatus::OffCatalogue: return kStoreyFlowOffCatalogueMessage;
    case StoreyFlowStatus::NoSolution: return flows.FanTooLarge ? kStoreyFlowTooLargeMessage : kStoreyFlowTooWeakMessage;
    case StoreyFlowStatus::NoNetwork: return kStoreyFlowNoNetworkMessage;
    }
    return nullptr;
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

bool BalancedStoreys(const CalcRecord& record) { return record.StoreyBalanced != 0 && record.CommissionSpeed > 0; }

double StoreySolveSpeed(const CalcRecord& record)
{
    return BalancedStoreys(record) ? static_cast<double>(record.CommissionSpeed) : record.StoreyFanSpeed;
}

bool CommissionedTurnsApply(const CalcRecord& record)
{
    return record.InstallationKind == kAdjustableRoundGrille && record.CommissionTurnCount > 0 &&
           record.CommissionTurnCount == record.StoreyCount && FindAdjustableGrille(record.GrilleSizeA);
}

std::vector<double> CommissionedLossCoefficients(const CalcRecord& record)
{
    std::vector<double> zetas;
    if (!CommissionedTurnsApply(record))
        return zetas;  // turns of another building, or none: the grilles as entered
    const AdjustableGrille& grille = *FindAdjustableGrille(record.GrilleSizeA);
    for (int32_t storey = 0; storey < record.CommissionTurnCount; ++storey)
        zetas.push_back(LossCoefficientAtTurns(grille, record.CommissionTurns[storey]));
    return zetas;
}

std::vector<StoreyConditionFlows> SolveStoreyConditions(const CalcRecord& record)
{
    const FanEntry* fan = LookupFan(record.FanIndex);
    std::vector<StoreyConditionFlows> conditions;
    const bool balanced = BalancedStoreys(record);
    const std::vector<double> zetas = balanced ? CommissionedLossCoefficients(record) : std::vector<double>{};
    const auto add = [&](StoreyCondition condition, double temperature) {
        StoreyFlowOptions options = ConditionOptions(
            condition, temperature, StoreySolveSpeed(record), FanConfiguration::Fan);
        options.GrilleLossCoefficients = zetas;
        conditions.push_back({condition, options.OutsideTemperature,
                              fan ? SolveStoreyFlows(*fan, record, options) : StoreyFlows{}});
    };
    if (record.StoreyOneCondition != 0) {
        add(StoreyCondition::Outside, record.OutsideTemperature);
    } else {
        add(StoreyCondition::Still, 0.0);
        add(StoreyCondition::Winter, record.WinterTemperature);
        add(StoreyCondition::Summer, record.SummerTemperature);
    }
    return conditions;
}

std::vector<StoreyConditionFlows> SolveDesignConditions(const FanEntry& fan, FanConfiguration configuration,
                                                        const CalcRecord& record)
{
    std::vector<StoreyConditionFlows> conditions;
    for (const auto& [condition, temperature] : {std::pair{StoreyCondition::Still, 0.0},
                                                std::pair{StoreyCondition::Winter, record.WinterTemperature},
                                                std::pair{StoreyCondition::Summer, record.SummerTemperature}})
        conditions.push_back({condition, temperature,
                              SolveStoreyFlows(fan, record, ConditionOptions(condition, temperature, 0.0, configuration))});
    return conditions;
}

StoreyShortfall ShortfallOf(const StoreyFlows& flows, double requiredGrilleFlowHourly)
{
    StoreyShortfall shortfall;
    if (!HasStoreyRows(flows))
        return shortfall;
    for (size_t i = 0; i < flows.Storeys.size(); ++i) {
        const double hourly = flows.Storeys[i].GrilleFlow * 3600.0;
        if (hourly < requiredGrilleFlowHourly)
            ++shortfall.Below;
        if (shortfall.Least < 0 || hourly < shortfall.LeastFlowHourly) {
            shortfall.Least = static_cast<int>(i);
            shortfall.LeastFlowHourly = hourly;
        }
    }
    return shortfall;
}
