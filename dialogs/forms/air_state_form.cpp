// Air state dialog; its value file "dialog1.sav" holds the three integers.
#include "dialogs/forms/air_state_form.h"

#include <QLineEdit>

TForm3::TForm3(const DialogContext& context)
    : ModalForm(context, DialogId::Form3, {QSize(308, 209), AtDesignPosition(358, 246), false})
{
    Bevel1 = MakeBevel("Bevel1", 8, 8, 292, 153);
    Label1 = MakeLabel("Label1", "Proszę podać parametry do obliczenia gestości Ro", 16, 20);
    Label2 = MakeLabel("Label2", "Temperatura [°C]", 16, 60);
    Label3 = MakeLabel("Label3", "Ciśnienie baryczne [hPa]", 16, 92);
    Label4 = MakeLabel("Label4", "Wilgotność względna [%]", 16, 124);
    Edit1 = MakeEdit("Edit1", 176, 56, 113);
    Edit2 = MakeEdit("Edit2", 176, 88, 113);
    Edit3 = MakeEdit("Edit3", 176, 120, 113);
    MakeCentredButtons(Button1, Button2, "Button1", "Button2", 172, &TForm3::Button1Click);
    SetTabOrder({Edit1, Edit2, Edit3, Button1, Button2});
    FillEditsAtCreation({Edit1, Edit2, Edit3});
}

void TForm3::Button1Click()
{
    ConfirmTexts({Edit1, Edit2, Edit3});
}
