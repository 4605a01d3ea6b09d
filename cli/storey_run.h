// The storey flows in the batch front end: the answer of the stack-effect dialog taken from the
// command line, its check before any file is written, and the run that prints the storey table.
#pragma once

#include <ostream>
#include <string>

#include "cli/batch_input.h"
#include "cli/batch_options.h"
#include "commands/commands.h"

// OKBottomDlg7 answered from the options: the stack effect on with --outside-temp; without it
// the input's own stack_effect, else off (the temperature box then keeps the outside_temp of the
// input or the building file, or the text of "dialog7.sav"); the speed of --speed, else the
// input's own speed, else the catalogue speed. Like the regulation keys, the building file's
// answers do not ask for them.
void AnswerStoreyDialog(DialogAnswers& answers, const BatchOptions& options, const BatchInput& input);

// "" when the dialog accepts its answer for the fan the chooser will take, otherwise a message
// naming the option.
std::string DryRunStoreyDialog(const DialogAnswers& answers, const CalcRecord& record);

// "Rozkład przepływu na kondygnacjach" on the session, then the storey table (or only its CSV)
// on `out`. Returns `status`, or kExitFanUnsuitable when the command found no storey flows.
int RunStoreyFlows(Session& session, const BatchOptions& options, std::ostream& out, int status);
