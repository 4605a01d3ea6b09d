// Rectangular duct dialog; its value file is "dialog2.sav".
#include "dialogs/forms/rectangular_duct_form.h"

#include <QLineEdit>

TForm1::TForm1(const DialogContext& context)
    : ModalForm(context, DialogId::Form1, {QSize(332, 146), AtDesignPosition(327, 303), false})
{
    Label1 = MakeLabel("Label1", "Proszę podać wymiary kanału", 16, 16);
    Label2 = MakeLabel("Label2", "Długość [m]", 16, 48);
    Label3 = MakeLabel("Label3", "Szerokość [m]", 16, 80);
    Edit1 = MakeEdit("Edit1", 144, 44, 121);
    Edit2 = MakeEdit("Edit2", 144, 76, 121);
    MakeCentredButtons(Button1, Button2, "Button1", "Button2", 110, &TForm1::Button1Click);
    SetTabOrder({Edit1, Edit2, Button1, Button2});
    FillEditsAtCreation({Edit1, Edit2});
}

void TForm1::Button1Click()
{
    ConfirmTexts({Edit1, Edit2});
}
