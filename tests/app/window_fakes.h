// Stand-ins for what the main window starts and asks outside itself, a window built on them,
// recording canvases for the two report renderings, and records of the worked examples.
#pragma once

#include <QList>
#include <QStringList>
#include <QPrinter>
#include <optional>
#include <string>
#include <vector>

#include "app/main_form.h"
#include "app/process_launcher.h"
#include "app/report_canvas.h"
#include "app/system_dialogs.h"
#include "dialogs/commands.h"
#include "dialogs/forms/dialog_forms.h"
#include "model/calc_record.h"
#include "support/test_support.h"

inline std::string Joined(const std::vector<std::string>& items)
{
    std::string text;
    for (const std::string& item : items)
        text += (text.empty() ? "" : "; ") + item;
    return text;
}

// Records every start as "program arg1 arg2 ..." and the directory it was started in.
class FakeLauncher : public ProcessLauncher {
public:
    void StartDetached(const std::string& program, const std::vector<std::string>& arguments,
                       const std::string& workingDirectory) override
    {
        std::string line = program;
        for (const std::string& argument : arguments)
            line += " " + argument;
        Started.push_back(line);
        Directories.push_back(workingDirectory);
    }
    std::vector<std::string> Started;
    std::vector<std::string> Directories;
};

class FakeOpener : public UrlOpener {
public:
    void OpenFile(const std::string& path) override { Opened.push_back(path); }
    std::vector<std::string> Opened;
};

class FakeDialogs : public SystemDialogs {
public:
    QPrinter* RunPrintDialog() override
    {
        ++PrintDialogRuns;
        return PrintConfirmed;
    }
    void RunPrintSetupDialog() override { ++PrintSetupRuns; }
    std::optional<std::string> RunSaveDialog() override
    {
        ++SaveDialogRuns;
        return SaveAnswer;
    }
    void ShowMessage(const std::string& text, const std::string&) override { Messages.push_back(text); }

    QPrinter* PrintConfirmed = nullptr;  // nullptr: the user cancels the print dialog
    std::optional<std::string> SaveAnswer;  // nullopt: the user cancels the save dialog
    int PrintDialogRuns = 0;
    int PrintSetupRuns = 0;
    int SaveDialogRuns = 0;
    std::vector<std::string> Messages;
};

// Shows the dialogs through Forms, when set; records messages as "caption: text".
class FakeFrontEnd : public FrontEnd {
public:
    bool ShowDialog(DialogId dialog) override
    {
        Shown.push_back(dialog);
        return Forms && Forms->Exec(dialog);
    }
    void ShowMessage(const std::string& text, const std::string& caption) override
    {
        Messages.push_back(caption + ": " + text);
    }
    void StartPlotter(const std::string& scriptName) override { Plotted.push_back(scriptName); }
    void Repaint() override { ++Repaints; }

    DialogForms* Forms = nullptr;
    std::vector<DialogId> Shown;
    std::vector<std::string> Messages;
    std::vector<std::string> Plotted;
    int Repaints = 0;
};

// One call on a canvas: "height 20", "points 12", "text" with its position, or "new page".
struct CanvasCall {
    std::string Kind;
    int Value = 0;
    int X = 0;
    int Y = 0;
    std::string Text;
};

// Records the calls of either rendering; as a page, a tall one at 600 dpi unless told otherwise.
class RecordingCanvas : public PageCanvas {
public:
    explicit RecordingCanvas(int dpi = 600, int pageHeight = 100000, int lineHeight = 116)
        : Dpi(dpi), Height(pageHeight), Line(lineHeight)
    {
    }
    void SetFontHeight(int pixels) override { Calls.push_back({"height", pixels, 0, 0, ""}); }
    void SetFontPoints(int points) override { Calls.push_back({"points", points, 0, 0, ""}); }
    void TextOut(int x, int y, const std::string& text) override { Calls.push_back({"text", 0, x, y, text}); }
    int Resolution() const override { return Dpi; }
    int PageHeight() const override { return Height; }
    int LineHeight() const override { return Line; }
    void NewPage() override { Calls.push_back({"new page", 0, 0, 0, ""}); }

    int Dpi;
    int Height;
    int Line;
    std::vector<CanvasCall> Calls;
};

inline std::vector<CanvasCall> Texts(const std::vector<CanvasCall>& calls)
{
    std::vector<CanvasCall> texts;
    for (const CanvasCall& call : calls)
        if (call.Kind == "text")
            texts.push_back(call);
    return texts;
}

// The distinct line positions in drawing order (cells of one line share their y); a new page
// shows as -1.
inline QList<int> LineTops(const std::vector<CanvasCall>& calls)
{
    QList<int> tops;
    bool pageBreak = false;
    for (const CanvasCall& call : calls) {
        if (call.Kind == "new page") {
            tops.push_back(-1);
            pageBreak = true;
        }
        if (call.Kind != "text")
            continue;
        if (pageBreak || tops.empty() || tops.back() != call.Y)
            tops.push_back(call.Y);
        pageBreak = false;
    }
    return tops;
}

// The cells of the line at `y`, as "x text", and their x alone.
inline QStringList Line(const std::vector<CanvasCall>& calls, int y)
{
    QStringList cells;
    for (const CanvasCall& call : Texts(calls))
        if (call.Y == y)
            cells << QStringLiteral("%1 %2").arg(call.X).arg(QString::fromStdString(call.Text));
    return cells;
}

inline QList<int> Columns(const std::vector<CanvasCall>& calls, int y)
{
    QList<int> columns;
    for (const CanvasCall& call : Texts(calls))
        if (call.Y == y)
            columns << call.X;
    return columns;
}

inline QList<int> Range(int first, int last, int step)
{
    QList<int> values;
    for (int value = first; value <= last; value += step)
        values << value;
    return values;
}

// A calculated fan selection: kind 1, rectangular grille, round duct unless said otherwise.
inline CalcRecord WorkedExample(int storeys, int kind = 1, bool roundDuct = true)
{
    CalcRecord record;
    ResetCalcRecord(record);
    record.FanDesignation = "WD 31.5";
    record.FanSpeed = 1400;
    record.AirDensity = 1.2;
    record.DuctShape = roundDuct ? 1 : 0;
    record.DuctDiameter = 0.4;
    record.DuctSideA = 0.5;
    record.DuctSideB = 0.3;
    record.DuctArea = 0.12566370614359174;
    record.DuctRoughness = 1.8;
    record.StoreyCount = storeys;
    record.StoreyHeight = 2.8;
    record.InstallationKind = 1;
    record.GrilleSizeA = 0.2;
    record.GrilleSizeB = 0.1;
    record.GrilleLossCoefficient = 2.5;
    record.GrilleFlowHourly = 60.0;
    record.FanFlow = storeys * 60.0 / 3600.0;
    record.FanFlowHourly = storeys * 60.0;
    record.FanPressure = 150.0;
    record.DuctVelocity = record.FanFlow / record.DuctArea;
    for (int i = 0; i <= storeys && i < kStoreyPressureSlots; ++i)
        record.StoreyPressure[i] = 5.0 + 1.5 * i;
    record.RegulatedFlow = record.FanFlow * 0.8;
    record.RegulatedPressure = 96.0;
    record.BaseFlow = record.FanFlow * 0.9;
    record.BasePressure = 121.5;
    record.SilencerFlow = record.FanFlow * 0.85;
    record.SilencerPressure = 108.4;
    SetReportKind(record, kind);
    return record;
}

// The main window on the stand-ins, in a scratch directory of its own.
struct TestWindow {
    explicit TestWindow(const std::string& name, const CalcRecord& record = WorkedExample(4))
        : Dir(ScratchDir(name)), Record(record), Form(Record, Dir, FrontEnd, {&Launcher, &Opener, &Dialogs})
    {
    }
    std::string Dir;
    CalcRecord Record;
    FakeFrontEnd FrontEnd;
    FakeLauncher Launcher;
    FakeOpener Opener;
    FakeDialogs Dialogs;
    TMainForm Form;
};
