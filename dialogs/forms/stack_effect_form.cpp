// Stack-effect dialog of the storey flows; value file "dialog7.sav" (check box as 0 or 1, the
// outside temperature, the fan speed). The temperature box is open only while the check box is
// ticked. The form is wide enough for its caption to show whole in the title bar.
#include "dialogs/forms/stack_effect_form.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

TOKBottomDlg7::TOKBottomDlg7(const DialogContext& context)
    : ModalForm(context, DialogId::OKBottomDlg7,
                {QSize(400, 215), kScreenCentre, true})
{
    Bevel1 = MakeBevel("Bevel1", 8, 8, 385, 153);
    Label2 = MakeLabel("Label2", "Proszę podać parametry", 16, 24);
    CheckBox1 = new QCheckBox(QString::fromUtf8("Uwzględnij efekt kominowy"), this);
    CheckBox1->setObjectName("CheckBox1");
    CheckBox1->move(16, 52);
    CheckBox1->adjustSize();
    Label1 = MakeLabel("Label1", "Temperatura zewnętrzna [°C]", 16, 84);
    Edit1 = MakeEdit("Edit1", 264, 84, 121);
    Label3 = MakeLabel("Label3", "Obroty wentylatora [1/min]", 16, 116);
    Edit2 = MakeEdit("Edit2", 264, 116, 121);
    Label4 = MakeLabel("Label4", "(0 - obroty z katalogu)", 16, 136);
    OKBtn = MakeButton("OKBtn", "OK", 119, 172);
    CancelBtn = MakeButton("CancelBtn", "Anuluj", 199, 172);
    WireButtons(OKBtn, CancelBtn);
    connect(OKBtn, &QPushButton::clicked, this, &TOKBottomDlg7::OKBtnClick);
    connect(CheckBox1, &QCheckBox::toggled, Edit1, &QLineEdit::setEnabled);
    SetTabOrder({CheckBox1, Edit1, Edit2, OKBtn, CancelBtn});

    // The first line of the value file is the check box, then the temperature and speed boxes.
    QLineEdit stackEffect;
    FillEditsAtCreation({&stackEffect, Edit1, Edit2});
    CheckBox1->setChecked(stackEffect.text().toLongLong() != 0);
    Edit1->setEnabled(CheckBox1->isChecked());
}

void TOKBottomDlg7::OKBtnClick()
{
    DialogInput input;
    input.Edits = {CheckBox1->isChecked() ? "1" : "0", Utf8(Edit1->text()), Utf8(Edit2->text())};
    Confirm(input);
}
