// Tests of every dialog's OK: conversions, orders of operations, limits, the fields written and
// kept, the value files (golden), the refusals with their messages, and the dialogs' fixed texts.
#include "dialogs/dialog_actions.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <string>
#include <vector>

#include "output/text_file.h"
#include "support/test_support.h"

namespace {

constexpr double kPi = 3.141592653589793;

// A record whose every input field holds a marker, to see which fields a dialog writes.
CalcRecord MarkedRecord()
{
    CalcRecord r;
    ResetCalcRecord(r);
    r.DensitySource = 7;
    r.DuctShape = 7;
    r.InstallationKind = 7;
    r.FanIndex = 7;
    r.AirDensity = 7.0;
    r.DuctRoughness = 7.0;
    r.DuctArea = 7.0;
    r.DuctDiameter = 7.0;
    r.GrilleLossCoefficient = 7.0;
    r.GrilleArea = 7.0;
    r.DuctSideA = 7.0;
    r.DuctSideB = 7.0;
    r.GrilleSizeA = 7.0;
    r.GrilleSizeB = 7.0;
    r.StoreyCount = 7;
    r.StoreyHeight = 7.0;
    r.RegulatedFlow = 7.0;
    r.VariantRegulatedFlow = 7.0;
    r.RegulationVariant = 7;
    return r;
}

struct Confirmed {
    DialogOutcome Outcome;
    CalcRecord Record;
    FileProblems Problems;
};

// Confirms a dialog on a marked record without writing any file.
Confirmed Confirm(DialogId dialog, DialogInput input, CalcRecord record = MarkedRecord())
{
    Confirmed c{{}, record, {}};
    c.Outcome = ConfirmDialog(dialog, input, c.Record, ValueFileTarget{"", false}, c.Problems);
    return c;
}

DialogInput Edits(std::vector<std::string> edits, std::string combo = "")
{
    DialogInput input;
    input.Edits = std::move(edits);
    input.ComboText = std::move(combo);
    return input;
}

DialogInput Radio(int choice)
{
    DialogInput input;
    input.Choice = choice;
    return input;
}

// Confirms a dialog writing its value file into `dir` and returns the file's bytes.
std::string SavedFile(DialogId dialog, const DialogInput& input, const std::string& dir)
{
    CalcRecord record = MarkedRecord();
    FileProblems problems;
    DialogOutcome outcome = ConfirmDialog(dialog, input, record, ValueFileTarget{dir, true}, problems);
    EXPECT_TRUE(outcome.Accepted) << outcome.Message;
    EXPECT_TRUE(problems.Empty());
    return ReadFileForTest(JoinPath(dir, ValueFileOf(dialog)->FileName));
}

}  // namespace

TEST(dialog_actions, value_file_table)
{
    struct Row {
        DialogId Dialog;
        const char* FileName;
        std::vector<int> Widths;
    };
    const Row rows[] = {
        {DialogId::OKBottomDlg, "dialog.sav", {29}},
        {DialogId::Form3, "dialog1.sav", {29, 19, 19}},
        {DialogId::Form1, "dialog2.sav", {19, 19}},
        {DialogId::Form4, "dialog22.sav", {19}},
        {DialogId::Form22, "dialog33.sav", {19, 19, 19, 19, 19}},
        {DialogId::Form222, "dialog333.sav", {19, 19, 19, 19}},
        {DialogId::Form2222, "dialog3333.sav", {19, 19, 19}},
        {DialogId::Form22222, "dialog33333.sav", {19, 19, 19}},
        {DialogId::Form222222, "dialog333333.sav", {19, 19, 19}},
        {DialogId::OKBottomDlg1, "dialog4.sav", {29}},
        {DialogId::OKBottomDlg2, "dialog5.sav", {29}},
    };
    for (const Row& row : rows) {
        const ValueFileLayout* layout = ValueFileOf(row.Dialog);
        ASSERT_NE(layout, nullptr) << row.FileName;
        EXPECT_STREQ(layout->FileName, row.FileName);
        EXPECT_EQ(layout->Widths, row.Widths) << row.FileName;
        EXPECT_EQ(InitialEditTexts(row.Dialog).size(), row.Widths.size()) << row.FileName;
    }
    for (DialogId dialog : {DialogId::OKBottomDlg3, DialogId::OKBottomDlg333, DialogId::OKBottomDlg33333,
                            DialogId::OKBottomDlg3333, DialogId::OKBottomDlg_wyw}) {
        EXPECT_EQ(ValueFileOf(dialog), nullptr);
        EXPECT_TRUE(InitialEditTexts(dialog).empty());
    }
}

TEST(dialog_actions, edit_texts_at_creation_come_from_the_value_file)
{
    const std::string dir = ScratchDir("creation");
    EXPECT_EQ(EditTextsAtCreation(DialogId::Form3, dir), InitialEditTexts(DialogId::Form3)) << "no file";

    std::ofstream(JoinPath(dir, "dialog1.sav"), std::ios::binary) << "20\r\n1013\r\n";
    EXPECT_EQ(EditTextsAtCreation(DialogId::Form3, dir), (std::vector<std::string>{"20", "1013", "Edit3"}))
        << "CR LF dropped, a missing third line keeps its initial text";

    std::ofstream(JoinPath(dir, "dialog22.sav"), std::ios::binary) << "0.000\n";
    EXPECT_EQ(EditTextsAtCreation(DialogId::Form4, dir), (std::vector<std::string>{"0.000"}));
    EXPECT_TRUE(EditTextsAtCreation(DialogId::OKBottomDlg3, dir).empty());
}

TEST(dialog_actions, typed_density)
{
    const std::string dir = ScratchDir("density");
    Confirmed c = Confirm(DialogId::OKBottomDlg, Edits({"1.2"}));
    EXPECT_EQ(c.Record.AirDensity, 1.2);
    EXPECT_EQ(SavedFile(DialogId::OKBottomDlg, Edits({"1.2"}), dir), "1.200\n");

    c = Confirm(DialogId::OKBottomDlg, Edits({"1,2"}));
    EXPECT_EQ(c.Record.AirDensity, 1.0);
    EXPECT_EQ(SavedFile(DialogId::OKBottomDlg, Edits({"1,2"}), dir), "1.000\n");
}

TEST(dialog_actions, density_from_the_air_state)
{
    const std::string dir = ScratchDir("air_state");
    Confirmed c = Confirm(DialogId::Form3, Edits({"20", "1013", "50"}));
    ASSERT_TRUE(c.Outcome.Accepted);
    EXPECT_NEAR(c.Record.AirDensity, 1.1992, 0.00005);
    EXPECT_EQ(c.Record.AirDensity, Confirm(DialogId::Form3, Edits({"20.7", "1013", "50"})).Record.AirDensity)
        << "20.7 is read as 20";
    EXPECT_EQ(SavedFile(DialogId::Form3, Edits({"20.7", "1013", "50"}), dir), "20\n1013\n50\n");

    c = Confirm(DialogId::Form3, Edits({"20", "1013", "0"}));
    EXPECT_EQ(c.Record.AirDensity, 101300.0 / (293.0 * 287.04)) << "R is exactly 287.04 without humidity";
    EXPECT_NEAR(c.Record.AirDensity, 1.2045, 0.00005);

    c = Confirm(DialogId::Form3, Edits({"-3000000000", "5000000000", "10"}));
    EXPECT_TRUE(c.Outcome.Accepted) << "huge values stay finite in 64-bit arithmetic";
    EXPECT_TRUE(std::isfinite(c.Record.AirDensity));
}

TEST(dialog_actions, rectangular_duct)
{
    Confirmed c = Confirm(DialogId::Form1, Edits({"0.5", "0.5"}));
    EXPECT_EQ(c.Record.DuctDiameter, 0.5);
    EXPECT_NEAR(c.Record.DuctArea, 0.19635, 0.000005);
    EXPECT_EQ(c.Record.DuctSideA, 0.5);
    EXPECT_EQ(c.Record.DuctSideB, 0.5);

    c = Confirm(DialogId::Form1, Edits({"0.2", "0.3"}));
    EXPECT_NEAR(c.Record.DuctDiameter, 0.24, 1e-15);
    EXPECT_EQ(c.Record.DuctArea, kPi * c.Record.DuctDiameter * c.Record.DuctDiameter * 0.25);
    EXPECT_NEAR(c.Record.DuctArea, 0.045239, 0.0000005) << "the circle of the equivalent diameter, not a x b";

    const std::string dir = ScratchDir("rect_duct");
    EXPECT_EQ(SavedFile(DialogId::Form1, Edits({"0.2", "0,3"}), dir), "0.200\n0.000\n");
}

TEST(dialog_actions, round_duct_keeps_the_sides)
{
    Confirmed c = Confirm(DialogId::Form4, Edits({"0.2"}));
    EXPECT_EQ(c.Record.DuctDiameter, 0.2);
    EXPECT_NEAR(c.Record.DuctArea, 0.0314159, 0.00000005);
    EXPECT_EQ(c.Record.DuctSideA, 7.0);
    EXPECT_EQ(c.Record.DuctSideB, 7.0);

    const std::string dir = ScratchDir("round_duct");
    EXPECT_EQ(SavedFile(DialogId::Form4, Edits({"0,25"}), dir), "0.000\n");
}

TEST(dialog_actions, radio_dialogs)
{
    struct Row {
        const char* Name;
        DialogId Dialog;
        int Choice;
        int32_t CalcRecord::*Field;
        int32_t Expected;
    };
    const Row rows[] = {
        {"computed density", DialogId::OKBottomDlg3, 0, &CalcRecord::DensitySource, 0},
        {"typed density", DialogId::OKBottomDlg3, 1, &CalcRecord::DensitySource, 1},
        {"density: no button", DialogId::OKBottomDlg3, 2, &CalcRecord::DensitySource, 7},
        {"rectangular", DialogId::OKBottomDlg333, 0, &CalcRecord::DuctShape, 0},
        {"round", DialogId::OKBottomDlg333, 1, &CalcRecord::DuctShape, 1},
        {"shape: no button", DialogId::OKBottomDlg333, -1, &CalcRecord::DuctShape, 7},
        {"kind 1", DialogId::OKBottomDlg3333, 0, &CalcRecord::InstallationKind, 1},
        {"kind 5", DialogId::OKBottomDlg3333, 4, &CalcRecord::InstallationKind, 5},
        {"kind: no button", DialogId::OKBottomDlg3333, 5, &CalcRecord::InstallationKind, 7},
    };
    for (const Row& row : rows) {
        Confirmed c = Confirm(row.Dialog, Radio(row.Choice));
        EXPECT_TRUE(c.Outcome.Accepted) << row.Name;
        EXPECT_EQ(c.Record.*row.Field, row.Expected) << row.Name;
    }
}

TEST(dialog_actions, materials)
{
    const double roughness[] = {1.8, 2.5, 3.0, 5.0, 7.5, 10.0};
    const std::vector<std::string>& captions = RadioCaptions(DialogId::OKBottomDlg33333);
    ASSERT_EQ(captions.size(), 6u);
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(Confirm(DialogId::OKBottomDlg33333, Radio(i)).Record.DuctRoughness, roughness[i]) << captions[i];
    EXPECT_EQ(captions[5], "Cegła");
    EXPECT_EQ(captions[1], "Nowa rura odlewana, blacha stalowa, gładki cement ") << "with its trailing blank";
    EXPECT_EQ(Confirm(DialogId::OKBottomDlg33333, Radio(6)).Record.DuctRoughness, 7.0);
}

TEST(dialog_actions, rectangular_grille)
{
    Confirmed c = Confirm(DialogId::Form22, Edits({"2.8", "4", "0.2", "0.25", "4,6"}));
    ASSERT_TRUE(c.Outcome.Accepted);
    EXPECT_EQ(c.Record.StoreyHeight, 2.8);
    EXPECT_EQ(c.Record.StoreyCount, 4);
    EXPECT_EQ(c.Record.GrilleArea, 0.2 * 0.25);
    EXPECT_NEAR(c.Record.GrilleArea, 0.05, 1e-15);
    EXPECT_EQ(c.Record.GrilleSizeA, 0.2);
    EXPECT_EQ(c.Record.GrilleSizeB, 0.25);
    EXPECT_EQ(c.Record.GrilleLossCoefficient, 4.0) << "the comma ends 4,6";
}

TEST(dialog_actions, round_grille_keeps_the_width)
{
    Confirmed c = Confirm(DialogId::Form222, Edits({"3", "20.5", "0.1", "1.6"}));
    EXPECT_EQ(c.Record.StoreyCount, 20);
    EXPECT_NEAR(c.Record.GrilleArea, 0.00785398, 0.000000005);
    EXPECT_EQ(c.Record.GrilleSizeA, 0.1);
    EXPECT_EQ(c.Record.GrilleSizeB, 7.0);
    EXPECT_EQ(c.Record.GrilleLossCoefficient, 1.6);
}

TEST(dialog_actions, grille_loss_coefficients_from_the_tables)
{
    struct Row {
        const char* Name;
        DialogId Dialog;
        const char* Combo;
        const char* Setting;
        double Zeta;
        double Tolerance;
    };
    const Row rows[] = {
        {"LUMA 75/80 closed", DialogId::Form2222, "LUMA 75/80", "0", 35.6161, 0.00005},
        {"LUMA 75/80 5 turns", DialogId::Form2222, "LUMA 75/80", "5", 7.5305, 0.00005},
        {"LUMA 75/80 10 turns", DialogId::Form2222, "LUMA 75/80", "10", 3.3271, 0.00005},
        {"LUMA 75/80 20 turns", DialogId::Form2222, "LUMA 75/80", "20", 1.9621, 0.00005},
        {"LUMA 200 closed", DialogId::Form2222, "LUMA 200", "0", 171.713, 0.0005},
        {"LUMA 200 20 turns", DialogId::Form2222, "LUMA 200", "20", 2.099, 0.0005},
        {"no combo choice is the first size", DialogId::Form2222, "", "5", 7.5305, 0.00005},
        {"-3 turns are 0", DialogId::Form2222, "LUMA 125", "-3", 89.352, 0.0},
        {"100 mm at 15", DialogId::Form22222, "100 mm", "15", 263.64, 0.005},
        {"100 mm at 30", DialogId::Form22222, "100 mm", "30", 77.15, 0.005},
        {"100 mm at 90", DialogId::Form22222, "100 mm", "90", 11.00, 0.005},
        {"116 mm at 30", DialogId::Form22222, "116 mm", "30", 140.64, 0.005},
        {"Qs 10 is 15", DialogId::Form22222, "100 mm", "10", 263.64, 0.005},
        {"Qs 120 is 90", DialogId::Form22222, "100 mm", "120", 11.00, 0.005},
        {"NEVA-70 at 10", DialogId::Form222222, "NEVA-70", "10", 35.094, 0.0005},
        {"NEVA-70 at 80", DialogId::Form222222, "NEVA-70", "80", 16.91, 0.005},
        {"NEVA-20 far outside its range", DialogId::Form222222, "NEVA-20", "60", 35020, 0.5},
        {"unknown text is the first type", DialogId::Form222222, "NEVA-99", "60", 35020, 0.5},
    };
    for (const Row& row : rows) {
        Confirmed c = Confirm(row.Dialog, Edits({"3", "5", row.Setting}, row.Combo));
        ASSERT_TRUE(c.Outcome.Accepted) << row.Name;
        EXPECT_NEAR(c.Record.GrilleLossCoefficient, row.Zeta, row.Tolerance) << row.Name;
    }
}

TEST(dialog_actions, grille_formulas_in_their_order_of_operations)
{
    Confirmed c = Confirm(DialogId::Form2222, Edits({"3", "5", "7"}, "LUMA 160"));
    const double x = 7;
    EXPECT_EQ(c.Record.GrilleLossCoefficient, 0.001142 * std::pow(x, 4) + -0.08547 * std::pow(x, 3) +
                                                  2.38995 * std::pow(x, 2) + -30.2484 * x + 153.971);
    c = Confirm(DialogId::Form22222, Edits({"3", "5", "47"}, "125 mm"));
    EXPECT_EQ(c.Record.GrilleLossCoefficient, std::exp(-1.7399 * std::log(47.0) + 11.1626));
}

TEST(dialog_actions, grille_sizes_written_and_kept)
{
    Confirmed c = Confirm(DialogId::Form2222, Edits({"3", "5", "5"}));
    EXPECT_EQ(c.Record.GrilleSizeA, 0.046) << "LUMA 75/80 without a combo choice";
    EXPECT_EQ(c.Record.GrilleArea, kPi * 0.046 * 0.046 * 0.25);
    EXPECT_EQ(c.Record.GrilleSizeB, 7.0);

    c = Confirm(DialogId::Form22222, Edits({"3", "5", "30"}, "116 mm"));
    EXPECT_EQ(c.Record.GrilleSizeA, 0.116);
    EXPECT_NEAR(c.Record.GrilleArea, 0.0105683, 0.00000005);
    EXPECT_EQ(c.Record.GrilleSizeB, 7.0);

    for (const char* type : {"NEVA-20", "NEVA-30", "NEVA-50", "NEVA-70"}) {
        c = Confirm(DialogId::Form222222, Edits({"3", "5", "20"}, type));
        EXPECT_EQ(c.Record.GrilleArea, 0.01) << type;
        EXPECT_EQ(c.Record.GrilleSizeA, 0.1) << type;
        EXPECT_EQ(c.Record.GrilleSizeB, 0.1) << type;
    }
}

TEST(dialog_actions, limited_settings_are_saved_limited)
{
    const std::string dir = ScratchDir("limits");
    struct Row {
        const char* Name;
        DialogId Dialog;
        const char* Setting;
        const char* File;
    };
    const Row rows[] = {
        {"-3 turns", DialogId::Form2222, "-3", "2.80\n4\n0\n"},
        {"25 turns", DialogId::Form2222, "25", "2.80\n4\n20\n"},
        {"Qs 10", DialogId::Form22222, "10", "2.80\n4\n15\n"},
        {"Qs 120", DialogId::Form22222, "120", "2.80\n4\n90\n"},
        {"Qs 100 as typed", DialogId::Form222222, "100", "2.80\n4\n100\n"},
        {"Qs 100 limited", DialogId::Form22222, "100", "2.80\n4\n90\n"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(SavedFile(row.Dialog, Edits({"2.8", "4", row.Setting}), dir), row.File) << row.Name;
    Confirmed c = Confirm(DialogId::Form2222, Edits({"3", "5", "25"}, "LUMA 75/80"));
    EXPECT_EQ(c.Record.GrilleLossCoefficient,
              Confirm(DialogId::Form2222, Edits({"3", "5", "20"}, "LUMA 75/80")).Record.GrilleLossCoefficient);
}

TEST(dialog_actions, value_files_are_written_exactly)
{
    const std::string dir = ScratchDir("golden");
    struct Row {
        DialogId Dialog;
        DialogInput Input;
    };
    DialogInput variant = Edits({"0.5"});
    variant.ComboIndex = 2;
    const Row rows[] = {
        {DialogId::OKBottomDlg, Edits({"1.2"})},
        {DialogId::Form3, Edits({" 20.7", "1013", "50%"})},
        {DialogId::Form1, Edits({"0.3", "0.15"})},
        {DialogId::Form4, Edits({"0.2"})},
        {DialogId::Form22, Edits({"2.8", "12", "0.2", "0.25", "4,6"})},
        {DialogId::Form222, Edits({"3.125", "9", "0.1", "1.6"})},
        {DialogId::Form2222, Edits({"2.9", "5", "25"}, "LUMA 100")},
        {DialogId::Form22222, Edits({"3", "6", "10"}, "116 mm")},
        {DialogId::Form222222, Edits({"2.75", "99", "100"}, "NEVA-30")},
        {DialogId::OKBottomDlg1, Edits({"0.5"})},
        {DialogId::OKBottomDlg2, variant},
    };
    for (const Row& row : rows) {
        const std::string name = ValueFileOf(row.Dialog)->FileName;
        EXPECT_EQ(CompareWithGolden("dialogs/" + name, SavedFile(row.Dialog, row.Input, dir)), "") << name;
    }
}

TEST(dialog_actions, dry_run_and_unwritable_files)
{
    const std::string dir = ScratchDir("files");
    CalcRecord record = MarkedRecord();
    FileProblems problems;
    ConfirmDialog(DialogId::Form4, Edits({"0.2"}), record, ValueFileTarget{dir, false}, problems);
    EXPECT_EQ(ReadFileForTest(JoinPath(dir, "dialog22.sav")), "") << "a dry run saves nothing";
    EXPECT_TRUE(problems.Empty());

    const std::string missing = JoinPath(dir, "no_such_dir");
    DialogOutcome outcome =
        ConfirmDialog(DialogId::Form4, Edits({"0.3"}), record, ValueFileTarget{missing, true}, problems);
    EXPECT_TRUE(outcome.Accepted);
    EXPECT_EQ(record.DuctDiameter, 0.3) << "stored although the file cannot be written";
    ASSERT_EQ(problems.Paths().size(), 1u);
    EXPECT_EQ(problems.Paths()[0], JoinPath(missing, "dialog22.sav"));
}

TEST(dialog_actions, fan_chooser)
{
    struct Row {
        const char* Name;
        int Choice;
        int32_t FanIndex;
    };
    const Row rows[] = {
        {"first button", 1, 1},
        {"last button", 58, 58},
        {"entry 36", 36, 36},
        {"entry without a button", 20, 7},
        {"none checked", 0, 7},
        {"outside the catalogue", 59, 7},
        {"negative", -1, 7},
    };
    for (const Row& row : rows)
        EXPECT_EQ(Confirm(DialogId::OKBottomDlg_wyw, Radio(row.Choice)).Record.FanIndex, row.FanIndex) << row.Name;
}

TEST(dialog_actions, requested_flows)
{
    const std::string dir = ScratchDir("flows");
    Confirmed c = Confirm(DialogId::OKBottomDlg1, Edits({"0.5"}));
    EXPECT_EQ(c.Record.RegulatedFlow, 0.5);
    c = Confirm(DialogId::OKBottomDlg1, Edits({"0.12345"}));
    EXPECT_EQ(c.Record.RegulatedFlow, 0.12345) << "the record keeps every digit";
    EXPECT_EQ(SavedFile(DialogId::OKBottomDlg1, Edits({"0.12345"}), dir), "0.123\n");

    DialogInput input = Edits({"1.0"});
    c = Confirm(DialogId::OKBottomDlg2, input);
    EXPECT_EQ(c.Record.VariantRegulatedFlow, 1.0);
    EXPECT_EQ(c.Record.RegulationVariant, -1) << "no item selected";
    input.ComboIndex = 1;
    c = Confirm(DialogId::OKBottomDlg2, input);
    EXPECT_EQ(c.Record.RegulationVariant, 1);
    EXPECT_EQ(c.Record.RegulatedFlow, 7.0) << "the other request is kept";
}

TEST(dialog_actions, refusals_store_and_save_nothing)
{
    struct Row {
        const char* Name;
        DialogId Dialog;
        DialogInput Input;
        const char* Message;
    };
    const char* density = "Dla podanych parametrów nie można obliczyć gęstości powietrza.\nProszę poprawić dane.";
    const char* diameter =
        "Dla podanych wymiarów nie można obliczyć średnicy równoważnej kanału.\nProszę poprawić dane.";
    const char* storeys = "Ilość kondygnacji musi być liczbą z zakresu 0 do 99.";
    const char* flow = "Wydajność regulowana musi być większa od zera.";
    const Row rows[] = {
        {"pressure 0", DialogId::Form3, Edits({"20", "0", "50"}), density},
        {"pressure 0 without humidity", DialogId::Form3, Edits({"20", "0", "0"}), density},
        {"pressure as text", DialogId::Form3, Edits({"20", "Edit2", "50"}), density},
        {"temperature -273", DialogId::Form3, Edits({"-273", "1013", "50"}), density},
        {"a + b = 0", DialogId::Form1, Edits({"0.5", "-0.5"}), diameter},
        {"both sides 0", DialogId::Form1, Edits({"0", "0"}), diameter},
        {"sides too large", DialogId::Form1, Edits({"1e300", "1e300"}), diameter},
        {"-1 storeys", DialogId::Form22, Edits({"3", "-1", "0.2", "0.2", "2"}), storeys},
        {"100 storeys", DialogId::Form222, Edits({"3", "100", "0.1", "2"}), storeys},
        {"huge storey count", DialogId::Form2222, Edits({"3", "99999999999", "5"}), storeys},
        {"storeys above 32 bits", DialogId::Form22222, Edits({"3", "4294967297", "30"}), storeys},
        {"storeys 1000", DialogId::Form222222, Edits({"3", "1000", "30"}), storeys},
        {"flow 0", DialogId::OKBottomDlg1, Edits({"0"}), flow},
        {"flow with comma", DialogId::OKBottomDlg1, Edits({"0,5"}), flow},
        {"negative flow", DialogId::OKBottomDlg2, Edits({"-1"}), flow},
        {"flow as text", DialogId::OKBottomDlg2, Edits({"Edit1"}), flow},
    };
    const std::string dir = ScratchDir("refusals");
    for (const Row& row : rows) {
        const std::string path = JoinPath(dir, ValueFileOf(row.Dialog)->FileName);
        std::ofstream(path, std::ios::binary) << "old\n";
        CalcRecord record = MarkedRecord();
        FileProblems problems;
        DialogOutcome outcome = ConfirmDialog(row.Dialog, row.Input, record, ValueFileTarget{dir, true}, problems);
        EXPECT_FALSE(outcome.Accepted) << row.Name;
        EXPECT_EQ(outcome.Message, row.Message) << row.Name;
        EXPECT_EQ(ReadFileForTest(path), "old\n") << row.Name << ": file untouched";
        CalcRecord marked = MarkedRecord();
        EXPECT_EQ(record.AirDensity, marked.AirDensity) << row.Name;
        EXPECT_EQ(record.DuctDiameter, marked.DuctDiameter) << row.Name;
        EXPECT_EQ(record.DuctArea, marked.DuctArea) << row.Name;
        EXPECT_EQ(record.DuctSideA, marked.DuctSideA) << row.Name;
        EXPECT_EQ(record.StoreyCount, marked.StoreyCount) << row.Name;
        EXPECT_EQ(record.StoreyHeight, marked.StoreyHeight) << row.Name;
        EXPECT_EQ(record.GrilleLossCoefficient, marked.GrilleLossCoefficient) << row.Name;
        EXPECT_EQ(record.GrilleArea, marked.GrilleArea) << row.Name;
        EXPECT_EQ(record.GrilleSizeA, marked.GrilleSizeA) << row.Name;
        EXPECT_EQ(record.RegulatedFlow, marked.RegulatedFlow) << row.Name;
        EXPECT_EQ(record.VariantRegulatedFlow, marked.VariantRegulatedFlow) << row.Name;
        EXPECT_EQ(record.RegulationVariant, marked.RegulationVariant) << row.Name;
    }
}

TEST(dialog_actions, storey_count_limits_are_accepted)
{
    for (const char* count : {"0", "99", "+99", "  7"}) {
        Confirmed c = Confirm(DialogId::Form22, Edits({"3", count, "0.2", "0.2", "2"}));
        EXPECT_TRUE(c.Outcome.Accepted) << count;
        EXPECT_EQ(c.Outcome.Message, "") << count;
    }
    EXPECT_EQ(Confirm(DialogId::Form22, Edits({"3", "Edit2", "0.2", "0.2", "2"})).Record.StoreyCount, 0)
        << "text without a number is 0 storeys";
}

TEST(dialog_actions, missing_edit_texts_count_as_empty)
{
    Confirmed c = Confirm(DialogId::Form22, Edits({"3"}));
    EXPECT_TRUE(c.Outcome.Accepted);
    EXPECT_EQ(c.Record.StoreyCount, 0);
    EXPECT_EQ(c.Record.GrilleArea, 0.0);
}

TEST(dialog_actions, combo_items_and_texts)
{
    EXPECT_EQ(ComboItems(DialogId::Form22222), (std::vector<std::string>{"100 mm", "116 mm", "125 mm"}));
    EXPECT_EQ(ComboItems(DialogId::OKBottomDlg2).at(1), "Wentylator z podstawą tłumiącą");
    EXPECT_TRUE(ComboItems(DialogId::Form22).empty());

    EXPECT_EQ(ComboItemForText(DialogId::Form22222, "125 mm"), 2);
    EXPECT_EQ(ComboItemForText(DialogId::Form22222, "125mm"), 0) << "exact match only";
    EXPECT_EQ(ComboItemForText(DialogId::Form2222, "luma 200"), 0);
    EXPECT_EQ(ComboItemForText(DialogId::Form222222, "NEVA-70"), 3);
    EXPECT_EQ(ComboItemForText(DialogId::OKBottomDlg2, "Wentylator z tłumikiem cylindrycznym"), 2);

    // Captions kept letter for letter, including their slips.
    EXPECT_EQ(RadioCaptions(DialogId::OKBottomDlg3).at(1), "Podać wartość Ro z klawiatuy");
    EXPECT_EQ(RadioCaptions(DialogId::OKBottomDlg333), (std::vector<std::string>{"Prostokątny", "Okrągły"}));
    EXPECT_EQ(RadioCaptions(DialogId::OKBottomDlg3333).at(4),
              "Budynek wielokondygnacyjny - kratka prostokątna stałej wydajności");
    EXPECT_TRUE(RadioCaptions(DialogId::Form3).empty());
}
