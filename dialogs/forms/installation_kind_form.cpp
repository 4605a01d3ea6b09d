// Installation kind dialog: InstallationKind is the number of the chosen radio button.
#include "dialogs/forms/installation_kind_form.h"

#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>

TOKBottomDlg3333::TOKBottomDlg3333(const DialogContext& context)
    : ModalForm(context, DialogId::OKBottomDlg3333, {QSize(393, 225), kScreenCentre, true})
{
    GroupBox1 = MakeGroup("GroupBox1", "Proszę wybrać typ instalacji", 8, 8, 377, 173);
    MakeRadioColumn({&RadioButton1, &RadioButton2, &RadioButton3, &RadioButton4, &RadioButton5}, GroupBox1, 12, 24, 30,
                    357);
    CheckAtCreation({RadioButton1, RadioButton2, RadioButton3, RadioButton4, RadioButton5});
    MakeCentredButtons(OKBtn, CancelBtn, "OKBtn", "CancelBtn", 189, &TOKBottomDlg3333::OKBtnClick);
    SetTabOrder({RadioButton1, RadioButton2, RadioButton3, RadioButton4, RadioButton5, OKBtn, CancelBtn});
}

void TOKBottomDlg3333::OKBtnClick()
{
    // None checked: the kind keeps its value.
    ConfirmChoice({RadioButton1, RadioButton2, RadioButton3, RadioButton4, RadioButton5});
}
