// The table of the selection from the catalogue, one home for its columns: the window's sortable
// table and the batch front end's text and CSV tables read them from here.
#pragma once

#include <string>
#include <vector>

#include "model/catalogue_ranking.h"

struct RankingColumn {
    const char* Header;     // with its unit (UTF-8): the window's and the text table's
    const char* CsvHeader;  // the CSV's, which programs reading it know the columns by
    bool Numeric;           // sorted by value, aligned to the right
};

constexpr int kRankingColumnCount = 14;
// The last four: the least storey flow in still air, in winter and in summer, and whether every
// storey gets the required flow in all three.
constexpr int kFirstDesignConditionColumn = kRankingColumnCount - 4;
extern const RankingColumn kRankingColumns[kRankingColumnCount];

// The cell texts of one row, column by column; "-" where the configuration has no value. The last
// column says why a configuration falls short ("" when it reaches the flow).
std::vector<std::string> RankingCells(const RankedConfiguration& row);

// The value a numeric column sorts by (flows, pressure, speed; 1 or 0 for "reaches"); rows without
// a value sort below every value.
double RankingSortKey(const RankedConfiguration& row, int column);

// The heading line naming the required flow per grille [m3/h].
std::string RankingHeading(double requiredFlow);

// The heading line, then the table in columns padded to their widest cell.
std::string RankingText(const std::vector<RankedConfiguration>& rows, double requiredFlow);

// The table as CSV: one header row, then one row per configuration; fields with a comma or a
// quote are quoted.
std::string RankingCsv(const std::vector<RankedConfiguration>& rows);
