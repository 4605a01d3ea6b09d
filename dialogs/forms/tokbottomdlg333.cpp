// Duct shape dialog: DuctShape 0 for a rectangular duct, 1 for a round one.
#include "dialogs/forms/tokbottomdlg333.h"

#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>

TOKBottomDlg333::TOKBottomDlg333(const DialogContext& context)
    : ModalForm(context, DialogId::OKBottomDlg333,
                {"OKBottomDlg333", "Wybór kanału", QSize(209, 174), kScreenCentre, true})
{
    const std::vector<std::string>& captions = RadioCaptions(DialogId::OKBottomDlg333);
    GroupBox1 = MakeGroup("GroupBox1", "Proszę wybrać typ kanału", 8, 8, 193, 121);
    RadioButton1 = MakeRadio("RadioButton1", QString::fromStdString(captions.at(0)), 16, 32, 169, GroupBox1);
    RadioButton2 = MakeRadio("RadioButton2", QString::fromStdString(captions.at(1)), 16, 72, 169, GroupBox1);
    RadioButton1->setChecked(true);
    OKBtn = MakeButton("OKBtn", "OK", CentredButtonsLeft(), 138);
    CancelBtn = MakeButton("CancelBtn", "Anuluj", CentredCancelLeft(), 138);
    WireButtons(OKBtn, CancelBtn);
    connect(OKBtn, &QPushButton::clicked, this, &TOKBottomDlg333::OKBtnClick);
    SetTabOrder({RadioButton1, RadioButton2, OKBtn, CancelBtn});
}

void TOKBottomDlg333::OKBtnClick()
{
    DialogInput input;
    input.Choice = RadioButton1->isChecked() ? 0 : 1;
    Confirm(input);
}
