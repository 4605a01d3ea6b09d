// The commands of the main window driven by a scripted front end that records every call and
// answers each dialog through ConfirmDialog: dialog order, cancel, refusals, files and messages.
#include "dialogs/commands.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <optional>
#include <vector>

#include "model/regulation.h"
#include "output/text_file.h"
#include "output/working_dir.h"
#include "support/test_support.h"

namespace fs = std::filesystem;

namespace {

const char* NameOf(DialogId dialog)
{
    switch (dialog) {
    case DialogId::OKBottomDlg3: return "OKBottomDlg3";
    case DialogId::OKBottomDlg: return "OKBottomDlg";
    case DialogId::Form3: return "Form3";
    case DialogId::OKBottomDlg333: return "OKBottomDlg333";
    case DialogId::Form1: return "Form1";
    case DialogId::Form4: return "Form4";
    case DialogId::OKBottomDlg33333: return "OKBottomDlg33333";
    case DialogId::OKBottomDlg3333: return "OKBottomDlg3333";
    case DialogId::Form22: return "Form22";
    case DialogId::Form222: return "Form222";
    case DialogId::Form2222: return "Form2222";
    case DialogId::Form22222: return "Form22222";
    case DialogId::Form222222: return "Form222222";
    case DialogId::OKBottomDlg_wyw: return "OKBottomDlg_wyw";
    case DialogId::OKBottomDlg1: return "OKBottomDlg1";
    case DialogId::OKBottomDlg2: return "OKBottomDlg2";
    }
    return "?";
}

// A ten-storey block with a round duct and rectangular grilles, for which CORVA-4 at 730 1/min
// (entry 19) has an operating point and both silencer variants intersect the network.
std::map<DialogId, DialogInput> BlockAnswers()
{
    std::map<DialogId, DialogInput> answers;
    answers[DialogId::OKBottomDlg3].Choice = 1;  // typed density
    answers[DialogId::OKBottomDlg].Edits = {"1.2"};
    answers[DialogId::Form3].Edits = {"20", "1013", "50"};
    answers[DialogId::OKBottomDlg333].Choice = 1;  // round duct
    answers[DialogId::Form4].Edits = {"0.315"};
    answers[DialogId::Form1].Edits = {"0.3", "0.2"};
    answers[DialogId::OKBottomDlg33333].Choice = 0;
    answers[DialogId::OKBottomDlg3333].Choice = 0;  // kind 1
    answers[DialogId::Form22].Edits = {"3", "10", "0.2", "0.25", "2.5"};
    answers[DialogId::Form222].Edits = {"3", "10", "0.15", "3.9"};
    answers[DialogId::Form2222].Edits = {"3", "10", "10"};
    answers[DialogId::Form2222].ComboText = "LUMA 125";
    answers[DialogId::Form22222].Edits = {"3", "10", "30"};
    answers[DialogId::Form22222].ComboText = "125 mm";
    answers[DialogId::Form222222].Edits = {"3", "10", "20"};
    answers[DialogId::Form222222].ComboText = "NEVA-30";
    answers[DialogId::OKBottomDlg_wyw].Choice = 19;
    answers[DialogId::OKBottomDlg1].Edits = {"0.6"};
    answers[DialogId::OKBottomDlg2].Edits = {"0.5"};
    answers[DialogId::OKBottomDlg2].ComboIndex = 1;
    answers[DialogId::OKBottomDlg2].ComboText = "Wentylator z podstawą tłumiącą";
    return answers;
}

// Records every call as text ("dialog X", "cancel X", "message <caption>: <text>", "plot X",
// "repaint") and the files of the working directory at each start of the plotting program.
class ScriptedFrontEnd final : public FrontEnd {
public:
    explicit ScriptedFrontEnd(std::map<DialogId, DialogInput> answers) : answers_(std::move(answers)) {}

    void Attach(Session& session) { session_ = &session; }
    void CancelAt(DialogId dialog) { cancelAt_ = dialog; }

    bool ShowDialog(DialogId dialog) override
    {
        if (cancelAt_ == dialog) {
            Calls.push_back(std::string("cancel ") + NameOf(dialog));
            return false;
        }
        Calls.push_back(std::string("dialog ") + NameOf(dialog));
        const DialogOutcome outcome = ConfirmDialog(dialog, answers_[dialog], session_->Record,
                                                    ValueFileTarget{session_->Dir, true}, session_->Problems);
        EXPECT_TRUE(outcome.Accepted) << NameOf(dialog) << " refused: " << outcome.Message;
        return outcome.Accepted;
    }
    void ShowMessage(const std::string& text, const std::string& caption) override
    {
        Calls.push_back("message " + caption + ": " + text);
    }
    void StartPlotter(const std::string& scriptName) override
    {
        Calls.push_back("plot " + scriptName);
        FilesAtPlot[scriptName] = ListFiles();
    }
    void Repaint() override { Calls.push_back("repaint"); }

    // Relative names of every file below the working directory, sorted.
    std::vector<std::string> ListFiles() const
    {
        std::vector<std::string> names;
        for (const auto& entry : fs::recursive_directory_iterator(session_->Dir))
            if (entry.is_regular_file())
                names.push_back(fs::relative(entry.path(), session_->Dir).generic_string());
        std::sort(names.begin(), names.end());
        return names;
    }

    std::vector<std::string> Calls;
    std::map<std::string, std::vector<std::string>> FilesAtPlot;

private:
    std::map<DialogId, DialogInput> answers_;
    std::optional<DialogId> cancelAt_;
    Session* session_ = nullptr;
};

// A record, a prepared working directory and the scripted front end, tied together.
struct Fixture {
    explicit Fixture(const std::string& name, std::map<DialogId, DialogInput> answers = BlockAnswers())
        : dir(ScratchDir(name)), ui(std::move(answers)), session{record, dir, ui, {}}
    {
        ResetCalcRecord(record);
        FileProblems problems;
        PrepareWorkingDirectory(dir, problems);
        ui.Attach(session);
    }
    std::string File(const std::string& name) const { return ReadFileForTest(JoinPath(dir, name)); }
    bool Exists(const std::string& name) const { return fs::exists(JoinPath(dir, name)); }

    CalcRecord record;
    std::string dir;
    ScriptedFrontEnd ui;
    Session session;
};

std::vector<std::string> Dialogs(std::initializer_list<const char*> names)
{
    std::vector<std::string> calls;
    for (const char* name : names)
        calls.push_back(std::string("dialog ") + name);
    return calls;
}

std::vector<std::string> Concat(std::vector<std::string> a, const std::vector<std::string>& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

const std::vector<std::string> kFanEnd = {"dialog OKBottomDlg_wyw", "plot gif.gnu", "plot gif_tl.gnu", "repaint"};

// Files every successful fan selection leaves, besides the value files.
const char* const kFanSelectionFiles[] = {
    "pstr.txt", "1.gnu", "siec.gnu", "wykres.gnu", "gif.gnu", "tmp1.gnu", "wykresy/wykresy.html",
    "pt.gnu", "tc.gnu", "wykres_tl.gnu", "gif_tl.gnu", "tmp2.gnu", "wykresy/wykresy_tl.html",
};

}  // namespace

TEST(commands, wizard_branches_show_their_dialogs_in_order)
{
    struct Row {
        const char* name;
        int densitySource;  // OKBottomDlg3 button: 0 computed, 1 typed
        int ductShape;      // OKBottomDlg333 button: 0 rectangular, 1 round
        int kind;           // OKBottomDlg3333 button + 1
        std::vector<std::string> dialogs;
    };
    const Row rows[] = {
        {"typed_round_kind1", 1, 1, 1,
         Dialogs({"OKBottomDlg3", "OKBottomDlg", "OKBottomDlg333", "Form4", "OKBottomDlg33333", "OKBottomDlg3333", "Form22"})},
        {"computed_rectangular_kind2", 0, 0, 2,
         Dialogs({"OKBottomDlg3", "Form3", "OKBottomDlg333", "Form1", "OKBottomDlg33333", "OKBottomDlg3333", "Form222"})},
        {"typed_rectangular_kind3", 1, 0, 3,
         Dialogs({"OKBottomDlg3", "OKBottomDlg", "OKBottomDlg333", "Form1", "OKBottomDlg33333", "OKBottomDlg3333", "Form2222"})},
        {"computed_round_kind4", 0, 1, 4,
         Dialogs({"OKBottomDlg3", "Form3", "OKBottomDlg333", "Form4", "OKBottomDlg33333", "OKBottomDlg3333", "Form22222"})},
        {"typed_round_kind5", 1, 1, 5,
         Dialogs({"OKBottomDlg3", "OKBottomDlg", "OKBottomDlg333", "Form4", "OKBottomDlg33333", "OKBottomDlg3333", "Form222222"})},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        std::map<DialogId, DialogInput> answers = BlockAnswers();
        answers[DialogId::OKBottomDlg3].Choice = row.densitySource;
        answers[DialogId::OKBottomDlg333].Choice = row.ductShape;
        answers[DialogId::OKBottomDlg3333].Choice = row.kind - 1;
        Fixture f(std::string("branch_") + row.name, answers);

        commands::FileNew(f.session);

        // Whatever the fan gives, the chooser follows the building dialog and repaint comes last.
        ASSERT_GE(f.ui.Calls.size(), row.dialogs.size() + 2);
        EXPECT_EQ(std::vector<std::string>(f.ui.Calls.begin(), f.ui.Calls.begin() + row.dialogs.size()), row.dialogs);
        EXPECT_EQ(f.ui.Calls[row.dialogs.size()], "dialog OKBottomDlg_wyw");
        EXPECT_EQ(f.ui.Calls.back(), "repaint");
        EXPECT_EQ(f.record.InstallationKind, row.kind);
    }
}

TEST(commands, wizard_runs_the_fan_selection_with_its_files)
{
    Fixture f("wizard_full");
    f.record.ScreenReportKind = 3;

    EXPECT_EQ(commands::FileNew(f.session), CommandResult::Done);

    EXPECT_EQ(f.ui.Calls, Concat(Dialogs({"OKBottomDlg3", "OKBottomDlg", "OKBottomDlg333", "Form4",
                                          "OKBottomDlg33333", "OKBottomDlg3333", "Form22"}),
                                 kFanEnd));
    EXPECT_EQ(f.record.ScreenReportKind, 1);
    EXPECT_EQ(f.record.PrintReportKind, 1);
    EXPECT_EQ(f.record.FanIndex, 19);
    EXPECT_GT(f.record.FanFlow, 0.0);
    for (const char* name : kFanSelectionFiles)
        EXPECT_TRUE(f.Exists(name)) << name;
    EXPECT_EQ(f.File("dialog.sav"), "1.200\n");
    EXPECT_EQ(f.File("dialog22.sav"), "0.315\n");
    EXPECT_EQ(f.File("dialog33.sav"), "3.00\n10\n0.20\n0.25\n2.50\n");
    EXPECT_FALSE(f.Exists("dialog1.sav")) << "the branch not taken writes nothing";
    EXPECT_FALSE(f.Exists("dialog2.sav"));
}

TEST(commands, cancel_at_each_wizard_step_ends_the_chain)
{
    const DialogId steps[] = {DialogId::OKBottomDlg3,     DialogId::OKBottomDlg,     DialogId::OKBottomDlg333,
                              DialogId::Form4,            DialogId::OKBottomDlg33333, DialogId::OKBottomDlg3333,
                              DialogId::Form22,           DialogId::OKBottomDlg_wyw};
    for (size_t cancelled = 0; cancelled < std::size(steps); ++cancelled) {
        SCOPED_TRACE(NameOf(steps[cancelled]));
        Fixture f(std::string("cancel_") + NameOf(steps[cancelled]));
        SetReportKind(f.record, 1);  // left from an earlier calculation
        f.ui.CancelAt(steps[cancelled]);

        EXPECT_EQ(commands::FileNew(f.session), CommandResult::Cancelled);

        std::vector<std::string> expected;
        for (size_t i = 0; i < cancelled; ++i)
            expected.push_back(std::string("dialog ") + NameOf(steps[i]));
        expected.push_back(std::string("cancel ") + NameOf(steps[cancelled]));
        expected.push_back("repaint");
        EXPECT_EQ(f.ui.Calls, expected);
        EXPECT_EQ(f.record.ScreenReportKind, 0);
        EXPECT_EQ(f.record.PrintReportKind, 0);
        EXPECT_EQ(f.record.FanFlow, 0.0) << "the fan selection must not run";
        EXPECT_FALSE(f.Exists("pstr.txt"));
        EXPECT_FALSE(f.Exists("pt.gnu"));
    }
}

TEST(commands, chooser_cancel_changes_nothing_but_repaints)
{
    Fixture f("chooser_cancel");
    f.record.FanIndex = 7;
    SetReportKind(f.record, 2);
    f.ui.CancelAt(DialogId::OKBottomDlg_wyw);

    EXPECT_EQ(commands::Wentylator(f.session), CommandResult::Cancelled);

    EXPECT_EQ(f.ui.Calls, (std::vector<std::string>{"cancel OKBottomDlg_wyw", "repaint"}));
    EXPECT_EQ(f.record.FanIndex, 7);
    EXPECT_EQ(f.record.ScreenReportKind, 2);
    EXPECT_EQ(f.ui.ListFiles(), (std::vector<std::string>{"wykresy/koralinex.jpg"}));
}

TEST(commands, files_are_written_in_order_round_the_plotter_starts)
{
    Fixture f("file_order");
    commands::FileNew(f.session);

    // At the fan plot the plain-fan files exist, its HTML report and the variant files not yet.
    const std::vector<std::string>& atFan = f.ui.FilesAtPlot["gif.gnu"];
    const auto has = [](const std::vector<std::string>& files, const char* name) {
        return std::find(files.begin(), files.end(), name) != files.end();
    };
    for (const char* name : {"pstr.txt", "1.gnu", "siec.gnu", "wykres.gnu", "gif.gnu", "tmp1.gnu"})
        EXPECT_TRUE(has(atFan, name)) << name << " missing at the start of the fan plot";
    for (const char* name : {"wykresy/wykresy.html", "pt.gnu", "tc.gnu", "gif_tl.gnu", "wykresy/wykresy_tl.html"})
        EXPECT_FALSE(has(atFan, name)) << name << " written before the fan plot";

    const std::vector<std::string>& atVariants = f.ui.FilesAtPlot["gif_tl.gnu"];
    for (const char* name : {"wykresy/wykresy.html", "pt.gnu", "tc.gnu", "wykres_tl.gnu", "gif_tl.gnu", "tmp2.gnu"})
        EXPECT_TRUE(has(atVariants, name)) << name << " missing at the start of the variant plot";
    EXPECT_FALSE(has(atVariants, "wykresy/wykresy_tl.html")) << "the variant report comes after its plot";
    EXPECT_TRUE(f.Exists("wykresy/wykresy_tl.html"));
}

TEST(commands, unsuitable_fan_keeps_the_plain_fan_files_and_rewrites_the_variants)
{
    // CORVA-1 at 980 1/min (entry 9) has no operating point in the ten-storey block.
    std::map<DialogId, DialogInput> answers = BlockAnswers();
    answers[DialogId::OKBottomDlg_wyw].Choice = 9;
    Fixture f("unsuitable", answers);
    const char* const plainFiles[] = {"pstr.txt", "1.gnu", "siec.gnu", "wykres.gnu", "gif.gnu", "tmp1.gnu",
                                      "wykresy/wykresy.html"};
    const char* const variantFiles[] = {"pt.gnu", "tc.gnu", "wykres_tl.gnu", "gif_tl.gnu", "tmp2.gnu",
                                        "wykresy/wykresy_tl.html"};
    for (const char* name : plainFiles)
        ASSERT_TRUE(WriteFileAtomically(JoinPath(f.dir, name), "earlier run\n"));
    for (const char* name : variantFiles)
        ASSERT_TRUE(WriteFileAtomically(JoinPath(f.dir, name), "earlier run\n"));
    SetReportKind(f.record, 1);

    EXPECT_EQ(commands::FileNew(f.session), CommandResult::FanUnsuitable);

    const std::vector<std::string> tail(f.ui.Calls.end() - 4, f.ui.Calls.end());
    EXPECT_EQ(tail, (std::vector<std::string>{
                        "dialog OKBottomDlg_wyw",
                        "message Program doboru wentylatorów dachowych Firmy KORALINEX: Dla założonej sieci "
                        "wybrany wentylator jest nieodpowiedni.\nProszę wybrać inny wentylator!!!",
                        "plot gif_tl.gnu", "repaint"}));
    EXPECT_EQ(f.record.ScreenReportKind, 0);
    for (const char* name : plainFiles)
        EXPECT_EQ(f.File(name), "earlier run\n") << name << " must keep the earlier run";
    for (const char* name : variantFiles)
        EXPECT_NE(f.File(name), "earlier run\n") << name << " must be rewritten";
}

TEST(commands, regulation_is_refused_before_any_fan)
{
    struct Row {
        const char* name;
        CommandResult (*command)(Session&);
        const char* valueFile;
        const char* pointFile;
    };
    const Row rows[] = {
        {"obr_reg", commands::obr_reg, "dialog4.sav", "reg.gnu"},
        {"par_reg_tlumika", commands::par_reg_tlumika, "dialog5.sav", "reg_tl.gnu"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Fixture f(std::string("refused_") + row.name);

        EXPECT_EQ(row.command(f.session), CommandResult::Refused);

        EXPECT_EQ(f.ui.Calls, (std::vector<std::string>{
                                  std::string("message ") + kMessageCaption + ": " + kNoOperatingPointMessage,
                                  "repaint"}))
            << "the flow dialog must not be shown";
        EXPECT_FALSE(f.Exists(row.valueFile));
        EXPECT_FALSE(f.Exists(row.pointFile));
        EXPECT_EQ(f.record.ScreenReportKind, 0);
    }
}

TEST(commands, report_kinds_after_each_command)
{
    Fixture f("report_kinds");
    struct Step {
        const char* name;
        CommandResult (*command)(Session&);
        int32_t kind;
        std::vector<std::string> calls;
    };
    const Step steps[] = {
        {"FileNew", commands::FileNew, 1, {}},
        {"obr_reg", commands::obr_reg, 2, {"dialog OKBottomDlg1", "plot gif_reg.gnu", "repaint"}},
        {"par_tlumika", commands::par_tlumika, 3, {"repaint"}},
        {"par_reg_tlumika", commands::par_reg_tlumika, 4, {"dialog OKBottomDlg2", "plot gif_reg_tl.gnu", "repaint"}},
        {"par_tlumika again", commands::par_tlumika, 3, {"repaint"}},
        {"Wentylator", commands::Wentylator, 1, kFanEnd},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.name);
        f.ui.Calls.clear();
        EXPECT_EQ(step.command(f.session), CommandResult::Done);
        EXPECT_EQ(f.record.ScreenReportKind, step.kind);
        EXPECT_EQ(f.record.PrintReportKind, step.kind);
        if (!step.calls.empty()) {
            EXPECT_EQ(f.ui.Calls, step.calls);
        }
    }
    EXPECT_EQ(f.File("dialog4.sav"), "0.600\n");
    EXPECT_EQ(f.File("dialog5.sav"), "0.500\n");
    EXPECT_EQ(f.record.RegulationVariant, 1);
    EXPECT_GT(f.record.VariantRegulatedSpeed, 0.0);
    for (const char* name : {"reg.gnu", "wykres_reg.gnu", "gif_reg.gnu", "tmp3.gnu", "wykresy/wykresy_reg.html",
                             "reg_tl.gnu", "wykres_reg_tl.gnu", "gif_reg_tl.gnu", "tmp4.gnu",
                             "wykresy/wykresy_reg_tl.html"})
        EXPECT_TRUE(f.Exists(name)) << name;
}

TEST(commands, unwritable_files_are_reported_once_per_command)
{
    Fixture f("problems");
    // Directories in the place of a trace file, a value file and a regulated point file.
    fs::create_directory(JoinPath(f.dir, "pstr.txt"));
    fs::create_directory(JoinPath(f.dir, "dialog.sav"));
    fs::create_directory(JoinPath(f.dir, "reg.gnu"));
    const auto messages = [&f] {
        return std::count_if(f.ui.Calls.begin(), f.ui.Calls.end(),
                             [](const std::string& call) { return call.rfind("message ", 0) == 0; });
    };

    EXPECT_EQ(commands::FileNew(f.session), CommandResult::Done);
    ASSERT_EQ(messages(), 1) << "one message for the wizard and its fan selection";
    const std::string& wizardMessage = f.ui.Calls[f.ui.Calls.size() - 2];
    EXPECT_EQ(wizardMessage, std::string("message ") + kMessageCaption + ": Nie można zapisać plików:\n" +
                                 JoinPath(f.dir, "dialog.sav") + "\n" + JoinPath(f.dir, "pstr.txt"));
    EXPECT_EQ(f.ui.Calls.back(), "repaint");
    EXPECT_TRUE(f.session.Problems.Empty());

    f.ui.Calls.clear();
    EXPECT_EQ(commands::obr_reg(f.session), CommandResult::Done);
    ASSERT_EQ(messages(), 1);
    EXPECT_EQ(f.ui.Calls[f.ui.Calls.size() - 2],
              std::string("message ") + kMessageCaption + ": Nie można zapisać pliku:\n" + JoinPath(f.dir, "reg.gnu"));

    f.ui.Calls.clear();
    EXPECT_EQ(commands::par_tlumika(f.session), CommandResult::Done);
    EXPECT_EQ(messages(), 0) << "problems of an earlier command are not reported again";
}
