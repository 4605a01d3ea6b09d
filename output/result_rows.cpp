// The operating points behind the result rows.
#include "output/result_rows.h"

#include <iterator>

#include "output/number_format.h"

namespace {

constexpr double kSecondsPerHour = 3600.0;  // s/h

}  // namespace

ResultPoint FanResultPoint(const CalcRecord& record)
{
    return {record.GrilleFlowHourly, record.FanFlow, record.FanFlowHourly, record.FanPressure, record.DuctVelocity};
}

ResultPoint ResultPointOfFlow(const CalcRecord& record, double flow, double pressure)
{
    // Worked out while the report is made; a record without storeys or duct gives quotients that
    // are not finite, which every output shows as "-".
    const double storeys = record.StoreyCount;
    return {flow * kSecondsPerHour / storeys, flow, flow * kSecondsPerHour, pressure, flow / record.DuctArea};
}

std::string RegulatedSpeedText(double speed)
{
    return "= " + (speed == 0.0 ? std::string("-") : FormatNumber("%1.1f", speed)) + " [1/min]";
}

const char* RegulatedVariantHeading(int32_t variant)
{
    if (variant < 0 || variant >= static_cast<int32_t>(std::size(kRegulatedVariantHeadings)))
        return nullptr;
    return kRegulatedVariantHeadings[variant];
}
