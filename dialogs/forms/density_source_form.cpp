// Density source dialog: DensitySource 0 for the computed density, 1 for the typed one.
#include "dialogs/forms/density_source_form.h"

#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>

TOKBottomDlg3::TOKBottomDlg3(const DialogContext& context)
    : ModalForm(context, DialogId::OKBottomDlg3, {QSize(275, 150), kScreenCentre, true})
{
    GroupBox1 = MakeGroup("GroupBox1", QString(), 8, 8, 259, 97);
    MakeRadioColumn({&RadioButton1, &RadioButton2}, GroupBox1, 16, 24, 32, 233);
    CheckAtCreation({RadioButton1, RadioButton2});
    MakeCentredButtons(OKBtn, CancelBtn, "OKBtn", "CancelBtn", 114, &TOKBottomDlg3::OKBtnClick);
    SetTabOrder({RadioButton1, RadioButton2, OKBtn, CancelBtn});
}

void TOKBottomDlg3::OKBtnClick()
{
    DialogInput input;
    input.Choice = RadioButton1->isChecked() ? 0 : 1;
    Confirm(input);
}
