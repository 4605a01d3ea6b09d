// Building dialog of kind 2 (round grille, loss coefficient typed); value file "dialog333.sav".
#include "dialogs/forms/tform222.h"

#include <algorithm>
#include <iterator>

#include <QLabel>
#include <QLineEdit>

namespace {

struct ExampleGrille {
    const char* Description;  // display only; the first words, read downwards, say what they are
    const char* Value;        // loss coefficient as printed, with a decimal comma
};

// Columns: description, loss coefficient.
constexpr ExampleGrille kExamples[] = {
    {"Okrągła OKRA-80                    d=0,06",   "1,6"},
    {"Regulowana OKRA-100           d=0,074",       "1,6"},
    {"Całkowicie OKRA-125              d=0,097",    "3,9"},
    {"Otwarta OKRA-150                   d=0,117",  "4"},
    {"Otwarta OKRA-200                   d=0,155",  "4,1"},
};

constexpr int kExampleTop = 216;
constexpr int kExampleStep = 24;

}  // namespace

TForm222::TForm222(const DialogContext& context)
    : BuildingForm(context, DialogId::Form222, "Form222", QSize(326, 404), QPoint(195, 96), {48, 32, 200, 105})
{
    Label4 = MakeRowLabel("Label4", "Średnica kratki [m]", 2);
    Label5 = MakeRowLabel("Label5", "Współczynnik strat kratki", 3);
    Edit3 = MakeRowEdit("Edit3", 2);
    Edit4 = MakeRowEdit("Edit4", 3);
    Label6 = MakeLabel("Label6", "Przykładowe wartości współczynnika strat kratek", 16, kExampleTop - 28);

    std::vector<QLabel*> descriptions;
    std::vector<QLabel*> values;
    int number = 7;
    for (int i = 0; i < static_cast<int>(std::size(kExamples)); ++i) {
        const int top = kExampleTop + kExampleStep * i;
        const QByteArray descriptionName = "Label" + QByteArray::number(number++);
        const QByteArray valueName = "Label" + QByteArray::number(number++);
        descriptions.push_back(MakeLabel(descriptionName.constData(), kExamples[i].Description, 0, top));
        values.push_back(MakeLabel(valueName.constData(), kExamples[i].Value, 0, top));
        ExampleLabels.push_back(descriptions.back());
        ExampleLabels.push_back(values.back());
    }
    PlaceExampleColumn(descriptions, values, 16);

    PlaceButtons(368, &TForm222::Button1Click);
    SetTabOrder({Edit1, Edit2, Edit3, Edit4, Button1, Button2});
    FillEditsAtCreation({Edit1, Edit2, Edit3, Edit4});
}

void TForm222::Button1Click()
{
    DialogInput input;
    input.Edits = {Utf8(Edit1->text()), Utf8(Edit2->text()), Utf8(Edit3->text()), Utf8(Edit4->text())};
    Confirm(input);
}
