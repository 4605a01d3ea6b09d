// Ranking of the catalogue for a required flow per grille.
#include "model/catalogue_ranking.h"

#include <gtest/gtest.h>

#include <cstring>
#include <limits>
#include <set>
#include <utility>

#include "model/building.h"
#include "model/fan_catalogue.h"
#include "model/operating_point.h"
#include "model/regulation.h"

namespace {

const RankedConfiguration& RowOf(const std::vector<RankedConfiguration>& rows, int32_t fan, FanConfiguration configuration)
{
    for (const RankedConfiguration& row : rows)
        if (row.FanIndex == fan && row.Configuration == configuration)
            return row;
    static const RankedConfiguration none{};
    ADD_FAILURE() << "no row for entry " << fan;
    return none;
}

int Group(const RankedConfiguration& row) { return !row.HasPoint ? 2 : row.ReachesRequiredFlow ? 0 : 1; }

}  // namespace

// Each configuration gives what the fan selection stores for that entry, and the regulated speed
// is what the regulation commands compute after that selection.
TEST(catalogue_ranking, equals_the_fan_selection_entry_by_entry)
{
    struct Case { CalcRecord Inputs; double Qi; };
    const Case cases[] = {{Building(10, 0.315, 0.05), 50.0}, {Building(1, 0.63, 0.04), 900.0},
                          {Building(25, 0.4, 0.03), 30.0}};
    for (const Case& c : cases) {
        const CalcRecord before = c.Inputs;
        const std::vector<RankedConfiguration> rows = RankCatalogue(c.Inputs, c.Qi);
        EXPECT_EQ(std::memcmp(&before, &c.Inputs, sizeof before), 0) << "the record is not written";
        EXPECT_EQ(rows.size(), 3u * 55u);
        const double qr = c.Inputs.StoreyCount * (c.Qi / 3600.0);
        int reaching = 0;
        for (int i = 0; i < kFanCount; ++i) {
            const FanEntry& entry = FanCatalogue()[i];
            if (!entry.ChooserCaption)
                continue;
            SCOPED_TRACE(entry.ChooserCaption);
            CalcRecord record = c.Inputs;
            record.FanIndex = entry.FanIndex;
            const bool found = SelectFan(record).Found;
            const RankedConfiguration& fan = RowOf(rows, entry.FanIndex, FanConfiguration::Fan);
            EXPECT_EQ(fan.HasPoint, found);
            if (found) {
                EXPECT_EQ(fan.GrilleFlowHourly, record.GrilleFlowHourly);
                EXPECT_EQ(fan.FanFlow, record.FanFlow);
                EXPECT_EQ(fan.FanPressure, record.FanPressure);
                EXPECT_EQ(fan.DuctVelocity, record.DuctVelocity);
                EXPECT_EQ(fan.ReachesRequiredFlow, record.GrilleFlowHourly >= c.Qi);
                record.RegulatedFlow = qr;
                ASSERT_TRUE(ComputeRegulatedSpeed(record).Accepted);
                EXPECT_EQ(fan.RegulatedSpeed, fan.ReachesRequiredFlow ? record.RegulatedSpeed : 0.0);
            }
            const std::pair<FanConfiguration, double CalcRecord::*> variants[] = {
                {FanConfiguration::Base, &CalcRecord::BaseFlow}, {FanConfiguration::Silencer, &CalcRecord::SilencerFlow}};
            for (auto [configuration, flow] : variants) {
                const RankedConfiguration& row = RowOf(rows, entry.FanIndex, configuration);
                EXPECT_EQ(row.FanFlow, record.*flow);
                EXPECT_EQ(row.HasPoint, record.*flow != 0.0);
                EXPECT_EQ(row.GrilleFlowHourly, record.*flow * 3600.0 / c.Inputs.StoreyCount);
                record.VariantRegulatedFlow = qr;
                record.RegulationVariant = static_cast<int32_t>(configuration);
                if (found && row.ReachesRequiredFlow && qr < record.*flow) {
                    ASSERT_TRUE(ComputeVariantRegulatedSpeed(record).Accepted);
                    EXPECT_EQ(row.RegulatedSpeed, record.VariantRegulatedSpeed);
                }
            }
            reaching += fan.ReachesRequiredFlow;
        }
        EXPECT_GT(reaching, 0) << "some fan reaches " << c.Qi;
    }
}

TEST(catalogue_ranking, order_and_a_flow_no_fan_reaches)
{
    for (double qi : {50.0, 1e9}) {
        const std::vector<RankedConfiguration> rows = RankCatalogue(Building(10, 0.315, 0.05), qi);
        std::set<std::pair<int32_t, FanConfiguration>> seen;
        for (size_t i = 0; i < rows.size(); ++i) {
            const RankedConfiguration& row = rows[i];
            EXPECT_TRUE(seen.insert({row.FanIndex, row.Configuration}).second);
            EXPECT_EQ(row.RegulatedSpeed > 0.0, row.ReachesRequiredFlow) << qi;
            EXPECT_LE(row.RegulatedSpeed, LookupFan(row.FanIndex)->FanSpeed);
            if (i == 0)
                continue;
            const RankedConfiguration& prior = rows[i - 1];
            ASSERT_LE(Group(prior), Group(row)) << "row " << i;
            if (Group(prior) != Group(row))
                continue;
            if (Group(row) == 0) {
                EXPECT_LE(prior.GrilleFlowHourly, row.GrilleFlowHourly) << "smallest surplus first, row " << i;
            } else if (Group(row) == 1) {
                EXPECT_GE(prior.GrilleFlowHourly, row.GrilleFlowHourly) << "largest flow first, row " << i;
            }
            if (Group(row) == 2 || prior.GrilleFlowHourly == row.GrilleFlowHourly) {
                EXPECT_LT(std::pair(prior.FanIndex, prior.Configuration), std::pair(row.FanIndex, row.Configuration));
            }
        }
        EXPECT_EQ(Group(rows.front()), qi < 1e6 ? 0 : 1);
        EXPECT_EQ(Group(rows.back()), 2);
    }
}

TEST(catalogue_ranking, network_inputs)
{
    CalcRecord record;
    ResetCalcRecord(record);
    EXPECT_FALSE(HasNetworkInputs(record)) << "straight after start-up";
    record = Building(10, 0.315, 0.05);
    EXPECT_TRUE(HasNetworkInputs(record));
    for (auto spoil : {+[](CalcRecord& r) { r.StoreyCount = 100; }, +[](CalcRecord& r) { r.GrilleArea = 0.0; },
                       +[](CalcRecord& r) { r.AirDensity = -1.0; }, +[](CalcRecord& r) { r.DuctArea = std::numeric_limits<double>::infinity(); }}) {
        CalcRecord spoilt = record;
        spoil(spoilt);
        EXPECT_FALSE(HasNetworkInputs(spoilt));
    }
}
