// went_char_cli --rank: the new-calculation dialogs answered from the input file, then the
// catalogue ranked for a required flow per grille and printed as a table or as CSV. Only the
// value files are written.
#pragma once

#include <ostream>
#include <string>

#include "cli/batch_input.h"
#include "cli/batch_run.h"

struct RankOptions {
    std::string RequiredFlow;  // the text typed for Qi [m3/h], read by the dialog's rules
    bool Csv = false;          // standard output holds only the CSV table
};

// Validates every answer and Qi first (exit 2 and nothing written on a refusal), then runs the
// wizard up to the fan chooser, confirms Qi and prints the ranking. The keys fan, regulated_flow,
// variant_flow and variant are ignored. Returns the exit status.
int RunRanking(const BatchInput& input, const RankOptions& rank, const BatchOptions& options, std::ostream& out,
               std::ostream& err);
