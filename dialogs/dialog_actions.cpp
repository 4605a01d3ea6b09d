// The OK of every input dialog, the fan chooser and the two request dialogs: the texts of the
// controls are checked against their boxes' kinds, converted as the dialogs always did, stored
// in the record and saved in the dialog's value file. Also the fixed texts and tables the
// dialogs show.
#include "dialogs/dialog_actions.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <iterator>
#include <optional>
#include <span>
#include <string_view>

#include "dialogs/building_file.h"
#include "dialogs/text_to_number.h"
#include "model/adjustable_grilles.h"
#include "model/catalogue_ranking.h"
#include "model/fan_catalogue.h"
#include "model/installation_kinds.h"
#include "model/materials.h"
#include "model/storey_flows.h"
#include "model/regulation.h"
#include "output/number_format.h"
#include "output/quoted_input.h"
#include "output/storage/text_file.h"

namespace {

constexpr double kPi = 3.141592653589793;

// ---------------------------------------------------------------------------------------------
// Fixed tables

// Constant-flow round grilles: zeta(Qs) = exp(a ln Qs + b), Qs in m3/h.
struct ConstantFlowRoundGrille {
    const char* Name;
    double Diameter;  // m
    double A;         // - : exponent of Qs
    double B;         // - : ln of the factor
};

// clang-format off
// Columns: combo item, d [m], a, b.
constexpr ConstantFlowRoundGrille kConstantFlowRoundGrilles[] = {
    {"100 mm", 0.1,   -1.77287, 10.3756},
    {"116 mm", 0.116, -1.73939, 10.8622},
    {"125 mm", 0.125, -1.7399,  11.1626},
};
// clang-format on

// Constant-flow rectangular grilles: zeta(Qs) = c4 Qs^4 + c3 Qs^3 + c2 Qs^2 + c1 Qs + c0.
struct ConstantFlowRectGrille {
    const char* Name;
    double Coefficients[5];  // - : c0..c4, Qs in m3/h
};

// clang-format off
// Columns: combo item, c0, c1, c2, c3, c4.
constexpr ConstantFlowRectGrille kConstantFlowRectGrilles[] = {
    {"NEVA-20", {706.8681,  -130.537,   11.47973, -0.48929,   0.008218}},
    {"NEVA-30", {386.65475,  -69.71052,  5.019389, -0.154718,  0.0017286}},
    {"NEVA-50", {155.389,    -15.418,    0.617961, -0.0105,    0.0000649}},
    {"NEVA-70", { 59.61127,   -3.11736,  0.073415, -0.00071,   0.00000245}},
};
// clang-format on

// Every rectangular constant-flow grille measures 0.1 x 0.1 m with a fixed area.
constexpr double kConstantFlowRectSide = 0.1;   // m
constexpr double kConstantFlowRectArea = 0.01;  // m2

constexpr int kMinConstantFlow = 15;       // m3/h : round constant-flow grille
constexpr int kMaxConstantFlow = 90;       // m3/h

const char kDensityRefused[] =
    "Dla podanych parametrów nie można obliczyć gęstości powietrza.\nProszę poprawić dane.";
const char kDiameterRefused[] =
    "Dla podanych wymiarów nie można obliczyć średnicy równoważnej kanału.\nProszę poprawić dane.";
const char kStoreyCountRefused[] = "Ilość kondygnacji musi być liczbą z zakresu 1 do 99.";
const char kNotPositive[] = "Wartość w polu „%s” musi być większa od zera.";
const char kFlowRefused[] = "Wydajność regulowana musi być większa od zera.";
const char kRequiredFlowRefused[] = "Wymagana wydajność na kratkę musi być większa od zera.";
const char kOutOfRange[] = "Liczba w polu „%s” jest poza zakresem.";
const char kResultsNotFinite[] = "Dla podanych danych nie można obliczyć parametrów.\nProszę poprawić dane.";
const char kOutsideTemperatureRefused[] = "Temperatura zewnętrzna musi być liczbą z zakresu -60 do 60 [°C].";
const char kWinterTemperatureRefused[] = "Temperatura zewnętrzna zimą musi być liczbą z zakresu -60 do 60 [°C].";
const char kSummerTemperatureRefused[] = "Temperatura zewnętrzna latem musi być liczbą z zakresu -60 do 60 [°C].";
const char kNoCommissionSettingsRefused[] =
    "Budynek nie ma nastaw regulacyjnych. Proszę najpierw wykonać „Nastawy regulacyjne” albo "
    "odznaczyć „z nastawami regulacyjnymi”.";
const char kStoreyFanSpeedRefused[] =
    "Obroty wentylatora muszą być liczbą od 0 (obroty z katalogu) do obrotów z katalogu.";


// ---------------------------------------------------------------------------------------------
// Helpers

// The text of the i-th edit box; a box the caller did not pass counts as empty.
std::string_view EditText(const DialogInput& input, size_t i)
{
    return i < input.Edits.size() ? std::string_view(input.Edits[i]) : std::string_view();
}

double DecimalBox(const DialogInput& input, size_t i) { return TextToDouble(EditText(input, i)); }

int64_t IntegerBox(const DialogInput& input, size_t i) { return TextToLong(EditText(input, i)); }

// The values a confirmed dialog saves, one per edit box in value-file order; integer boxes save
// integers, which a double holds exactly.
using SavedValues = std::vector<double>;

DialogOutcome Refuse(const char* message) { return DialogOutcome{false, message}; }

// Area of a circle, in the order of operations the dialogs always used.
double CircleArea(double diameter) { return kPi * diameter * diameter * 0.25; }

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

// A building has at least one storey, and the record has room for the storey pressures of at most
// 99; the count is checked on the typed value, before any narrowing.
bool StoreyCountAccepted(int64_t count) { return count >= 1 && count <= kMaxStoreyCount; }

void StoreStoreys(const Storeys& storeys, CalcRecord& record)
{
    record.StoreyHeight = storeys.Height;
    record.StoreyCount = static_cast<int32_t>(storeys.Count);  // checked to 1..99 before
}

// ---------------------------------------------------------------------------------------------
// Checks of the typed texts and of what a dialog would store

constexpr char kBlanks[] = " \t\n\v\f\r";  // what may stand around a number

// The text with its decimal commas made points and its blanks dropped, when that is a number.
std::optional<std::string> PointForm(std::string_view text)
{
    if (text.find(',') == std::string_view::npos)
        return std::nullopt;
    std::string pointed(text.substr(text.find_first_not_of(kBlanks)));
    pointed.erase(pointed.find_last_not_of(kBlanks) + 1);
    for (char& c : pointed)
        if (c == ',')
            c = '.';
    if (!IsWholeNumber(pointed, NumberKind::Decimal))
        return std::nullopt;
    return pointed;
}

// Refuses a box whose text is not one whole, finite number of its kind. A decimal comma gets the
// point form to type instead.
DialogOutcome CheckBox(const EditBox& box, std::string_view text, int index)
{
    std::string message;
    if (text.find_first_not_of(kBlanks) == std::string_view::npos) {
        message = Printf("Pole „%s” jest puste.\nProszę wpisać liczbę.", box.Field);
    } else if (box.Kind == NumberKind::Integer && !IsWholeNumber(text, box.Kind)) {
        message = Printf("W polu „%s” musi być liczba całkowita, a jest „%s”.", box.Field, QuotedInput(text).c_str());
    } else if (!IsWholeNumber(text, box.Kind)) {
        message = Printf("W polu „%s” musi być liczba, a jest „%s”.", box.Field, QuotedInput(text).c_str());
        if (const std::optional<std::string> pointed = PointForm(text))
            message += "\nUżyj kropki dziesiętnej: " + QuotedInput(*pointed);
    } else if (box.Kind == NumberKind::Decimal && !std::isfinite(TextToDouble(text))) {
        message = Printf(kOutOfRange, box.Field);
    } else {
        return {};
    }
    return DialogOutcome{false, message, index};
}

// The saved line of a value, with its box's format.
std::string SavedLine(const EditBox& box, double value)
{
    return box.Kind == NumberKind::Integer ? Printf(box.LineFormat, static_cast<int>(value))
                                           : FormatNumber(box.LineFormat, value);
}

// The record fields the dialogs write, which must hold finite values once a dialog is confirmed.
constexpr double CalcRecord::*kDialogDoubles[] = {
    &CalcRecord::AirDensity,  &CalcRecord::DuctSideA,     &CalcRecord::DuctSideB,
    &CalcRecord::DuctDiameter, &CalcRecord::DuctArea,     &CalcRecord::StoreyHeight,
    &CalcRecord::GrilleLossCoefficient, &CalcRecord::GrilleArea, &CalcRecord::GrilleSizeA,
    &CalcRecord::GrilleSizeB, &CalcRecord::RegulatedFlow, &CalcRecord::VariantRegulatedFlow,
};

bool DialogFieldsFinite(const CalcRecord& record)
{
    for (double CalcRecord::*field : kDialogDoubles)
        if (!std::isfinite(record.*field))
            return false;
    return true;
}

// ---------------------------------------------------------------------------------------------
// The OK handlers: each stores its values in the record and lists the values to save. The
// texts are whole numbers of their boxes' kinds by then.

DialogOutcome ConfirmTypedDensity(const DialogInput& input, CalcRecord& record, SavedValues& saved)
{
    record.AirDensity = DecimalBox(input, 0);
    saved = {record.AirDensity};
    return {};
}

DialogOutcome ConfirmAirState(const DialogInput& input, CalcRecord& record, SavedValues& saved)
{
    const int32_t t = ClampToInt32(IntegerBox(input, 0));    // deg C
    const int32_t p = ClampToInt32(IntegerBox(input, 1));    // hPa
    const int32_t phi = ClampToInt32(IntegerBox(input, 2));  // %

    const int64_t pressure = int64_t{100} * p;        // Pa, integer arithmetic
    const int64_t temperature = int64_t{t} + 273;     // K, with 273 as the program always used
    const double td = t;
    const double x = 0.071470785 * td - 0.0002334875 * td * td;
    const double saturation = 613.23918 * std::exp(x);  // Pa : saturation pressure of water vapour
    const double gasConstant = 287.04 / (1 - 0.00378 * phi * saturation / static_cast<double>(pressure));
    const double density = static_cast<double>(pressure) / (static_cast<double>(temperature) * gasConstant);
    if (!std::isfinite(gasConstant) || !std::isfinite(density) || !(density > 0.0))
        return Refuse(kDensityRefused);

    saved = {static_cast<double>(t), static_cast<double>(p), static_cast<double>(phi)};
    record.AirDensity = density;
    record.AirTemperature = t;
    return {};
}

DialogOutcome ConfirmRectDuct(const DialogInput& input, CalcRecord& record, SavedValues& saved)
{
    const double a = DecimalBox(input, 0);
    const double b = DecimalBox(input, 1);
    // The hydraulic equivalent diameter; the area is that of the circle of this diameter.
    const double diameter = 2 * a * b / (a + b);
    const double area = CircleArea(diameter);
    if (!std::isfinite(diameter) || !std::isfinite(area))
        return Refuse(kDiameterRefused);

    saved = {a, b};
    record.DuctSideA = a;
    record.DuctSideB = b;
    record.DuctDiameter = diameter;
    record.DuctArea = area;
    return {};
}

DialogOutcome ConfirmRoundDuct(const DialogInput& input, CalcRecord& record, SavedValues& saved)
{
    record.DuctDiameter = DecimalBox(input, 0);
    saved = {record.DuctDiameter};
    record.DuctArea = CircleArea(record.DuctDiameter);
    return {};
}

// The building dialogs. The storey count is checked first; the storeys are then stored with the
// grille's loss coefficient and the grille's size.
DialogOutcome ConfirmRectGrille(const DialogInput& input, const Storeys& storeys, CalcRecord& record,
                                SavedValues& saved)
{
    const double height = DecimalBox(input, 2);
    const double width = DecimalBox(input, 3);
    const double zeta = DecimalBox(input, 4);

    StoreStoreys(storeys, record);
    record.GrilleLossCoefficient = zeta;
    saved = {storeys.Height, static_cast<double>(record.StoreyCount), height, width, zeta};
    record.GrilleArea = height * width;
    record.GrilleSizeA = height;
    record.GrilleSizeB = width;
    return {};
}

DialogOutcome ConfirmRoundGrille(const DialogInput& input, const Storeys& storeys, CalcRecord& record,
                                 SavedValues& saved)
{
    const double diameter = DecimalBox(input, 2);
    const double zeta = DecimalBox(input, 3);

    StoreStoreys(storeys, record);
    record.GrilleLossCoefficient = zeta;
    saved = {storeys.Height, static_cast<double>(record.StoreyCount), diameter, zeta};
    record.GrilleArea = CircleArea(diameter);
    record.GrilleSizeA = diameter;
    return {};
}

// The three grilles chosen from a table save storey height, storey count and the grille's setting.
void StoreTableGrille(const Storeys& storeys, int32_t setting, double zeta, CalcRecord& record, SavedValues& saved)
{
    StoreStoreys(storeys, record);
    record.GrilleLossCoefficient = zeta;
    saved = {storeys.Height, static_cast<double>(record.StoreyCount), static_cast<double>(setting)};
}

DialogOutcome ConfirmAdjustableGrille(const DialogInput& input, const Storeys& storeys, CalcRecord& record,
                                      SavedValues& saved)
{
    // The turns are limited before they are used or saved; the user is not told.
    const int32_t turns = static_cast<int32_t>(Limit(IntegerBox(input, 2), 0, kMaxTurns));
    const AdjustableGrille& grille = kAdjustableGrilles[ComboItemForText(DialogId::Form2222, input.ComboText)];

    StoreTableGrille(storeys, turns, LossCoefficientAtTurns(grille, turns), record, saved);
    record.GrilleArea = CircleArea(grille.Diameter);
    record.GrilleSizeA = grille.Diameter;
    return {};
}

DialogOutcome ConfirmConstantFlowRoundGrille(const DialogInput& input, const Storeys& storeys, CalcRecord& record,
                                             SavedValues& saved)
{
    // The flow is limited before it is used or saved, so the logarithm is always defined.
    const int32_t flow = static_cast<int32_t>(Limit(IntegerBox(input, 2), kMinConstantFlow, kMaxConstantFlow));
    const ConstantFlowRoundGrille& grille =
        kConstantFlowRoundGrilles[ComboItemForText(DialogId::Form22222, input.ComboText)];

    StoreTableGrille(storeys, flow, std::exp(grille.A * std::log(static_cast<double>(flow)) + grille.B), record,
                     saved);
    record.GrilleArea = CircleArea(grille.Diameter);
    record.GrilleSizeA = grille.Diameter;
    record.GrilleSetFlowHourly = flow;
    return {};
}

DialogOutcome ConfirmConstantFlowRectGrille(const DialogInput& input, const Storeys& storeys, CalcRecord& record,
                                            SavedValues& saved)
{
    // Used as typed: the ranges in the dialog's notes are advice only.
    const int32_t flow = ClampToInt32(IntegerBox(input, 2));
    const ConstantFlowRectGrille& grille =
        kConstantFlowRectGrilles[ComboItemForText(DialogId::Form222222, input.ComboText)];

    StoreTableGrille(storeys, flow, GrillePolynomial(grille.Coefficients, static_cast<double>(flow)), record, saved);
    record.GrilleArea = kConstantFlowRectArea;
    record.GrilleSizeA = kConstantFlowRectSide;
    record.GrilleSizeB = kConstantFlowRectSide;
    record.GrilleSetFlowHourly = flow;
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

// The building dialog of an installation kind: the storeys and the grille on every storey.
struct BuildingDialog {
    InstallationKindCode Kind;
    DialogId Dialog;
    // Stores the grille rows once the storeys are accepted.
    DialogOutcome (*ConfirmGrille)(const DialogInput&, const Storeys&, CalcRecord&, SavedValues&);
    std::vector<std::string> Grilles;  // its combo box items; empty without a combo box
};

// Every installation kind's building dialog. Built on first use, so that the grille lists are
// ready for whatever asks first, whichever file's static data that is.
std::span<const BuildingDialog> BuildingDialogs()
{
    // Columns: installation kind, its building dialog, the OK of its grille rows, its grille list.
    static const BuildingDialog kBuildingDialogs[] = {
        {kRectangularGrille,             DialogId::Form22,     ConfirmRectGrille,              {}},
        {kRoundGrille,                   DialogId::Form222,    ConfirmRoundGrille,             {}},
        {kAdjustableRoundGrille,         DialogId::Form2222,   ConfirmAdjustableGrille,        NamesOf(kAdjustableGrilles)},
        {kConstantFlowRoundGrille,       DialogId::Form22222,  ConfirmConstantFlowRoundGrille, NamesOf(kConstantFlowRoundGrilles)},
        {kConstantFlowRectangularGrille, DialogId::Form222222, ConfirmConstantFlowRectGrille,  NamesOf(kConstantFlowRectGrilles)},
    };
    return kBuildingDialogs;
}

const BuildingDialog* FindBuildingDialog(DialogId dialog)
{
    for (const BuildingDialog& building : BuildingDialogs())
        if (building.Dialog == dialog)
            return &building;
    return nullptr;
}

DialogOutcome ConfirmBuilding(const BuildingDialog& building, const DialogInput& input, CalcRecord& record,
                              SavedValues& saved)
{
    const Storeys storeys = ReadStoreys(input);
    if (!StoreyCountAccepted(storeys.Count))
        return DialogOutcome{false, kStoreyCountRefused, 1};
    return building.ConfirmGrille(input, storeys, record, saved);
}

// The requested flow of the two regulation dialogs: a flow of 0 or less has no regulated speed,
// and once a fan has its operating point, no flow above what `variant` (a RegulationVariant
// value) delivers can be reached by slowing the fan down.
DialogOutcome ConfirmFlow(double CalcRecord::*field, int32_t variant, const DialogInput& input, CalcRecord& record,
                          SavedValues& saved)
{
    const double flow = DecimalBox(input, 0);
    if (!(flow > 0))
        return DialogOutcome{false, kFlowRefused, 0};
    if (HasOperatingPoint(record)) {
        const RegulationOutcome limit = CheckRegulatedFlowLimit(record, flow, variant);
        if (!limit.Accepted)
            return DialogOutcome{false, limit.Message, 0};
    }
    record.*field = flow;
    saved = {flow};
    return {};
}

// The required flow per grille of the selection from the catalogue, kept with one decimal.
DialogOutcome ConfirmRequiredFlow(const DialogInput& input, CalcRecord& record, SavedValues& saved)
{
    const double flow = DecimalBox(input, 0);
    if (!(flow > 0))
        return DialogOutcome{false, kRequiredFlowRefused, 0};
    record.RequiredGrilleFlowHourly = flow;
    saved = {flow};
    return {};
}

// Radio dialogs: `Choice` outside the buttons means none is checked, and the field keeps its value.
bool ChoiceIn(const DialogInput& input, size_t buttons)
{
    return input.Choice >= 0 && static_cast<size_t>(input.Choice) < buttons;
}

bool OutsideTemperatureAccepted(double temperature)
{
    return temperature >= kMinOutsideTemperature && temperature <= kMaxOutsideTemperature;
}

// The storey-flow dialog: the required flow per grille, the design temperatures of winter and
// summer, and the fan speed: 0 for the catalogue speed, otherwise slower than it (a fan is
// regulated down, never sped up). A text after the boxes asks for the one condition of the stack
// effect at that outside temperature instead of the three; it is not saved.
DialogOutcome ConfirmStoreyFlows(const DialogInput& input, CalcRecord& record, SavedValues& saved)
{
    const double required = DecimalBox(input, 0);
    const double winter = DecimalBox(input, 1);
    const double summer = DecimalBox(input, 2);
    const double speed = DecimalBox(input, 3);
    const std::string_view one = EditText(input, kOneConditionEdit);
    if (!(required > 0))
        return DialogOutcome{false, kRequiredFlowRefused, 0};
    if (!OutsideTemperatureAccepted(winter))
        return DialogOutcome{false, kWinterTemperatureRefused, 1};
    if (!OutsideTemperatureAccepted(summer))
        return DialogOutcome{false, kSummerTemperatureRefused, 2};
    if (!(speed >= 0.0 && speed <= record.FanSpeed))
        return DialogOutcome{false, kStoreyFanSpeedRefused, 3};
    const double outside = TextToDouble(one);
    if (!one.empty() && !(IsWholeNumber(one, NumberKind::Decimal) && OutsideTemperatureAccepted(outside)))
        return Refuse(kOutsideTemperatureRefused);
    // The check box "z nastawami regulacyjnymi": only with settings the building holds.
    const bool balanced = input.Choice == 1;
    if (balanced && record.CommissionSpeed <= 0)
        return Refuse(kNoCommissionSettingsRefused);
    record.StoreyBalanced = balanced ? 1 : 0;
    record.RequiredGrilleFlowHourly = required;
    record.WinterTemperature = winter;
    record.SummerTemperature = summer;
    record.StoreyFanSpeed = speed;
    record.StoreyOneCondition = one.empty() ? 0 : 1;
    record.OutsideTemperature = one.empty() ? record.OutsideTemperature : outside;
    saved = {required, winter, summer, speed};
    return {};
}

// The answers that more than one dialog asks for, by batch key: the required flow per grille of
// the selection from the catalogue and of the storey flows. The building file holds it once; each
// dialog shows it afresh. (The building dialogs share boxes too, but only one of them is shown
// for a building.)
constexpr std::string_view kSharedAnswers[] = {"required_flow"};

// The boxes of other dialogs that hold the same shared answer.
struct SharedBox {
    DialogId Dialog;
    size_t Box;
};
std::vector<SharedBox> BoxesSharing(DialogId dialog, size_t box)
{
    std::vector<SharedBox> shared;
    const char* key = FactsOf(dialog).Boxes[box].BatchKey;
    if (std::find(std::begin(kSharedAnswers), std::end(kSharedAnswers), key) == std::end(kSharedAnswers))
        return shared;
    for (const DialogFacts& other : AllDialogs()) {
        if (other.Id == dialog || !other.ValueFile)
            continue;
        for (size_t i = 0; i < other.Boxes.size(); ++i)
            if (std::string_view(other.Boxes[i].BatchKey) == key)
                shared.push_back({other.Id, i});
    }
    return shared;
}

// What the dialog's OK stores, on `record`, with the values its value file is to hold.
DialogOutcome Apply(DialogId dialog, const DialogInput& input, CalcRecord& record, SavedValues& saved)
{
    if (const BuildingDialog* building = FindBuildingDialog(dialog))
        return ConfirmBuilding(*building, input, record, saved);
    switch (dialog) {
    case DialogId::OKBottomDlg3:
        if (ChoiceIn(input, 2))
            record.DensitySource = input.Choice;  // the buttons in DensitySourceCode order
        return {};
    case DialogId::OKBottomDlg: return ConfirmTypedDensity(input, record, saved);
    case DialogId::Form3: return ConfirmAirState(input, record, saved);
    case DialogId::OKBottomDlg333:
        if (ChoiceIn(input, 2))
            record.DuctShape = input.Choice;  // the buttons in DuctShapeCode order
        return {};
    case DialogId::Form1: return ConfirmRectDuct(input, record, saved);
    case DialogId::Form4: return ConfirmRoundDuct(input, record, saved);
    case DialogId::OKBottomDlg33333:
        if (ChoiceIn(input, std::size(kMaterials)))
            record.DuctRoughness = kMaterials[input.Choice].Roughness;
        return {};
    case DialogId::OKBottomDlg3333:
        if (ChoiceIn(input, std::size(kInstallationKinds)))
            record.InstallationKind = kInstallationKinds[input.Choice].Kind;
        return {};
    case DialogId::OKBottomDlg_wyw: {
        // Only an entry with a button in the chooser can be chosen; otherwise the choice is kept.
        const FanEntry* entry = LookupFan(input.Choice);
        if (entry && entry->ChooserCaption)
            record.FanIndex = input.Choice;
        return {};
    }
    case DialogId::OKBottomDlg1: return ConfirmFlow(&CalcRecord::RegulatedFlow, kFanAlone, input, record, saved);
    case DialogId::OKBottomDlg2: {
        DialogOutcome outcome =
            ConfirmFlow(&CalcRecord::VariantRegulatedFlow, input.ComboIndex, input, record, saved);
        if (outcome.Accepted)
            record.RegulationVariant = input.ComboIndex;  // -1 when no item is selected
        return outcome;
    }
    case DialogId::OKBottomDlg6: return ConfirmRequiredFlow(input, record, saved);
    case DialogId::OKBottomDlg7: return ConfirmStoreyFlows(input, record, saved);
    default: return {};  // the building dialogs, confirmed above
    }
}

const std::vector<std::string> kNoTexts;

// The storey dialog's value file as its boxes read it. A file of three lines was written by the
// earlier dialog: the stack-effect flag (no box any more), the one outside temperature, which
// started at the usual winter design temperature and is taken as it, and the speed; Qi and the
// summer temperature start as without a file.
std::vector<std::optional<std::string>> StoreyLinesOfEitherLayout(std::vector<std::optional<std::string>> lines)
{
    constexpr size_t kWinterLine = 1, kSpeedLine = 3;  // of the present layout
    if (lines.size() != 4 || !lines[2] || lines[3])
        return lines;
    std::vector<std::optional<std::string>> present(lines.size());
    present[kWinterLine] = std::move(lines[1]);
    present[kSpeedLine] = std::move(lines[2]);
    return present;
}

}  // namespace

const ValueFileLayout* ValueFileOf(DialogId dialog)
{
    static const std::vector<ValueFileLayout> layouts = [] {
        std::vector<ValueFileLayout> all;
        for (const DialogFacts& facts : AllDialogs()) {
            ValueFileLayout layout{facts.ValueFile, {}};
            for (const EditBox& box : facts.Boxes)
                layout.Widths.push_back(box.LineWidth);
            all.push_back(std::move(layout));
        }
        return all;
    }();
    const ValueFileLayout& layout = layouts.at(static_cast<size_t>(dialog));
    return layout.FileName ? &layout : nullptr;
}

std::vector<std::string> EditTextsAtCreation(DialogId dialog, const std::string& dir)
{
    return EditTextsAtCreation(dialog, dir, ReadBuildingFile(dir));
}

std::vector<std::string> EditTextsAtCreation(DialogId dialog, const std::string& dir, const BuildingFile& building)
{
    std::vector<std::string> texts;
    for (size_t i = 0; i < FactsOf(dialog).Boxes.size(); ++i)
        texts.emplace_back(StartText(dialog, i));
    const ValueFileLayout* layout = ValueFileOf(dialog);
    if (!layout)
        return texts;
    ValueFileContents contents = LoadValueFile(JoinPath(dir, layout->FileName), layout->Widths);
    if (dialog == DialogId::OKBottomDlg7)
        contents.Lines = StoreyLinesOfEitherLayout(std::move(contents.Lines));
    for (size_t i = 0; i < texts.size() && i < contents.Lines.size(); ++i) {
        if (contents.Lines[i])
            texts[i] = *contents.Lines[i];
    }
    LayBuildingTexts(dialog, building, texts);
    return texts;
}

DialogInput InputAtCreation(DialogId dialog, const std::string& dir, const BuildingFile& building)
{
    DialogInput input;
    input.Edits = EditTextsAtCreation(dialog, dir, building);
    input.Choice = ChoiceAtCreation(dialog, building);
    if (dialog == DialogId::OKBottomDlg2)
        input.ComboIndex = input.Choice;
    const std::vector<std::string>& items = ComboItems(dialog);
    if (!items.empty())  // every combo box starts showing its first item
        input.ComboText = ComboTextAtCreation(dialog, building).value_or(items.front());
    if (input.ComboIndex >= 0)
        input.ComboText = items[static_cast<size_t>(input.ComboIndex)];
    return input;
}

std::vector<DialogId> DialogsWithUnreadableValueFiles(const std::string& dir)
{
    std::vector<DialogId> dialogs;
    for (const DialogFacts& facts : AllDialogs()) {
        const ValueFileLayout* layout = ValueFileOf(facts.Id);
        if (layout && LoadValueFile(JoinPath(dir, layout->FileName), layout->Widths).State ==
                          ValueFileState::Unreadable)
            dialogs.push_back(facts.Id);
    }
    return dialogs;
}

std::string UnreadableValueFilesMessage(const std::string& dir)
{
    std::string files;
    for (DialogId dialog : DialogsWithUnreadableValueFiles(dir)) {
        const DialogFacts& facts = FactsOf(dialog);
        files += Printf("\n„%s” (okno „%s”)", facts.ValueFile, facts.Caption);
    }
    if (files.empty())
        return "";
    return "Nie można odczytać zapamiętanych wartości z plików:" + files +
           "\nPola tych okien są puste; każdy z tych plików zostanie zastąpiony dopiero po zatwierdzeniu "
           "jego okna przyciskiem OK.";
}

DialogOutcome ConfirmDialog(DialogId dialog, const DialogInput& input, CalcRecord& record,
                            const ValueFileTarget& files, FileProblems& problems)
{
    const DialogFacts& facts = FactsOf(dialog);
    for (size_t i = 0; i < facts.Boxes.size(); ++i) {
        const DialogOutcome refusal = CheckBox(facts.Boxes[i], EditText(input, i), static_cast<int>(i));
        if (!refusal.Accepted)
            return refusal;
    }
    // A size, density or loss coefficient of zero or less describes no building: refused where it
    // is typed, before it could end in an unsuitable fan or negative duct pressures.
    for (size_t i = 0; i < facts.Boxes.size(); ++i) {
        if (facts.Boxes[i].Positive && !(TextToDouble(EditText(input, i)) > 0.0))
            return DialogOutcome{false, Printf(kNotPositive, facts.Boxes[i].Field), static_cast<int>(i)};
    }

    // Worked out on a copy, so that a refusal at any step stores nothing.
    CalcRecord changed = record;
    SavedValues saved;
    const DialogOutcome outcome = Apply(dialog, input, changed, saved);
    if (!outcome.Accepted)
        return outcome;
    std::vector<std::string> lines;
    for (size_t i = 0; i < facts.Boxes.size() && i < saved.size(); ++i) {
        const EditBox& box = facts.Boxes[i];
        lines.push_back(SavedLine(box, saved[i]));
        // A longer line would come back cut, as a different number, on the next start.
        if (lines.back().size() > static_cast<size_t>(box.LineWidth))
            return DialogOutcome{false, Printf(kOutOfRange, box.Field), static_cast<int>(i)};
    }
    if (!DialogFieldsFinite(changed))
        return Refuse(kResultsNotFinite);

    record = changed;
    if (facts.ValueFile && files.Write) {
        const std::string path = JoinPath(files.Dir, facts.ValueFile);
        if (!SaveValueFile(path, lines))
            problems.Add(path);
    }
    // The building file keeps what was typed and chosen, beside the value file's rounded lines.
    if (const BuildingAnswers answers = AnswersOfDialog(dialog, input); files.Write && !answers.empty()) {
        if (!SaveBuildingAnswers(files.Dir, answers))
            problems.Add(JoinPath(files.Dir, kBuildingFileName));
    }
    return outcome;
}

bool IsSharedAnswer(DialogId dialog, size_t box) { return !BoxesSharing(dialog, box).empty(); }

DialogOutcome CheckEditText(DialogId dialog, size_t box, std::string_view text)
{
    return CheckBox(FactsOf(dialog).Boxes[box], text, static_cast<int>(box));
}

const std::vector<std::string>& ComboItems(DialogId dialog)
{
    // In the order of RegulationVariant 0, 1, 2.
    static const std::vector<std::string> variants = {ConfigurationName(FanConfiguration::Fan),
                                                      ConfigurationName(FanConfiguration::Base),
                                                      ConfigurationName(FanConfiguration::Silencer)};
    if (dialog == DialogId::OKBottomDlg2)
        return variants;
    const BuildingDialog* building = FindBuildingDialog(dialog);
    return building ? building->Grilles : kNoTexts;
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
    static const std::vector<std::string> installationKinds = [] {
        std::vector<std::string> captions;
        for (const InstallationKindRow& kind : kInstallationKinds)
            captions.emplace_back(kind.Caption);
        return captions;
    }();

    switch (dialog) {
    case DialogId::OKBottomDlg3: return densitySource;
    case DialogId::OKBottomDlg333: return ductShape;
    case DialogId::OKBottomDlg33333: return materials;
    case DialogId::OKBottomDlg3333: return installationKinds;
    default: return kNoTexts;
    }
}

std::optional<DialogId> BuildingDialogOf(int32_t installationKind)
{
    for (const BuildingDialog& building : BuildingDialogs()) {
        if (building.Kind == installationKind)
            return building.Dialog;
    }
    return std::nullopt;
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
