// Duct material dialog: the chosen material's roughness goes into DuctRoughness.
#include "dialogs/forms/tokbottomdlg33333.h"

#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>

TOKBottomDlg33333::TOKBottomDlg33333(const DialogContext& context)
    : ModalForm(context, DialogId::OKBottomDlg33333,
                {"OKBottomDlg33333", "Wybór współczynnika chropowatości", QSize(318, 290), kScreenCentre, true})
{
    const std::vector<std::string>& captions = RadioCaptions(DialogId::OKBottomDlg33333);
    GroupBox1 = MakeGroup("GroupBox1", "Proszę wybrać materiał kanału", 8, 8, 302, 237);
    QRadioButton** radios[] = {&RadioButton1, &RadioButton2, &RadioButton3,
                               &RadioButton4, &RadioButton5, &RadioButton6};
    for (int i = 0; i < 6; ++i) {
        const QByteArray name = "RadioButton" + QByteArray::number(i + 1);
        *radios[i] = MakeRadio(name.constData(), QString::fromStdString(captions.at(i)), 12, 28 + 34 * i, 286,
                               GroupBox1);
    }
    RadioButton1->setChecked(true);
    OKBtn = MakeButton("OKBtn", "OK", CentredButtonsLeft(), 254);
    CancelBtn = MakeButton("CancelBtn", "Anuluj", CentredCancelLeft(), 254);
    WireButtons(OKBtn, CancelBtn);
    connect(OKBtn, &QPushButton::clicked, this, &TOKBottomDlg33333::OKBtnClick);
    SetTabOrder({RadioButton1, RadioButton2, RadioButton3, RadioButton4, RadioButton5, RadioButton6, OKBtn,
                 CancelBtn});
}

void TOKBottomDlg33333::OKBtnClick()
{
    const QRadioButton* radios[] = {RadioButton1, RadioButton2, RadioButton3,
                                    RadioButton4, RadioButton5, RadioButton6};
    DialogInput input;
    input.Choice = -1;  // none checked: the roughness keeps its value
    for (int i = 0; i < 6; ++i) {
        if (radios[i]->isChecked())
            input.Choice = i;
    }
    Confirm(input);
}
