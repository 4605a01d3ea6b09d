// The duct network: transition loss at the fan, duct friction, the network constant gamma, the
// per-grille flow at a fan pressure and the negative pressure at every storey with its trace text.
// Every formula keeps its written order of operations: results are compared to the last digit.
#include "model/network.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <utility>

#include "model/check.h"

namespace {

// Beyond this many storeys the sum of squares is taken in closed form instead of a loop of
// billions of steps; below it the loop is exact (every partial sum is an integer under 2^53).
constexpr int32_t kLoopedSquareSumLimit = 200000;

// 1^2 + 2^2 + ... + N^2 summed from 1 upwards in doubles; 0 for N < 1.
double SumOfSquares(int32_t storeys)
{
    if (storeys > kLoopedSquareSumLimit) {
        const double n = storeys;
        return n * (n + 1.0) * (2.0 * n + 1.0) / 6.0;
    }
    double sum = 0.0;
    for (int32_t i = 1; i <= storeys; ++i)
        sum += std::pow(static_cast<double>(i), 2.0);
    return sum;
}

// printf's "%1.<precision>f" with a point whatever the process locale; a value that is not
// finite is written "-", as every other output writes it, never "inf" or "nan".
void AppendFixed(std::string& text, double value, int precision)
{
    if (!std::isfinite(value)) {
        text += '-';
        return;
    }
    char buffer[400];  // the largest double has 309 digits before the point
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value,
                                      std::chars_format::fixed, precision);
    text.append(buffer, result.ptr);
}

void AppendInt(std::string& text, int32_t value)
{
    char buffer[16];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    text.append(buffer, result.ptr);
}

}  // namespace

double TransitionLossCoefficient(double connectionDiameter, double ductDiameter)
{
    const double beta = connectionDiameter / ductDiameter;
    // Two separate fits, for a connection narrower than the duct and for one at least as wide;
    // they do not meet at beta = 1, and neither is clamped.
    if (connectionDiameter < ductDiameter)
        return 6.29349 + 2.37875 * std::pow(beta, 2.0) - 60.9139 * std::pow(beta, 4.0) +
               92.941 * std::pow(beta, 6.0) - 40.7329 * std::pow(beta, 8.0);
    return -0.47258 + 0.598253 * std::pow(beta, 2.0) - 0.138865 * std::pow(beta, 4.0) +
           0.0131917 * std::pow(beta, 6.0);
}

double FrictionPerMetre(double roughness, double ductDiameter)
{
    return std::pow(10.0, -2.0) * std::pow(roughness, 0.314) * std::pow(ductDiameter, -1.314);
}

NetworkModel BuildNetwork(const CalcRecord& record, double connectionDiameter)
{
    NetworkModel network;
    network.TransitionLoss = TransitionLossCoefficient(connectionDiameter, record.DuctDiameter);
    network.FrictionPerMetre = FrictionPerMetre(record.DuctRoughness, record.DuctDiameter);

    const double storeys = record.StoreyCount;
    const double squareSum = SumOfSquares(record.StoreyCount);
    const double ductArea2 = record.DuctArea * record.DuctArea;
    const double grilleArea2 = record.GrilleArea * record.GrilleArea;
    // One grille at flow q, the duct segment above storey j at j*q (hence the sum of squares),
    // and the transition into the fan at N*q; added in this order.
    double gamma = record.GrilleLossCoefficient / grilleArea2;
    gamma += (network.FrictionPerMetre * squareSum * record.StoreyHeight) / ductArea2;
    gamma += (std::pow(storeys, 2.0) * network.TransitionLoss) / ductArea2;
    network.NetworkGamma = gamma;
    return network;
}

double NetworkFlowForPressure(const NetworkModel& network, double airDensity, double pressure)
{
    return std::sqrt(2.0 * pressure / (network.NetworkGamma * airDensity));
}

StoreyProfile ComputeStoreyProfile(const CalcRecord& record, const NetworkModel& network, double q)
{
    StoreyProfile profile{};
    const int32_t storeys = record.StoreyCount;
    WENT_CHECK(StoreyCountFits(storeys), "StoreyPressure has room for 99 storeys only");

    const double rho = record.AirDensity;
    const double ductArea2 = record.DuctArea * record.DuctArea;
    const double grilleArea2 = record.GrilleArea * record.GrilleArea;

    // The two head lines: each value with four decimals after its name.
    const std::pair<const char*, double> head[] = {
        {"ro=", rho},
        {" Q1=", q},
        {" dzeta_kr=", record.GrilleLossCoefficient},
        {" A_kr=", record.GrilleArea},
        {" dzeta_k=", network.FrictionPerMetre},
        {" L1=", record.StoreyHeight},
        {" A=", record.DuctArea},
        {" \ngama=", network.NetworkGamma},
    };
    std::string& trace = profile.Trace;
    for (const auto& [name, value] : head) {
        trace += name;
        AppendFixed(trace, value, 4);
    }
    trace += " \n";

    // Storey i+1 sees the grille loss and the friction of the segments below it; the sum starts
    // afresh at 0^2 for every storey. The value for i = N (above the top storey, without the
    // transition into the fan) is kept only in the trace.
    for (int32_t i = 0; i <= storeys; ++i) {
        double squareSum = 0.0;
        for (int32_t j = 0; j <= i; ++j)
            squareSum += std::pow(static_cast<double>(j), 2.0);
        profile.Pressure[i] =
            rho * q * q * 0.5 *
            ((network.FrictionPerMetre * squareSum * record.StoreyHeight) / ductArea2 +
             record.GrilleLossCoefficient / grilleArea2);
        trace += "kondygnacja=";
        AppendInt(trace, i + 1);
        trace += "  nawias(1^2+2^2+..)=";
        AppendFixed(trace, squareSum, 2);
        trace += " pstr[i]=";
        AppendFixed(trace, profile.Pressure[i], 4);
        trace += "\n";
    }
    // At the fan connection: the whole network including the transition loss.
    profile.Pressure[storeys] = rho * q * q * 0.5 * network.NetworkGamma;

    trace += "powyzej ostatnia kondygnacja BEZ straty przejsca!!! \n";
    trace += "ostatnia kondygnacja ze strata przejsca pstr[ostatni]=";
    AppendFixed(trace, profile.Pressure[storeys], 4);
    trace += "\ndzeta_p=";
    AppendFixed(trace, network.TransitionLoss, 4);
    trace += "\n";
    return profile;
}

void StoreStoreyPressures(CalcRecord& record, const StoreyProfile& profile)
{
    const int32_t storeys = record.StoreyCount;
    if (!StoreyCountFits(storeys))
        return;
    std::copy(profile.Pressure, profile.Pressure + storeys + 1, record.StoreyPressure);
}

std::string ComputeStoreyPressures(CalcRecord& record, const NetworkModel& network, double q)
{
    StoreyProfile profile = ComputeStoreyProfile(record, network, q);
    StoreStoreyPressures(record, profile);
    return std::move(profile.Trace);
}

bool HasNetworkInputs(const CalcRecord& record)
{
    auto positive = [](double value) { return std::isfinite(value) && value > 0.0; };
    return record.StoreyCount >= 1 && record.StoreyCount <= kMaxStoreyCount && positive(record.AirDensity) &&
           positive(record.DuctArea) && positive(record.DuctDiameter) && positive(record.GrilleArea);
}
