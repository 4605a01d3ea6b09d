// The storey-flow and commissioning runs of the batch front end, after the usual commands.
#include "cli/storey_run.h"

#include "model/commissioning.h"
#include "model/fan_catalogue.h"
#include "model/storey_flows.h"
#include "output/commissioning_report.h"
#include "output/storey_report.h"

void AnswerStoreyDialog(DialogAnswers& answers, const BatchOptions& options, const BatchInput& input)
{
    DialogInput& dialog = answers.Inputs[DialogId::OKBottomDlg7];
    dialog.Edits.resize(kOneConditionEdit + 1);
    const std::optional<std::string>* given[] = {&options.RequiredFlow, &options.WinterTemperature,
                                                 &options.SummerTemperature, &options.FanSpeed};
    for (size_t box = 0; box < std::size(given); ++box)
        if (*given[box])
            dialog.Edits[box] = **given[box];
    if (!options.FanSpeed && !GivenInInput(input, "speed"))
        dialog.Edits[3] = "0";
    dialog.Edits[kOneConditionEdit] = options.OutsideTemperature.value_or("");
}

namespace {

// "" when `dialog` accepts its answer on `copy` of the record, with no file written; otherwise
// its message after the option that gave the answer.
std::string DryRunOneDialog(DialogId dialog, const DialogAnswers& answers, CalcRecord copy, const char* option)
{
    FileProblems ignored;
    const DialogOutcome outcome = ConfirmDialog(dialog, answers.For(dialog), copy, ValueFileTarget{"", false}, ignored);
    return outcome.Accepted ? "" : std::string(option) + ": " + outcome.Message;
}

}  // namespace

std::string DryRunStoreyDialog(const DialogAnswers& answers, const CalcRecord& record)
{
    CalcRecord copy = record;
    if (const FanEntry* fan = LookupFan(answers.For(DialogId::OKBottomDlg_wyw).Choice))
        copy.FanSpeed = fan->FanSpeed;
    return DryRunOneDialog(DialogId::OKBottomDlg7, answers, copy, "--storeys");
}

int RunStoreyFlows(Session& session, const BatchOptions& options, std::ostream& out, int status)
{
    if (commands::StoreyFlowDistribution(session) != CommandResult::Done)
        return kExitFanUnsuitable;
    const CalcRecord& record = session.Record;
    const std::vector<StoreyConditionFlows> conditions = SolveStoreyConditions(record);
    out << (options.StoreysCsv ? StoreyFlowCsv(record, conditions) : "\n" + StoreyFlowTableText(record, conditions));
    out.flush();
    return status;
}

void AnswerCommissioningDialog(DialogAnswers& answers, const BatchOptions& options)
{
    DialogInput& dialog = answers.Inputs[DialogId::OKBottomDlg6];
    dialog.Edits.assign(1, options.Commission.value_or(""));
}

std::string DryRunCommissioningDialog(const DialogAnswers& answers, const CalcRecord& record)
{
    return DryRunOneDialog(DialogId::OKBottomDlg6, answers, record, "--commission");
}

int RunCommissioning(Session& session, const BatchOptions& options, std::ostream& out, int status)
{
    if (commands::CommissioningSettings(session) != CommandResult::Done)
        return kExitFanUnsuitable;
    const CalcRecord& record = session.Record;
    const Commissioning commissioning = ComputeCommissioning(record, CommissioningConditionsOf(record));
    out << (options.CommissionCsv ? CommissioningCsv(commissioning) : "\n" + CommissioningTableText(record, commissioning));
    out.flush();
    return status;
}
