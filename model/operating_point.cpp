// The operating point of the chosen fan in the duct network, the two silencer variants and the
// computing part of the fan selection. Sweeps run by repeated addition and every formula keeps
// its written order of operations: results are compared to the last digit.
#include "model/operating_point.h"

#include <algorithm>
#include <cmath>
#include <iterator>

namespace {

constexpr double kPi = 3.141592653589793;

constexpr double kVariantStep = 0.001;         // - : phi step of the variant sweep
constexpr double kVariantTolerance = 0.01;     // - : largest residual taken as an intersection
constexpr double kNoResidual = 2147483647.0;   // starting value of the kept variant residual

// The C library's poly(): Horner's scheme on ascending coefficients, degree 4.
double HornerPolynomial(const double coefficients[5], double x)
{
    return (((coefficients[4] * x + coefficients[3]) * x + coefficients[2]) * x +
            coefficients[1]) * x + coefficients[0];
}

bool StoreyCountHasNetwork(int32_t storeys) { return storeys >= 1 && storeys <= kMaxStoreyCount; }

}  // namespace

FanScales ComputeScales(const FanEntry& entry, double airDensity, int32_t storeyCount)
{
    const double n = entry.FanSpeed;
    const double d = entry.ImpellerDiameter;
    FanScales scales;
    scales.PerGrilleFlow = n * kPiSquared * d * d * d / (240.0 * storeyCount);
    scales.TotalFlow = n * kPiSquared * d * d * d * (1.0 / 240.0);
    scales.Pressure = kPiSquared * airDensity * d * d * n * n * (1.0 / 7200.0);
    return scales;
}

double PressureCoefficient(const double coefficients[5], double phi)
{
    // Written as the plain sum of products, evaluated left to right: c2 * phi * phi is
    // (c2 * phi) * phi. The last bits of the sweep's differences depend on this order.
    const double* c = coefficients;
    return c[0] + c[1] * phi + c[2] * phi * phi + c[3] * phi * phi * phi + c[4] * phi * phi * phi * phi;
}

// The variant's characteristic psi_v(phi) meets the network dp = R * Q^2, which in flow and
// pressure coefficients reads psi = E * phi^2 with E = pi^2 R D^4 / (8 rho). The residual
// psi_v - E phi^2 is walked in steps of 0.001; the kept residual carries its sign, so once a
// negative one is kept no later step (whose |r| is compared against a negative number) replaces it.
VariantPoint EvaluateVariant(const Characteristic& variant, const FanEntry& entry,
                             double networkCoefficient, double airDensity)
{
    VariantPoint result{0.0, 0.0};
    // Without a network (never entered inputs) there is nothing to intersect.
    if (!std::isfinite(networkCoefficient))
        return result;

    const double pi2 = std::pow(kPi, 2.0);
    const double n = entry.FanSpeed;
    const double d = entry.ImpellerDiameter;
    const double rho = airDensity;
    const double e = pi2 * networkCoefficient * d * d * d * d / (8.0 * rho);
    const double* b = variant.Coefficients;

    double kept = kNoResidual;
    double keptPhi = -kNoResidual;
    for (double phi = variant.Range.Min; phi <= variant.Range.Max; phi += kVariantStep) {
        const double residual = b[0] + b[1] * phi + (b[2] - e) * phi * phi + b[3] * phi * phi * phi +
                                b[4] * phi * phi * phi * phi;
        if (std::fabs(residual) < kept) {
            kept = residual;
            keptPhi = phi;
        }
    }
    if (!(std::fabs(kept) < kVariantTolerance))
        return result;

    result.Flow = pi2 * n * d * d * d * keptPhi * (1.0 / 240.0);
    result.Pressure = (1.0 / 7200.0) * HornerPolynomial(b, keptPhi) * pi2 * rho * d * d * n * n;
    return result;
}

FanEvaluation EvaluateFan(const FanEntry& entry, const CalcRecord& inputs, StoreyDetail detail)
{
    FanEvaluation evaluation{};
    evaluation.Entry = entry;
    const int32_t storeys = inputs.StoreyCount;
    const double rho = inputs.AirDensity;

    evaluation.Network = BuildNetwork(inputs, entry.ConnectionDiameter);
    evaluation.Scales = ComputeScales(entry, rho, storeys);
    const NetworkModel& network = evaluation.Network;
    const FanScales& scales = evaluation.Scales;
    OperatingPoint& point = evaluation.Point;
    point = OperatingPoint{false, 0.0, 0.0};
    if (StoreyCountHasNetwork(storeys))
        point = FindOperatingPoint(entry, network, scales, rho);

    if (point.Found) {
        const double q = point.GrilleFlow;
        evaluation.GrilleFlowHourly = q * 3600.0;
        evaluation.FanFlow = storeys * q;
        evaluation.FanFlowHourly = evaluation.FanFlow * 3600.0;
        evaluation.FanPressure = PressureCoefficient(entry.PressureCoefficients, point.FlowCoefficient) *
                                 scales.Pressure;
        evaluation.DuctVelocity = evaluation.FanFlow / inputs.DuctArea;
        if (detail == StoreyDetail::Include)
            evaluation.Storeys = ComputeStoreyProfile(inputs, network, q);
        evaluation.NetworkCoefficient = evaluation.FanPressure / (evaluation.FanFlow * evaluation.FanFlow);
        evaluation.VariantNetworkCoefficient = evaluation.NetworkCoefficient;
    } else {
        // The variants meet the network of the current inputs, not the NetworkCoefficient that
        // an earlier selection may have left (it stays in the record for the regulation).
        const double n = storeys;
        evaluation.VariantNetworkCoefficient = rho * network.NetworkGamma / (2.0 * (n * n));
    }

    evaluation.Base = EvaluateVariant(entry.BaseCharacteristic, entry, evaluation.VariantNetworkCoefficient, rho);
    evaluation.Silencer =
        EvaluateVariant(entry.SilencerCharacteristic, entry, evaluation.VariantNetworkCoefficient, rho);
    return evaluation;
}

void StoreFanEvaluation(CalcRecord& record, const FanEvaluation& evaluation)
{
    if (evaluation.Point.Found) {
        record.GrilleFlowHourly = evaluation.GrilleFlowHourly;
        record.FanFlow = evaluation.FanFlow;
        record.FanFlowHourly = evaluation.FanFlowHourly;
        record.FanPressure = evaluation.FanPressure;
        record.DuctVelocity = evaluation.DuctVelocity;
        StoreStoreyPressures(record, evaluation.Storeys);
        SetReportKind(record, kFanSelectionReport);
        record.NetworkCoefficient = evaluation.NetworkCoefficient;
    } else {
        // No results of an earlier fan may stand beside this fan's name and variants.
        record.GrilleFlowHourly = 0.0;
        record.FanFlow = 0.0;
        record.FanFlowHourly = 0.0;
        record.FanPressure = 0.0;
        record.DuctVelocity = 0.0;
        std::fill(std::begin(record.StoreyPressure), std::end(record.StoreyPressure), 0.0);
        SetReportKind(record, kNoReport);
    }
    record.BaseFlow = evaluation.Base.Flow;
    record.BasePressure = evaluation.Base.Pressure;
    record.SilencerFlow = evaluation.Silencer.Flow;
    record.SilencerPressure = evaluation.Silencer.Pressure;
}

FanSelection SelectFan(CalcRecord& record)
{
    FanSelection selection;
    selection.Found = false;
    selection.OperatingFlowCoefficient = 0.0;
    selection.Entry = FanEntry{};
    selection.Entry.FanDesignation = "";

    if (const FanEntry* entry = LookupFan(record.FanIndex)) {
        selection.Entry = *entry;
        record.FanDesignation = entry->FanDesignation;
        record.FanSpeed = entry->FanSpeed;
    }
    const FanEvaluation evaluation = EvaluateFan(selection.Entry, record, StoreyDetail::Include);
    StoreFanEvaluation(record, evaluation);
    if (evaluation.Point.Found) {
        selection.Found = true;
        selection.OperatingFlowCoefficient = evaluation.Point.FlowCoefficient;
        selection.Trace = evaluation.Storeys.Trace;
    }
    return selection;
}
