// Density source dialog: DensitySource 0 for the computed density, 1 for the typed one.
#include "dialogs/forms/tokbottomdlg3.h"

#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>

TOKBottomDlg3::TOKBottomDlg3(const DialogContext& context)
    : ModalForm(context, DialogId::OKBottomDlg3,
                {"OKBottomDlg3", "Wprowadzanie Ro", QSize(275, 150), kScreenCentre, true})
{
    const std::vector<std::string>& captions = RadioCaptions(DialogId::OKBottomDlg3);
    GroupBox1 = MakeGroup("GroupBox1", QString(), 8, 8, 259, 97);
    RadioButton1 = MakeRadio("RadioButton1", QString::fromStdString(captions.at(0)), 16, 24, 233, GroupBox1);
    RadioButton2 = MakeRadio("RadioButton2", QString::fromStdString(captions.at(1)), 16, 56, 233, GroupBox1);
    RadioButton2->setChecked(true);
    OKBtn = MakeButton("OKBtn", "OK", CentredButtonsLeft(), 114);
    CancelBtn = MakeButton("CancelBtn", "Anuluj", CentredCancelLeft(), 114);
    WireButtons(OKBtn, CancelBtn);
    connect(OKBtn, &QPushButton::clicked, this, &TOKBottomDlg3::OKBtnClick);
    SetTabOrder({RadioButton1, RadioButton2, OKBtn, CancelBtn});
}

void TOKBottomDlg3::OKBtnClick()
{
    DialogInput input;
    input.Choice = RadioButton1->isChecked() ? 0 : 1;
    Confirm(input);
}
