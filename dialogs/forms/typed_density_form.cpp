// Typed air density dialog; its value file is "dialog.sav".
#include "dialogs/forms/typed_density_form.h"

#include <QLineEdit>

TOKBottomDlg::TOKBottomDlg(const DialogContext& context)
    : ModalForm(context, DialogId::OKBottomDlg, {QSize(297, 146), kScreenCentre, false})
{
    Bevel1 = MakeBevel("Bevel1", 8, 8, 281, 97);
    Label1 = MakeLabel("Label1", "Proszę podać parametry", 16, 24);
    Label2 = MakeLabel("Label2", "Gęstość Ro [kg/m3]", 16, 60);
    Edit1 = MakeEdit("Edit1", 160, 56, 121);
    MakeCentredButtons(OKBtn, CancelBtn, "OKBtn", "CancelBtn", 112, &TOKBottomDlg::OKBtnClick);
    SetTabOrder({Edit1, OKBtn, CancelBtn});
    FillEditsAtCreation({Edit1});
}

void TOKBottomDlg::OKBtnClick()
{
    ConfirmTexts({Edit1});
}
