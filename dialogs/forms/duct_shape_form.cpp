// Duct shape dialog: DuctShape 0 for a rectangular duct, 1 for a round one.
#include "dialogs/forms/duct_shape_form.h"

#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>

TOKBottomDlg333::TOKBottomDlg333(const DialogContext& context)
    : ModalForm(context, DialogId::OKBottomDlg333, {QSize(209, 174), kScreenCentre, true})
{
    GroupBox1 = MakeGroup("GroupBox1", "Proszę wybrać typ kanału", 8, 8, 193, 121);
    MakeRadioColumn({&RadioButton1, &RadioButton2}, GroupBox1, 16, 32, 40, 169);
    CheckAtCreation({RadioButton1, RadioButton2});
    MakeCentredButtons(OKBtn, CancelBtn, "OKBtn", "CancelBtn", 138, &TOKBottomDlg333::OKBtnClick);
    SetTabOrder({RadioButton1, RadioButton2, OKBtn, CancelBtn});
}

void TOKBottomDlg333::OKBtnClick()
{
    DialogInput input;
    input.Choice = RadioButton1->isChecked() ? 0 : 1;
    Confirm(input);
}
