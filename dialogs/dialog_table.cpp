// The dialog table. A dialog that asks for numbers lists its edit boxes here; its OK handler in
// dialogs/dialog_actions.cpp turns their values into record fields.
#include "dialogs/dialog_table.h"

#include <cstdio>
#include <cstdlib>

namespace {

using enum NumberKind;

// Columns of every box table: kind, label, batch key, value-file line format, line width.
constexpr EditBox kTypedDensityBoxes[] = {
    {Decimal, "Gęstość Ro [kg/m3]",         "density",     "%1.3f", 29},
};
constexpr EditBox kAirStateBoxes[] = {
    {Integer, "Temperatura [°C]",           "temperature", "%d",    29},
    {Integer, "Ciśnienie baryczne [hPa]",   "pressure",    "%d",    19},
    {Integer, "Wilgotność względna [%]",    "humidity",    "%d",    19},
};
constexpr EditBox kRectDuctBoxes[] = {
    {Decimal, "Długość [m]",                "duct_length", "%1.3f", 19},
    {Decimal, "Szerokość [m]",              "duct_width",  "%1.3f", 19},
};
constexpr EditBox kRoundDuctBoxes[] = {
    {Decimal, "Średnica kanału [m]",        "duct_diameter", "%1.3f", 19},
};

// Every building dialog starts with these two.
constexpr EditBox kStoreyHeight{Decimal, "Wysokość jednej kondygnacji [m]", "storey_height", "%1.2f", 19};
constexpr EditBox kStoreyCount {Integer, "Ilość kondygnacji",               "storeys",       "%d",    19};

constexpr EditBox kRectGrilleBoxes[] = {
    kStoreyHeight, kStoreyCount,
    {Decimal, "Wysokość kratki [m]",        "grille_height",    "%1.2f", 19},
    {Decimal, "Szerokość kratki [m]",       "grille_width",     "%1.2f", 19},
    {Decimal, "Współczynnik strat kratki",  "loss_coefficient", "%1.2f", 19},
};
constexpr EditBox kRoundGrilleBoxes[] = {
    kStoreyHeight, kStoreyCount,
    {Decimal, "Średnica kratki [m]",        "grille_diameter",  "%1.2f", 19},
    {Decimal, "Współczynnik strat kratki",  "loss_coefficient", "%1.2f", 19},
};
constexpr EditBox kAdjustableGrilleBoxes[] = {
    kStoreyHeight, kStoreyCount,
    {Integer, "Otwarcie kratki",            "turns",            "%d",    19},
};
constexpr EditBox kConstantFlowGrilleBoxes[] = {
    kStoreyHeight, kStoreyCount,
    {Integer, "Stała wydajność Qs [m3/h]",  "constant_flow",    "%d",    19},
};

constexpr EditBox kRegulatedFlowBoxes[] = {
    {Decimal, "Wydajność regulowana Qr [m3/s]", "regulated_flow", "%1.3f", 29},
};
constexpr EditBox kVariantFlowBoxes[] = {
    {Decimal, "Wydajność regulowana [m3/s]",    "variant_flow",   "%1.3f", 29},
};

// The required flow per grille is one answer of the building: the storey-flow dialog asks for it
// in the same box (one key of the building file, which both dialogs show).
constexpr EditBox kRequiredFlow{Decimal, "Wymagana wydajność kratki Qi [m3/h]", "required_flow", "%1.1f", 29};

constexpr EditBox kRequiredFlowBoxes[] = {kRequiredFlow};

constexpr EditBox kStoreyFlowBoxes[] = {
    kRequiredFlow,
    {Decimal, "Temperatura zewnętrzna zimą [°C]",   "winter_temp", "%1.1f", 19},
    {Decimal, "Temperatura zewnętrzna latem [°C]",  "summer_temp", "%1.1f", 19},
    {Decimal, "Obroty wentylatora [1/min]",         "speed",       "%1.1f", 19},
};
// A usual flow of a flat's exhaust grille, the usual design temperatures of winter and summer,
// the catalogue speed.
constexpr const char* kStoreyFlowStartTexts[] = {"50.0", "-20.0", "30.0", "0"};

constexpr std::span<const EditBox> kNoBoxes;

// Columns: dialog, form name, caption, value file, edit boxes. In the order of DialogId. Form3's
// caption ends in a blank, unlike the typed-density dialog's.
constexpr DialogFacts kDialogs[] = {
    {DialogId::OKBottomDlg3,     "OKBottomDlg3",     "Wprowadzanie Ro",                   nullptr,            kNoBoxes},
    {DialogId::OKBottomDlg,      "OKBottomDlg",      "Dobór parametrów",                  "dialog.sav",       kTypedDensityBoxes},
    {DialogId::Form3,            "Form3",            "Dobór parametrów ",                 "dialog1.sav",      kAirStateBoxes},
    {DialogId::OKBottomDlg333,   "OKBottomDlg333",   "Wybór kanału",                      nullptr,            kNoBoxes},
    {DialogId::Form1,            "Form1",            "Parametry kanału",                  "dialog2.sav",      kRectDuctBoxes},
    {DialogId::Form4,            "Form4",            "Parametry kanału",                  "dialog22.sav",     kRoundDuctBoxes},
    {DialogId::OKBottomDlg33333, "OKBottomDlg33333", "Wybór współczynnika chropowatości", nullptr,            kNoBoxes},
    {DialogId::OKBottomDlg3333,  "OKBottomDlg3333",  "Wybór typu instalacji",             nullptr,            kNoBoxes},
    {DialogId::Form22,           "Form22",           "Parametry budynku",                 "dialog33.sav",     kRectGrilleBoxes},
    {DialogId::Form222,          "Form222",          "Parametry budynku",                 "dialog333.sav",    kRoundGrilleBoxes},
    {DialogId::Form2222,         "Form2222",         "Parametry budynku",                 "dialog3333.sav",   kAdjustableGrilleBoxes},
    {DialogId::Form22222,        "Form22222",        "Parametry budynku",                 "dialog33333.sav",  kConstantFlowGrilleBoxes},
    {DialogId::Form222222,       "Form222222",       "Parametry budynku",                 "dialog333333.sav", kConstantFlowGrilleBoxes},
    {DialogId::OKBottomDlg_wyw,  "OKBottomDlg_wyw",  "Wybór wentylatora",                 nullptr,            kNoBoxes},
    {DialogId::OKBottomDlg1,     "OKBottomDlg1",     "Podaj parametry",                   "dialog4.sav",      kRegulatedFlowBoxes},
    {DialogId::OKBottomDlg2,     "OKBottomDlg2",     "Podaj parametry",                   "dialog5.sav",      kVariantFlowBoxes},
    {DialogId::OKBottomDlg6,     "OKBottomDlg6",     "Wymagana wydajność kratki",         "dialog6.sav",      kRequiredFlowBoxes},
    {DialogId::OKBottomDlg7,     "OKBottomDlg7",     "Rozkład przepływu na kondygnacjach", "dialog7.sav",     kStoreyFlowBoxes},
};

// The table is indexed by DialogId; a row out of place is a broken build, found at compile time.
constexpr bool InDialogIdOrder()
{
    for (size_t i = 0; i < std::size(kDialogs); ++i)
        if (static_cast<size_t>(kDialogs[i].Id) != i)
            return false;
    return true;
}
static_assert(InDialogIdOrder(), "kDialogs rows must follow the order of DialogId");

}  // namespace

const char kMessageCaption[] = "Program doboru wentylatorów dachowych Firmy KORALINEX";

std::span<const DialogFacts> AllDialogs() { return kDialogs; }

const DialogFacts& FactsOf(DialogId dialog)
{
    const size_t index = static_cast<size_t>(dialog);
    if (index >= std::size(kDialogs)) {
        std::fprintf(stderr, "went_char: dialog %zu is not in the dialog table\n", index);
        std::abort();
    }
    return kDialogs[index];
}

const char* StartText(DialogId dialog, size_t box)
{
    if (dialog == DialogId::OKBottomDlg7 && box < std::size(kStoreyFlowStartTexts))
        return kStoreyFlowStartTexts[box];
    return "";
}
