// The operating-point search: phi from the bottom of the entry's range up in steps of 0.000001,
// by repeated addition, comparing the fan's per-grille flow with the flow the network passes at
// the fan's pressure. The plain sweep visits every step; the fast search visits only the steps
// that can change its outcome and returns the same step, bit for bit.
#include "model/operating_point.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace {

constexpr double kSearchStep = 0.000001;       // - : phi step of the operating-point sweep
constexpr double kSearchTolerance = 0.000005;  // m3/s : per grille, fan flow against network flow

// The sweep's rules, one step at a time: keeps the first step of the smallest difference between
// the fan's per-grille flow and the network's flow if it lies within 0.000005 m3/s, and ends at
// the first negative fan pressure.
//
// With a large impeller the difference can jump across the window between neighbouring steps.
// So when no step falls within the window but the difference changed sign between two
// consecutive steps, the curves do cross there: of the steps on either side of every such sign
// change the one closest to the network is taken (the earlier on a tie).
class SweepState {
public:
    SweepState(const FanEntry& entry, const NetworkModel& network, const FanScales& scales, double airDensity)
        : entry_(entry), network_(network), scales_(scales), airDensity_(airDensity) {}

    // One step; false when the fan pressure is negative there (the sweep ends, the step is not
    // compared).
    bool Visit(double phi)
    {
        const double q = scales_.PerGrilleFlow * phi;
        const double pressure = PressureCoefficient(entry_.PressureCoefficients, phi) * scales_.Pressure;
        if (pressure < 0.0)
            return false;
        const double networkFlow = NetworkFlowForPressure(network_, airDensity_, pressure);
        const double difference = q - networkFlow;
        const double error = std::fabs(difference);
        if (error <= kSearchTolerance && error < best_) {
            bestFlow_ = q;
            bestPhi_ = phi;
            best_ = error;
        }
        if (havePrevious_ && ((previousDifference_ < 0.0 && difference > 0.0) ||
                              (previousDifference_ > 0.0 && difference < 0.0))) {
            ConsiderCrossing(previousDifference_, previousFlow_, previousPhi_);
            ConsiderCrossing(difference, q, phi);
        }
        havePrevious_ = true;
        previousDifference_ = difference;
        previousFlow_ = q;
        previousPhi_ = phi;
        return true;
    }

    // Largest difference a step may have and still be kept.
    double Acceptance() const { return std::min(kSearchTolerance, best_); }

    OperatingPoint Result() const
    {
        double flow = bestFlow_;
        double phi = bestPhi_;
        if (flow == 0.0 && haveCrossing_) {
            flow = crossingFlow_;
            phi = crossingPhi_;
        }
        return OperatingPoint{flow != 0.0, flow, phi};
    }

private:
    void ConsiderCrossing(double difference, double flow, double phi)
    {
        const double error = std::fabs(difference);
        if (!haveCrossing_ || error < crossingError_) {
            haveCrossing_ = true;
            crossingError_ = error;
            crossingFlow_ = flow;
            crossingPhi_ = phi;
        }
    }

    const FanEntry& entry_;
    const NetworkModel& network_;
    const FanScales& scales_;
    const double airDensity_;

    double best_ = 1.0;
    double bestFlow_ = 0.0;
    double bestPhi_ = 0.0;
    bool havePrevious_ = false;
    double previousDifference_ = 0.0;
    double previousFlow_ = 0.0;
    double previousPhi_ = 0.0;
    bool haveCrossing_ = false;
    double crossingError_ = 0.0;
    double crossingFlow_ = 0.0;
    double crossingPhi_ = 0.0;
};

// Bounds of the difference over a block of steps phi in [a, b], from the characteristic's Taylor
// expansion about the middle of the block: psi(m + t) = d0 + d1 t + ... + d4 t^4, so for |t| <= h
// psi lies within d0 +- (|d1| h + ... + |d4| h^4). The fan's flow grows with phi and the network's
// flow with psi (the square root is monotone). Every bound is widened far beyond the rounding of
// the sweep's own arithmetic (a few units in the last place of the largest term).
class BlockBounds {
public:
    BlockBounds(const FanEntry& entry, const NetworkModel& network, const FanScales& scales, double airDensity)
        : c_(entry.PressureCoefficients), qs_(scales.PerGrilleFlow), ps_(scales.Pressure),
          gammaRho_(network.NetworkGamma * airDensity) {}

    // True when no step of the block can be kept (its difference is beyond `acceptance` on one
    // side, so it also keeps one sign) and none has a negative pressure.
    bool CannotMatter(double a, double b, double acceptance) const
    {
        constexpr double kRelative = 1e-12;
        const double m = 0.5 * (a + b);
        const double h = std::max(b - m, m - a) * (1.0 + 1e-9);
        const double* c = c_;
        const double d0 = c[0] + m * (c[1] + m * (c[2] + m * (c[3] + m * c[4])));
        const double d1 = c[1] + m * (2.0 * c[2] + m * (3.0 * c[3] + m * 4.0 * c[4]));
        const double d2 = c[2] + m * (3.0 * c[3] + m * 6.0 * c[4]);
        const double d3 = c[3] + m * 4.0 * c[4];
        const double d4 = c[4];
        const double spread = h * (std::fabs(d1) + h * (std::fabs(d2) + h * (std::fabs(d3) + h * std::fabs(d4))));
        const double x = std::max(std::fabs(a), std::fabs(b));
        const double size = std::fabs(c[0]) + x * (std::fabs(c[1]) + x * (std::fabs(c[2]) +
                            x * (std::fabs(c[3]) + x * std::fabs(c[4]))));
        const double psiLow = d0 - spread - kRelative * size;
        const double psiHigh = d0 + spread + kRelative * size;
        if (!(psiLow > 0.0))
            return false;

        const double flowLow = qs_ * a * (1.0 - kRelative);
        const double flowHigh = qs_ * b * (1.0 + kRelative);
        const double networkLow = std::sqrt(2.0 * psiLow * ps_ / gammaRho_) * (1.0 - kRelative);
        const double networkHigh = std::sqrt(2.0 * psiHigh * ps_ / gammaRho_) * (1.0 + kRelative);
        const double slack = kRelative * (flowHigh + networkHigh);
        return flowLow - networkHigh - slack > acceptance || flowHigh - networkLow + slack < -acceptance;
    }

private:
    const double* c_;
    double qs_;
    double ps_;
    double gammaRho_;
};

// Within one power-of-two range [2^e, 2^(e+1)) of phi every addition of 0.000001 adds the same
// rounded step, the step rounded to the range's spacing of doubles (no range from 2^-18 up has
// a tie in that rounding), so the k-th step after phi0 is phi0 + k * step exactly. Outside these
// ranges the search walks step by step.
constexpr double kClosedFormLow = 0x1p-18;
constexpr double kClosedFormHigh = 1.0;

// Blocks of at most this many steps are walked rather than bounded.
constexpr int64_t kWalkedBlock = 24;

struct Segment {
    double Phi0;   // first step
    double Step;   // the rounded step within the power-of-two range
};

// Steps first..last of a segment in order: bounded blocks that cannot matter are reduced to their
// first and last step (which keep the sign-change bookkeeping right), the others are halved down
// to walked blocks. False once a negative pressure ends the sweep.
bool SearchBlock(SweepState& state, const BlockBounds& bounds, const Segment& segment, int64_t first, int64_t last)
{
    if (last - first < kWalkedBlock) {
        for (int64_t k = first; k <= last; ++k)
            if (!state.Visit(segment.Phi0 + static_cast<double>(k) * segment.Step))
                return false;
        return true;
    }
    const double a = segment.Phi0 + static_cast<double>(first) * segment.Step;
    const double b = segment.Phi0 + static_cast<double>(last) * segment.Step;
    if (bounds.CannotMatter(a, b, state.Acceptance()))
        return state.Visit(a) && state.Visit(b);
    const int64_t middle = first + (last - first) / 2;
    return SearchBlock(state, bounds, segment, first, middle) &&
           SearchBlock(state, bounds, segment, middle + 1, last);
}

// The fast search needs finite, positive scales and network and a range above 0; anything else
// takes the plain sweep.
bool BoundsApply(const FanEntry& entry, const NetworkModel& network, const FanScales& scales, double airDensity)
{
    const double gammaRho = network.NetworkGamma * airDensity;
    for (double c : entry.PressureCoefficients)
        if (!std::isfinite(c))
            return false;
    return std::isfinite(scales.PerGrilleFlow) && scales.PerGrilleFlow > 0.0 && std::isfinite(scales.Pressure) &&
           scales.Pressure > 0.0 && std::isfinite(gammaRho) && gammaRho > 0.0 &&
           std::isfinite(entry.FlowCoefficientRange.Min) && entry.FlowCoefficientRange.Min > 0.0 &&
           std::isfinite(entry.FlowCoefficientRange.Max);
}

}  // namespace

OperatingPoint FindOperatingPointBySweep(const FanEntry& entry, const NetworkModel& network,
                                         const FanScales& scales, double airDensity)
{
    SweepState state(entry, network, scales, airDensity);
    for (double phi = entry.FlowCoefficientRange.Min; phi <= entry.FlowCoefficientRange.Max; phi += kSearchStep)
        if (!state.Visit(phi))
            break;
    return state.Result();
}

OperatingPoint FindOperatingPoint(const FanEntry& entry, const NetworkModel& network,
                                  const FanScales& scales, double airDensity)
{
    if (!BoundsApply(entry, network, scales, airDensity))
        return FindOperatingPointBySweep(entry, network, scales, airDensity);

    SweepState state(entry, network, scales, airDensity);
    const BlockBounds bounds(entry, network, scales, airDensity);
    const double max = entry.FlowCoefficientRange.Max;
    double phi = entry.FlowCoefficientRange.Min;
    while (phi <= max) {
        if (phi < kClosedFormLow || phi >= kClosedFormHigh) {
            if (!state.Visit(phi))
                return state.Result();
            phi += kSearchStep;
            continue;
        }
        // The segment: the steps of phi's power-of-two range up to its top or the range's end.
        int exponent = 0;
        std::frexp(phi, &exponent);
        const double top = std::ldexp(1.0, exponent);
        const Segment segment{phi, (phi + kSearchStep) - phi};
        auto inSegment = [&](int64_t k) {
            const double p = segment.Phi0 + static_cast<double>(k) * segment.Step;
            return p < top && p <= max;
        };
        int64_t last = 0;
        if (inSegment(1)) {
            last = static_cast<int64_t>((std::min(top, max) - phi) / segment.Step);
            while (last > 0 && !inSegment(last))
                --last;
            while (inSegment(last + 1))
                ++last;
        }
        if (!SearchBlock(state, bounds, segment, 0, last))
            return state.Result();
        phi = (segment.Phi0 + static_cast<double>(last) * segment.Step) + kSearchStep;
    }
    return state.Result();
}
