// Building dialog of kind 5 (constant-flow rectangular grille); value file "dialog333333.sav".
#include "dialogs/forms/tform222222.h"

#include <algorithm>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

TForm222222::TForm222222(const DialogContext& context)
    : BuildingForm(context, DialogId::Form222222, "Form222222", QSize(326, 255), QPoint(272, 200),
                   {40, 28, 200, 105})
{
    Label4 = MakeRowLabel("Label4", "Wybierz kratke", 2);
    Label5 = MakeRowLabel("Label5", "Stała wydajność Qs [m3/h]", 3);
    ComboBox1 = MakeRowCombo("ComboBox1", DialogId::Form222222, "NEVA-20", 2);
    Edit4 = MakeRowEdit("Edit4", 3);
    const int noteTop = RowTop(4) + 4;
    Label6 = MakeLabel("Label6", "liczba z zakresu ", 16, noteTop);
    Label7 = MakeLabel("Label7", "dla kratki NEVA-20 od 5 do 23", 16, noteTop + 18);
    Label9 = MakeLabel("Label9", "dla kratki NEVA-30 od 5 do 35", 16, noteTop + 36);
    // The second column starts near the middle, or just past the wider note of the first.
    const int secondColumn = std::max({Label7->x() + Label7->width(), Label9->x() + Label9->width()}) + 6;
    Label8 = MakeLabel("Label8", "dla kratki NEVA-50 od 5 do 60", std::max(secondColumn, 164), noteTop + 18);
    Label10 = MakeLabel("Label10", "dla kratki NEVA-70 od 10 do 80", std::max(secondColumn, 164), noteTop + 36);
    PlaceButtons(219, &TForm222222::Button1Click);
    SetTabOrder({Edit1, Edit2, ComboBox1, Edit4, Button1, Button2});
    FillEditsAtCreation({Edit1, Edit2, Edit4});
}

void TForm222222::Button1Click()
{
    DialogInput input;
    input.Edits = {Utf8(Edit1->text()), Utf8(Edit2->text()), Utf8(Edit4->text())};
    input.ComboText = Utf8(ComboBox1->currentText());
    Confirm(input);
}
