// Round duct dialog; its value file is "dialog22.sav".
#include "dialogs/forms/round_duct_form.h"

#include <QLineEdit>

TForm4::TForm4(const DialogContext& context)
    : ModalForm(context, DialogId::Form4, {QSize(300, 126), AtDesignPosition(353, 284), false})
{
    Label1 = MakeLabel("Label1", "Proszę podać parametry kanału", 16, 16);
    Label2 = MakeLabel("Label2", "Średnica kanału [m]", 16, 48);
    Edit1 = MakeEdit("Edit1", 152, 44, 121);
    MakeCentredButtons(Button1, Button2, "Button1", "Button2", 90, &TForm4::Button1Click);
    SetTabOrder({Button1, Button2, Edit1});
    OpenWithFocusIn(Edit1);
    FillEditsAtCreation({Edit1});
}

void TForm4::Button1Click()
{
    ConfirmTexts({Edit1});
}
