// The storey flows and the commissioning settings in the batch front end: the answers of their
// dialogs taken from the command line, their checks before any file is written, and the runs that
// print their tables.
#pragma once

#include <ostream>
#include <string>

#include "cli/batch_input.h"
#include "cli/batch_options.h"
#include "commands/commands.h"

// OKBottomDlg7 answered from the options: --qi, --winter, --summer and --speed replace the texts
// of their boxes (otherwise the input's keys, the building file's answers, the lines of
// "dialog7.sav" or the start texts, but for the speed: without --speed the input's own speed,
// else the catalogue speed; like the regulation keys, the building file's answer does not ask
// for it); --outside-temp asks for its one condition instead of the three.
void AnswerStoreyDialog(DialogAnswers& answers, const BatchOptions& options, const BatchInput& input);

// "" when the dialog accepts its answer for the fan the chooser will take, otherwise a message
// naming the option.
std::string DryRunStoreyDialog(const DialogAnswers& answers, const CalcRecord& record);

// "Rozkład przepływu na kondygnacjach" on the session, then the storey table (or only its CSV)
// on `out`. Returns `status`, or kExitFanUnsuitable when the command found no storey flows.
int RunStoreyFlows(Session& session, const BatchOptions& options, std::ostream& out, int status);

// OKBottomDlg6 answered with the Qi of --commission.
void AnswerCommissioningDialog(DialogAnswers& answers, const BatchOptions& options);

// "" when the required-flow dialog accepts the Qi of --commission, otherwise a message naming the option.
std::string DryRunCommissioningDialog(const DialogAnswers& answers, const CalcRecord& record);

// "Nastawy regulacyjne" on the session, then the settings table (or only its CSV) on `out`.
// Returns `status`, or kExitFanUnsuitable when the command found no settings.
int RunCommissioning(Session& session, const BatchOptions& options, std::ostream& out, int status);
