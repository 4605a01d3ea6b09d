// The storey-flow run of the batch front end, after the usual commands.
#include "cli/storey_run.h"

#include "model/fan_catalogue.h"
#include "model/storey_flows.h"
#include "output/storey_report.h"

void AnswerStoreyDialog(DialogAnswers& answers, const BatchOptions& options, const BatchInput& input)
{
    DialogInput& dialog = answers.Inputs[DialogId::OKBottomDlg7];
    dialog.Edits.resize(3);
    if (options.OutsideTemperature) {
        dialog.Edits[0] = "1";
        dialog.Edits[1] = *options.OutsideTemperature;
    } else if (!GivenInInput(input, "stack_effect")) {
        dialog.Edits[0] = "0";
    }
    if (options.FanSpeed)
        dialog.Edits[2] = *options.FanSpeed;
    else if (!GivenInInput(input, "speed"))
        dialog.Edits[2] = "0";
}

std::string DryRunStoreyDialog(const DialogAnswers& answers, const CalcRecord& record)
{
    CalcRecord copy = record;
    if (const FanEntry* fan = LookupFan(answers.For(DialogId::OKBottomDlg_wyw).Choice))
        copy.FanSpeed = fan->FanSpeed;
    FileProblems ignored;
    const DialogOutcome outcome =
        ConfirmDialog(DialogId::OKBottomDlg7, answers.For(DialogId::OKBottomDlg7), copy, ValueFileTarget{"", false}, ignored);
    return outcome.Accepted ? "" : "--storeys: " + outcome.Message;
}

int RunStoreyFlows(Session& session, const BatchOptions& options, std::ostream& out, int status)
{
    if (commands::StoreyFlowDistribution(session) != CommandResult::Done)
        return kExitFanUnsuitable;
    const CalcRecord& record = session.Record;
    const StoreyFlows flows = SolveStoreyFlows(record, StoreyFlowOptionsOf(record));
    out << (options.StoreysCsv ? StoreyFlowCsv(flows) : "\n" + StoreyFlowTableText(record, flows));
    out.flush();
    return status;
}
