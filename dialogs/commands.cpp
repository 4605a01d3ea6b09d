// The calculation commands of the main window, written once against FrontEnd: the wizard, the
// fan selection with its files, the silencer view and the two regulation commands. Each command
// reports the files it could not write in one message at its end and repaints last.
#include "dialogs/commands.h"

#include <optional>

#include "model/operating_point.h"
#include "model/regulation.h"
#include "output/charts.h"
#include "output/html_reports.h"
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
                       ChartSet charts, ReportKindCode reportKind)
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
    SetReportKind(record, kNoReport);

    if (!ui.ShowDialog(DialogId::OKBottomDlg3))
        return Finish(session, CommandResult::Cancelled);
    if (!ui.ShowDialog(record.DensitySource != kDensityComputed ? DialogId::OKBottomDlg : DialogId::Form3))
        return Finish(session, CommandResult::Cancelled);
    if (!ui.ShowDialog(DialogId::OKBottomDlg333))
        return Finish(session, CommandResult::Cancelled);
    if (!ui.ShowDialog(record.DuctShape != kRectangularDuct ? DialogId::Form4 : DialogId::Form1))
        return Finish(session, CommandResult::Cancelled);
    if (!ui.ShowDialog(DialogId::OKBottomDlg33333))
        return Finish(session, CommandResult::Cancelled);
    if (!ui.ShowDialog(DialogId::OKBottomDlg3333))
        return Finish(session, CommandResult::Cancelled);

    // The installation kind selects the building dialog; a value without one ends the chain quietly.
    const std::optional<DialogId> building = BuildingDialogOf(record.InstallationKind);
    if (!building || !ui.ShowDialog(*building))
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
                    ChartSet::Regulated, kRegulatedSpeedReport);
}

CommandResult par_tlumika(Session& session)
{
    SetReportKind(session.Record, kSilencerVariantsReport);
    return Finish(session, CommandResult::Done);
}

CommandResult par_reg_tlumika(Session& session)
{
    return Regulate(session, DialogId::OKBottomDlg2, ComputeVariantRegulatedSpeed, WriteRegulatedSilencerCharts,
                    ChartSet::RegulatedSilencers, kRegulatedVariantReport);
}

}  // namespace commands
