// Duct material dialog: the chosen material's roughness goes into DuctRoughness.
#include "dialogs/forms/duct_material_form.h"

#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>

TOKBottomDlg33333::TOKBottomDlg33333(const DialogContext& context)
    : ModalForm(context, DialogId::OKBottomDlg33333, {QSize(318, 290), kScreenCentre, true})
{
    // The form may be wider than designed, for its caption; the group spans it.
    GroupBox1 = MakeGroup("GroupBox1", "Proszę wybrać materiał kanału", 8, 8, width() - 16, 237);
    MakeRadioColumn({&RadioButton1, &RadioButton2, &RadioButton3, &RadioButton4, &RadioButton5, &RadioButton6},
                    GroupBox1, 12, 28, 34, 286);
    CheckAtCreation({RadioButton1, RadioButton2, RadioButton3, RadioButton4, RadioButton5, RadioButton6});
    MakeCentredButtons(OKBtn, CancelBtn, "OKBtn", "CancelBtn", 254, &TOKBottomDlg33333::OKBtnClick);
    SetTabOrder({RadioButton1, RadioButton2, RadioButton3, RadioButton4, RadioButton5, RadioButton6, OKBtn,
                 CancelBtn});
}

void TOKBottomDlg33333::OKBtnClick()
{
    // None checked: the roughness keeps its value.
    ConfirmChoice({RadioButton1, RadioButton2, RadioButton3, RadioButton4, RadioButton5, RadioButton6});
}
