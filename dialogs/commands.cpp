// The calculation commands of the main window, written once against FrontEnd: the wizard, the
// fan selection with its files, the silencer view and the two regulation commands. Each command
// reports the files it could not write in one message at its end and repaints last.
#include "dialogs/commands.h"

#include "model/operating_point.h"
#include "model/regulation.h"
#include "model/storey_flows.h"
#include "output/charts.h"
#include "output/html_reports.h"
#include "output/storey_charts.h"
#include "output/text_file.h"

const char kUnsuitableFanMessage[] =
    "Dla założonej sieci wybrany wentylator jest nieodpowiedni.\nProszę wybrać inny wentylator!!!";
const char kMessageCaption[] = "Program doboru wentylatorów dachowych Firmy KORALINEX";

namespace {

// One message for all the files this command could not write, then the list starts afresh.
void ReportFileProblems(Session& session)
{
    if (session.Problems.Empty())
        return;
    session.Ui.ShowMessage(session.Problems.Message(), kMessageCaption);
    session.Problems.Clear();
}

// Reports the files of the command and repaints: the common end of every command.
CommandResult Finish(Session& session, CommandResult result)
{
    ReportFileProblems(session);
    session.Ui.Repaint();
    return result;
}

// The fan selection without its end: chooser, calculation, files and plotting program. The
// wizard runs it as its last step and reports once for both.
CommandResult SelectFanWithFiles(Session& session)
{
    if (!session.Ui.ShowDialog(DialogId::OKBottomDlg_wyw))
        return CommandResult::Cancelled;

    CalcRecord& record = session.Record;
    const FanSelection selection = SelectFan(record);
    if (selection.Found) {
        const std::string tracePath = JoinPath(session.Dir, "pstr.txt");
        if (!WriteFileAtomically(tracePath, selection.Trace))
            session.Problems.Add(tracePath);
        WriteFanCharts(session.Dir, record, selection.Entry, selection.OperatingFlowCoefficient,
                       session.Problems);
        session.Ui.StartPlotter(FilesOf(ChartSet::Fan).GifScript);
        WriteHtmlReport(session.Dir, ChartSet::Fan, record, session.Problems);
    } else {
        // The plain-fan files of the previous selection stay as they were.
        session.Ui.ShowMessage(kUnsuitableFanMessage, kMessageCaption);
    }

    // The variants are evaluated and written whatever the plain fan gave.
    WriteSilencerCharts(session.Dir, record, selection.Entry, session.Problems);
    session.Ui.StartPlotter(FilesOf(ChartSet::Silencers).GifScript);
    WriteHtmlReport(session.Dir, ChartSet::Silencers, record, session.Problems);
    return selection.Found ? CommandResult::Done : CommandResult::FanUnsuitable;
}

// One regulation command: refused with a message before any operating point exists, instead of
// the undefined ratios of its calculation; otherwise its flow dialog, the regulated speed, its
// charts, plot and HTML report, then its report kind.
CommandResult Regulate(Session& session, DialogId flowDialog, RegulationOutcome (*compute)(CalcRecord&),
                       void (*writeCharts)(const std::string&, const CalcRecord&, FileProblems&),
                       ChartSet charts, int32_t reportKind)
{
    if (!HasOperatingPoint(session.Record)) {
        session.Ui.ShowMessage(kNoOperatingPointMessage, kMessageCaption);
        return Finish(session, CommandResult::Refused);
    }
    if (!session.Ui.ShowDialog(flowDialog))
        return Finish(session, CommandResult::Cancelled);

    CalcRecord& record = session.Record;
    const RegulationOutcome outcome = compute(record);
    if (!outcome.Accepted) {
        session.Ui.ShowMessage(outcome.Message, kMessageCaption);
        return Finish(session, CommandResult::Refused);
    }
    writeCharts(session.Dir, record, session.Problems);
    session.Ui.StartPlotter(FilesOf(charts).GifScript);
    WriteHtmlReport(session.Dir, charts, record, session.Problems);
    SetReportKind(record, reportKind);
    return Finish(session, CommandResult::Done);
}

}  // namespace

namespace commands {

CommandResult FileNew(Session& session)
{
    CalcRecord& record = session.Record;
    FrontEnd& ui = session.Ui;
    SetReportKind(record, 0);

    if (!ui.ShowDialog(DialogId::OKBottomDlg3))
        return Finish(session, CommandResult::Cancelled);
    if (!ui.ShowDialog(record.DensitySource != 0 ? DialogId::OKBottomDlg : DialogId::Form3))
        return Finish(session, CommandResult::Cancelled);
    if (!ui.ShowDialog(DialogId::OKBottomDlg333))
        return Finish(session, CommandResult::Cancelled);
    if (!ui.ShowDialog(record.DuctShape != 0 ? DialogId::Form4 : DialogId::Form1))
        return Finish(session, CommandResult::Cancelled);
    if (!ui.ShowDialog(DialogId::OKBottomDlg33333))
        return Finish(session, CommandResult::Cancelled);
    if (!ui.ShowDialog(DialogId::OKBottomDlg3333))
        return Finish(session, CommandResult::Cancelled);

    // InstallationKind 1..5 selects the building dialog; any other value ends the chain quietly.
    static constexpr DialogId kBuildingDialogs[] = {DialogId::Form22, DialogId::Form222,
                                                    DialogId::Form2222, DialogId::Form22222,
                                                    DialogId::Form222222};
    const int32_t kind = record.InstallationKind;
    if (kind < 1 || kind > 5)
        return Finish(session, CommandResult::Cancelled);
    if (!ui.ShowDialog(kBuildingDialogs[kind - 1]))
        return Finish(session, CommandResult::Cancelled);

    return Finish(session, SelectFanWithFiles(session));
}

CommandResult Wentylator(Session& session)
{
    return Finish(session, SelectFanWithFiles(session));
}

CommandResult obr_reg(Session& session)
{
    return Regulate(session, DialogId::OKBottomDlg1, ComputeRegulatedSpeed, WriteRegulatedCharts,
                    ChartSet::Regulated, 2);
}

CommandResult par_tlumika(Session& session)
{
    SetReportKind(session.Record, 3);
    return Finish(session, CommandResult::Done);
}

CommandResult par_reg_tlumika(Session& session)
{
    return Regulate(session, DialogId::OKBottomDlg2, ComputeVariantRegulatedSpeed, WriteRegulatedSilencerCharts,
                    ChartSet::RegulatedSilencers, 4);
}

// The flow of every storey's grille with the selected fan: refused before any operating point,
// like the regulation commands; then the stack-effect dialog, the solve, its chart set, plot and
// HTML report, and report kind 5. Without a solution the previous report stays.
CommandResult kondygnacje(Session& session)
{
    if (!HasOperatingPoint(session.Record)) {
        session.Ui.ShowMessage(kNoOperatingPointMessage, kMessageCaption);
        return Finish(session, CommandResult::Refused);
    }
    if (!session.Ui.ShowDialog(DialogId::OKBottomDlg7))
        return Finish(session, CommandResult::Cancelled);

    CalcRecord& record = session.Record;
    const StoreyFlows flows = SolveStoreyFlows(record, StoreyFlowOptionsOf(record));
    if (flows.Status == StoreyFlowStatus::NoSolution || flows.Status == StoreyFlowStatus::NoNetwork) {
        session.Ui.ShowMessage(flows.Status == StoreyFlowStatus::NoSolution ? kStoreyFlowNoSolutionMessage
                                                                            : kStoreyFlowNoNetworkMessage,
                               kMessageCaption);
        return Finish(session, CommandResult::Refused);
    }
    WriteStoreyFlowCharts(session.Dir, record, flows, session.Problems);
    session.Ui.StartPlotter(FilesOf(ChartSet::StoreyFlows).GifScript);
    WriteHtmlReport(session.Dir, ChartSet::StoreyFlows, record, session.Problems);
    SetReportKind(record, 5);
    return Finish(session, CommandResult::Done);
}

}  // namespace commands
