// Requested-flow dialog of the regulated speed; value file "dialog4.sav".
#include "dialogs/forms/regulated_flow_form.h"

#include <QLineEdit>
#include <QPushButton>

TOKBottomDlg1::TOKBottomDlg1(const DialogContext& context)
    : ModalForm(context, DialogId::OKBottomDlg1, {QSize(320, 183), kScreenCentre, true})
{
    Bevel1 = MakeBevel("Bevel1", 8, 8, 305, 105);
    Label2 = MakeLabel("Label2", "Proszę podać parametry", 16, 24);
    Label1 = MakeLabel("Label1", "Wydajność regulowana Qr [m3/s]", 16, 56);
    Edit1 = MakeEdit("Edit1", 184, 56, 121);
    OKBtn = MakeButton("OKBtn", "OK", 79, 140);
    CancelBtn = MakeButton("CancelBtn", "Anuluj", 159, 140);
    WireButtons(OKBtn, CancelBtn);
    connect(OKBtn, &QPushButton::clicked, this, &TOKBottomDlg1::OKBtnClick);
    SetTabOrder({OKBtn, CancelBtn, Edit1});
    FillEditsAtCreation({Edit1});
}

void TOKBottomDlg1::OKBtnClick()
{
    ConfirmTexts({Edit1});
}
