// Installation kind dialog: InstallationKind is the number of the chosen radio button.
#include "dialogs/forms/tokbottomdlg3333.h"

#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>

TOKBottomDlg3333::TOKBottomDlg3333(const DialogContext& context)
    : ModalForm(context, DialogId::OKBottomDlg3333,
                {"OKBottomDlg3333", "Wybór typu instalacji", QSize(393, 225), kScreenCentre, true})
{
    const std::vector<std::string>& captions = RadioCaptions(DialogId::OKBottomDlg3333);
    GroupBox1 = MakeGroup("GroupBox1", "Proszę wybrać typ instalacji", 8, 8, 377, 173);
    QRadioButton** radios[] = {&RadioButton1, &RadioButton2, &RadioButton3, &RadioButton4, &RadioButton5};
    for (int i = 0; i < 5; ++i) {
        const QByteArray name = "RadioButton" + QByteArray::number(i + 1);
        *radios[i] = MakeRadio(name.constData(), QString::fromStdString(captions.at(i)), 12, 24 + 30 * i, 357,
                               GroupBox1);
    }
    RadioButton1->setChecked(true);
    OKBtn = MakeButton("OKBtn", "OK", CentredButtonsLeft(), 189);
    CancelBtn = MakeButton("CancelBtn", "Anuluj", CentredCancelLeft(), 189);
    WireButtons(OKBtn, CancelBtn);
    connect(OKBtn, &QPushButton::clicked, this, &TOKBottomDlg3333::OKBtnClick);
    SetTabOrder({RadioButton1, RadioButton2, RadioButton3, RadioButton4, RadioButton5, OKBtn, CancelBtn});
}

void TOKBottomDlg3333::OKBtnClick()
{
    const QRadioButton* radios[] = {RadioButton1, RadioButton2, RadioButton3, RadioButton4, RadioButton5};
    DialogInput input;
    input.Choice = -1;  // none checked: the kind keeps its value
    for (int i = 0; i < 5; ++i) {
        if (radios[i]->isChecked())
            input.Choice = i;
    }
    Confirm(input);
}
