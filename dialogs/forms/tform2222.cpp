// Building dialog of kind 3 (adjustable round grille); value file "dialog3333.sav".
#include "dialogs/forms/tform2222.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

TForm2222::TForm2222(const DialogContext& context)
    : BuildingForm(context, DialogId::Form2222, "Form2222", QSize(326, 232), QPoint(272, 200), {40, 28, 200, 105})
{
    Label4 = MakeRowLabel("Label4", "Wybierz kratke", 2);
    Label5 = MakeRowLabel("Label5", "Otwarcie kratki", 3);
    ComboBox1 = MakeRowCombo("ComboBox1", DialogId::Form2222, "LUMA 75/80", 2);
    Edit4 = MakeRowEdit("Edit4", 3);
    Label6 = MakeLabel("Label6", "(ilosc obrotow tarczy kratki 0-20)", 16, RowTop(4) + 4);
    PlaceButtons(196, &TForm2222::Button1Click);
    SetTabOrder({Edit1, Edit2, ComboBox1, Edit4, Button1, Button2});
    FillEditsAtCreation({Edit1, Edit2, Edit4});
}

void TForm2222::Button1Click()
{
    DialogInput input;
    input.Edits = {Utf8(Edit1->text()), Utf8(Edit2->text()), Utf8(Edit4->text())};
    input.ComboText = Utf8(ComboBox1->currentText());
    Confirm(input);
}
