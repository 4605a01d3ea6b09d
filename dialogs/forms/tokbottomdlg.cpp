// Typed air density dialog; its value file is "dialog.sav".
#include "dialogs/forms/tokbottomdlg.h"

#include <QLineEdit>
#include <QPushButton>

TOKBottomDlg::TOKBottomDlg(const DialogContext& context)
    : ModalForm(context, DialogId::OKBottomDlg,
                {"OKBottomDlg", "Dobór parametrów", QSize(297, 146), kScreenCentre, false})
{
    Bevel1 = MakeBevel("Bevel1", 8, 8, 281, 97);
    Label1 = MakeLabel("Label1", "Proszę podać parametry", 16, 24);
    Label2 = MakeLabel("Label2", "Gęstość Ro [kg/m3]", 16, 60);
    Edit1 = MakeEdit("Edit1", 160, 56, 121);
    OKBtn = MakeButton("OKBtn", "OK", CentredButtonsLeft(), 112);
    CancelBtn = MakeButton("CancelBtn", "Anuluj", CentredCancelLeft(), 112);
    WireButtons(OKBtn, CancelBtn);
    connect(OKBtn, &QPushButton::clicked, this, &TOKBottomDlg::OKBtnClick);
    SetTabOrder({Edit1, OKBtn, CancelBtn});
    FillEditsAtCreation({Edit1});
}

void TOKBottomDlg::OKBtnClick()
{
    DialogInput input;
    input.Edits = {Utf8(Edit1->text())};
    Confirm(input);
}
