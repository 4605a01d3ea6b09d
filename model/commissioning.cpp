// The commissioning settings. Adjustable grilles: each storey's grille is closed as far as the
// pressure across it allows while it still passes Qi. Closing any grille raises the suction at
// every storey, so this rule, applied to all storeys at once and repeated from fully closed
// grilles downwards, only ever opens grilles and stops at the most closed setting that gives
// every storey Qi; every other setting that does so is at least as open and draws more air.
// The constant-flow and fixed grilles have nothing to set but the speed.
#include "model/commissioning.h"

#include <algorithm>
#include <cmath>
#include <functional>

#include "model/adjustable_grilles.h"
#include "model/fan_catalogue.h"
#include "model/installation_kinds.h"

const char kCommissioningNoNetworkMessage[] =
    "Brak wentylatora, kondygnacji lub wymaganej wydajności do obliczenia nastaw.";

namespace {

// One opening of an adjustable grille, the openings ordered from the least loss to the most.
struct Opening {
    double Zeta;    // - : loss coefficient
    int32_t Turns;  // - : 0..kMaxTurns
};

// The openings with a positive loss coefficient; where two give the same coefficient, the one with
// fewer turns comes first.
std::vector<Opening> OpeningsOf(const AdjustableGrille& grille)
{
    std::vector<Opening> openings;
    for (int32_t turns = 0; turns <= kMaxTurns; ++turns) {
        const double zeta = LossCoefficientAtTurns(grille, turns);
        if (zeta > 0.0 && std::isfinite(zeta))
            openings.push_back({zeta, turns});
    }
    std::stable_sort(openings.begin(), openings.end(),
                     [](const Opening& a, const Opening& b) { return a.Zeta < b.Zeta; });
    return openings;
}

// The flow of a grille of loss coefficient `zeta` at `pressure` across it, computed exactly as
// the storey solve computes it.
double FlowAt(const CalcRecord& record, double zeta, double pressure)
{
    const double factor = zeta * record.AirDensity / 2.0 / (record.GrilleArea * record.GrilleArea);
    return pressure > 0.0 ? std::sqrt(std::fabs(pressure) / factor) : 0.0;
}

bool HasRows(const StoreyFlows& flows)
{
    return flows.Status == StoreyFlowStatus::Solved || flows.Status == StoreyFlowStatus::OffCatalogue;
}

StoreyFlows SolveAt(const CalcRecord& record, int32_t speed, std::vector<double> zetas, bool stack = false,
                    double outside = 0.0)
{
    StoreyFlowOptions options;
    options.FanSpeed = speed;
    options.GrilleLossCoefficients = std::move(zetas);
    options.StackEffect = stack;
    options.OutsideTemperature = outside;
    return SolveStoreyFlows(record, options);
}

std::vector<double> ZetasOf(const std::vector<Opening>& openings, const std::vector<size_t>& levels)
{
    std::vector<double> zetas;
    zetas.reserve(levels.size());
    for (size_t level : levels)
        zetas.push_back(openings[level].Zeta);
    return zetas;
}

// The duct pressure at every storey when every grille passes exactly `required` at `speed`:
// the storey solve with grilles that hold a set flow, fully open. Any setting that gives every
// storey at least `required` draws at least as much through every duct segment and the fan, so
// its suction is nowhere higher. Empty when even then a storey stays short (or nothing solves).
std::vector<double> IdealPressures(const CalcRecord& record, const std::vector<Opening>& openings, double required,
                                   int32_t speed)
{
    CalcRecord ideal = record;
    ideal.InstallationKind = kConstantFlowRoundGrille;
    ideal.GrilleSetFlowHourly = required * 3600.0;
    ideal.GrilleLossCoefficient = openings.front().Zeta;
    const StoreyFlows flows = SolveAt(ideal, speed, {});
    std::vector<double> pressures;
    if (!HasRows(flows))
        return pressures;
    for (const StoreyFlowRow& row : flows.Storeys) {
        if (FlowAt(record, openings.front().Zeta, row.GrillePressure) < required)
            return {};
        pressures.push_back(row.GrillePressure);
    }
    return pressures;
}

// The most closed opening of each storey that passes `required` at its ideal pressure: no
// setting that gives every storey its flow closes any grille further.
std::vector<size_t> IdealLevels(const CalcRecord& record, const std::vector<Opening>& openings,
                                const std::vector<double>& pressures, double required)
{
    std::vector<size_t> levels;
    for (double pressure : pressures) {
        size_t level = openings.size() - 1;
        while (level > 0 && FlowAt(record, openings[level].Zeta, pressure) < required)
            --level;
        levels.push_back(level);
    }
    return levels;
}

// The most closed openings that give every storey `required` at `speed`, starting from `levels`
// (an opening known to be at least as closed as the answer). Empty when none does.
std::vector<size_t> BalanceLevels(const CalcRecord& record, const std::vector<Opening>& openings, double required,
                                  int32_t speed, std::vector<size_t> levels)
{
    // Every round opens at least one grille by one opening, or ends.
    const size_t rounds = openings.size() * levels.size() + 2;
    for (size_t round = 0; round < rounds; ++round) {
        const StoreyFlows flows = SolveAt(record, speed, ZetasOf(openings, levels));
        if (!HasRows(flows))
            return {};
        bool changed = false;
        for (size_t i = 0; i < levels.size(); ++i) {
            const double pressure = flows.Storeys[i].GrillePressure;
            size_t level = levels[i];
            while (level > 0 && FlowAt(record, openings[level].Zeta, pressure) < required)
                --level;
            // Short even fully open: the answer is at least as open, so its suction here is no
            // more than now, and no setting gives this storey its flow.
            if (FlowAt(record, openings[level].Zeta, pressure) < required)
                return {};
            changed = changed || level != levels[i];
            levels[i] = level;
        }
        if (!changed)
            return levels;
    }
    return {};
}

// The least speed, not above the catalogue's, with the turns that give every storey `required`
// there with the least flow; speed 0 when not even the catalogue speed does. The speeds at which
// even exactly `required` everywhere is out of reach are ruled out at once: pressures grow with
// the square of the speed. Then halving between the speeds that fail and that work, each setting
// starting from the ideal bound and from the setting of the least working speed so far: the most
// closed setting at a speed is never more closed than that at a higher one.
struct TurnsAndSpeed {
    int32_t Speed;
    std::vector<size_t> Levels;
};
TurnsAndSpeed LeastSpeedTurns(const CalcRecord& record, const std::vector<Opening>& openings, int32_t catalogue,
                              double required)
{
    const double bound = required * (1.0 - 1e-9);  // rounding never tightens the bound
    const std::vector<double> ideal = IdealPressures(record, openings, bound, catalogue);
    const auto balance = [&](int32_t speed, const std::vector<size_t>& known) {
        const std::vector<double> pressures = IdealPressures(record, openings, bound, speed);
        if (pressures.empty())
            return std::vector<size_t>{};
        std::vector<size_t> start = IdealLevels(record, openings, pressures, bound);
        for (size_t i = 0; i < known.size(); ++i)
            start[i] = std::min(start[i], known[i]);
        return BalanceLevels(record, openings, required, speed, std::move(start));
    };
    TurnsAndSpeed working{catalogue, balance(catalogue, {})};
    if (working.Levels.empty())
        return {0, {}};

    // Below this speed (less one for rounding) the ideal pressures leave a storey short even fully open.
    const double open = openings.front().Zeta * record.AirDensity / 2.0 / (record.GrilleArea * record.GrilleArea);
    double ratio = 0.0;  // - : the square of the least speed's share
    for (double pressure : ideal)
        ratio = std::max(ratio, open * required * required / pressure);
    int32_t failing = std::clamp(static_cast<int32_t>(std::floor(catalogue * std::sqrt(ratio))) - 1, 0, catalogue - 1);
    while (working.Speed - failing > 1) {
        const int32_t mid = failing + (working.Speed - failing) / 2;
        std::vector<size_t> levels = balance(mid, working.Levels);
        if (levels.empty()) {
            failing = mid;
        } else {
            working = {mid, std::move(levels)};
        }
    }
    return working;
}

// The least whole speed in 1..catalogue for which `works` holds, 0 when not even the catalogue
// speed does.
int32_t LeastSpeed(int32_t catalogue, const std::function<bool(int32_t)>& works)
{
    if (catalogue < 1 || !works(catalogue))
        return 0;
    int32_t failing = 0;  // no fan speed 0 moves air
    int32_t working = catalogue;
    while (working - failing > 1) {
        const int32_t mid = failing + (working - failing) / 2;
        (works(mid) ? working : failing) = mid;
    }
    return working;
}

// The least flow of the solve's storeys.
double LeastFlow(const StoreyFlows& flows)
{
    double least = flows.Storeys.empty() ? 0.0 : flows.Storeys.front().GrilleFlow;
    for (const StoreyFlowRow& row : flows.Storeys)
        least = std::min(least, row.GrilleFlow);
    return least;
}

// The pressure across a constant-flow grille beyond what it needs to pass Qs.
double ConstantFlowMargin(const CalcRecord& record, double pressure)
{
    const double setFlow = record.GrilleSetFlowHourly / 3600.0;
    const double factor = record.GrilleLossCoefficient * record.AirDensity / 2.0 / (record.GrilleArea * record.GrilleArea);
    return pressure - factor * setFlow * setFlow;
}

std::vector<size_t> LevelsOfTurns(const std::vector<Opening>& openings, const std::vector<int32_t>& turns)
{
    std::vector<size_t> levels;
    for (int32_t t : turns) {
        size_t level = openings.size() - 1;
        for (size_t j = 0; j < openings.size(); ++j)
            if (openings[j].Turns == t)
                level = j;
        levels.push_back(level);
    }
    return levels;
}

std::vector<int32_t> TurnsOfLevels(const std::vector<Opening>& openings, const std::vector<size_t>& levels)
{
    std::vector<int32_t> turns;
    for (size_t level : levels)
        turns.push_back(openings[level].Turns);
    return turns;
}

}  // namespace

std::vector<int32_t> TurnsAtSpeed(const CalcRecord& record, double requiredFlow, int32_t speed,
                                  const std::vector<int32_t>& start)
{
    const AdjustableGrille* grille = FindAdjustableGrille(record.GrilleSizeA);
    if (!grille || !StoreyCountFits(record.StoreyCount) || record.StoreyCount < 1 || speed < 1)
        return {};
    const std::vector<Opening> openings = OpeningsOf(*grille);
    if (openings.empty())
        return {};
    const size_t storeys = static_cast<size_t>(record.StoreyCount);
    std::vector<size_t> levels = start.size() == storeys ? LevelsOfTurns(openings, start)
                                                         : std::vector<size_t>(storeys, openings.size() - 1);
    const std::vector<size_t> balanced = BalanceLevels(record, openings, requiredFlow, speed, std::move(levels));
    return balanced.empty() ? std::vector<int32_t>{} : TurnsOfLevels(openings, balanced);
}

StoreyFlows SolveWithTurns(const CalcRecord& record, const std::vector<int32_t>& turns, int32_t speed)
{
    const AdjustableGrille* grille = FindAdjustableGrille(record.GrilleSizeA);
    if (!grille)
        return {};
    std::vector<double> zetas;
    for (int32_t t : turns)
        zetas.push_back(LossCoefficientAtTurns(*grille, t));
    return SolveAt(record, speed, std::move(zetas));
}

double SpeedShare(const Commissioning& commissioning)
{
    return commissioning.CatalogueSpeed > 0 ? 100.0 * commissioning.Speed / commissioning.CatalogueSpeed : 0.0;
}

Commissioning ComputeCommissioning(const CalcRecord& record, const CommissioningConditions& conditions)
{
    Commissioning result;
    result.WinterTemperature = conditions.WinterTemperature;
    result.SummerTemperature = conditions.SummerTemperature;
    const FanEntry* fan = LookupFan(record.FanIndex);
    const double required = conditions.RequiredFlowHourly / 3600.0;
    if (!fan || !(required > 0.0) || !std::isfinite(required))
        return result;
    const StoreyFlows before = SolveStoreyFlows(record, StoreyFlowOptions{});
    if (before.Status == StoreyFlowStatus::NoNetwork)
        return result;
    for (const StoreyFlowRow& row : before.Storeys)
        result.FlowsBefore.push_back(row.GrilleFlow);

    result.RequiredFlow = required;
    result.TargetFlow = required;
    result.CatalogueSpeed = fan->FanSpeed;
    const size_t storeys = static_cast<size_t>(record.StoreyCount);
    std::vector<double> zetas(storeys, record.GrilleLossCoefficient);
    std::vector<int32_t> turns(storeys, -1);

    if (record.InstallationKind == kAdjustableRoundGrille) {
        result.Rule = CommissioningRule::Turns;
        const AdjustableGrille* grille = FindAdjustableGrille(record.GrilleSizeA);
        if (!grille || OpeningsOf(*grille).empty())
            return result;
        const std::vector<Opening> openings = OpeningsOf(*grille);
        const TurnsAndSpeed found = LeastSpeedTurns(record, openings, fan->FanSpeed, required);
        result.Speed = found.Speed;
        turns = found.Speed > 0 ? TurnsOfLevels(openings, found.Levels)
                                : std::vector<int32_t>(storeys, openings.front().Turns);
        for (size_t i = 0; i < storeys; ++i)
            zetas[i] = LossCoefficientAtTurns(*grille, turns[i]);
    } else if (IsConstantFlowKind(record.InstallationKind) && record.GrilleSetFlowHourly > 0.0) {
        result.Rule = CommissioningRule::ConstantFlow;
        result.TargetFlow = record.GrilleSetFlowHourly / 3600.0;
        result.Speed = LeastSpeed(fan->FanSpeed, [&](int32_t speed) {
            const StoreyFlows flows = SolveAt(record, speed, zetas);
            return HasRows(flows) && std::all_of(flows.Storeys.begin(), flows.Storeys.end(), [&](const StoreyFlowRow& row) {
                       return ConstantFlowMargin(record, row.GrillePressure) >= 0.0;
                   });
        });
    } else {
        result.Rule = CommissioningRule::FixedGrilles;
        result.Speed = LeastSpeed(fan->FanSpeed, [&](int32_t speed) {
            const StoreyFlows flows = SolveAt(record, speed, zetas);
            return HasRows(flows) && LeastFlow(flows) >= required;
        });
    }
    result.Status = result.Speed > 0 ? CommissioningStatus::Balanced : CommissioningStatus::CatalogueTooLow;
    if (result.Speed == 0)
        result.Speed = fan->FanSpeed;

    const StoreyFlows design = SolveAt(record, result.Speed, zetas);
    const StoreyFlows winter = SolveAt(record, result.Speed, zetas, true, conditions.WinterTemperature);
    const StoreyFlows summer = SolveAt(record, result.Speed, zetas, true, conditions.SummerTemperature);
    result.SolveStatus = design.Status;
    result.FlowCoefficient = design.FlowCoefficient;
    result.CatalogueRange = design.CatalogueRange;
    if (!HasRows(design)) {
        result.Status = CommissioningStatus::CatalogueTooLow;
        return result;
    }
    result.FanFlow = design.FanFlow;
    result.FanPressure = design.FanPressure;
    result.WinterFanFlow = HasRows(winter) ? winter.FanFlow : 0.0;
    result.SummerFanFlow = HasRows(summer) ? summer.FanFlow : 0.0;
    for (size_t i = 0; i < storeys; ++i) {
        CommissioningStorey storey{};
        storey.Turns = turns[i];
        storey.LossCoefficient = zetas[i];
        storey.Flow = design.Storeys[i].GrilleFlow;
        storey.Margin = result.Rule == CommissioningRule::ConstantFlow
                            ? ConstantFlowMargin(record, design.Storeys[i].GrillePressure)
                            : 0.0;
        storey.WinterFlow = HasRows(winter) ? winter.Storeys[i].GrilleFlow : 0.0;
        storey.SummerFlow = HasRows(summer) ? summer.Storeys[i].GrilleFlow : 0.0;
        result.Storeys.push_back(storey);
    }
    return result;
}
