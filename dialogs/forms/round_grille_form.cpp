// Building dialog of kind 2 (round grille, loss coefficient typed); value file "dialog333.sav".
#include "dialogs/forms/round_grille_form.h"

#include <QLabel>
#include <QLineEdit>

TForm222::TForm222(const DialogContext& context)
    : BuildingForm(context, DialogId::Form222, QSize(326, 404), QPoint(195, 96), {48, 32, 200, 105})
{
    Label4 = MakeRowLabel("Label4", "Średnica kratki [m]", 2);
    Label5 = MakeRowLabel("Label5", "Współczynnik strat kratki", 3);
    Edit3 = MakeRowEdit("Edit3", 2);
    Edit4 = MakeRowEdit("Edit4", 3);
    constexpr int kExampleTop = 216;
    Label6 = MakeLabel("Label6", "Przykładowe wartości współczynnika strat kratek", 16, kExampleTop - 28);
    // clang-format off
    // Columns: description, grille diameter [m], loss coefficient. The first words, read
    // downwards, say what they are.
    ExampleLabels = MakeExampleTable(
        {
            {"Okrągła OKRA-80",     "d=0.06",  "1.6"},
            {"Regulowana OKRA-100", "d=0.074", "1.6"},
            {"Całkowicie OKRA-125", "d=0.097", "3.9"},
            {"Otwarta OKRA-150",    "d=0.117", "4"},
            {"Otwarta OKRA-200",    "d=0.155", "4.1"},
        },
        7, 5, kExampleTop, 24);
    // clang-format on

    PlaceButtons(&TForm222::Button1Click);
    SetTabOrder({Edit1, Edit2, Edit3, Edit4, Button1, Button2});
    FillEditsAtCreation({Edit1, Edit2, Edit3, Edit4});
}

void TForm222::Button1Click()
{
    ConfirmTexts({Edit1, Edit2, Edit3, Edit4});
}
