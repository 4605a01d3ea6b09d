// The OK of every input dialog, the fan chooser and the two request dialogs: the texts of the
// controls are converted as the dialogs always did, stored in the record and saved in the
// dialog's value file. Also the fixed texts and tables the dialogs show.
#include "dialogs/dialog_actions.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <iterator>
#include <optional>
#include <string_view>

#include "dialogs/text_to_number.h"
#include "model/fan_catalogue.h"
#include "output/number_format.h"
#include "output/text_file.h"

namespace {

constexpr double kPi = 3.141592653589793;

// ---------------------------------------------------------------------------------------------
// Fixed tables

struct Material {
    const char* Caption;  // radio caption of the material dialog
    double Roughness;     // - : DuctRoughness
};

// Columns: radio caption, roughness coefficient.
constexpr Material kMaterials[] = {
    {"Rura stalowa ocynkowana czysta",                       1.8},
    {"Nowa rura odlewana, blacha stalowa, gładki cement ",   2.5},
    {"Zwyczajnie ocynkowana rura stalowa",                   3.0},
    {"Stara rura stalowa zardzewiała",                       5.0},
    {"Surowy cement lub deski",                              7.5},
    {"Cegła",                                               10.0},
};

// Adjustable round grilles: zeta(n) = c4 n^4 + c3 n^3 + c2 n^2 + c1 n + c0 for n turns.
struct AdjustableGrille {
    const char* Name;
    double Diameter;         // m
    double Coefficients[5];  // - : c0..c4
};

// Columns: combo item, d [m], c0, c1, c2, c3, c4.
constexpr AdjustableGrille kAdjustableGrilles[] = {
    {"LUMA 75/80", 0.046, { 35.6161, -10.2791,  1.21962,  -0.06343,   0.001197}},
    {"LUMA 100",   0.07,  { 40.5829,  -9.92083, 1.08037,  -0.05447,   0.001021}},
    {"LUMA 125",   0.096, { 89.352,  -13.289,   0.735112, -0.0141,    0.0}},
    {"LUMA 160",   0.115, {153.971,  -30.2484,  2.38995,  -0.08547,   0.001142}},
    {"LUMA 200",   0.163, {171.713,  -51.7115,  6.24028,  -0.330387,  0.0063225}},
};

// Constant-flow round grilles: zeta(Qs) = exp(a ln Qs + b), Qs in m3/h.
struct ConstantFlowRoundGrille {
    const char* Name;
    double Diameter;  // m
    double A;         // - : exponent of Qs
    double B;         // - : ln of the factor
};

// Columns: combo item, d [m], a, b.
constexpr ConstantFlowRoundGrille kConstantFlowRoundGrilles[] = {
    {"100 mm", 0.1,   -1.77287, 10.3756},
    {"116 mm", 0.116, -1.73939, 10.8622},
    {"125 mm", 0.125, -1.7399,  11.1626},
};

// Constant-flow rectangular grilles: zeta(Qs) = c4 Qs^4 + c3 Qs^3 + c2 Qs^2 + c1 Qs + c0.
struct ConstantFlowRectGrille {
    const char* Name;
    double Coefficients[5];  // - : c0..c4, Qs in m3/h
};

// Columns: combo item, c0, c1, c2, c3, c4.
constexpr ConstantFlowRectGrille kConstantFlowRectGrilles[] = {
    {"NEVA-20", {706.8681,  -130.537,   11.47973, -0.48929,   0.008218}},
    {"NEVA-30", {386.65475,  -69.71052,  5.019389, -0.154718,  0.0017286}},
    {"NEVA-50", {155.389,    -15.418,    0.617961, -0.0105,    0.0000649}},
    {"NEVA-70", { 59.61127,   -3.11736,  0.073415, -0.00071,   0.00000245}},
};

// Every rectangular constant-flow grille measures 0.1 x 0.1 m with a fixed area.
constexpr double kConstantFlowRectSide = 0.1;   // m
constexpr double kConstantFlowRectArea = 0.01;  // m2

constexpr int kMaxTurns = 20;              // - : adjustable grille opening
constexpr int kMinConstantFlow = 15;       // m3/h : round constant-flow grille
constexpr int kMaxConstantFlow = 90;       // m3/h

const char kDensityRefused[] =
    "Dla podanych parametrów nie można obliczyć gęstości powietrza.\nProszę poprawić dane.";
const char kDiameterRefused[] =
    "Dla podanych wymiarów nie można obliczyć średnicy równoważnej kanału.\nProszę poprawić dane.";
const char kStoreyCountRefused[] = "Ilość kondygnacji musi być liczbą z zakresu 0 do 99.";
const char kFlowRefused[] = "Wydajność regulowana musi być większa od zera.";
const char kOutsideTemperatureRefused[] = "Temperatura zewnętrzna musi być liczbą z zakresu -60 do 60 [°C].";
const char kStoreyFanSpeedRefused[] =
    "Obroty wentylatora muszą być liczbą od 0 (obroty z katalogu) do obrotów z katalogu.";

// Outside temperatures the stack effect accepts.
constexpr double kMinOutsideTemperature = -60.0;  // deg C
constexpr double kMaxOutsideTemperature = 60.0;   // deg C

// Value files: name and the widths of their lines (the formats stand in the OK handlers).
const ValueFileLayout kDensityFile{"dialog.sav", {29}};
const ValueFileLayout kAirStateFile{"dialog1.sav", {29, 19, 19}};
const ValueFileLayout kRectDuctFile{"dialog2.sav", {19, 19}};
const ValueFileLayout kRoundDuctFile{"dialog22.sav", {19}};
const ValueFileLayout kRectGrilleFile{"dialog33.sav", {19, 19, 19, 19, 19}};
const ValueFileLayout kRoundGrilleFile{"dialog333.sav", {19, 19, 19, 19}};
const ValueFileLayout kAdjustableGrilleFile{"dialog3333.sav", {19, 19, 19}};
const ValueFileLayout kConstantFlowRoundFile{"dialog33333.sav", {19, 19, 19}};
const ValueFileLayout kConstantFlowRectFile{"dialog333333.sav", {19, 19, 19}};
const ValueFileLayout kRegulatedFlowFile{"dialog4.sav", {29}};
const ValueFileLayout kVariantFlowFile{"dialog5.sav", {29}};
const ValueFileLayout kStackEffectFile{"dialog7.sav", {19, 19, 19}};

// ---------------------------------------------------------------------------------------------
// Helpers

// The text of the i-th edit box; a box the caller did not pass counts as empty.
std::string_view EditText(const DialogInput& input, size_t i)
{
    return i < input.Edits.size() ? std::string_view(input.Edits[i]) : std::string_view();
}

double DecimalBox(const DialogInput& input, size_t i) { return TextToDouble(EditText(input, i)); }

int64_t IntegerBox(const DialogInput& input, size_t i) { return TextToLong(EditText(input, i)); }

std::string Decimals3(double value) { return FormatNumber("%1.3f", value); }
std::string Decimals2(double value) { return FormatNumber("%1.2f", value); }
std::string Integer(int32_t value) { return Printf("%d", value); }

// Saves a confirmed dialog's values; a file that cannot be written is reported, not fatal.
void Save(const ValueFileLayout& layout, const std::vector<std::string>& lines,
          const ValueFileTarget& files, FileProblems& problems)
{
    if (!files.Write)
        return;
    std::string path = JoinPath(files.Dir, layout.FileName);
    if (!SaveValueFile(path, lines))
        problems.Add(path);
}

DialogOutcome Refuse(const char* message) { return DialogOutcome{false, message}; }

// Area of a circle, in the order of operations the dialogs always used.
double CircleArea(double diameter) { return kPi * diameter * diameter * 0.25; }

// c4 x^4 + c3 x^3 + c2 x^2 + c1 x + c0, terms added in that order.
double GrillePolynomial(const double c[5], double x)
{
    return c[4] * std::pow(x, 4) + c[3] * std::pow(x, 3) + c[2] * std::pow(x, 2) + c[1] * x + c[0];
}

int64_t Limit(int64_t value, int64_t low, int64_t high)
{
    return value < low ? low : (value > high ? high : value);
}

// The first two rows of every building dialog: storey height (Edit1) and storey count (Edit2).
struct Storeys {
    double Height;  // m
    int64_t Count;  // -
};

Storeys ReadStoreys(const DialogInput& input) { return {DecimalBox(input, 0), IntegerBox(input, 1)}; }

// The record has room for the storey pressures of at most 99 storeys; the count is checked on the
// typed value, before any narrowing.
bool StoreyCountAccepted(int64_t count) { return count >= 0 && count <= kMaxStoreyCount; }

void StoreStoreys(const Storeys& storeys, CalcRecord& record)
{
    record.StoreyHeight = storeys.Height;
    record.StoreyCount = static_cast<int32_t>(storeys.Count);  // checked to 0..99 before
}

// ---------------------------------------------------------------------------------------------
// The OK handlers

DialogOutcome ConfirmTypedDensity(const DialogInput& input, CalcRecord& record,
                                  const ValueFileTarget& files, FileProblems& problems)
{
    record.AirDensity = DecimalBox(input, 0);
    Save(kDensityFile, {Decimals3(record.AirDensity)}, files, problems);
    return {};
}

DialogOutcome ConfirmAirState(const DialogInput& input, CalcRecord& record,
                              const ValueFileTarget& files, FileProblems& problems)
{
    const int32_t t = ClampToInt32(IntegerBox(input, 0));    // deg C
    const int32_t p = ClampToInt32(IntegerBox(input, 1));    // hPa
    const int32_t phi = ClampToInt32(IntegerBox(input, 2));  // %

    // Computed before saving, so that a refused value leaves the file as it was.
    const int64_t pressure = int64_t{100} * p;        // Pa, integer arithmetic
    const int64_t temperature = int64_t{t} + 273;     // K, with 273 as the program always used
    const double td = t;
    const double x = 0.071470785 * td - 0.0002334875 * td * td;
    const double saturation = 613.23918 * std::exp(x);  // Pa : saturation pressure of water vapour
    const double gasConstant = 287.04 / (1 - 0.00378 * phi * saturation / static_cast<double>(pressure));
    const double density = static_cast<double>(pressure) / (static_cast<double>(temperature) * gasConstant);
    if (!std::isfinite(gasConstant) || !std::isfinite(density))
        return Refuse(kDensityRefused);

    Save(kAirStateFile, {Integer(t), Integer(p), Integer(phi)}, files, problems);
    record.AirDensity = density;
    record.AirTemperature = t;
    return {};
}

DialogOutcome ConfirmRectDuct(const DialogInput& input, CalcRecord& record,
                              const ValueFileTarget& files, FileProblems& problems)
{
    const double a = DecimalBox(input, 0);
    const double b = DecimalBox(input, 1);
    // The hydraulic equivalent diameter; the area is that of the circle of this diameter.
    const double diameter = 2 * a * b / (a + b);
    const double area = CircleArea(diameter);
    if (!std::isfinite(diameter) || !std::isfinite(area))
        return Refuse(kDiameterRefused);

    Save(kRectDuctFile, {Decimals3(a), Decimals3(b)}, files, problems);
    record.DuctSideA = a;
    record.DuctSideB = b;
    record.DuctDiameter = diameter;
    record.DuctArea = area;
    return {};
}

DialogOutcome ConfirmRoundDuct(const DialogInput& input, CalcRecord& record,
                               const ValueFileTarget& files, FileProblems& problems)
{
    record.DuctDiameter = DecimalBox(input, 0);
    Save(kRoundDuctFile, {Decimals3(record.DuctDiameter)}, files, problems);
    record.DuctArea = CircleArea(record.DuctDiameter);
    return {};
}

// The building dialogs. The storey count is checked first; the storeys are then stored with the
// grille's loss coefficient, the value file is saved and the grille's size stored last.
DialogOutcome ConfirmRectGrille(const DialogInput& input, const Storeys& storeys, CalcRecord& record,
                                const ValueFileTarget& files, FileProblems& problems)
{
    const double height = DecimalBox(input, 2);
    const double width = DecimalBox(input, 3);
    const double zeta = DecimalBox(input, 4);

    StoreStoreys(storeys, record);
    record.GrilleLossCoefficient = zeta;
    Save(kRectGrilleFile,
         {Decimals2(storeys.Height), Integer(record.StoreyCount), Decimals2(height), Decimals2(width), Decimals2(zeta)},
         files, problems);
    record.GrilleArea = height * width;
    record.GrilleSizeA = height;
    record.GrilleSizeB = width;
    return {};
}

DialogOutcome ConfirmRoundGrille(const DialogInput& input, const Storeys& storeys, CalcRecord& record,
                                 const ValueFileTarget& files, FileProblems& problems)
{
    const double diameter = DecimalBox(input, 2);
    const double zeta = DecimalBox(input, 3);

    StoreStoreys(storeys, record);
    record.GrilleLossCoefficient = zeta;
    Save(kRoundGrilleFile,
         {Decimals2(storeys.Height), Integer(record.StoreyCount), Decimals2(diameter), Decimals2(zeta)},
         files, problems);
    record.GrilleArea = CircleArea(diameter);
    record.GrilleSizeA = diameter;
    return {};
}

// The three grilles chosen from a table save storey height, storey count and the grille's setting.
void StoreTableGrille(const ValueFileLayout& layout, const Storeys& storeys, int32_t setting, double zeta,
                      CalcRecord& record, const ValueFileTarget& files, FileProblems& problems)
{
    StoreStoreys(storeys, record);
    record.GrilleLossCoefficient = zeta;
    Save(layout, {Decimals2(storeys.Height), Integer(record.StoreyCount), Integer(setting)}, files, problems);
}

DialogOutcome ConfirmAdjustableGrille(const DialogInput& input, const Storeys& storeys, CalcRecord& record,
                                      const ValueFileTarget& files, FileProblems& problems)
{
    // The turns are limited before they are used or saved; the user is not told.
    const int32_t turns = static_cast<int32_t>(Limit(IntegerBox(input, 2), 0, kMaxTurns));
    const AdjustableGrille& grille = kAdjustableGrilles[ComboItemForText(DialogId::Form2222, input.ComboText)];

    StoreTableGrille(kAdjustableGrilleFile, storeys, turns,
                     GrillePolynomial(grille.Coefficients, static_cast<double>(turns)), record, files, problems);
    record.GrilleArea = CircleArea(grille.Diameter);
    record.GrilleSizeA = grille.Diameter;
    return {};
}

DialogOutcome ConfirmConstantFlowRoundGrille(const DialogInput& input, const Storeys& storeys, CalcRecord& record,
                                             const ValueFileTarget& files, FileProblems& problems)
{
    // The flow is limited before it is used or saved, so the logarithm is always defined.
    const int32_t flow = static_cast<int32_t>(Limit(IntegerBox(input, 2), kMinConstantFlow, kMaxConstantFlow));
    const ConstantFlowRoundGrille& grille =
        kConstantFlowRoundGrilles[ComboItemForText(DialogId::Form22222, input.ComboText)];

    StoreTableGrille(kConstantFlowRoundFile, storeys, flow,
                     std::exp(grille.A * std::log(static_cast<double>(flow)) + grille.B), record, files, problems);
    record.GrilleArea = CircleArea(grille.Diameter);
    record.GrilleSizeA = grille.Diameter;
    record.GrilleSetFlowHourly = flow;
    return {};
}

DialogOutcome ConfirmConstantFlowRectGrille(const DialogInput& input, const Storeys& storeys, CalcRecord& record,
                                            const ValueFileTarget& files, FileProblems& problems)
{
    // Used as typed: the ranges in the dialog's notes are advice only.
    const int32_t flow = ClampToInt32(IntegerBox(input, 2));
    const ConstantFlowRectGrille& grille =
        kConstantFlowRectGrilles[ComboItemForText(DialogId::Form222222, input.ComboText)];

    StoreTableGrille(kConstantFlowRectFile, storeys, flow,
                     GrillePolynomial(grille.Coefficients, static_cast<double>(flow)), record, files, problems);
    record.GrilleArea = kConstantFlowRectArea;
    record.GrilleSizeA = kConstantFlowRectSide;
    record.GrilleSizeB = kConstantFlowRectSide;
    record.GrilleSetFlowHourly = flow;
    return {};
}

DialogOutcome ConfirmBuilding(DialogId dialog, const DialogInput& input, CalcRecord& record,
                              const ValueFileTarget& files, FileProblems& problems)
{
    const Storeys storeys = ReadStoreys(input);
    if (!StoreyCountAccepted(storeys.Count))
        return Refuse(kStoreyCountRefused);
    switch (dialog) {
    case DialogId::Form22: return ConfirmRectGrille(input, storeys, record, files, problems);
    case DialogId::Form222: return ConfirmRoundGrille(input, storeys, record, files, problems);
    case DialogId::Form2222: return ConfirmAdjustableGrille(input, storeys, record, files, problems);
    case DialogId::Form22222: return ConfirmConstantFlowRoundGrille(input, storeys, record, files, problems);
    default: return ConfirmConstantFlowRectGrille(input, storeys, record, files, problems);
    }
}

// The requested flow of the two regulation dialogs: a flow of 0 or less has no regulated speed.
DialogOutcome ConfirmFlow(const ValueFileLayout& layout, double CalcRecord::*field, const DialogInput& input,
                          CalcRecord& record, const ValueFileTarget& files, FileProblems& problems)
{
    const double flow = DecimalBox(input, 0);
    if (!(flow > 0))
        return Refuse(kFlowRefused);
    record.*field = flow;
    Save(layout, {Decimals3(flow)}, files, problems);
    return {};
}

// The storey-flow dialog: the check box (saved as 0 or 1), the outside temperature, which is
// checked only when the stack effect is asked for, and the fan speed: 0 for the catalogue speed,
// otherwise slower than it (a fan is regulated down, never sped up).
DialogOutcome ConfirmStackEffect(const DialogInput& input, CalcRecord& record, const ValueFileTarget& files,
                                 FileProblems& problems)
{
    const int32_t stackEffect = IntegerBox(input, 0) != 0 ? 1 : 0;
    const double temperature = DecimalBox(input, 1);
    const double speed = DecimalBox(input, 2);
    if (stackEffect != 0 && !(temperature >= kMinOutsideTemperature && temperature <= kMaxOutsideTemperature))
        return Refuse(kOutsideTemperatureRefused);
    if (!(speed >= 0.0 && speed <= record.FanSpeed))
        return Refuse(kStoreyFanSpeedRefused);
    record.StoreyStackEffect = stackEffect;
    record.OutsideTemperature = temperature;
    record.StoreyFanSpeed = speed;
    Save(kStackEffectFile, {Integer(stackEffect), FormatNumber("%1.1f", temperature), FormatNumber("%1.1f", speed)},
         files, problems);
    return {};
}

// The combo items of a grille table, in table order.
template <typename Grille, size_t N>
std::vector<std::string> NamesOf(const Grille (&table)[N])
{
    std::vector<std::string> names;
    for (const Grille& grille : table)
        names.emplace_back(grille.Name);
    return names;
}

// Radio dialogs: `Choice` outside the buttons means none is checked, and the field keeps its value.
bool ChoiceIn(const DialogInput& input, size_t buttons)
{
    return input.Choice >= 0 && static_cast<size_t>(input.Choice) < buttons;
}

const std::vector<std::string> kNoTexts;

}  // namespace

const ValueFileLayout* ValueFileOf(DialogId dialog)
{
    switch (dialog) {
    case DialogId::OKBottomDlg: return &kDensityFile;
    case DialogId::Form3: return &kAirStateFile;
    case DialogId::Form1: return &kRectDuctFile;
    case DialogId::Form4: return &kRoundDuctFile;
    case DialogId::Form22: return &kRectGrilleFile;
    case DialogId::Form222: return &kRoundGrilleFile;
    case DialogId::Form2222: return &kAdjustableGrilleFile;
    case DialogId::Form22222: return &kConstantFlowRoundFile;
    case DialogId::Form222222: return &kConstantFlowRectFile;
    case DialogId::OKBottomDlg1: return &kRegulatedFlowFile;
    case DialogId::OKBottomDlg2: return &kVariantFlowFile;
    case DialogId::OKBottomDlg7: return &kStackEffectFile;
    case DialogId::OKBottomDlg3:
    case DialogId::OKBottomDlg333:
    case DialogId::OKBottomDlg33333:
    case DialogId::OKBottomDlg3333:
    case DialogId::OKBottomDlg_wyw:
        return nullptr;
    }
    return nullptr;
}

std::vector<std::string> InitialEditTexts(DialogId dialog)
{
    switch (dialog) {
    case DialogId::OKBottomDlg:
    case DialogId::Form4:
    case DialogId::OKBottomDlg1:
    case DialogId::OKBottomDlg2:
        return {"Edit1"};
    case DialogId::Form1: return {"Edit1", "Edit2"};
    case DialogId::Form3: return {"Edit1", "Edit2", "Edit3"};
    case DialogId::Form22: return {"Edit1", "Edit2", "Edit3", "Edit4", "Edit5"};
    case DialogId::Form222: return {"Edit1", "Edit2", "Edit3", "Edit4"};
    // The combo box stands where Edit3 would be; the setting of the grille is Edit4.
    case DialogId::Form2222:
    case DialogId::Form22222:
    case DialogId::Form222222:
        return {"Edit1", "Edit2", "Edit4"};
    // Without the stack effect, a usual winter design temperature ready in the box; catalogue speed.
    case DialogId::OKBottomDlg7: return {"0", "-20.0", "0"};
    case DialogId::OKBottomDlg3:
    case DialogId::OKBottomDlg333:
    case DialogId::OKBottomDlg33333:
    case DialogId::OKBottomDlg3333:
    case DialogId::OKBottomDlg_wyw:
        return {};
    }
    return {};
}

std::vector<std::string> EditTextsAtCreation(DialogId dialog, const std::string& dir)
{
    std::vector<std::string> texts = InitialEditTexts(dialog);
    const ValueFileLayout* layout = ValueFileOf(dialog);
    if (!layout)
        return texts;
    std::vector<std::optional<std::string>> lines = LoadValueFile(JoinPath(dir, layout->FileName), layout->Widths);
    for (size_t i = 0; i < texts.size() && i < lines.size(); ++i) {
        if (lines[i])
            texts[i] = *lines[i];
    }
    return texts;
}

DialogOutcome ConfirmDialog(DialogId dialog, const DialogInput& input, CalcRecord& record,
                            const ValueFileTarget& files, FileProblems& problems)
{
    switch (dialog) {
    case DialogId::OKBottomDlg3:
        if (ChoiceIn(input, 2))
            record.DensitySource = input.Choice;  // 0 computed, 1 typed
        return {};
    case DialogId::OKBottomDlg: return ConfirmTypedDensity(input, record, files, problems);
    case DialogId::Form3: return ConfirmAirState(input, record, files, problems);
    case DialogId::OKBottomDlg333:
        if (ChoiceIn(input, 2))
            record.DuctShape = input.Choice;  // 0 rectangular, 1 round
        return {};
    case DialogId::Form1: return ConfirmRectDuct(input, record, files, problems);
    case DialogId::Form4: return ConfirmRoundDuct(input, record, files, problems);
    case DialogId::OKBottomDlg33333:
        if (ChoiceIn(input, std::size(kMaterials)))
            record.DuctRoughness = kMaterials[input.Choice].Roughness;
        return {};
    case DialogId::OKBottomDlg3333:
        if (ChoiceIn(input, 5))
            record.InstallationKind = input.Choice + 1;
        return {};
    case DialogId::Form22:
    case DialogId::Form222:
    case DialogId::Form2222:
    case DialogId::Form22222:
    case DialogId::Form222222:
        return ConfirmBuilding(dialog, input, record, files, problems);
    case DialogId::OKBottomDlg_wyw: {
        // Only an entry with a button in the chooser can be chosen; otherwise the choice is kept.
        const FanEntry* entry = LookupFan(input.Choice);
        if (entry && entry->ChooserCaption)
            record.FanIndex = input.Choice;
        return {};
    }
    case DialogId::OKBottomDlg1:
        return ConfirmFlow(kRegulatedFlowFile, &CalcRecord::RegulatedFlow, input, record, files, problems);
    case DialogId::OKBottomDlg2: {
        DialogOutcome outcome =
            ConfirmFlow(kVariantFlowFile, &CalcRecord::VariantRegulatedFlow, input, record, files, problems);
        if (outcome.Accepted)
            record.RegulationVariant = input.ComboIndex;  // -1 when no item is selected
        return outcome;
    }
    case DialogId::OKBottomDlg7: return ConfirmStackEffect(input, record, files, problems);
    }
    return {};
}

const std::vector<std::string>& ComboItems(DialogId dialog)
{
    static const std::vector<std::string> adjustable = NamesOf(kAdjustableGrilles);
    static const std::vector<std::string> constantFlowRound = NamesOf(kConstantFlowRoundGrilles);
    static const std::vector<std::string> constantFlowRect = NamesOf(kConstantFlowRectGrilles);
    // In the order of RegulationVariant 0, 1, 2.
    static const std::vector<std::string> variants = {
        "Wentylator", "Wentylator z podstawą tłumiącą", "Wentylator z tłumikiem cylindrycznym"};

    switch (dialog) {
    case DialogId::Form2222: return adjustable;
    case DialogId::Form22222: return constantFlowRound;
    case DialogId::Form222222: return constantFlowRect;
    case DialogId::OKBottomDlg2: return variants;
    default: return kNoTexts;
    }
}

const std::vector<std::string>& RadioCaptions(DialogId dialog)
{
    static const std::vector<std::string> densitySource = {
        "Niech program obliczy wartość Ro", "Podać wartość Ro z klawiatuy"};
    static const std::vector<std::string> ductShape = {"Prostokątny", "Okrągły"};
    static const std::vector<std::string> materials = [] {
        std::vector<std::string> captions;
        for (const Material& material : kMaterials)
            captions.emplace_back(material.Caption);
        return captions;
    }();
    // In the order of InstallationKind 1..5.
    static const std::vector<std::string> installationKinds = {
        "Budynek wielokondygnacyjny - kratka prostokątna",
        "Budynek wielokondygnacyjny - kratka okrągła nieregulowana",
        "Budynek wielokondygnacyjny - kratka okrągła regulowana",
        "Budynek wielokondygnacyjny - kratka okrągła stałej wydajności",
        "Budynek wielokondygnacyjny - kratka prostokątna stałej wydajności",
    };

    switch (dialog) {
    case DialogId::OKBottomDlg3: return densitySource;
    case DialogId::OKBottomDlg333: return ductShape;
    case DialogId::OKBottomDlg33333: return materials;
    case DialogId::OKBottomDlg3333: return installationKinds;
    default: return kNoTexts;
    }
}

int ComboItemForText(DialogId dialog, const std::string& text)
{
    const std::vector<std::string>& items = ComboItems(dialog);
    for (size_t i = 0; i < items.size(); ++i) {
        if (items[i] == text)
            return static_cast<int>(i);
    }
    return 0;
}
