// Every dialog's OK: values stored and kept, lines saved, refusals, and the dialogs' fixed texts.
#include "dialogs/dialog_actions.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "output/text_file.h"
#include "support/test_support.h"

namespace {

constexpr double kPi = 3.141592653589793;

namespace fs = std::filesystem;
using D = DialogId;
using R = CalcRecord;

// The fields the dialogs write; a marked record holds 7 in each, to see which ones a dialog writes.
constexpr double R::*kMarkedDoubles[] = {
    &R::AirDensity,    &R::DuctRoughness,        &R::DuctArea,   &R::DuctDiameter, &R::GrilleArea,
    &R::DuctSideA,     &R::DuctSideB,            &R::GrilleSizeA, &R::GrilleSizeB, &R::StoreyHeight,
    &R::RegulatedFlow, &R::VariantRegulatedFlow, &R::GrilleLossCoefficient, &R::AirTemperature,
    &R::GrilleSetFlowHourly, &R::OutsideTemperature, &R::StoreyFanSpeed};
constexpr int32_t R::*kMarkedInts[] = {&R::DensitySource, &R::DuctShape,   &R::InstallationKind,
                                       &R::FanIndex,      &R::StoreyCount, &R::RegulationVariant,
                                       &R::StoreyStackEffect};

CalcRecord MarkedRecord()
{
    CalcRecord record;
    ResetCalcRecord(record);
    for (double R::*field : kMarkedDoubles)
        record.*field = 7.0;
    for (int32_t R::*field : kMarkedInts)
        record.*field = 7;
    return record;
}

DialogInput Edits(std::vector<std::string> edits, std::string combo = "", int comboIndex = -1)
{
    return {std::move(edits), 0, std::move(combo), comboIndex};
}

DialogInput Radio(int choice) { return {{}, choice, "", -1}; }

// The marked record after the dialog's OK, which must accept; the value file is saved into `dir` if given.
CalcRecord Confirmed(DialogId dialog, const DialogInput& input, const std::string& dir = "")
{
    CalcRecord record = MarkedRecord();
    FileProblems problems;
    const DialogOutcome outcome = ConfirmDialog(dialog, input, record, ValueFileTarget{dir, !dir.empty()}, problems);
    EXPECT_TRUE(outcome.Accepted && outcome.Message.empty() && problems.Empty()) << outcome.Message;
    return record;
}

std::string SavedFile(DialogId dialog, const std::string& dir)
{
    return ReadFileForTest(JoinPath(dir, ValueFileOf(dialog)->FileName));
}

// A record field of either type, read as a double, with the value expected in it (tolerance 0: exactly).
struct Expect {
    Expect(double R::*field, double value, double tolerance = 0) : Double(field), Value(value), Tolerance(tolerance) {}
    Expect(int32_t R::*field, int32_t value) : Int(field), Value(value) {}
    double Of(const CalcRecord& record) const { return Double ? record.*Double : record.*Int; }
    double R::*Double = nullptr;
    int32_t R::*Int = nullptr;
    double Value, Tolerance = 0;
};

}  // namespace

TEST(dialog_actions, stored_and_kept_values)
{
    constexpr auto kZeta = &R::GrilleLossCoefficient;
    constexpr double kEquivalent = 2 * 0.2 * 0.3 / (0.2 + 0.3);  // m : of a 0.2 x 0.3 duct
    struct Row { const char* Name; DialogId Dialog; DialogInput Input; std::vector<Expect> Expected; const char* File = nullptr; };
    const Row rows[] = {
        {"air state", D::Form3, Edits({"20", "1013", "50"}), {{&R::AirDensity, 1.1992, 0.00005}, {&R::AirTemperature, 20}}},
        {"dry air: R is exactly 287.04", D::Form3, Edits({"20", "1013", "0"}),
         {{&R::AirDensity, 101300.0 / (293.0 * 287.04)}}},
        {"rectangular duct 0.5 x 0.5", D::Form1, Edits({"0.5", "0.5"}),
         {{&R::DuctDiameter, 0.5}, {&R::DuctArea, 0.19635, 0.000005}, {&R::DuctSideA, 0.5}, {&R::DuctSideB, 0.5}}},
        {"the circle of the equivalent diameter, not a x b", D::Form1, Edits({"0.2", "0.3"}),
         {{&R::DuctDiameter, 0.24, 1e-15}, {&R::DuctArea, kPi * kEquivalent * kEquivalent * 0.25},
          {&R::DuctArea, 0.045239, 0.0000005}}},
        {"round duct keeps the sides", D::Form4, Edits({"0.2"}),
         {{&R::DuctDiameter, 0.2}, {&R::DuctArea, 0.0314159, 0.00000005}, {&R::DuctSideA, 7.0}, {&R::DuctSideB, 7.0}}},
        {"rectangular grille, blanks aside", D::Form22, Edits({"2.8", "4", "0.2", "0.25", " 4.6\t"}),
         {{&R::StoreyHeight, 2.8}, {&R::StoreyCount, 4}, {&R::GrilleArea, 0.2 * 0.25}, {&R::GrilleSizeA, 0.2},
          {&R::GrilleSizeB, 0.25}, {kZeta, 4.6}}},
        {"round grille keeps the width", D::Form222, Edits({"3", "+20", "0.1", "1.6"}),
         {{&R::StoreyCount, 20}, {&R::GrilleArea, 0.00785398, 0.000000005}, {&R::GrilleSizeA, 0.1},
          {&R::GrilleSizeB, 7.0}, {kZeta, 1.6}}},
        {"0 storeys", D::Form22, Edits({"3", "0", "0.2", "0.2", "2"}), {{&R::StoreyCount, 0}}},
        {"99 storeys", D::Form22, Edits({"3", "99", "0.2", "0.2", "2"}), {{&R::StoreyCount, 99}}},
        {"LUMA 75/80 without a combo choice", D::Form2222, Edits({"3", "5", "5"}),
         {{kZeta, 7.5305, 0.00005}, {&R::GrilleSizeA, 0.046}, {&R::GrilleArea, kPi * 0.046 * 0.046 * 0.25},
          {&R::GrilleSizeB, 7.0}}},
        {"LUMA 75/80 closed", D::Form2222, Edits({"3", "5", "0"}, "LUMA 75/80"), {{kZeta, 35.6161, 0.00005}}},
        {"LUMA 75/80 10 turns", D::Form2222, Edits({"3", "5", "10"}, "LUMA 75/80"), {{kZeta, 3.3271, 0.00005}}},
        {"25 turns are 20", D::Form2222, Edits({"3", "5", "25"}, "LUMA 75/80"), {{kZeta, 1.9621, 0.00005}}},
        {"-3 turns are 0", D::Form2222, Edits({"3", "5", "-3"}, "LUMA 125"), {{kZeta, 89.352}}, "3.00\n5\n0\n"},
        {"LUMA 200 closed", D::Form2222, Edits({"3", "5", "0"}, "LUMA 200"), {{kZeta, 171.713, 0.0005}}},
        {"LUMA 160, terms in their order", D::Form2222, Edits({"3", "5", "13"}, "LUMA 160"),
         {{kZeta, 0.001142 * std::pow(13.0, 4) + -0.08547 * std::pow(13.0, 3) + 2.38995 * std::pow(13.0, 2) +
                      -30.2484 * 13.0 + 153.971}}},
        {"100 mm at 30", D::Form22222, Edits({"3", "5", "30"}, "100 mm"),
         {{kZeta, 77.15, 0.005}, {&R::GrilleSetFlowHourly, 30}}},
        {"Qs 10 is 15", D::Form22222, Edits({"3", "5", "10"}, "100 mm"),
         {{kZeta, 263.64, 0.005}, {&R::GrilleSetFlowHourly, 15}}},
        {"Qs 120 is 90", D::Form22222, Edits({"3", "5", "120"}, "100 mm"), {{kZeta, 11.00, 0.005}}, "3.00\n5\n90\n"},
        {"116 mm at 30", D::Form22222, Edits({"3", "5", "30"}, "116 mm"),
         {{kZeta, 140.64, 0.005}, {&R::GrilleSizeA, 0.116}, {&R::GrilleArea, 0.0105683, 0.00000005},
          {&R::GrilleSizeB, 7.0}}},
        {"125 mm at 47, in its order", D::Form22222, Edits({"3", "5", "47"}, "125 mm"),
         {{kZeta, std::exp(-1.7399 * std::log(47.0) + 11.1626)}}},
        {"NEVA-70 at 10", D::Form222222, Edits({"3", "5", "10"}, "NEVA-70"),
         {{kZeta, 35.094, 0.0005}, {&R::GrilleSetFlowHourly, 10}, {&R::GrilleArea, 0.01}, {&R::GrilleSizeA, 0.1}, {&R::GrilleSizeB, 0.1}}},
        {"NEVA-20 far outside its range", D::Form222222, Edits({"3", "5", "60"}, "NEVA-20"),
         {{kZeta, 35020, 0.5}, {&R::GrilleArea, 0.01}, {&R::GrilleSizeA, 0.1}, {&R::GrilleSizeB, 0.1}}},
        {"unknown text is the first type", D::Form222222, Edits({"3", "5", "60"}, "NEVA-99"), {{kZeta, 35020, 0.5}}},
        {"the longest storey height line", D::Form22222, Edits({"1e15", "5", "30"}),
         {{&R::StoreyHeight, 1e15}}, "1000000000000000.00\n5\n30\n"},
        {"the longest density line", D::OKBottomDlg, Edits({"8e24"}), {}, "7999999999999999865782272.000\n"},
        {"regulated flow: every digit kept, three saved", D::OKBottomDlg1, Edits({"0.12345"}), {{&R::RegulatedFlow, 0.12345}}, "0.123\n"},
        {"variant flow without a selected item", D::OKBottomDlg2, Edits({"1.0"}),
         {{&R::VariantRegulatedFlow, 1.0}, {&R::RegulationVariant, -1}}},
        {"variant 1 keeps the other request", D::OKBottomDlg2, Edits({"1.0"}, "", 1),
         {{&R::RegulationVariant, 1}, {&R::RegulatedFlow, 7.0}}},
        {"required flow: every digit kept, one decimal saved", D::OKBottomDlg6, Edits({"52.47"}),
         {{&R::RequiredGrilleFlowHourly, 52.47}}, "52.5\n"},
        {"stack effect at -20.5", D::OKBottomDlg7, Edits({"1", "-20.5", "0"}),
         {{&R::StoreyStackEffect, 1}, {&R::OutsideTemperature, -20.5}, {&R::StoreyFanSpeed, 0}}, "1\n-20.5\n0.0\n"},
        {"without the stack effect any temperature is kept", D::OKBottomDlg7, Edits({"0", "500", "0"}),
         {{&R::StoreyStackEffect, 0}, {&R::OutsideTemperature, 500}}},
        {"a ticked box saved as 1", D::OKBottomDlg7, Edits({"5", "60", "0"}), {{&R::StoreyStackEffect, 1}}, "1\n60.0\n0.0\n"},
    };
    const std::string dir = ScratchDir("stored");
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Name);
        const CalcRecord record = Confirmed(row.Dialog, row.Input);
        for (const Expect& expected : row.Expected)
            EXPECT_NEAR(expected.Of(record), expected.Value, expected.Tolerance);
        if (row.File) {
            Confirmed(row.Dialog, row.Input, dir);
            EXPECT_EQ(SavedFile(row.Dialog, dir), row.File);
        }
    }

    // Radio dialogs, {button, stored value}: a choice without a button keeps the 7; fan entry 20 has none.
    struct Radios { DialogId Dialog; Expect Field; std::vector<std::pair<int, double>> Choices; };
    const Radios radios[] = {
        {D::OKBottomDlg3, {&R::DensitySource, 0}, {{0, 0}, {1, 1}, {2, 7}}},
        {D::OKBottomDlg333, {&R::DuctShape, 0}, {{0, 0}, {1, 1}, {-1, 7}}},
        {D::OKBottomDlg3333, {&R::InstallationKind, 0}, {{0, 1}, {4, 5}, {5, 7}}},
        {D::OKBottomDlg33333, {&R::DuctRoughness, 0}, {{0, 1.8}, {1, 2.5}, {2, 3}, {3, 5}, {4, 7.5}, {5, 10}, {6, 7}}},
        {D::OKBottomDlg_wyw, {&R::FanIndex, 0}, {{1, 1}, {58, 58}, {36, 36}, {20, 7}, {0, 7}, {59, 7}, {-1, 7}}},
    };
    for (const Radios& radio : radios)
        for (const auto& [button, value] : radio.Choices)
            EXPECT_EQ(radio.Field.Of(Confirmed(radio.Dialog, Radio(button))), value)
                << "dialog " << static_cast<int>(radio.Dialog) << ", button " << button;

    EXPECT_TRUE(std::isfinite(Confirmed(D::Form3, Edits({"-3000000000", "5000000000", "10"})).AirDensity))
        << "huge values stay finite in 64-bit arithmetic";
}

TEST(dialog_actions, value_files_are_written_exactly)
{
    // The inputs show 25 turns saved as 20, Qs 10 as 15, Qs 100 of kind 5 as typed.
    const std::string dir = ScratchDir("golden");
    struct Row { DialogId Dialog; const char* FileName; std::vector<int> Widths; DialogInput Input; };
    const Row rows[] = {
        {D::OKBottomDlg, "dialog.sav", {29}, Edits({"1.2"})},
        {D::Form3, "dialog1.sav", {29, 19, 19}, Edits({" 20 ", "1013", "50"})},
        {D::Form1, "dialog2.sav", {19, 19}, Edits({"0.3", "0.15"})},
        {D::Form4, "dialog22.sav", {19}, Edits({"0.2"})},
        {D::Form22, "dialog33.sav", {19, 19, 19, 19, 19}, Edits({"2.8", "12", "0.2", "0.25", "4"})},
        {D::Form222, "dialog333.sav", {19, 19, 19, 19}, Edits({"3.125", "9", "0.1", "1.6"})},
        {D::Form2222, "dialog3333.sav", {19, 19, 19}, Edits({"2.9", "5", "25"}, "LUMA 100")},
        {D::Form22222, "dialog33333.sav", {19, 19, 19}, Edits({"3", "6", "10"}, "116 mm")},
        {D::Form222222, "dialog333333.sav", {19, 19, 19}, Edits({"2.75", "99", "100"}, "NEVA-30")},
        {D::OKBottomDlg1, "dialog4.sav", {29}, Edits({"0.5"})},
        {D::OKBottomDlg2, "dialog5.sav", {29}, Edits({"0.5"}, "", 2)},
        {D::OKBottomDlg6, "dialog6.sav", {29}, Edits({"50"})},
        {D::OKBottomDlg7, "dialog7.sav", {19, 19, 19}, Edits({"1", "-20", "0"})},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.FileName);
        ASSERT_NE(ValueFileOf(row.Dialog), nullptr);
        EXPECT_STREQ(ValueFileOf(row.Dialog)->FileName, row.FileName);
        EXPECT_EQ(ValueFileOf(row.Dialog)->Widths, row.Widths);
        Confirmed(row.Dialog, row.Input, dir);
        EXPECT_EQ(CompareWithGolden(std::string("dialogs/") + row.FileName, SavedFile(row.Dialog, dir)), "");
    }
}

TEST(dialog_actions, edit_texts_at_creation_come_from_the_value_file)
{
    const std::string dir = ScratchDir("creation");
    EXPECT_EQ(EditTextsAtCreation(D::Form3, dir), (std::vector<std::string>{"", "", ""}));
    std::ofstream(JoinPath(dir, "dialog1.sav"), std::ios::binary) << "20\r\n1013\r\n";
    EXPECT_EQ(EditTextsAtCreation(D::Form3, dir), (std::vector<std::string>{"20", "1013", ""}))
        << "CR LF dropped, a missing third line starts empty";
    EXPECT_TRUE(EditTextsAtCreation(D::OKBottomDlg3, dir).empty());
    EXPECT_EQ(UnreadableValueFilesMessage(dir), "");

    // A value file that cannot be read: empty boxes, and one message naming it and its dialog.
    fs::create_directory(JoinPath(dir, "dialog3333.sav"));
    EXPECT_EQ(EditTextsAtCreation(D::Form2222, dir), (std::vector<std::string>{"", "", ""}));
    EXPECT_EQ(DialogsWithUnreadableValueFiles(dir), std::vector<DialogId>{D::Form2222});
    EXPECT_EQ(UnreadableValueFilesMessage(dir),
              "Nie można odczytać zapamiętanych wartości z plików:\n„dialog3333.sav” (okno „Parametry budynku”)\n"
              "Pola tych okien są puste; każdy z tych plików zostanie zastąpiony dopiero po zatwierdzeniu jego "
              "okna przyciskiem OK.");
}

TEST(dialog_actions, dry_run_and_unwritable_files)
{
    const std::string dir = ScratchDir("files");
    CalcRecord record = MarkedRecord();
    FileProblems problems;
    ConfirmDialog(D::Form4, Edits({"0.2"}), record, ValueFileTarget{dir, false}, problems);
    EXPECT_EQ(ReadFileForTest(JoinPath(dir, "dialog22.sav")), "") << "a dry run saves nothing";
    EXPECT_TRUE(problems.Empty());

    const std::string missing = JoinPath(dir, "no_such_dir");
    const ValueFileTarget unwritable{missing, true};
    EXPECT_TRUE(ConfirmDialog(D::Form4, Edits({"0.3"}), record, unwritable, problems).Accepted);
    EXPECT_EQ(record.DuctDiameter, 0.3) << "stored although the file cannot be written";
    EXPECT_EQ(problems.Paths(), (std::vector<std::string>{JoinPath(missing, "dialog22.sav")}));
}

// Every refusal's message, one case after another, is in dialogs/refusals.txt.
TEST(dialog_actions, refusals_store_and_save_nothing)
{
    struct Row { const char* Name; DialogId Dialog; DialogInput Input; };
    const Row rows[] = {
        {"pressure 0", D::Form3, Edits({"20", "0", "50"})},
        {"temperature -273", D::Form3, Edits({"-273", "1013", "50"})},
        {"a + b = 0", D::Form1, Edits({"0.5", "-0.5"})},
        {"sides too large", D::Form1, Edits({"1e300", "1e300"})},
        {"-1 storeys", D::Form22, Edits({"3", "-1", "0.2", "0.2", "2"})},
        {"100 storeys", D::Form222, Edits({"3", "100", "0.1", "2"})},
        {"huge storey count", D::Form2222, Edits({"3", "99999999999", "5"})},
        {"storeys above 32 bits", D::Form22222, Edits({"3", "4294967297", "30"})},
        {"storeys 1000", D::Form222222, Edits({"3", "1000", "30"})},
        {"flow 0", D::OKBottomDlg1, Edits({"0"})},
        {"a decimal comma", D::Form4, Edits({"0,25"})},
        {"a decimal comma between blanks", D::Form22, Edits({"2.8", "4", "0.2", "0.25", " 4,6 "})},
        {"two commas", D::Form1, Edits({"0.2", "1,2,3"})},
        {"the control's name", D::OKBottomDlg, Edits({"Edit1"})},
        {"an exponent without digits", D::OKBottomDlg2, Edits({"1e"}, "", 1)},
        {"control bytes shown escaped", D::Form4, Edits({"0.2\x01"})},
        {"an empty box", D::OKBottomDlg1, Edits({" "})},
        {"a box not passed", D::Form22, Edits({"3"})},
        {"a fraction in an integer box", D::Form222, Edits({"3", "20.5", "0.1", "1.6"})},
        {"a unit after the number", D::Form3, Edits({"20", "1013", "50%"})},
        {"an infinite flow", D::OKBottomDlg1, Edits({"1e400"})},
        {"an infinite grille height", D::Form22, Edits({"3", "10", "1e400", "0.25", "2"})},
        {"a density line longer than 29", D::OKBottomDlg, Edits({"1e25"})},
        {"a storey height line longer than 19", D::Form22222, Edits({"-1e15", "5", "30"})},
        {"negative flow", D::OKBottomDlg2, Edits({"-1"}, "", 1)},
        {"required flow 0", D::OKBottomDlg6, Edits({"0"})},
        {"outside -61", D::OKBottomDlg7, Edits({"1", "-61", "0"})},
        {"faster than the catalogue", D::OKBottomDlg7, Edits({"0", "0", "1"})},
        {"negative speed", D::OKBottomDlg7, Edits({"0", "0", "-1"})},
    };
    const std::string dir = ScratchDir("refusals");
    std::string messages;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Name);
        const std::string path = JoinPath(dir, ValueFileOf(row.Dialog)->FileName);
        std::ofstream(path, std::ios::binary) << "old\n";
        CalcRecord record = MarkedRecord();
        FileProblems problems;
        const DialogOutcome outcome =
            ConfirmDialog(row.Dialog, row.Input, record, ValueFileTarget{dir, true}, problems);
        EXPECT_FALSE(outcome.Accepted);
        messages += std::string(row.Name) + ": " + outcome.Message + "\n";
        EXPECT_EQ(ReadFileForTest(path), "old\n") << "file untouched";
        for (double R::*field : kMarkedDoubles)
            EXPECT_EQ(record.*field, 7.0);
        for (int32_t R::*field : kMarkedInts)
            EXPECT_EQ(record.*field, 7);
    }
    EXPECT_EQ(CompareWithGolden("dialogs/refusals.txt", messages), "");
}

// The captions themselves are in the forms' dump.
TEST(dialog_actions, combo_texts_and_captions)
{
    EXPECT_EQ(ComboItemForText(D::Form22222, "125mm"), 0) << "exact match only";
    EXPECT_EQ(ComboItemForText(D::OKBottomDlg2, "Wentylator z tłumikiem cylindrycznym"), 2);

    EXPECT_TRUE(RadioCaptions(D::Form3).empty());
}
