// The storey flows in the batch front end: the answer of the stack-effect dialog taken from the
// command line, its check before any file is written, and the run that prints the storey table.
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
