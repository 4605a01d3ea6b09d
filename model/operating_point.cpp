// The operating point of the chosen fan in the duct network, the two silencer variants and the
// computing part of the fan selection. Sweeps run by repeated addition and every formula keeps
// its written order of operations: results are compared to the last digit.
#include "model/operating_point.h"

#include <cmath>

namespace {

constexpr double kPi = 3.141592653589793;

constexpr double kSearchStep = 0.000001;       // - : phi step of the operating-point sweep
constexpr double kSearchTolerance = 0.000005;  // m3/s : per grille, fan flow against network flow
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

// Walks phi from the bottom of the range up in steps of 0.000001 (by repeated addition, so the
// steps carry the rounding of the sums) and keeps the first step of the smallest difference
// between the fan's per-grille flow and the flow the network passes at the fan's pressure, if
// it lies within 0.000005 m3/s. The sweep stops at the first negative fan pressure.
//
// With a large impeller the difference can jump across the window between neighbouring steps.
// So when no step falls within the window but the difference changed sign between two
// consecutive steps, the curves do cross there: of the steps on either side of every such sign
// change the one closest to the network is taken (the earlier on a tie).
OperatingPoint FindOperatingPoint(const FanEntry& entry, const NetworkModel& network,
                                  const FanScales& scales, double airDensity)
{
    double best = 1.0;
    double bestFlow = 0.0;
    double bestPhi = 0.0;

    bool havePrevious = false;
    double previousDifference = 0.0;
    double previousFlow = 0.0;
    double previousPhi = 0.0;
    double crossingError = 0.0;
    double crossingFlow = 0.0;
    double crossingPhi = 0.0;
    bool haveCrossing = false;
    auto considerCrossing = [&](double difference, double flow, double phi) {
        const double error = std::fabs(difference);
        if (!haveCrossing || error < crossingError) {
            haveCrossing = true;
            crossingError = error;
            crossingFlow = flow;
            crossingPhi = phi;
        }
    };

    for (double phi = entry.FlowCoefficientRange.Min; phi <= entry.FlowCoefficientRange.Max;
         phi += kSearchStep) {
        const double q = scales.PerGrilleFlow * phi;
        const double pressure = PressureCoefficient(entry.PressureCoefficients, phi) * scales.Pressure;
        if (pressure < 0.0)
            break;
        const double networkFlow = NetworkFlowForPressure(network, airDensity, pressure);
        const double difference = q - networkFlow;
        const double error = std::fabs(difference);
        if (error <= kSearchTolerance && error < best) {
            bestFlow = q;
            bestPhi = phi;
            best = error;
        }
        if (havePrevious && ((previousDifference < 0.0 && difference > 0.0) ||
                             (previousDifference > 0.0 && difference < 0.0))) {
            considerCrossing(previousDifference, previousFlow, previousPhi);
            considerCrossing(difference, q, phi);
        }
        havePrevious = true;
        previousDifference = difference;
        previousFlow = q;
        previousPhi = phi;
    }

    if (bestFlow == 0.0 && haveCrossing) {
        bestFlow = crossingFlow;
        bestPhi = crossingPhi;
    }

    OperatingPoint point;
    point.Found = bestFlow != 0.0;
    point.GrilleFlow = bestFlow;
    point.FlowCoefficient = bestPhi;
    return point;
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
    const FanEntry& entry = selection.Entry;
    const int32_t storeys = record.StoreyCount;
    const double rho = record.AirDensity;

    const NetworkModel network = BuildNetwork(record, entry.ConnectionDiameter);
    const FanScales scales = ComputeScales(entry, rho, storeys);
    OperatingPoint point{false, 0.0, 0.0};
    if (StoreyCountHasNetwork(storeys))
        point = FindOperatingPoint(entry, network, scales, rho);

    double networkCoefficient;
    if (point.Found) {
        const double q = point.GrilleFlow;
        record.GrilleFlowHourly = q * 3600.0;
        record.FanFlow = storeys * q;
        record.FanFlowHourly = record.FanFlow * 3600.0;
        record.FanPressure = PressureCoefficient(entry.PressureCoefficients, point.FlowCoefficient) *
                             scales.Pressure;
        record.DuctVelocity = record.FanFlow / record.DuctArea;
        selection.Trace = ComputeStoreyPressures(record, network, q);
        SetReportKind(record, kFanSelectionReport);
        record.NetworkCoefficient = record.FanPressure / (record.FanFlow * record.FanFlow);
        selection.Found = true;
        selection.OperatingFlowCoefficient = point.FlowCoefficient;
        networkCoefficient = record.NetworkCoefficient;
    } else {
        SetReportKind(record, kNoReport);
        // The variants meet the network of the current inputs, not the NetworkCoefficient that
        // an earlier selection may have left (it stays in the record for the regulation).
        const double n = storeys;
        networkCoefficient = rho * network.NetworkGamma / (2.0 * (n * n));
    }

    const VariantPoint base = EvaluateVariant(entry.BaseCharacteristic, entry, networkCoefficient, rho);
    record.BaseFlow = base.Flow;
    record.BasePressure = base.Pressure;
    const VariantPoint silencer =
        EvaluateVariant(entry.SilencerCharacteristic, entry, networkCoefficient, rho);
    record.SilencerFlow = silencer.Flow;
    record.SilencerPressure = silencer.Pressure;
    return selection;
}
