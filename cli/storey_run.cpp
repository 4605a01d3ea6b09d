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
    CalcRecord copy = record;
    FileProblems ignored;
    const DialogOutcome outcome =
        ConfirmDialog(DialogId::OKBottomDlg6, answers.For(DialogId::OKBottomDlg6), copy, ValueFileTarget{"", false}, ignored);
    return outcome.Accepted ? "" : "--commission: " + outcome.Message;
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
