// Building dialog of kind 1 (rectangular grille, loss coefficient typed); value file "dialog33.sav".
#include "dialogs/forms/rectangular_grille_form.h"

#include <QLabel>
#include <QLineEdit>

TForm22::TForm22(const DialogContext& context)
    : BuildingForm(context, DialogId::Form22, QSize(590, 442), QPoint(195, 96), {48, 32, 248, 121})
{
    Label4 = MakeRowLabel("Label4", "Wysokość kratki [m]", 2);
    Label5 = MakeRowLabel("Label5", "Szerokość kratki [m]", 3);
    Label6 = MakeRowLabel("Label6", "Współczynnik strat kratki", 4);
    Edit3 = MakeRowEdit("Edit3", 2);
    Edit4 = MakeRowEdit("Edit4", 3);
    Edit5 = MakeRowEdit("Edit5", 4);
    constexpr int kExampleTop = 240;
    Label7 = MakeLabel("Label7", "Przykładowe wartości współczynnika strat kratek", 16, kExampleTop - 28);
    // clang-format off
    // Columns: description, grille size [m], loss coefficient. Rows 1-6 form the left column, 7-12
    // the right.
    ExampleLabels = MakeExampleTable(
        {
            {"Prostokątna TERN 20 i VASK 20",  "0.222x0.255", "4.6"},
            {"Prostokątna TERN 25 i VASK 25",  "0.272x0.305", "2.8"},
            {"Firmy ZORIN TERN 30 i VASK 30",  "0.322x0.355", "2.5"},
            {"Firmy ZORIN TERN 35 i VASK 35",  "0.372x0.405", "2.1"},
            {"Kwadratowa Typ A",               "0.15x0.15",   "15"},
            {"Łopatki pod kątem 45 st Typ A",  "0.2x0.2",     "15"},
            {"Łopatki pod kątem 45 st Typ A",  "0.25x0.25",   "15"},
            {"Firmy WEXALTyp A",               "0.3x0.3",     "15"},
            {"Kwadratowa Typ G",               "0.15x0.15",   "3.3"},
            {"Łopatki pod kątem 0 st Typ G",   "0.2x0.2",     "3.3"},
            {"Łopatki pod kątem 0 st Typ G",   "0.25x0.25",   "3.3"},
            {"Firmy WEXAL Typ G",              "0.3x0.3",     "3.3"},
        },
        8, 6, kExampleTop, 22);
    // clang-format on

    PlaceButtons(&TForm22::Button1Click);
    SetTabOrder({Edit1, Edit2, Edit3, Edit4, Edit5, Button1, Button2});
    FillEditsAtCreation({Edit1, Edit2, Edit3, Edit4, Edit5});
}

void TForm22::Button1Click()
{
    ConfirmTexts({Edit1, Edit2, Edit3, Edit4, Edit5});
}
